// "テスト印刷" of the real Fontloupe.exe. The refusals must queue no job; the
// printing case runs only under print_test.sh, which names the file for the
// printer's metrics in PRINT_INFO and then checks the printed page's ink.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include <windows.h>

#include "FontDialog.h"
#include "Fontloupe.h"

namespace {

const char kJobs[] = CUPS_PDF_DIR "\\Tarvel_Print*";
const fontdialog::Choice kPrinterFont{"IPAゴシック", "標準", 72, "日本語"};

int CountJobs() {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(kJobs, &found);
    int count = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do
            ++count;
        while (FindNextFileA(find, &found));
        FindClose(find);
    }
    return count;
}

TEST(TestPrint, RefusesWithAScreenFontOrWithoutAPrinterAndPrintsNothing) {
    testkit::PrinterValueGuard restore;
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main);
    const int jobs = CountJobs();
    const char kCaption[] = "Fontloupe [ERROR]";
    const char kText[] =
        "スクリーンフォントが選択されています。プリンタフォントを選択してから再度実行してください。";

    // Right after start, and after a printer font followed by a screen font.
    testkit::PostCommand(main, ID_TEST_PRINT);
    EXPECT_TRUE(fontloupe::AnswerMessage(main, kCaption, kText));
    LOGFONTA chosen;
    ASSERT_TRUE(fontdialog::Choose(main, ID_PRINTER_FONT, kPrinterFont, &chosen));
    ASSERT_TRUE(fontdialog::Choose(main, ID_SCREEN_FONT, {"IPAゴシック", "標準", 12}, &chosen));
    testkit::PostCommand(main, ID_TEST_PRINT);
    EXPECT_TRUE(fontloupe::AnswerMessage(main, kCaption, kText));

    ASSERT_TRUE(fontdialog::Choose(main, ID_PRINTER_FONT, kPrinterFont, &chosen));
    testkit::DeleteDefaultPrinterValue();
    testkit::PostCommand(main, ID_TEST_PRINT);
    EXPECT_TRUE(fontloupe::AnswerMessage(main, "ﾌﾟﾘﾝﾀが見つかりません", "エラーです。"));

    // A printed page reaches the folder within about two seconds.
    testkit::Sleep(3000);
    EXPECT_EQ(CountJobs(), jobs) << "a job was printed";
}

// Chooses a printer font, measures it on the default printer for the page
// check, and prints; with LONG_PRINTER, on that printer.
TEST(TestPrint, PrintsThePrinterFont) {
    const char* info = std::getenv("PRINT_INFO");
    if (!info)
        GTEST_SKIP() << "run by print_test.sh";
    testkit::PrinterValueGuard restore;
    fontloupe::UseLongPrinter();
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main);
    LOGFONTA lf;
    ASSERT_TRUE(fontdialog::Choose(main, ID_PRINTER_FONT, kPrinterFont, &lf));

    // The default printer opened as the program opens it: "device,driver,port".
    std::string value;
    ASSERT_TRUE(testkit::GetDefaultPrinterValue(&value));
    const size_t comma1 = value.find(','), comma2 = value.find(',', comma1 + 1);
    HDC printer =
        CreateDCA(value.substr(comma1 + 1, comma2 - comma1 - 1).c_str(),
                  value.substr(0, comma1).c_str(), value.substr(comma2 + 1).c_str(), nullptr);
    ASSERT_TRUE(printer) << value;
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ oldFont = SelectObject(printer, font);
    TEXTMETRICA tm{};
    ASSERT_TRUE(GetTextMetricsA(printer, &tm));
    SelectObject(printer, oldFont);
    DeleteObject(font);
    FILE* out = std::fopen(info, "wb");
    ASSERT_TRUE(out) << info;
    std::fprintf(out, "face=%s\nlfHeight=%ld\ntmHeight=%ld\ntmAveCharWidth=%ld\n", lf.lfFaceName,
                 lf.lfHeight, tm.tmHeight, tm.tmAveCharWidth);
    const std::pair<const char*, int> caps[] = {{"dpiY", LOGPIXELSY},
                                                {"offsetX", PHYSICALOFFSETX},
                                                {"offsetY", PHYSICALOFFSETY},
                                                {"pageWidth", PHYSICALWIDTH},
                                                {"pageHeight", PHYSICALHEIGHT}};
    for (const auto& cap : caps)
        std::fprintf(out, "%s=%d\n", cap.first, GetDeviceCaps(printer, cap.second));
    std::fclose(out);
    DeleteDC(printer);

    // The command runs to its end inside the call, with no message on the way.
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(
        SendMessageTimeoutW(main, WM_COMMAND, ID_TEST_PRINT, 0, SMTO_ABORTIFHUNG, 30000, &ignored));
    const testkit::MessageBoxInfo box = testkit::WaitForMessageBox(program.Pid(), 500);
    EXPECT_FALSE(box.hwnd) << box.caption << " / " << box.text;
}

}  // namespace
