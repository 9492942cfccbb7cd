// Dialog data exchange between members and controls.
#ifndef FW_FWDDX_H
#define FW_FWDDX_H

#include "fwwnd.h"

class CDataExchange {
public:
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

    CDataExchange(CWnd* dlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(dlgWnd) {}
};

// Binds control to dialog item id, unless it is bound already.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// Exchanges the text of dialog item id with value.
void DDX_Text(CDataExchange* pDX, int id, CString& value);

#endif
