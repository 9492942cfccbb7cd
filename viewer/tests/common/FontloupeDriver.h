// Starting the real Fontloupe.exe and finding its windows.
#pragma once

#include <windows.h>

#include <string>

#include "testkit.h"

namespace fontloupe {

// Windows path of the built program, and of its directory (with a trailing '\').
std::string ExePath();
std::string ExeDir();

// Starts the program (workDir empty: the test's current directory) and waits
// for its main dialog; nullptr when it did not appear.
HWND Start(testkit::Program& program, const std::string& workDir = "");

// Command ids of the main dialog's menu.
enum Command {
    kScreenFont = 32771,
    kPrinterFont = 32772,
    kSampleCodeApi = 32774,
    kHelpPage = 32775,
    kAbout = 32776,
    kSampleCodeMfc = 32777,
    kTestPrint = 32778,
    kClose = 57665,
};

// Control ids of the main dialog.
enum Control { kSampleBox = 1001, kFaceNameBox = 1002, kCloseButton = 1003 };

}  // namespace fontloupe
