#include "Fontloupe.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "PanelItems.h"
#include "TemplateExpand.h"
#include "framework.h"

#include <winspool.h>

namespace fontloupe {

const char kSampleLines[] = " ABCDEFFGHIJKLMNOPQRSTUVWUXYZ\r\n"
                            " Height値は 正の時はフォントのセルの高さ\r\n"
                            " 負の時は文字の高さ（セルの高さ－内部レディング）";
const char kScreenCaption[] = "☆ Screen Font ☆";

std::string ExePath() { return FONTLOUPE_EXE; }

std::string ExeDir() {
    const std::string path = ExePath();
    return path.substr(0, path.rfind('\\') + 1);
}

const char* UseLongPrinter() {
    const char* longPrinter = std::getenv("LONG_PRINTER");
    if (!longPrinter)
        return nullptr;
    // Wine adds a new CUPS queue to its printers in the background once its
    // spooler loads.
    HANDLE installed = nullptr;
    testkit::WaitUntil(
        [&] { return OpenPrinterA(const_cast<char*>(longPrinter), &installed, nullptr) != 0; },
        30000, 200);
    EXPECT_TRUE(installed) << longPrinter;
    ClosePrinter(installed);
    testkit::SetDefaultPrinterValue(std::string(longPrinter) + ",wineps.drv,CUPS:" + longPrinter);
    return longPrinter;
}

HWND Start(testkit::Program& program, const std::string& workDir, const std::string& exePath) {
    if (!testkit::Start(program, exePath, workDir))
        return nullptr;
    return testkit::WaitForWindow(program.Pid(), "#32770", "Fontloupe");
}

LOGFONTA StartFont(HWND mainDialog) {
    HDC dc = ::GetDC(mainDialog);
    const LOGFONTA lf = testkit::FontRecordOf(dc);
    ::ReleaseDC(mainDialog, dc);
    return lf;
}

int PanelDifferences(HWND mainDialog, const LOGFONTA& lf, const std::string& caption) {
    const LOGFONTA grid = StartFont(mainDialog);
    testkit::BringToFront(mainDialog);
    const RECT client = testkit::ClientRectOnScreen(mainDialog);
    const int width = client.right - client.left, height = client.bottom - client.top;
    testkit::Canvas canvas(width, height);
    // The reference is only fair in the window's own default font.
    const LOGFONTA canvasFont = testkit::FontRecordOf(canvas.Dc());
    if (std::memcmp(&canvasFont, &grid, sizeof grid) != 0) {
        ADD_FAILURE() << "memory device context font " << canvasFont.lfFaceName << " differs from "
                      << grid.lfFaceName;
        return -1;
    }
    ::SetBkMode(canvas.Dc(), TRANSPARENT);
    for (const PanelItem& item :
         BuildPanelItems(lf, caption.c_str(), grid.lfWidth, grid.lfHeight, grid.lfHeight))
        ::TextOutA(canvas.Dc(), item.x, item.y, item.text.data(),
                   static_cast<int>(item.text.size()));

    const std::vector<unsigned> shown = testkit::CaptureScreen(client);
    std::vector<unsigned> expected = canvas.Pixels();
    // The controls cover parts of the panel; they are not its drawing.
    for (int id : {IDC_SAMPLE_EDIT, IDC_FACENAME_EDIT, IDC_CLOSE_BUTTON}) {
        const RECT r = testkit::ChildRectInParent(::GetDlgItem(mainDialog, id));
        for (int y = std::max(0L, r.top); y < std::min<long>(height, r.bottom); ++y)
            for (int x = std::max(0L, r.left); x < std::min<long>(width, r.right); ++x)
                expected[static_cast<size_t>(y) * width + x] =
                    shown[static_cast<size_t>(y) * width + x];
    }
    return testkit::CountDifferences(shown, expected);
}

::testing::AssertionResult AnswerMessage(HWND mainDialog, const std::string& caption,
                                         const std::string& text) {
    const testkit::MessageBoxInfo box = testkit::WaitForMessageBox(testkit::ProcessOf(mainDialog));
    if (!box.hwnd)
        return ::testing::AssertionFailure() << "no message box";
    const HWND owner = ::GetWindow(box.hwnd, GW_OWNER);
    testkit::PressButton(box.hwnd, IDOK);
    if (!testkit::WaitForWindowGone(box.hwnd))
        return ::testing::AssertionFailure() << "the message box stayed";
    if (box.caption != caption || box.text != text || owner != mainDialog)
        return ::testing::AssertionFailure() << "message \"" << box.text << "\" under \""
                                             << box.caption << "\", or not over the main dialog";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ReadSampleCode(HWND mainDialog, int command, std::string* shown) {
    testkit::PostCommand(mainDialog, command);
    // A template of megabytes takes seconds to read and to show.
    HWND dialog = testkit::WaitForWindow(testkit::ProcessOf(mainDialog), "#32770",
                                         "Fontloupe - サンプルコード", 60000);
    if (!dialog)
        return ::testing::AssertionFailure()
               << "no sample-code dialog; message: "
               << testkit::WaitForMessageBox(testkit::ProcessOf(mainDialog), 0).text;
    *shown = testkit::Text(::GetDlgItem(dialog, IDC_CODE_EDIT));
    const bool modal = !::IsWindowEnabled(mainDialog);
    testkit::PressButton(dialog, IDCANCEL);
    if (!testkit::WaitForWindowGone(dialog) || !modal)
        return ::testing::AssertionFailure() << "the dialog is not modal or stayed open";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ShowsSampleCode(HWND mainDialog, int command,
                                           const std::string& templatePath, const LOGFONTA& lf) {
    std::vector<CString> lines;
    if (!ReadTemplateLines(templatePath.c_str(), &lines))
        return ::testing::AssertionFailure() << "cannot open " << templatePath;
    const std::string expected = static_cast<LPCTSTR>(ExpandTemplate(lines, lf));

    std::string shown;
    if (::testing::AssertionResult read = ReadSampleCode(mainDialog, command, &shown); !read)
        return read;
    if (shown != expected)
        return ::testing::AssertionFailure() << "shows\n" << shown << "\nnot\n" << expected;
    return ::testing::AssertionSuccess();
}

}  // namespace fontloupe
