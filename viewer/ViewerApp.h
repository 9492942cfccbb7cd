// The application object: runs the main dialog as the program's only loop.
#pragma once

#include "framework.h"

class CViewerApp : public CWinApp {
public:
    CViewerApp();

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
