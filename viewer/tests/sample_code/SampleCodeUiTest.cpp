// The sample-code commands of the real Fontloupe.exe: the text they show, and
// where they look for their data files.
#include <gtest/gtest.h>

#include "FontloupeDriver.h"
#include "ProgramCopy.h"
#include "SampleCodeCheck.h"

namespace {

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Runs a sample-code command that must show, with no message on the way, the
// template beside the program expanded for the start font; then "戻る".
void ExpectSampleCode(HWND main, int command, const std::string& templatePath) {
    const samplecode::Outcome outcome = samplecode::Run(main, command);
    ASSERT_TRUE(outcome.dialog) << "message instead: " << outcome.message.text;
    EXPECT_FALSE(::IsWindowEnabled(main)) << "the dialog is modal";
    EXPECT_EQ(main, ::GetWindow(outcome.dialog, GW_OWNER));
    HWND back = ::GetDlgItem(outcome.dialog, IDCANCEL);
    EXPECT_EQ("戻る", testkit::Text(back));
    EXPECT_EQ(back, FocusOf(outcome.dialog));
    EXPECT_EQ(samplecode::ExpectedText(templatePath, samplecode::StartFont(main)),
              samplecode::CodeText(outcome.dialog));
    EXPECT_TRUE(samplecode::Close(outcome.dialog));
    EXPECT_TRUE(::IsWindowEnabled(main));
}

// Runs a sample-code command that must report its data file missing, owned by
// the main dialog, and show no sample-code dialog.
void ExpectNotFound(HWND main, int command) {
    const samplecode::Outcome outcome = samplecode::Run(main, command);
    EXPECT_FALSE(outcome.dialog);
    ASSERT_TRUE(outcome.message.hwnd);
    EXPECT_EQ(samplecode::kNotFoundText, outcome.message.text);
    EXPECT_EQ(samplecode::kNotFoundCaption, outcome.message.caption);
    EXPECT_EQ(main, ::GetWindow(outcome.message.hwnd, GW_OWNER));
    testkit::PressButton(outcome.message.hwnd, IDOK);
    EXPECT_TRUE(testkit::WaitForWindowGone(outcome.message.hwnd));
    DWORD pid = 0;
    ::GetWindowThreadProcessId(main, &pid);
    EXPECT_FALSE(testkit::WaitForWindow(pid, "#32770", samplecode::kDialogCaption, 500));
}

// Started from C:\, where there is no data file: both commands read the files
// beside the program, and the dialog's own check looks there too.
TEST(SampleCodeUi, BothCommandsShowTheirTemplateFromAnyCurrentDirectory) {
    testkit::Program program;
    HWND main = fontloupe::Start(program, "C:\\");
    ASSERT_TRUE(main);
    EXPECT_EQ(samplecode::StartFont(main).lfFaceName,
              testkit::Text(::GetDlgItem(main, fontloupe::kFaceNameBox)));
    ExpectSampleCode(main, fontloupe::kSampleCodeApi, fontloupe::ExeDir() + "API.DAT");
    ExpectSampleCode(main, fontloupe::kSampleCodeMfc, fontloupe::ExeDir() + "MFC.DAT");
    // A second run reads the file again and shows the same text.
    ExpectSampleCode(main, fontloupe::kSampleCodeApi, fontloupe::ExeDir() + "API.DAT");
}

TEST(SampleCodeUi, MissingMfcDatIsReportedWhileApiStillWorks) {
    ProgramCopy copy(TempDir() + "fl_no_mfc\\", "Fontloupe.exe");
    ASSERT_TRUE(copy.Ok());
    copy.Remove("MFC.DAT");
    testkit::Program program;
    HWND main = copy.Start(program);
    ASSERT_TRUE(main);
    ExpectNotFound(main, fontloupe::kSampleCodeMfc);
    ExpectSampleCode(main, fontloupe::kSampleCodeApi, copy.Dir() + "API.DAT");
}

// The sample-code dialog's own check still reports a missing "API.DAT", over
// the dialog, which then shows the text built from "MFC.DAT".
TEST(SampleCodeUi, MissingApiDatIsReportedByTheDialogOfMfcCode) {
    ProgramCopy copy(TempDir() + "fl_no_api\\", "Fontloupe.exe");
    ASSERT_TRUE(copy.Ok());
    copy.Remove("API.DAT");
    testkit::Program program;
    HWND main = copy.Start(program);
    ASSERT_TRUE(main);
    ExpectNotFound(main, fontloupe::kSampleCodeApi);

    const samplecode::Outcome outcome = samplecode::Run(main, fontloupe::kSampleCodeMfc);
    ASSERT_TRUE(outcome.message.hwnd);
    EXPECT_EQ(samplecode::kNotFoundText, outcome.message.text);
    EXPECT_EQ(samplecode::kNotFoundCaption, outcome.message.caption);
    HWND owner = ::GetWindow(outcome.message.hwnd, GW_OWNER);
    EXPECT_EQ(samplecode::kDialogCaption, testkit::Text(owner));
    testkit::PressButton(outcome.message.hwnd, IDOK);
    HWND dialog = testkit::WaitForWindow(program.Pid(), "#32770", samplecode::kDialogCaption);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(owner, dialog);
    EXPECT_EQ(samplecode::ExpectedText(copy.Dir() + "MFC.DAT", samplecode::StartFont(main)),
              samplecode::CodeText(dialog));
    EXPECT_TRUE(samplecode::Close(dialog));
}

// "表" and "ソ" end in the byte 0x5C, the value of '\': directory and
// program name hold them, so that a split at the last 0x5C byte would cut the
// program name instead of taking the directory whole.
TEST(SampleCodeUi, NamesWithBackslashTrailBytesFindTheirFiles) {
    ProgramCopy copy(TempDir() + "表示ソフト\\", "表示ソフト.exe");
    ASSERT_TRUE(copy.Ok());
    testkit::Program program;
    HWND main = copy.Start(program, "C:\\");
    ASSERT_TRUE(main);
    ExpectSampleCode(main, fontloupe::kSampleCodeApi, copy.Dir() + "API.DAT");
    ExpectSampleCode(main, fontloupe::kSampleCodeMfc, copy.Dir() + "MFC.DAT");
}

// A directory of 252 bytes: the program path (with "F.exe") fits the 260-byte
// module name, but directory and "API.DAT" do not fit the 256-byte path of the
// data file; the file counts as not found.
TEST(SampleCodeUi, OverlongProgramDirectoryIsReportedNotOverrun) {
    const size_t kLength = 252;
    std::string dir = TempDir() + "fl_long\\";
    while (dir.size() < kLength) {
        const size_t rest = kLength - dir.size();
        dir += std::string(rest > 70 ? 50 : rest - 1, 'd') + "\\";
    }
    ASSERT_EQ(kLength, dir.size());
    ASSERT_GE(dir.size() + strlen("API.DAT"), 256u);
    ASSERT_LT(dir.size() + strlen("F.exe"), static_cast<size_t>(MAX_PATH));

    ProgramCopy copy(dir, "F.exe");
    ASSERT_TRUE(copy.Ok());
    testkit::Program program;
    HWND main = copy.Start(program);
    ASSERT_TRUE(main);
    ExpectNotFound(main, fontloupe::kSampleCodeApi);
    ExpectNotFound(main, fontloupe::kSampleCodeMfc);
    EXPECT_TRUE(program.Running());
}

}  // namespace
