#include "FontsmithDriver.h"

const char kMainClass[] = "Fontsmith [Fontloupe 付録]";
const char kEditorClass[] = "Fontloupe [Editor]";

Units DefaultFontUnits()
{
    HDC dc = GetDC(nullptr);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    ReleaseDC(nullptr, dc);
    return {tm.tmAveCharWidth, tm.tmHeight};
}

bool WaitUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!pred()) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

Fontsmith::~Fontsmith()
{
    if (program.Running()) program.Kill();
}

bool Fontsmith::Start(const std::string& workDir)
{
    if (!testkit::Start(program, FONTSMITH_EXE, workDir)) return false;
    main = testkit::WaitForWindow(program.Pid(), kMainClass, kMainClass);
    if (!main) return false;
    int field = 0;
    for (HWND child : testkit::Children(main)) {
        std::string cls = testkit::ClassName(child);
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if (cls == "Edit" && (style & ES_AUTOVSCROLL))
            sample = child;
        else if (cls == "Edit" && field < 13)
            fields[field++] = child;
        else if (cls == "ComboBox")
            faceList = child;
        else if (cls == "Button")
            create = child;
    }
    // The first repaint fills the boxes.
    return sample && field == 13 && faceList && create &&
           WaitUntil([this] { return !Text(fields[0]).empty(); });
}

void Fontsmith::Type(HWND box, const std::string& text)
{
    std::wstring wide = testkit::FromCp932(text);
    SendMessageW(box, WM_SETTEXT, 0, (LPARAM)wide.c_str());
}

void Fontsmith::PressCreate()
{
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(107, BN_CLICKED), (LPARAM)create);
    Repaint();
}

void Fontsmith::Repaint()
{
    // Every repaint rewrites the boxes, so a marker in the last box shows
    // when it has run.
    const std::string marker = "#";
    Type(fields[12], marker);
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    WaitUntil([&] { return Text(fields[12]) != marker; });
}

std::vector<HWND> Fontsmith::Editors() const
{
    return testkit::TopWindows(program.Pid(), kEditorClass);
}

HWND Fontsmith::OpenEditor()
{
    std::vector<HWND> before = Editors();
    testkit::PostCommand(main, 104);
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND h : Editors()) {
            bool old = false;
            for (HWND b : before) old = old || b == h;
            if (!old && IsWindowVisible(h)) found = h;
        }
        return found != nullptr;
    });
    return found;
}

int Fontsmith::FindFace(const std::string& face) const
{
    int count = testkit::ComboCount(faceList);
    for (int i = 0; i < count; ++i)
        if (testkit::ComboItem(faceList, i) == face) return i;
    return -1;
}

void Fontsmith::SelectFace(int index)
{
    SendMessageW(faceList, CB_SETCURSEL, (WPARAM)index, 0);
}

HWND EditorEdit(HWND editor)
{
    return GetDlgItem(editor, 1);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

LOGFONTA StartRecord()
{
    HDC dc = GetDC(nullptr);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    LOGFONTA lf{};
    lf.lfHeight = tm.tmHeight;
    lf.lfWidth = tm.tmAveCharWidth;
    lf.lfWeight = tm.tmWeight;
    lf.lfItalic = tm.tmItalic;
    lf.lfUnderline = tm.tmUnderlined;
    lf.lfStrikeOut = tm.tmStruckOut;
    lf.lfCharSet = tm.tmCharSet;
    GetTextFaceA(dc, sizeof lf.lfFaceName, lf.lfFaceName);
    ReleaseDC(nullptr, dc);
    return lf;
}

HFONT CreateInterfaceFont()
{
    LOGFONTA lf{};
    lf.lfHeight = -15;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfOutPrecision = OUT_STROKE_PRECIS;
    lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = FF_MODERN | FIXED_PITCH;
    lstrcpyA(lf.lfFaceName, "ＭＳ ゴシック");
    return CreateFontIndirectA(&lf);
}
