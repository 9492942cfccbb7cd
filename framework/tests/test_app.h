// The test program's application object, with a command of its own so that
// tests can see commands routed from dialogs to the application.
#pragma once
#include "framework.h"

enum { ID_APP_COMMAND = 32780 };

class TestApp : public CWinApp {
public:
    int appCommands = 0;
    afx_msg void OnAppCommand() { ++appCommands; }
    DECLARE_MESSAGE_MAP()
};

extern TestApp theApp;
