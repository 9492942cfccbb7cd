// The dialog that shows generated sample code for the user to copy.
#pragma once

#include "framework.h"

class CSampleCodeDlg : public CDialog {
public:
    explicit CSampleCodeDlg(CWnd* pParent = nullptr);
    ~CSampleCodeDlg() override;

    CString m_strCode;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
