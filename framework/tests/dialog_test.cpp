#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_template.h"
#include "test_app.h"

namespace {

enum {
    IDC_EDIT = 1001,
    IDC_CLOSE = 1003,
    ID_BASE_COMMAND = 32771,
    ID_DERIVED_COMMAND = 32772,
    ID_SHARED_COMMAND = 32773,
    ID_UNMAPPED_COMMAND = 32774,
    ID_STEP = 32790,
    IDD_RESOURCE = 200,
    IDD_MISSING = 201,
};

const DLGTEMPLATE* TestTemplate() {
    static const DialogTemplate dialog = [] {
        DialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 160, 80, L"Test");
        t.AddItem(0x0081, IDC_EDIT, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 40, 30, 100, 12, L"");
        t.AddItem(0x0080, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 40, 60, 30, 14, L"OK");
        t.AddItem(0x0080, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 75, 60, 30, 14, L"Cancel");
        t.AddItem(0x0080, IDC_CLOSE, BS_PUSHBUTTON | WS_TABSTOP, 110, 60, 30, 14, L"Close");
        return t;
    }();
    return dialog.Get();
}

// Runs its steps one after the other from the modal loop: each step is a
// posted command, so what a step posts is handled before the next step.
class BaseDlg : public CDialog {
public:
    explicit BaseDlg(UINT templateId) : CDialog(templateId) {}
    BaseDlg() : CDialog(TestTemplate()) {}

    std::vector<std::function<void()>> steps;
    int endInInit = 0;
    int baseCommands = 0;
    int baseShared = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_nextStep = 0;
        if (endInInit)
            EndDialog(endInInit);
        else if (!steps.empty())
            PostMessage(WM_COMMAND, ID_STEP);
        return TRUE;
    }

protected:
    afx_msg void OnBaseCommand() { ++baseCommands; }
    afx_msg void OnBaseShared() { ++baseShared; }
    afx_msg void OnStep() {
        steps[m_nextStep++]();
        if (m_nextStep < steps.size() && m_hWnd)
            PostMessage(WM_COMMAND, ID_STEP);
    }
    DECLARE_MESSAGE_MAP()

private:
    size_t m_nextStep = 0;
};

BEGIN_MESSAGE_MAP(BaseDlg, CDialog)
    ON_COMMAND(ID_STEP, OnStep)
    ON_COMMAND(ID_BASE_COMMAND, OnBaseCommand)
    ON_COMMAND(ID_SHARED_COMMAND, OnBaseShared)
END_MESSAGE_MAP()

// Shaped like an application's main dialog.
class DerivedDlg : public BaseDlg {
public:
    CEdit m_edit;
    CString m_strText;
    int derivedCommands = 0;
    int derivedShared = 0;
    int paints = 0;
    int sysCommands = 0;
    bool destroyedWhileAlive = false;
    HCURSOR dragIcon = ::LoadCursorA(nullptr, IDC_HAND);

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_EDIT, m_edit);
        DDX_Text(pDX, IDC_EDIT, m_strText);
    }

protected:
    afx_msg void OnDerivedCommand() { ++derivedCommands; }
    afx_msg void OnDerivedShared() { ++derivedShared; }
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        if (!IsIconic())
            Default();
        RECT rect;
        GetClientRect(&rect);
        CBrush red(RGB(255, 0, 0));
        dc.FillRect(&rect, &red);
        ++paints;
    }
    afx_msg void OnSysCommand(UINT id, LPARAM lParam) {
        ++sysCommands;
        CWnd::OnSysCommand(id, lParam);
    }
    afx_msg HCURSOR OnQueryDragIcon() { return dragIcon; }
    afx_msg void OnDestroy() {
        CDialog::OnDestroy();
        destroyedWhileAlive = ::IsWindow(m_hWnd) != FALSE;
    }
    afx_msg void OnCloseButton() {
        AfxGetThread()->GetMainWnd()->PostMessage(WM_CLOSE, 0, 0);
        DestroyWindow();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedDlg, BaseDlg)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_COMMAND(ID_DERIVED_COMMAND, OnDerivedCommand)
    ON_COMMAND(ID_SHARED_COMMAND, OnDerivedShared)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_CLOSE, OnCloseButton)
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

std::string WindowText(HWND hwnd) {
    CString text;
    CWnd::FromHandle(hwnd)->GetWindowText(text);
    return std::string(text, text.GetLength());
}

// Every test ends its dialogs; a watchdog ends a hung modal loop instead.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { m_timer = ::SetTimer(nullptr, 0, 10000, &Watchdog); }
    void TearDown() override {
        ::KillTimer(nullptr, m_timer);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        theApp.m_pMainWnd = nullptr;
    }
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
        ADD_FAILURE() << "modal loop did not end";
        ::PostQuitMessage(0);
    }
    UINT_PTR m_timer = 0;
};

