// What the window procedures of Fontsmith share with its start-up.
#pragma once
#include <windows.h>

#include "PaintedTable.h"

extern HINSTANCE g_hInst;

extern const char kMainClassName[];    // also the main window's title
extern const char kEditorClassName[];  // also each editor window's title

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditorWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDlgProc(HWND hdlg, UINT msg, WPARAM wParam, LPARAM lParam);

// The WM_PAINT handling of the main window; it announces the values it changes.
void PaintMainWindow(HWND hwnd);
// What a screen reader reads in the main window, in reading order, with the
// painted texts measured as the paint draws them (a TableSource).
void ReadMainWindow(HWND hwnd, PaintedTable& entries);
// The help command: the help page or the WinHelp file, by the Windows version.
void ShowHelp(HWND hwnd);
