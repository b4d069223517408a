#pragma once
#include "framework/app.h"

// The test program's application object: its table takes one command that no window handles.
class TestApp : public CWinApp {
public:
    static constexpr UINT kAppCommand = 0x7101;

    int appCommands = 0;

protected:
    void OnAppCommand() { ++appCommands; }
    DECLARE_MESSAGE_MAP()
};

TestApp& TheTestApp();
