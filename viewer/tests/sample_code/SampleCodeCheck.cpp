#include "SampleCodeCheck.h"

#include <vector>

#include "TemplateExpand.h"
#include "framework.h"

namespace samplecode {

std::string ExpectedText(const std::string& templatePath, const LOGFONTA& lf) {
    CStdioFile file;
    if (!file.Open(templatePath.c_str(), CFile::modeRead))
        return "(cannot open " + templatePath + ")";
    std::vector<CString> lines;
    CString line;
    while (file.ReadString(line))
        lines.push_back(line);
    return static_cast<LPCTSTR>(ExpandTemplate(lines, lf));
}

LOGFONTA StartFont(HWND mainDialog) {
    HDC dc = ::GetDC(mainDialog);
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc, &tm);
    LOGFONTA lf{};
    lf.lfHeight = tm.tmHeight;
    lf.lfWidth = tm.tmAveCharWidth;
    lf.lfWeight = tm.tmWeight;
    lf.lfItalic = tm.tmItalic;
    lf.lfUnderline = tm.tmUnderlined;
    lf.lfStrikeOut = tm.tmStruckOut;
    lf.lfCharSet = tm.tmCharSet;
    ::GetTextFaceA(dc, LF_FACESIZE, lf.lfFaceName);
    ::ReleaseDC(mainDialog, dc);
    return lf;
}

Outcome Run(HWND mainDialog, int command) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(mainDialog, &pid);
    testkit::PostCommand(mainDialog, command);
    Outcome outcome;
    const DWORD start = ::GetTickCount();
    do {
        outcome.dialog = testkit::WaitForWindow(pid, "#32770", kDialogCaption, 0);
        if (!outcome.dialog)
            outcome.message = testkit::WaitForMessageBox(pid, 0);
        if (outcome.dialog || outcome.message.hwnd)
            return outcome;
        testkit::Sleep(50);
    } while (::GetTickCount() - start < 10000);
    return outcome;
}

std::string CodeText(HWND dialog) { return testkit::Text(::GetDlgItem(dialog, kCodeEdit)); }

bool Close(HWND dialog) {
    testkit::PressButton(dialog, IDCANCEL);
    return testkit::WaitForWindowGone(dialog);
}

}  // namespace samplecode
