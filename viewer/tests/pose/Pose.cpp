// Puts the real Fontloupe.exe in the state that one picture of docs/ shows,
// for scripts/screenshot to photograph: a printer font chosen and, for a
// dialog, the dialog alone on the display. It then writes the file "ready" in
// its current directory, holds the pose until the file "done" appears there
// and ends the program.
//   Pose.exe printer-font|sample-code|about
#include <windows.h>

#include <cstdio>
#include <string>

#include "FontDialog.h"
#include "Fontloupe.h"

namespace {

// The printer font of the pictures, as the font dialog lists it.
const fontdialog::Choice kPrinterFont{"ＭＳ 明朝", "標準", 12};

struct Pose {
    const char* name;
    int command;        // 0: the main dialog itself
    const char* title;  // of the dialog the command opens
};
const Pose kPoses[] = {
    {"printer-font", 0, nullptr},
    {"sample-code", ID_SAMPLECODE_API, "Fontloupe - サンプルコード"},
    {"about", ID_APP_ABOUT, "Fontloupe について"},
};

int Fail(const char* what) {
    fprintf(stderr, "Pose: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const Pose* pose = nullptr;
    for (const Pose& p : kPoses)
        if (argc == 2 && std::string(argv[1]) == p.name)
            pose = &p;
    if (!pose)
        return Fail("usage: Pose.exe printer-font|sample-code|about");

    testkit::Program program;
    HWND main = fontloupe::Start(program);
    if (!main)
        return Fail("Fontloupe's main dialog did not appear");
    LOGFONTA chosen;
    if (!fontdialog::Choose(main, ID_PRINTER_FONT, kPrinterFont, &chosen))
        return Fail("the printer's font dialog does not list the printer font of the pictures");
    HWND shown = main;
    if (pose->command) {
        testkit::PostCommand(main, pose->command);
        shown = testkit::WaitForWindow(program.Pid(), "#32770", pose->title);
        if (!shown)
            return Fail("the dialog of the picture did not appear");
        // Off the display, so that only the dialog shows.
        SetWindowPos(main, nullptr, -4000, -4000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!testkit::RoundTrip(main) || !testkit::RoundTrip(shown))
        return Fail("Fontloupe does not answer");

    FILE* ready = fopen("ready", "w");
    if (!ready)
        return Fail("cannot write the file \"ready\" in the current directory");
    fclose(ready);
    if (!testkit::WaitUntil([] { return GetFileAttributesA("done") != INVALID_FILE_ATTRIBUTES; },
                            600000, 100))
        return Fail("no file \"done\" within ten minutes");
    return 0;  // program's destructor ends Fontloupe
}
