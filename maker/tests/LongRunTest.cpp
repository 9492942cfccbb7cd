// The commands of the real Fontsmith.exe, run over and over with its GDI
// objects counted from Wine's trace (run by gdi_count.py): after the warm-up,
// each command frees every font and brush it makes and gives back every window
// context it takes, each time, and leaves no window open, and so does a screen
// reader reading the whole window; the panel and the sample box are still
// right at the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FontsmithDriver.h"
#include "accessible.h"
#include "gditrace.h"

namespace {

// The warm-up makes what Wine keeps for good. Each command then runs at least
// three times, each time judged.
const int kWarmUpRounds = 1;
const int kRounds = 4;  // even: the run ends on the record of the warm-up
// Each round creates the other height, so that every "Create →" makes a new
// font, and the first after the warm-up one not seen before.
const char* const kHeights[2] = {"-20", "-21"};
const int kAboutCommand = 102;
// How often a screen reader reads every child of the main window in a round.
const int kTreeReadings = 20;

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

    // Each reading measures the painted texts anew.
    for (int k = 0; k < kTreeReadings; ++k) {
        testkit::AccessibleReader reader(app.main);
        ASSERT_EQ(41u, reader.Children().size());
    }
    ASSERT_TRUE(ledger.Charge("screen reader"));
}

TEST(LongRun, EveryCommandFreesWhatItMakesAndClosesItsWindows) {
    Fontsmith app;
    testkit::TraceGdiOf(L"Fontsmith.exe");
    ASSERT_TRUE(app.Start());
    testkit::GdiLedger ledger(app.main);
    const auto round = [&](int n) { Round(app, n, ledger); };
    ledger.WarmUp(kWarmUpRounds, round);
    if (::testing::Test::HasFatalFailure())
        return;
    const std::vector<unsigned> panel = testkit::CapturePainted(app.main);
    const std::string sample = testkit::Text(app.sample);
    const int height = testkit::EditLineHeight(app.sample);

    ledger.Run(kRounds, round);
    if (::testing::Test::HasFatalFailure())
        return;
    EXPECT_EQ(testkit::CountDifferences(testkit::CapturePainted(app.main), panel), 0);
    EXPECT_EQ(testkit::Text(app.sample), sample);
    EXPECT_EQ(testkit::EditLineHeight(app.sample), height);
}

}  // namespace
