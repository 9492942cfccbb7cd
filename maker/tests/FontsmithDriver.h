// Drives a running Fontsmith.exe from the test process: starts it, finds its
// controls, types into boxes, presses buttons and forces repaints.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "testkit.h"

// The main window's class, also its title.
extern const char kMainClass[];

// The record the main window starts with: the default font's values. Its
// lfWidth and lfHeight are also the layout units cx and cy.
LOGFONTA StartRecord();

using testkit::WaitUntil;

// Number of pixels in which a client rectangle of hwnd, as on the screen,
// differs from text drawn here by DrawTextA in font on background (format 0:
// at the top left corner).
int DifferencesFromText(HWND hwnd, const RECT& r, const std::string& text, HFONT font,
                        COLORREF background, UINT format = 0);

class Fontsmith {
public:
    ~Fontsmith();
    // Starts the program (workDir empty: the test's current directory) and
    // finds its controls; false when the window or any control does not
    // appear or the first repaint does not fill them.
    bool Start(const std::string& exe = FONTSMITH_EXE, const std::string& workDir = "");

    testkit::Program program;
    HWND main = nullptr;
    HWND sample = nullptr;
    HWND fields[13] = {};
    HWND faceList = nullptr;
    HWND create = nullptr;

    void Type(HWND box, const std::string& text);
    // Presses "Create →" and waits until the repaint after it has run.
    void PressCreate();
    // Repaints the main window and waits until the repaint has run.
    void Repaint();
    // Opens a sample-code window and returns it (null when none appears).
    HWND OpenEditor();
    // Selects the face list item equal to face; false when there is none.
    bool SelectFace(const std::string& face);
};

// The edit control of a sample-code window and its text.
HWND EditorEdit(HWND editor);
std::string EditorText(HWND editor);
