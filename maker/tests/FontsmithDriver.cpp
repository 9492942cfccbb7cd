#include "FontsmithDriver.h"

const char kMainClass[] = "Fontsmith [Fontloupe 付録]";

namespace {

const char kEditorClass[] = "Fontloupe [Editor]";

}  // namespace

LOGFONTA StartRecord() {
    HDC dc = GetDC(nullptr);
    const LOGFONTA lf = testkit::FontRecordOf(dc);
    ReleaseDC(nullptr, dc);
    return lf;
}

int DifferencesFromText(HWND hwnd, const RECT& r, const std::string& text, HFONT font,
                        COLORREF background, UINT format) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    testkit::Canvas canvas(width, height, background);
    HGDIOBJ oldFont = SelectObject(canvas.Dc(), font);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    RECT all{0, 0, width, height};
    DrawTextA(canvas.Dc(), text.c_str(), (int)text.size(), &all, format);
    SelectObject(canvas.Dc(), oldFont);

    RECT screen = testkit::ClientRectOnScreen(hwnd);
    OffsetRect(&all, screen.left + r.left, screen.top + r.top);
    return testkit::CountDifferences(canvas.Pixels(), testkit::CaptureScreen(all));
}

Fontsmith::~Fontsmith() {
    if (program.Running())
        program.Kill();
}

bool Fontsmith::Start(const std::string& exe, const std::string& workDir) {
    if (!testkit::Start(program, exe, workDir))
        return false;
    main = testkit::WaitForWindow(program.Pid(), kMainClass, kMainClass);
    if (!main)
        return false;
    int field = 0;
    for (HWND child : testkit::Children(main)) {
        std::string cls = testkit::ClassName(child);
        // The sample box is the only edit control that scrolls vertically.
        if (cls == "Edit" && (GetWindowLongW(child, GWL_STYLE) & ES_AUTOVSCROLL))
            sample = child;
        else if (cls == "Edit" && field < 13)
            fields[field++] = child;
        else if (cls == "ComboBox")
            faceList = child;
        else if (cls == "Button")
            create = child;
    }
    return sample && field == 13 && faceList && create &&
           WaitUntil([this] { return !testkit::Text(fields[0]).empty(); });
}

void Fontsmith::Type(HWND box, const std::string& text) {
    std::wstring wide = testkit::FromCp932(text);
    SendMessageW(box, WM_SETTEXT, 0, (LPARAM)wide.c_str());
}

void Fontsmith::PressCreate() {
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(107, BN_CLICKED), (LPARAM)create);
    Repaint();
}

void Fontsmith::Repaint() {
    // Every repaint rewrites the boxes, so a marker in the last box shows
    // when it has run.
    const std::string marker = "#";
    Type(fields[12], marker);
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    WaitUntil([&] { return testkit::Text(fields[12]) != marker; });
}

HWND Fontsmith::OpenEditor() {
    std::vector<HWND> before = testkit::TopWindows(program.Pid(), kEditorClass);
    testkit::PostCommand(main, 104);
    return testkit::WaitForNewWindow(program.Pid(), before, kEditorClass, 5000);
}

bool Fontsmith::SelectFace(const std::string& face) {
    for (int i = 0; i < testkit::ComboCount(faceList); ++i) {
        if (testkit::ComboItem(faceList, i) == face) {
            SendMessageW(faceList, CB_SETCURSEL, (WPARAM)i, 0);
            return true;
        }
    }
    return false;
}

HWND EditorEdit(HWND editor) { return GetDlgItem(editor, 1); }

std::string EditorText(HWND editor) { return testkit::Text(EditorEdit(editor)); }
