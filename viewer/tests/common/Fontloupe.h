// Driving the real Fontloupe.exe from a test: starting it, the font it shows
// after start, its painted panel compared by pixels, its message boxes and its
// sample-code dialog.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "testkit.h"

namespace fontloupe {

// The sample box's text while a screen font is current.
extern const char kSampleLines[];
extern const char kScreenCaption[];

// Windows path of the built program, and its directory with a trailing '\'.
std::string ExePath();
std::string ExeDir();

// Starts the program (workDir empty: the test's current directory) and waits
// for its main dialog; nullptr when it did not appear.
HWND Start(testkit::Program& program, const std::string& workDir = "",
           const std::string& exePath = ExePath());

// The font record shown right after start: the metrics of the default font of
// a fresh device context of the window, everything else zero, and its face.
// Its height and width are the grid units of the dialog's layout.
LOGFONTA StartFont(HWND mainDialog);

// Pixels of the client area, outside the three controls, that differ from the
// panel's 43 items for lf and caption drawn into a memory device context in the
// same default font.
int PanelDifferences(HWND mainDialog, const LOGFONTA& lf, const std::string& caption);

// Makes the printer that print_test.sh names in LONG_PRINTER the default
// printer, once Wine has installed it, and returns its name; null without one.
const char* UseLongPrinter();

// Waits for a message box of the main dialog's process, expects it owned by
// the main dialog with this caption and text, and presses OK.
::testing::AssertionResult AnswerMessage(HWND mainDialog, const std::string& caption,
                                         const std::string& text);

// Runs a sample-code command that must open its modal dialog, reads the text
// the dialog shows into *shown, then presses "戻る".
::testing::AssertionResult ReadSampleCode(HWND mainDialog, int command, std::string* shown);

// Runs a sample-code command that must show the template at templatePath
// expanded for lf (lines read as the program reads them), then presses "戻る".
::testing::AssertionResult ShowsSampleCode(HWND mainDialog, int command,
                                           const std::string& templatePath, const LOGFONTA& lf);

}  // namespace fontloupe
