// Drives a running Fontsmith.exe from the test process: starts it, finds its
// controls, types into boxes, presses buttons and forces repaints.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "testkit.h"

extern const char kMainClass[];
extern const char kEditorClass[];

// Layout units of the main window: the default font of a window's DC.
struct Units {
    int cx = 0;
    int cy = 0;
};
Units DefaultFontUnits();

// The record the main window starts with: the default font's values.
LOGFONTA StartRecord();
// A new font like the program's 15-pixel interface font (its preset 1).
HFONT CreateInterfaceFont();

// Polls until pred holds; false after timeoutMs.
bool WaitUntil(const std::function<bool()>& pred, DWORD timeoutMs = 5000);

class Fontsmith {
public:
    ~Fontsmith();
    // Starts the program (in workDir, or in the test's own directory) and
    // finds its controls; false when the window or any control does not
    // appear.
    bool Start(const std::string& workDir = "");

    testkit::Program program;
    HWND main = nullptr;
    HWND sample = nullptr;
    HWND fields[13] = {};
    HWND faceList = nullptr;
    HWND create = nullptr;

    void Type(HWND box, const std::string& text);
    std::string Text(HWND hwnd) const { return testkit::Text(hwnd); }
    // Presses "Create →" and waits until the repaint after it has run.
    void PressCreate();
    // Repaints the main window and waits until the repaint has run (it
    // overwrites the last field box).
    void Repaint();
    // Opens a sample-code window and returns it (null when none appears).
    HWND OpenEditor();
    std::vector<HWND> Editors() const;
    int FindFace(const std::string& face) const;  // exact, -1 when absent
    void SelectFace(int index);
};

// The edit control of a sample-code window.
HWND EditorEdit(HWND editor);

// Splits text at CR LF; the part after the last CR LF is dropped.
std::vector<std::string> SplitLines(const std::string& text);
