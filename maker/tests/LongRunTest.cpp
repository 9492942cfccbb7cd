// A long run of the commands of the real Fontsmith.exe, with its GDI handles
// counted from Wine's trace (run by gdi_count.py): after the warm-up, the
// rounds leave no handle held and no window open, and the panel and the
// sample box are still right at the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FontsmithDriver.h"
#include "gditrace.h"

namespace {

// Wine keeps the device contexts of windows for reuse (each with a region and
// a companion object) and makes new ones until it holds 64; the rounds alone
// would fill that cache over dozens of rounds, at any time. Many sample-code
// windows open at once fill it at the start of the warm-up.
const int kCacheFillWindows = 12;
const int kWarmUpRounds = 10;
const int kRounds = 500;  // even: the run ends on the record of the warm-up
// Each round creates the other height, so that every "Create →" makes a new
// font.
const char* const kHeights[2] = {"-20", "-21"};
const int kAboutCommand = 102;

// Opens many sample-code windows, each painted as it opens, then closes them all.
void FillDeviceContextCache(Fontsmith& app) {
    std::vector<HWND> editors;
    for (int i = 0; i < kCacheFillWindows; ++i) {
        editors.push_back(app.OpenEditor());
        ASSERT_TRUE(editors.back());
    }
    for (HWND editor : editors) {
        DWORD_PTR ignored = 0;
        ASSERT_TRUE(SendMessageTimeoutW(editor, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored));
    }
}

// One round of the commands, each charged to the ledger as a phase.
void Round(Fontsmith& app, int round, testkit::GdiLedger& ledger) {
    // A window that closed over the main window may have left it a repaint to
    // do (Wine 10 does, as Windows does without desktop composition; Wine 8
    // restores the area from its copy). That repaint puts the stored values
    // back into the boxes, so it must run before the box is typed into, as it
    // does before any user could type; else it may run between typing and
    // "Create →", which then reads the old value.
    app.Repaint();
    app.Type(app.fields[0], kHeights[round % 2]);
    app.PressCreate();
    ASSERT_EQ(kHeights[round % 2], testkit::Text(app.fields[0]));
    ASSERT_TRUE(ledger.Charge("Create"));

    HWND editor = app.OpenEditor();
    ASSERT_TRUE(editor);
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(editor, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored));
    ASSERT_FALSE(IsWindow(editor));
    ASSERT_TRUE(ledger.Charge("sample-code window"));

    ASSERT_TRUE(testkit::OpenAndCloseDialog(app.main, kAboutCommand, "Fontloupe について", IDOK));
    ASSERT_TRUE(ledger.Charge("about box"));
}

TEST(LongRun, EveryCommandLeavesNoHandleAndNoWindow) {
    Fontsmith app;
    {
        testkit::GdiTraceOn trace;
        ASSERT_TRUE(app.Start());
    }
    const testkit::GdiLongRun::Round round = [&](int n, testkit::GdiLedger& ledger) {
        if (n == 0)
            FillDeviceContextCache(app);
        Round(app, n, ledger);
    };
    testkit::GdiLongRun run(app.main);
    run.WarmUp(kWarmUpRounds, round);
    if (::testing::Test::HasFatalFailure())
        return;
    const std::vector<unsigned> panel = testkit::CapturePainted(app.main);
    const std::string sample = testkit::Text(app.sample);
    const int height = testkit::EditLineHeight(app.sample);

    run.Run(kRounds, round);
    if (::testing::Test::HasFatalFailure())
        return;
    EXPECT_EQ(testkit::CountDifferences(testkit::CapturePainted(app.main), panel), 0);
    EXPECT_EQ(testkit::Text(app.sample), sample);
    EXPECT_EQ(testkit::EditLineHeight(app.sample), height);
}

}  // namespace
