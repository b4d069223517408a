#include "app/app.h"

#include <windows.h>

#include <commctrl.h>

#include "ui/main_dialog.h"
#include "ui/start_failure_box.h"

namespace {

constexpr UINT kHelpCommand = 0xE146; // the framework's standard help command

} // namespace

BEGIN_MESSAGE_MAP(CZUQ_RGB_LED_ToolApp, CWinApp)
    ON_COMMAND(kHelpCommand, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CZUQ_RGB_LED_ToolApp::CZUQ_RGB_LED_ToolApp() : CWinApp(nullptr) {}

BOOL CZUQ_RGB_LED_ToolApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES;
    ::InitCommonControlsEx(&controls);

    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey("Local AppWizard-Generated Applications");

    // Before any port is touched: a second copy only shows the first, or says where it runs.
    switch (oneCopy.Claim()) {
    case OneCopyStart::Run:
        break;
    case OneCopyStart::BringRunningCopyForward:
        BringRunningCopyForward();
        return FALSE;
    case OneCopyStart::RunsInAnotherSession:
        ShowRunsInAnotherSession(::GetSystemDefaultLangID());
        return FALSE;
    }

    // Constructing the window opens a way to the ports (io.dll, else PawnIO) and identifies the
    // EC.
    CZUQ_RGB_LED_ToolDlg mainWindow;
    if (!mainWindow.EcReady()) {
        // A copy started while the box is up (run as administrator, as the box may advise) must
        // run, not find this one and end in silence; this one touches no port from here on.
        oneCopy.Release();
        ShowStartFailure(mainWindow.FailedPortWays(), ::GetSystemDefaultLangID());
        exitCode = 1;
        return FALSE;
    }
    m_pMainWnd = &mainWindow;
    mainWindow.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of the application's own follows the main window.
    return FALSE;
}

CZUQ_RGB_LED_ToolApp theApp;
