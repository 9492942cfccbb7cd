// Every command of the real Fontloupe.exe, and a screen reader reading the
// main dialog's whole accessible tree, run over and over with its GDI objects
// counted from Wine's trace (run by gdi_count.py): after the warm-up, each
// command and each batch of reads frees every font, brush and printer context
// it makes and gives back every window context it takes, each time, and leaves
// no window open; the panel and the sample box are still right at the end.
#include <set>
#include <string>
#include <vector>

#include "FontDialog.h"
#include "Fontloupe.h"
#include "accessible.h"
#include "gditrace.h"

namespace {

// The warm-up makes what Wine keeps for good. Each command then runs at least
// three times, each time judged.
const int kWarmUpRounds = 1;
const int kRounds = 4;  // even: the run ends on the fonts of the warm-up
// Each round picks the other size, so that every choice makes a new font, and
// the first after the warm-up is one not seen before.
const fontdialog::Choice kScreenFonts[2] = {{"IPAゴシック", "標準", 12},
                                            {"IPAゴシック", "標準", 14}};
const fontdialog::Choice kPrinterFonts[2] = {{"IPAゴシック", "標準", 72, "日本語"},
                                             {"IPAゴシック", "太字", 48, "日本語"}};
const char kJobsFolder[] = CUPS_PDF_DIR "\\";
// Whole reads of the accessible tree per round; each measures every text.
const int kTreeReads = 25;

// File names of the jobs in the printer's folder, but for those in except.
std::set<std::string> Jobs(const std::set<std::string>& except = {}) {
    std::set<std::string> jobs;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((std::string(kJobsFolder) + "Tarvel_Print*.pdf").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do
            if (!except.count(found.cFileName))
                jobs.insert(found.cFileName);
        while (FindNextFileA(find, &found));
        FindClose(find);
    }
    return jobs;
}

class LongRun : public ::testing::Test {
protected:
    void SetUp() override {
        earlierJobs = Jobs();
        testkit::TraceGdiOf(L"Fontloupe.exe");
        main = fontloupe::Start(program);
    }

    // Each page reaches the folder within a few seconds of the one before;
    // the pages of this run are removed again.
    void TearDown() override {
        std::set<std::string> printed;
        testkit::WaitUntil([&] { return (printed = Jobs(earlierJobs)).size() >= size_t(prints); },
                           30000, 500);
        EXPECT_EQ(printed.size(), static_cast<size_t>(prints)) << "pages printed";
        for (const std::string& job : printed)
            DeleteFileA((kJobsFolder + job).c_str());
    }

    // One round of every command, each charged to the ledger as a phase.
    void Round(int round, testkit::GdiLedger& ledger) {
        LOGFONTA lf;
        ASSERT_TRUE(fontdialog::Choose(main, ID_PRINTER_FONT, kPrinterFonts[round % 2], &lf));
        ASSERT_TRUE(ledger.Charge("printer font"));
        // The page is printed inside the call: a message box would hold it.
        DWORD_PTR ignored = 0;
        ++prints;
        ASSERT_TRUE(SendMessageTimeoutW(main, WM_COMMAND, ID_TEST_PRINT, 0, SMTO_ABORTIFHUNG, 30000,
                                        &ignored));
        ASSERT_TRUE(ledger.Charge("test print"));
        ASSERT_TRUE(fontdialog::Choose(main, ID_SCREEN_FONT, kScreenFonts[round % 2], &screen));
        ASSERT_TRUE(ledger.Charge("screen font"));
        for (int command : {ID_SAMPLECODE_API, ID_SAMPLECODE_MFC}) {
            ASSERT_TRUE(
                testkit::OpenAndCloseDialog(main, command, "Fontloupe - サンプルコード", IDCANCEL));
            ASSERT_TRUE(ledger.Charge("sample code"));
        }
        ASSERT_TRUE(testkit::OpenAndCloseDialog(main, ID_APP_ABOUT, "Fontloupe について", IDOK));
        ASSERT_TRUE(ledger.Charge("about box"));
        for (int i = 0; i < kTreeReads; ++i)
            ASSERT_EQ(testkit::AccessibleReader(main).Children().size(), 18u);
        ASSERT_TRUE(ledger.Charge("screen reader"));
    }

    testkit::Program program;
    HWND main = nullptr;
    LOGFONTA screen{};
    std::set<std::string> earlierJobs;
    int prints = 0;
};

TEST_F(LongRun, EveryCommandFreesWhatItMakesAndClosesItsWindows) {
    ASSERT_TRUE(main);
    testkit::GdiLedger ledger(main);
    const auto round = [&](int n) { Round(n, ledger); };
    ledger.WarmUp(kWarmUpRounds, round);
    if (HasFatalFailure())
        return;
    const int height = testkit::EditLineHeight(GetDlgItem(main, IDC_SAMPLE_EDIT));

    ledger.Run(kRounds, round);
    if (HasFatalFailure())
        return;
    // The run ends on the screen font of the warm-up.
    EXPECT_EQ(fontloupe::PanelDifferences(main, screen, fontloupe::kScreenCaption), 0);
    EXPECT_EQ(testkit::Text(GetDlgItem(main, IDC_FACENAME_EDIT)), screen.lfFaceName);
    EXPECT_EQ(testkit::Text(GetDlgItem(main, IDC_SAMPLE_EDIT)), fontloupe::kSampleLines);
    EXPECT_EQ(testkit::EditLineHeight(GetDlgItem(main, IDC_SAMPLE_EDIT)), height);
}

}  // namespace