TEST_F(DialogTest, MapsDispatchAndFallThroughToTheBase) {
    DerivedDlg dlg;
    LRESULT unmappedResult = -1;
    HFONT dialogFont = nullptr;
    const int appCommandsBefore = theApp.appCommands;
    dlg.steps = {[&] {
        dlg.SendMessage(WM_COMMAND, ID_DERIVED_COMMAND);
        dlg.SendMessage(WM_COMMAND, ID_BASE_COMMAND);
        dlg.SendMessage(WM_COMMAND, ID_SHARED_COMMAND);
        unmappedResult = dlg.SendMessage(WM_COMMAND, ID_UNMAPPED_COMMAND);
        // Not in any map: the dialog manager answers.
        dialogFont = reinterpret_cast<HFONT>(dlg.SendMessage(WM_GETFONT));
        // Menu commands unknown to the dialog reach the application's map;
        // control notifications do not.
        dlg.SendMessage(WM_COMMAND, ID_APP_COMMAND);
        dlg.SendMessage(WM_COMMAND, ID_HELP);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(ID_APP_COMMAND, EN_CHANGE), reinterpret_cast<LPARAM>(dlg.m_edit.m_hWnd));
        dlg.EndDialog(7);
    }};
    EXPECT_EQ(7, dlg.DoModal());
    EXPECT_EQ(1, dlg.derivedCommands);
    EXPECT_EQ(1, dlg.baseCommands);
    EXPECT_EQ(1, dlg.derivedShared);
    EXPECT_EQ(0, dlg.baseShared);
    EXPECT_EQ(0, unmappedResult);
    EXPECT_NE(nullptr, dialogFont);
    EXPECT_EQ(appCommandsBefore + 1, theApp.appCommands);
}

TEST_F(DialogTest, HandlersAndDefaultProcessing) {
    DerivedDlg dlg;
    int paintsAfterUpdate = 0;
    BOOL stillInvalid = TRUE;
    COLORREF pixel = 0;
    HCURSOR dragIcon = nullptr;
    dlg.steps = {[&] {
        dlg.Invalidate();
        ::UpdateWindow(dlg.m_hWnd);
        paintsAfterUpdate = dlg.paints;
        RECT rect;
        stillInvalid = ::GetUpdateRect(dlg.m_hWnd, &rect, FALSE);
        CDC* dc = dlg.GetDC();
        pixel = ::GetPixel(dc->GetSafeHdc(), 3, 3);
        EXPECT_EQ(1, dlg.ReleaseDC(dc));
        dragIcon = reinterpret_cast<HCURSOR>(dlg.SendMessage(WM_QUERYDRAGICON));
        dlg.SendMessage(WM_CANCELMODE);
        // The handler hands SC_CLOSE on; the default turns it into WM_CLOSE
        // and that into IDCANCEL.
        dlg.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    }};
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_GE(paintsAfterUpdate, 1);
    EXPECT_FALSE(stillInvalid);
    EXPECT_EQ(RGB(255, 0, 0), pixel);
    EXPECT_EQ(dlg.dragIcon, dragIcon);
    EXPECT_EQ(1, dlg.sysCommands);
    EXPECT_TRUE(dlg.destroyedWhileAlive);
}

TEST_F(DialogTest, DataExchangeBothWays) {
    DerivedDlg dlg;
    dlg.m_strText = "表示\\ソース";
    std::string shown, saved, reshown;
    bool bound = false;
    dlg.steps = {
        [&] {
            HWND edit = ::GetDlgItem(dlg.m_hWnd, IDC_EDIT);
            bound = dlg.m_edit.m_hWnd == edit && dlg.GetDlgItem(IDC_EDIT) == &dlg.m_edit;
            shown = WindowText(edit);
            ::SetWindowTextA(edit, "構造");
            dlg.UpdateData(TRUE);
            saved = std::string(dlg.m_strText);
            dlg.m_strText = "member";
            dlg.UpdateData(FALSE);
            reshown = WindowText(edit);
            // Enter: the default OK handling saves the data and ends the dialog.
            ::SetWindowTextA(edit, "typed");
            ::PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        },
        [&] { ADD_FAILURE() << "Enter did not end the dialog"; },
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(bound);
    EXPECT_EQ("表示\\ソース", shown);
    EXPECT_EQ("構造", saved);
    EXPECT_EQ("member", reshown);
    EXPECT_EQ("typed", std::string(dlg.m_strText));
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);

    // A second run of the same object binds the control to the new window.
    bool rebound = false;
    dlg.steps = {[&] {
        rebound = dlg.m_edit.m_hWnd == ::GetDlgItem(dlg.m_hWnd, IDC_EDIT);
        dlg.EndDialog(IDCANCEL);
    }};
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(rebound);
}

