// Running Fontloupe's sample-code commands from a test and working out the
// text they must show.
#pragma once

#include <windows.h>

#include <string>

#include "testkit.h"

namespace samplecode {

// Id of the edit box that holds the code in the sample-code dialog.
const int kCodeEdit = 1004;
const char kDialogCaption[] = "Fontloupe - サンプルコード";
const char kNotFoundText[] = "データファイルが見つかりません。再インストールしてください。";
const char kNotFoundCaption[] = "Fontloupe [Error!]";

// What the template file at templatePath expands to for lf: its lines as the
// framework's CStdioFile reads them, through ExpandTemplate.
std::string ExpectedText(const std::string& templatePath, const LOGFONTA& lf);

// The font Fontloupe shows right after start: the metrics and face name of the
// default font of a fresh device context of its main dialog.
LOGFONTA StartFont(HWND mainDialog);

// What a sample-code command brought up: the dialog, or a message box (or
// neither, on timeout).
struct Outcome {
    HWND dialog = nullptr;
    testkit::MessageBoxInfo message;
};
// Posts the command to the main dialog and waits for either.
Outcome Run(HWND mainDialog, int command);

// Text of the code box of a sample-code dialog.
std::string CodeText(HWND dialog);

// Presses "戻る" and waits until the dialog is gone.
bool Close(HWND dialog);

}  // namespace samplecode
