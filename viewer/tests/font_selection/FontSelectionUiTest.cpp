// Choosing screen and printer fonts in the real Fontloupe.exe through the
// platform's font dialog. (The sample box's font object is looked at from
// inside the program, in FontObjectTest: Wine answers WM_GETFONT from another
// process with nothing.)
#include <gtest/gtest.h>

#include "FontDialogAnswer.h"
#include "FontloupeDriver.h"
#include "PanelPixels.h"
#include "SampleCodeCheck.h"

namespace {

const char kScreenCaption[] = "☆ Screen Font ☆";
const char kSampleText[] =
    " ABCDEFFGHIJKLMNOPQRSTUVWUXYZ\r\n"
    " Height値は 正の時はフォントのセルの高さ\r\n"
    " 負の時は文字の高さ（セルの高さ－内部レディング）";

const fontdialog::Choice kGothic{"ＭＳ ゴシック", "太字 斜体", 20};
const fontdialog::Choice kMincho{"IPA明朝", "標準", 12};
const fontdialog::Choice kTimes{"Times", "太字", 16};

// Device name of the default printer: the profile value up to its first comma.
std::string PrinterName() {
    std::string value;
    testkit::GetDefaultPrinterValue(&value);
    return value.substr(0, value.find(','));
}

HWND SampleBox(HWND main) { return ::GetDlgItem(main, fontloupe::kSampleBox); }

DWORD Pid(HWND main) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(main, &pid);
    return pid;
}

// Opens the font dialog with command, picks the choice and presses OK;
// *chosen receives the font the dialog hands back.
void Choose(HWND main, int command, const fontdialog::Choice& choice, LOGFONTA* chosen) {
    testkit::PostCommand(main, command);
    HWND dialog = fontdialog::Wait(Pid(main));
    ASSERT_TRUE(dialog);
    EXPECT_EQ(main, ::GetWindow(dialog, GW_OWNER));
    ASSERT_TRUE(fontdialog::Select(dialog, choice, chosen)) << choice.face;
    ASSERT_TRUE(fontdialog::Ok(dialog));
    // Returns once the command has run to its end.
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
}

// Opens the font dialog with command, expects it on the choice, picks another
// font and cancels.
void ExpectReopensOnAndCancel(HWND main, int command, const fontdialog::Choice& last,
                              const fontdialog::Choice& other) {
    testkit::PostCommand(main, command);
    HWND dialog = fontdialog::Wait(Pid(main));
    ASSERT_TRUE(dialog);
    EXPECT_EQ(last.face, fontdialog::SelectedFace(dialog));
    EXPECT_EQ(last.style, fontdialog::SelectedStyle(dialog));
    EXPECT_EQ(std::to_string(last.points), fontdialog::SelectedSize(dialog));
    LOGFONTA ignored;
    EXPECT_TRUE(fontdialog::Select(dialog, other, &ignored));
    EXPECT_TRUE(fontdialog::Cancel(dialog));
}

// The dialog shows lf: panel caption and values, face-name box, and the API
// sample code.
void ExpectShows(HWND main, const std::string& caption, const LOGFONTA& lf) {
    const PanelDifferences differences = ComparePanel(main, caption, lf);
    EXPECT_EQ(0, differences.caption) << "caption " << caption;
    EXPECT_EQ(0, differences.values) << "values, height " << lf.lfHeight;
    EXPECT_EQ(lf.lfFaceName, testkit::Text(::GetDlgItem(main, fontloupe::kFaceNameBox)));
    const samplecode::Outcome code = samplecode::Run(main, fontloupe::kSampleCodeApi);
    ASSERT_TRUE(code.dialog);
    EXPECT_EQ(samplecode::ExpectedText(fontloupe::ExeDir() + "API.DAT", lf),
              samplecode::CodeText(code.dialog));
    EXPECT_TRUE(samplecode::Close(code.dialog));
}

TEST(FontSelectionUi, ScreenFontIsShownEverywhereAndCancelKeepsIt) {
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main);
    ExpectShows(main, kScreenCaption, samplecode::StartFont(main));

    LOGFONTA gothic;
    ASSERT_NO_FATAL_FAILURE(Choose(main, fontloupe::kScreenFont, kGothic, &gothic));
    ExpectShows(main, kScreenCaption, gothic);
    EXPECT_EQ(kSampleText, testkit::Text(SampleBox(main)));

    ExpectReopensOnAndCancel(main, fontloupe::kScreenFont, kGothic, kMincho);
    ExpectShows(main, kScreenCaption, gothic);
    EXPECT_EQ(kSampleText, testkit::Text(SampleBox(main)));
}

TEST(FontSelectionUi, PrinterFontEmptiesTheSampleAndEachDialogKeepsItsFont) {
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main);
    LOGFONTA gothic, times, mincho;
    ASSERT_NO_FATAL_FAILURE(Choose(main, fontloupe::kScreenFont, kGothic, &gothic));

    ASSERT_NO_FATAL_FAILURE(Choose(main, fontloupe::kPrinterFont, kTimes, &times));
    const std::string printerCaption = "☆ Printer Font ☆ " + PrinterName();
    ExpectShows(main, printerCaption, times);
    EXPECT_EQ("", testkit::Text(SampleBox(main)));

    // Each dialog opens on the last font chosen in it; cancelling changes nothing.
    ExpectReopensOnAndCancel(main, fontloupe::kScreenFont, kGothic, kMincho);
    ExpectReopensOnAndCancel(main, fontloupe::kPrinterFont, kTimes, kMincho);
    ExpectShows(main, printerCaption, times);
    EXPECT_EQ("", testkit::Text(SampleBox(main)));

    // A screen font brings the sample text back.
    ASSERT_NO_FATAL_FAILURE(Choose(main, fontloupe::kScreenFont, kMincho, &mincho));
    ExpectShows(main, kScreenCaption, mincho);
    EXPECT_EQ(kSampleText, testkit::Text(SampleBox(main)));
}

TEST(FontSelectionUi, NoDefaultPrinterIsReportedAndChangesNothing) {
    testkit::PrinterValueGuard restore;
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main);
    LOGFONTA gothic;
    ASSERT_NO_FATAL_FAILURE(Choose(main, fontloupe::kScreenFont, kGothic, &gothic));

    testkit::DeleteDefaultPrinterValue();
    testkit::PostCommand(main, fontloupe::kPrinterFont);
    const testkit::MessageBoxInfo message = testkit::WaitForMessageBox(program.Pid());
    ASSERT_TRUE(message.hwnd);
    EXPECT_EQ("システムにプリンタがインストールされていないためドライバが見つかりません。",
              message.text);
    EXPECT_EQ("ﾌﾟﾘﾝﾀが見つかりません", message.caption);
    EXPECT_EQ(main, ::GetWindow(message.hwnd, GW_OWNER));
    testkit::PressButton(message.hwnd, IDOK);
    EXPECT_TRUE(testkit::WaitForWindowGone(message.hwnd));
    EXPECT_FALSE(fontdialog::Wait(program.Pid(), 500));

    ExpectShows(main, kScreenCaption, gothic);
    EXPECT_EQ(kSampleText, testkit::Text(SampleBox(main)));
}

}  // namespace
