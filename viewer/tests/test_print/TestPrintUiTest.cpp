// "テスト印刷" of the real Fontloupe.exe when it must not print: a screen font
// current, or no default printer. Neither may queue a job.
#include <gtest/gtest.h>

#include <string>

#include "FontDialog.h"
#include "FontloupeDriver.h"
#include "testkit.h"

namespace {

const char kPdfPattern[] = CUPS_PDF_DIR "\\Tarvel_Print*";

int CountJobFiles() {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(kPdfPattern, &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        ++count;
    while (FindNextFileA(find, &found));
    FindClose(find);
    return count;
}

void DeleteJobFiles() {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(kPdfPattern, &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do
        DeleteFileA((std::string(CUPS_PDF_DIR "\\") + found.cFileName).c_str());
    while (FindNextFileA(find, &found));
    FindClose(find);
}

class TestPrintUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteJobFiles();
        main_ = fontloupe::Start(program_);
        ASSERT_NE(main_, nullptr);
    }

    void TearDown() override {
        // A printed page reaches the folder within about two seconds.
        testkit::Sleep(3000);
        EXPECT_EQ(CountJobFiles(), 0) << "a job was printed";
    }

    void ChooseFont(int command, int points) {
        testkit::PostCommand(main_, command);
        HWND dialog = fontdialog::Wait(program_.Pid(), main_);
        ASSERT_NE(dialog, nullptr);
        std::string error;
        ASSERT_TRUE(fontdialog::Choose(dialog, "IPAゴシック", "日本語", points, &error)) << error;
    }

    // Runs the command, expects exactly this message, and answers it.
    void ExpectMessage(const std::string& caption, const std::string& text) {
        testkit::PostCommand(main_, fontloupe::kTestPrint);
        const testkit::MessageBoxInfo box = testkit::WaitForMessageBox(program_.Pid());
        ASSERT_NE(box.hwnd, nullptr) << "no message box";
        EXPECT_EQ(box.caption, caption);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(GetWindow(box.hwnd, GW_OWNER), main_);
        testkit::PressButton(box.hwnd, IDOK);
        ASSERT_TRUE(testkit::WaitForWindowGone(box.hwnd));
        EXPECT_TRUE(IsWindow(main_));
        EXPECT_TRUE(IsWindowEnabled(main_));
    }

    testkit::Program program_;
    HWND main_ = nullptr;
};

const char kScreenFontCaption[] = "Fontloupe [ERROR]";
const char kScreenFontText[] =
    "スクリーンフォントが選択されています。プリンタフォントを選択してから再度実行してください。";

TEST_F(TestPrintUiTest, RefusesWhileAScreenFontIsCurrent) {
    // Right after the start the font is the dialog's screen font.
    ExpectMessage(kScreenFontCaption, kScreenFontText);

    // A printer font followed by a screen font makes it refuse again.
    ChooseFont(fontloupe::kPrinterFont, 36);
    ChooseFont(fontloupe::kScreenFont, 12);
    ExpectMessage(kScreenFontCaption, kScreenFontText);
}

TEST_F(TestPrintUiTest, NoDefaultPrinterAtPrintTime) {
    ChooseFont(fontloupe::kPrinterFont, 36);
    testkit::PrinterValueGuard guard;
    testkit::DeleteDefaultPrinterValue();
    ExpectMessage("ﾌﾟﾘﾝﾀが見つかりません", "エラーです。");
}

}  // namespace
