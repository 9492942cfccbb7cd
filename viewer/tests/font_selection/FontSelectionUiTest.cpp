// Choosing screen and printer fonts in the real Fontloupe.exe through the
// platform's font dialog. (The sample box's font object is looked at
// in-process: Wine answers WM_GETFONT from another process with nothing.)
#include "FontDialog.h"
#include "Fontloupe.h"

namespace {

const fontdialog::Choice kGothic{"ＭＳ ゴシック", "太字 斜体", 20};
const fontdialog::Choice kMincho{"IPA明朝", "標準", 12};
const fontdialog::Choice kTimes{"Times", "太字", 16};
const char kPrinterCaption[] = "☆ Printer Font ☆ PDF";

// Opens the font dialog of command, expects it on the last choice, picks
// another font and cancels.
void ExpectReopensOnAndCancel(HWND main, int command, const fontdialog::Choice& last) {
    testkit::PostCommand(main, command);
    HWND dialog = fontdialog::Wait(testkit::ProcessOf(main));
    ASSERT_TRUE(dialog);
    EXPECT_EQ(fontdialog::Selected(dialog, fontdialog::kFace), last.face);
    EXPECT_EQ(fontdialog::Selected(dialog, fontdialog::kStyle), last.style);
    EXPECT_EQ(fontdialog::Selected(dialog, fontdialog::kSize), std::to_string(last.points));
    LOGFONTA ignored;
    EXPECT_TRUE(fontdialog::Select(dialog, kMincho, &ignored));
    EXPECT_TRUE(fontdialog::Close(dialog, IDCANCEL));
}

// Panel (caption and values), face-name box and sample box show lf.
void ExpectShows(HWND main, const std::string& caption, const LOGFONTA& lf, const char* sample) {
    EXPECT_EQ(fontloupe::PanelDifferences(main, lf, caption), 0)
        << caption << ", height " << lf.lfHeight;
    EXPECT_EQ(testkit::Text(GetDlgItem(main, IDC_FACENAME_EDIT)), lf.lfFaceName);
    EXPECT_EQ(testkit::Text(GetDlgItem(main, IDC_SAMPLE_EDIT)), sample);
}

TEST(FontSelectionUi, ScreenAndPrinterFontsCancelAndNoPrinter) {
    testkit::PrinterValueGuard restore;
    testkit::SetDefaultPrinterValue("PDF,wineps.drv,CUPS:PDF");
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main);

    LOGFONTA gothic, times, mincho;
    ASSERT_TRUE(fontdialog::Choose(main, ID_SCREEN_FONT, kGothic, &gothic));
    ExpectShows(main, fontloupe::kScreenCaption, gothic, fontloupe::kSampleLines);
    ExpectReopensOnAndCancel(main, ID_SCREEN_FONT, kGothic);
    ExpectShows(main, fontloupe::kScreenCaption, gothic, fontloupe::kSampleLines);

    ASSERT_TRUE(fontdialog::Choose(main, ID_PRINTER_FONT, kTimes, &times));
    ExpectShows(main, kPrinterCaption, times, "");
    // Each dialog opens on the last font chosen in it.
    ExpectReopensOnAndCancel(main, ID_PRINTER_FONT, kTimes);
    ExpectReopensOnAndCancel(main, ID_SCREEN_FONT, kGothic);
    ExpectShows(main, kPrinterCaption, times, "");
    EXPECT_TRUE(fontloupe::ShowsSampleCode(main, ID_SAMPLECODE_API, fontloupe::ExeDir() + "API.DAT",
                                           times));

    // A screen font brings the sample text back.
    ASSERT_TRUE(fontdialog::Choose(main, ID_SCREEN_FONT, kMincho, &mincho));
    ExpectShows(main, fontloupe::kScreenCaption, mincho, fontloupe::kSampleLines);

    // Without a default printer the printer font command only informs.
    testkit::DeleteDefaultPrinterValue();
    testkit::PostCommand(main, ID_PRINTER_FONT);
    EXPECT_TRUE(fontloupe::AnswerMessage(
        main, "ﾌﾟﾘﾝﾀが見つかりません",
        "システムにプリンタがインストールされていないためドライバが見つかりません。"));
    EXPECT_FALSE(fontdialog::Wait(program.Pid(), 500));
    ExpectShows(main, fontloupe::kScreenCaption, mincho, fontloupe::kSampleLines);
}

}  // namespace
