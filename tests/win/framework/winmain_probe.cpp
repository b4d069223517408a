// A program that defines only its application object: the framework's WinMain must run it.
// With "init-fails" on the command line InitInstance returns FALSE; otherwise it returns TRUE and
// a timer ends the message loop. The exit code is 0 only when every check held.
#include "framework/app.h"

#include <cstring>

namespace {

bool timerRan = false;

void CALLBACK Quit(HWND, UINT, UINT_PTR, DWORD) {
    timerRan = true;
    ::PostQuitMessage(0);
}

class ProbeApp : public CWinApp {
public:
    BOOL InitInstance() override {
        setUpRight_ = AfxGetApp() == this && m_hInstance == ::GetModuleHandleA(nullptr) &&
                      AfxGetResourceHandle() == m_hInstance &&
                      m_appName == "framework_winmain_probe";
        initFails_ = std::strstr(::GetCommandLineA(), "init-fails") != nullptr;
        if (initFails_) {
            return FALSE;
        }
        ::SetTimer(nullptr, 0, 10, &Quit);
        return TRUE;
    }
    // Reached from the entry point directly when initialisation fails, else from the loop.
    int ExitInstance() override { return setUpRight_ && (initFails_ || timerRan) ? 0 : 1; }

private:
    bool setUpRight_ = false;
    bool initFails_ = false;
};

ProbeApp theApp;

} // namespace
