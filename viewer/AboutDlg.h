// The about box: icon, product name in a title font, version, author, home page.
#pragma once

#include "framework.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    // Runs the box; its title font is released once the box is gone.
    INT_PTR DoModal() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    HFONT m_hTitleFont;

    afx_msg void OnHomePage();

    DECLARE_MESSAGE_MAP()
};

// The decorative bold font of the product name; none when it cannot be made.
HFONT CreateTitleFont();

// Address of the project's home page, shown on the about box's button.
extern const char kHomePageAddress[];