TEST_F(DialogTest, EscapeAndCloseEndWithCancel) {
    BaseDlg escape;
    escape.steps = {[&] { ::PostMessageA(::GetDlgItem(escape.m_hWnd, IDC_EDIT), WM_KEYDOWN, VK_ESCAPE, 0); },
                    [&] { ADD_FAILURE() << "Esc did not end the dialog"; }};
    EXPECT_EQ(IDCANCEL, escape.DoModal());

    BaseDlg closeBox;
    closeBox.steps = {[&] { closeBox.SendMessage(WM_SYSCOMMAND, SC_CLOSE); },
                      [&] { ADD_FAILURE() << "the close command did not end the dialog"; }};
    EXPECT_EQ(IDCANCEL, closeBox.DoModal());

    BaseDlg close;
    // The dialog manager answers WM_CLOSE with a posted IDCANCEL.
    close.steps = {[&] { close.SendMessage(WM_CLOSE); }, [&] { ADD_FAILURE() << "WM_CLOSE did not end the dialog"; }};
    EXPECT_EQ(IDCANCEL, close.DoModal());
}

TEST_F(DialogTest, DestroyingTheMainDialogEndsTheModalLoop) {
    DerivedDlg dlg;
    theApp.m_pMainWnd = &dlg;
    dlg.steps = {[&] { ::SendMessageA(::GetDlgItem(dlg.m_hWnd, IDC_CLOSE), BM_CLICK, 0, 0); },
                 [&] { ADD_FAILURE() << "the dialog outlived DestroyWindow"; }};
    EXPECT_EQ(IDABORT, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);
    EXPECT_TRUE(dlg.destroyedWhileAlive);
    EXPECT_EQ(nullptr, theApp.GetMainWnd());
    // The WM_CLOSE posted before the destruction finds no window.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

TEST_F(DialogTest, EndDialogDuringInitSkipsTheLoop) {
    BaseDlg dlg;
    dlg.endInInit = 5;
    EXPECT_EQ(5, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST_F(DialogTest, NestedDialogIsOwnedByTheDisabledMainWindow) {
    DerivedDlg outer;
    theApp.m_pMainWnd = &outer;
    BaseDlg inner;
    HWND innerOwner = nullptr;
    BOOL outerEnabledDuring = TRUE, outerEnabledAfter = FALSE;
    INT_PTR innerResult = 0;
    inner.steps = {[&] {
        innerOwner = ::GetWindow(inner.m_hWnd, GW_OWNER);
        outerEnabledDuring = ::IsWindowEnabled(outer.m_hWnd);
        inner.EndDialog(IDOK);
    }};
    outer.steps = {[&] {
        innerResult = inner.DoModal();
        outerEnabledAfter = ::IsWindowEnabled(outer.m_hWnd);
        EXPECT_EQ(outer.m_hWnd, innerOwner);
        outer.EndDialog(IDOK);
    }};
    EXPECT_EQ(IDOK, outer.DoModal());
    EXPECT_EQ(IDOK, innerResult);
    EXPECT_FALSE(outerEnabledDuring);
    EXPECT_TRUE(outerEnabledAfter);
}

TEST_F(DialogTest, WindowOperations) {
    DerivedDlg dlg;
    dlg.steps = {[&] {
        EXPECT_EQ(&dlg, CWnd::FromHandle(dlg.m_hWnd));
        EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
        CWnd* cancel = dlg.GetDlgItem(IDCANCEL);
        ASSERT_NE(nullptr, cancel);
        EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, IDCANCEL), cancel->GetSafeHwnd());
        EXPECT_EQ(cancel, dlg.GetDlgItem(IDCANCEL));
        EXPECT_EQ(nullptr, dlg.GetDlgItem(9999));

        dlg.MoveWindow(15, 15, 300, 200);
        RECT rect;
        dlg.GetWindowRect(&rect);
        EXPECT_EQ(15, rect.left);
        EXPECT_EQ(215, rect.bottom);
        const RECT placed = {5, 6, 105, 36};
        dlg.m_edit.MoveWindow(&placed);
        dlg.m_edit.GetWindowRect(&rect);
        EXPECT_EQ(100, rect.right - rect.left);
        EXPECT_EQ(30, rect.bottom - rect.top);

        CDC* dc = dlg.GetDC();
        ASSERT_NE(nullptr, dc);
        TEXTMETRICA tm = {};
        EXPECT_TRUE(dc->GetTextMetrics(&tm));
        EXPECT_GT(tm.tmHeight, 0);
        char face[LF_FACESIZE] = {};
        EXPECT_GT(dc->GetTextFace(sizeof face, face), 0);
        dlg.ReleaseDC(dc);
        dlg.EndDialog(IDOK);
    }};
    EXPECT_EQ(IDOK, dlg.DoModal());
}

class ResourceDlg : public BaseDlg {
public:
    explicit ResourceDlg(UINT id) : BaseDlg(id) {}
};

TEST_F(DialogTest, TemplatesComeFromTheModuleResources) {
    ResourceDlg dlg(IDD_RESOURCE);
    std::string caption;
    dlg.steps = {[&] {
        caption = WindowText(dlg.m_hWnd);
        dlg.EndDialog(IDOK);
    }};
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("リソースの表示", caption);

    ResourceDlg missing(IDD_MISSING);
    EXPECT_EQ(-1, missing.DoModal());
}

} // namespace
