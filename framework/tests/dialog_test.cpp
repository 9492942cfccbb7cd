// Dialogs from resource templates run modally: message maps dispatch and fall
// through to the base class and then to the application, data exchange binds
// controls and moves text both ways, and Enter, Esc, the close box and the
// destruction of the main dialog each end the modal loop.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework.h"

namespace {

enum {
    IDD_TEST = 200,
    IDC_EDIT = 1001,
    IDC_CLOSE = 1003,
    ID_BASE = 32771,
    ID_DERIVED = 32772,
    ID_SHARED = 32773,
    ID_UNMAPPED = 32774,
    ID_APP = 32780,
    ID_STEP = 32790,
};

class TestApp : public CWinApp {
public:
    int appCommands = 0;
    afx_msg void OnAppCommand() { ++appCommands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_COMMAND(ID_APP, OnAppCommand)
END_MESSAGE_MAP()

TestApp theApp;

// Runs `step` from inside the modal loop, then `late` if the dialog is still
// there: a late step that runs means the step failed to end the dialog.
class BaseDlg : public CDialog {
public:
    BaseDlg() : CDialog(IDD_TEST) {}
    std::function<void()> step, late;
    int baseCommands = 0, baseShared = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_stepsRun = 0;
        ::PostMessageA(m_hWnd, WM_COMMAND, ID_STEP, 0);
        return TRUE;
    }

protected:
    afx_msg void OnBase() { ++baseCommands; }
    afx_msg void OnBaseShared() { ++baseShared; }
    afx_msg void OnStep() {
        if (m_stepsRun++ == 0) {
            step();
            if (m_hWnd)
                ::PostMessageA(m_hWnd, WM_COMMAND, ID_STEP, 0);
        } else if (late) {
            late();
        } else {
            ADD_FAILURE() << "the step did not end the dialog";
            EndDialog(-2);
        }
    }
    DECLARE_MESSAGE_MAP()

private:
    int m_stepsRun = 0;
};

BEGIN_MESSAGE_MAP(BaseDlg, CDialog)
    ON_COMMAND(ID_STEP, OnStep)
    ON_COMMAND(ID_BASE, OnBase)
    ON_COMMAND(ID_SHARED, OnBaseShared)
END_MESSAGE_MAP()

class DerivedDlg : public BaseDlg {
public:
    CEdit m_edit;
    CString m_strText;
    int derivedCommands = 0, derivedShared = 0;

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_EDIT, m_edit);
        DDX_Text(pDX, IDC_EDIT, m_strText);
    }

protected:
    afx_msg void OnDerived() { ++derivedCommands; }
    afx_msg void OnDerivedShared() { ++derivedShared; }
    // Ends the program the way the viewer's Close button does.
    afx_msg void OnCloseButton() {
        ::PostMessageA(AfxGetThread()->GetMainWnd()->m_hWnd, WM_CLOSE, 0, 0);
        DestroyWindow();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedDlg, BaseDlg)
    ON_COMMAND(ID_DERIVED, OnDerived)
    ON_COMMAND(ID_SHARED, OnDerivedShared)
    ON_BN_CLICKED(IDC_CLOSE, OnCloseButton)
END_MESSAGE_MAP()

std::string WindowText(HWND hwnd) {
    char text[256] = "";
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        theApp.m_pMainWnd = nullptr;
    }
};

TEST_F(DialogTest, MapsDispatchAndFallThrough) {
    DerivedDlg dlg;
    LRESULT unmapped = -1;
    dlg.step = [&] {
        dlg.SendMessage(WM_COMMAND, ID_DERIVED);
        dlg.SendMessage(WM_COMMAND, ID_BASE);
        dlg.SendMessage(WM_COMMAND, ID_SHARED);
        unmapped = dlg.SendMessage(WM_COMMAND, ID_UNMAPPED);
        // Menu commands unknown to the dialog reach the application's map;
        // control notifications do not.
        dlg.SendMessage(WM_COMMAND, ID_APP);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(ID_APP, EN_CHANGE),
                        reinterpret_cast<LPARAM>(dlg.m_edit.m_hWnd));
        dlg.EndDialog(7);
    };
    EXPECT_EQ(7, dlg.DoModal());
    EXPECT_EQ(1, dlg.derivedCommands);
    EXPECT_EQ(1, dlg.baseCommands);
    EXPECT_EQ(1, dlg.derivedShared);
    EXPECT_EQ(0, dlg.baseShared);
    EXPECT_EQ(0, unmapped);
    EXPECT_EQ(1, theApp.appCommands);
}

TEST_F(DialogTest, DataExchangeBothWaysAndEnterSaves) {
    DerivedDlg dlg;
    dlg.m_strText = "表示\\ソース";
    std::string shown, saved, reshown;
    bool bound = false;
    dlg.step = [&] {
        HWND edit = ::GetDlgItem(dlg.m_hWnd, IDC_EDIT);
        bound = dlg.m_edit.m_hWnd == edit;
        shown = WindowText(edit);
        ::SetWindowTextA(edit, "構造");
        dlg.UpdateData(TRUE);
        saved = std::string(dlg.m_strText);
        dlg.m_strText = "member";
        dlg.UpdateData(FALSE);
        reshown = WindowText(edit);
        ::SetWindowTextA(edit, "typed");
        ::PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(bound);
    EXPECT_EQ("表示\\ソース", shown);
    EXPECT_EQ("構造", saved);
    EXPECT_EQ("member", reshown);
    EXPECT_EQ("typed", std::string(dlg.m_strText));
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);
}

TEST_F(DialogTest, EscapeAndCloseBoxEndWithCancel) {
    BaseDlg escape;
    escape.step = [&] {
        ::PostMessageA(::GetDlgItem(escape.m_hWnd, IDC_EDIT), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    EXPECT_EQ(IDCANCEL, escape.DoModal());
    BaseDlg closeBox;
    closeBox.step = [&] { closeBox.SendMessage(WM_SYSCOMMAND, SC_CLOSE); };
    EXPECT_EQ(IDCANCEL, closeBox.DoModal());
}

TEST_F(DialogTest, DestroyingTheMainDialogEndsTheModalLoop) {
    DerivedDlg dlg;
    theApp.m_pMainWnd = &dlg;
    dlg.step = [&] { ::SendMessageA(::GetDlgItem(dlg.m_hWnd, IDC_CLOSE), BM_CLICK, 0, 0); };
    EXPECT_EQ(IDABORT, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, theApp.GetMainWnd());
}

TEST(WaitCursorTest, NestsAndRestoresThePreviousCursor) {
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
    ::SetCursor(arrow);
    {
        CWaitCursor outer;
        {
            CWaitCursor inner;
            EXPECT_EQ(wait, ::GetCursor());
        }
        EXPECT_EQ(wait, ::GetCursor());
    }
    EXPECT_EQ(arrow, ::GetCursor());
}

}  // namespace
