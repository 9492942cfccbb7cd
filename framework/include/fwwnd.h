// CWnd: a window handle with the operations the dialogs use, and the
// message-map dispatch of messages that reach a framework window.
#ifndef FW_FWWND_H
#define FW_FWWND_H

#include "fwmsgmap.h"
#include "fwstring.h"

class CDC;
class CDataExchange;

class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object bound to hWnd, or a temporary wrapper that lives until the
    // window is gone; nullptr for a null handle.
    static CWnd* FromHandle(HWND hWnd);

    CWnd* GetDlgItem(int id) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL DestroyWindow();
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void GetClientRect(LPRECT rect) const;
    BOOL IsIconic() const;
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    // A device context of the window's client area; give it back with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);
    void GetWindowText(CString& text) const;
    // Modal message box owned by this window.
    int MessageBox(const char* text, const char* caption, UINT type);

    // Exchanges dialog data: controls to members when saving, else members to controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Default processing of the message now being handled by this window.
    LRESULT Default();

    afx_msg void OnDestroy();

    // Binds this object to an existing window (no subclassing).
    void Attach(HWND hWnd);

protected:
    // The object bound to hWnd by Attach, or nullptr.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Runs the mapped handler for a message; FALSE when none is mapped.
    // WM_COMMAND goes through OnCommand.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // What Default() does with the current message.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Dispatches a message to this window's map, recording it as the
    // current message for Default().
    BOOL DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Called when the window has received WM_NCDESTROY: unbinds it and every
    // object still bound to a window that no longer exists.
    virtual void OnWindowGone();

private:
    struct CurrentMessage {
        const CWnd* wnd;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    static CurrentMessage s_current;
};

#endif
