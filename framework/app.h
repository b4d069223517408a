#pragma once
#include "framework/cmd_target.h"

#include <windows.h>

#include <string>

class CWnd;

// The application object: one global instance, whose InitInstance the entry point calls. When it
// returns FALSE the process ends without a further message loop.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int Run(); // message loop until WM_QUIT
    virtual int ExitInstance() { return 0; }

    void SetRegistryKey(const char* company) { registryKey_ = company; }
    const std::string& RegistryKey() const { return registryKey_; }
    void OnHelp() {} // no help file ships with the program

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    std::string m_appName; // module name when none is given

private:
    std::string registryKey_;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// Message box owned by the application's main window, captioned with the application's name.
// Wide text, so that a path shows as it is whatever the ANSI code page.
int AfxMessageBox(const wchar_t* text, UINT type = MB_OK);
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
// The program's dialogs host no ActiveX controls, so containment needs no set-up.
inline void AfxEnableControlContainer() {}
