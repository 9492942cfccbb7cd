// Drives the real Fontloupe.exe through one test print: chooses a printer
// font, reads back the LOGFONT the program holds (from its API sample code),
// measures that font on the default printer, and runs "テスト印刷".
// Writes what the page analysis needs, one "key=value" per line, to the file
// named by the first argument. Exit code 0 on success.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "FontDialog.h"
#include "FontloupeDriver.h"
#include "testkit.h"

namespace {

const char kFace[] = "IPAゴシック";
const char kCharset[] = "日本語";
const int kPoints = 72;

int Fail(const std::string& why) {
    std::fprintf(stderr, "print driver: %s\n", why.c_str());
    return 1;
}

// The value assigned to each "lf.lfXxx = value;" line of the sample code,
// and the face name from its TEXT("...").
bool ParseSampleCode(const std::string& code, LOGFONTA* lf) {
    std::map<std::string, long> fields;
    size_t pos = 0;
    while ((pos = code.find("lf.lf", pos)) != std::string::npos) {
        const size_t nameEnd = code.find_first_of(" =", pos);
        const size_t equals = code.find('=', pos);
        if (nameEnd == std::string::npos || equals == std::string::npos)
            break;
        fields[code.substr(pos + 3, nameEnd - pos - 3)] = std::strtol(code.c_str() + equals + 1, nullptr, 10);
        pos = equals;
    }
    const size_t faceStart = code.find("TEXT(\"", code.find("lf.lfFaceName"));
    const size_t faceEnd = code.find("\")", faceStart);
    if (fields.size() < 13 || faceStart == std::string::npos || faceEnd == std::string::npos)
        return false;
    ZeroMemory(lf, sizeof *lf);
    lf->lfHeight = fields["lfHeight"];
    lf->lfWidth = fields["lfWidth"];
    lf->lfEscapement = fields["lfEscapement"];
    lf->lfOrientation = fields["lfOrientation"];
    lf->lfWeight = fields["lfWeight"];
    lf->lfItalic = static_cast<BYTE>(fields["lfItalic"]);
    lf->lfUnderline = static_cast<BYTE>(fields["lfUnderline"]);
    lf->lfStrikeOut = static_cast<BYTE>(fields["lfStrikeOut"]);
    lf->lfCharSet = static_cast<BYTE>(fields["lfCharSet"]);
    lf->lfOutPrecision = static_cast<BYTE>(fields["lfOutPrecision"]);
    lf->lfClipPrecision = static_cast<BYTE>(fields["lfClipPrecision"]);
    lf->lfQuality = static_cast<BYTE>(fields["lfQuality"]);
    lf->lfPitchAndFamily = static_cast<BYTE>(fields["lfPitchAndFamily"]);
    const std::string face = code.substr(faceStart + 6, faceEnd - faceStart - 6);
    lstrcpynA(lf->lfFaceName, face.c_str(), LF_FACESIZE);
    return true;
}

// The program's current LOGFONT, as its API sample code writes it out.
bool ReadCurrentFont(testkit::Program& program, HWND mainDialog, LOGFONTA* lf) {
    testkit::PostCommand(mainDialog, fontloupe::kSampleCodeApi);
    HWND codeDialog = testkit::WaitForWindow(program.Pid(), "#32770", "Fontloupe - サンプルコード");
    if (!codeDialog)
        return false;
    const bool parsed = ParseSampleCode(testkit::Text(GetDlgItem(codeDialog, 1004)), lf);
    testkit::PressButton(codeDialog, IDCANCEL);
    testkit::WaitForWindowGone(codeDialog);
    return parsed;
}

// A device context of the default printer, opened as the program opens it.
HDC CreatePrinterDC() {
    char value[64] = "";
    GetProfileStringA("Windows", "device", "", value, sizeof value);
    char* device = std::strtok(value, ",");
    char* driver = std::strtok(nullptr, ",");
    char* port = std::strtok(nullptr, ",");
    return device && driver ? CreateDCA(driver, device, port, nullptr) : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Fail("usage: print_driver OUTPUT");

    testkit::Program program;
    HWND mainDialog = fontloupe::Start(program);
    if (!mainDialog)
        return Fail("Fontloupe did not start");

    testkit::PostCommand(mainDialog, fontloupe::kPrinterFont);
    HWND fontDialog = fontdialog::Wait(program.Pid(), mainDialog);
    if (!fontDialog)
        return Fail("no printer font dialog");
    std::string error;
    if (!fontdialog::Choose(fontDialog, kFace, kCharset, kPoints, &error))
        return Fail(error);

    LOGFONTA lf;
    if (!ReadCurrentFont(program, mainDialog, &lf))
        return Fail("could not read the current font from the sample code");

    HDC printer = CreatePrinterDC();
    if (!printer)
        return Fail("no default printer");
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ oldFont = SelectObject(printer, font);
    TEXTMETRICA tm;
    ZeroMemory(&tm, sizeof tm);
    const BOOL haveMetrics = GetTextMetricsA(printer, &tm);
    SelectObject(printer, oldFont);
    DeleteObject(font);

    FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        DeleteDC(printer);
        return Fail(std::string("cannot write ") + argv[1]);
    }
    std::fprintf(out, "lfHeight=%ld\n", lf.lfHeight);
    std::fprintf(out, "haveMetrics=%d\n", haveMetrics ? 1 : 0);
    std::fprintf(out, "tmHeight=%ld\n", tm.tmHeight);
    std::fprintf(out, "tmAveCharWidth=%ld\n", tm.tmAveCharWidth);
    std::fprintf(out, "dpiX=%d\n", GetDeviceCaps(printer, LOGPIXELSX));
    std::fprintf(out, "dpiY=%d\n", GetDeviceCaps(printer, LOGPIXELSY));
    std::fprintf(out, "offsetX=%d\n", GetDeviceCaps(printer, PHYSICALOFFSETX));
    std::fprintf(out, "offsetY=%d\n", GetDeviceCaps(printer, PHYSICALOFFSETY));
    std::fprintf(out, "pageWidth=%d\n", GetDeviceCaps(printer, PHYSICALWIDTH));
    std::fprintf(out, "pageHeight=%d\n", GetDeviceCaps(printer, PHYSICALHEIGHT));
    DeleteDC(printer);

    // The command runs to its end inside the call: no message box is expected.
    DWORD_PTR ignored = 0;
    const bool answered = SendMessageTimeoutW(mainDialog, WM_COMMAND, MAKEWPARAM(fontloupe::kTestPrint, 0), 0,
                                              SMTO_ABORTIFHUNG, 30000, &ignored) != 0;
    const testkit::MessageBoxInfo box = testkit::WaitForMessageBox(program.Pid(), 500);
    std::fprintf(out, "printed=%d\n", answered && !box.hwnd ? 1 : 0);
    std::fprintf(out, "face=%s\n", lf.lfFaceName);
    std::fclose(out);
    if (box.hwnd)
        return Fail("unexpected message: " + box.caption + " / " + box.text);
    if (!answered)
        return Fail("the test print did not return");

    testkit::PostCommand(mainDialog, fontloupe::kClose);
    if (!program.WaitForExit(10000))
        return Fail("Fontloupe did not end");
    return 0;
}
