// CDialog: a modal dialog built from a DIALOG or DIALOGEX template.
#ifndef FW_FWDIALOG_H
#define FW_FWDIALOG_H

#include "fwwnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Creates the dialog, owned by the parent or else by the application's
    // main window (disabled meanwhile), and runs it until EndDialog is called
    // or its window is destroyed. Returns the EndDialog result, IDABORT when
    // the window was destroyed first, -1 when it could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnWindowGone() override;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    const DLGTEMPLATE* FindTemplate() const;
    HWND ModalOwner() const;
    void RunModalLoop();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    INT_PTR m_nModalResult = -1;
    bool m_bContinueModal = false;
    bool m_bPassToDialogManager = false;  // next call of DialogProc answers "not handled"
};

#endif
