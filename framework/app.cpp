#include "framework/app.h"

#include "framework/path_text.h"
#include "framework/wnd.h"

namespace {

CWinApp* theApp = nullptr;

// The executable's file name without folder and extension, read whole however long the path.
std::string ModuleBaseName() {
    std::string name = ReadWholeString([](char* buffer, std::size_t capacity) {
        return static_cast<std::size_t>(
            ::GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(capacity)));
    });
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        name.erase(dot);
    }
    return name;
}

} // namespace

CWinApp::CWinApp(const char* appName)
    : m_appName(appName != nullptr ? std::string(appName) : ModuleBaseName()) {
    if (theApp == nullptr) {
        theApp = this;
    }
}

CWinApp::~CWinApp() {
    if (theApp == this) {
        theApp = nullptr;
    }
}

int CWinApp::Run() {
    MSG msg{};
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        const HWND mainWnd = m_pMainWnd != nullptr ? m_pMainWnd->GetSafeHwnd() : nullptr;
        if (!WalkPreTranslateTree(mainWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return ExitInstance();
}

CWinApp* AfxGetApp() {
    return theApp;
}

HINSTANCE AfxGetInstanceHandle() {
    // Before the entry point has run (or without an application object) the executable is the
    // instance.
    if (theApp != nullptr && theApp->m_hInstance != nullptr) {
        return theApp->m_hInstance;
    }
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

int AfxMessageBox(const wchar_t* text, UINT type) {
    const HWND owner = theApp != nullptr && theApp->m_pMainWnd != nullptr
                           ? theApp->m_pMainWnd->GetSafeHwnd()
                           : nullptr;
    // The application's name is read through the ANSI API (see ModuleBaseName).
    std::wstring caption;
    if (theApp != nullptr && !theApp->m_appName.empty()) {
        const std::string& name = theApp->m_appName;
        caption.resize(name.size());
        caption.resize(static_cast<std::size_t>(
            ::MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()),
                                  caption.data(), static_cast<int>(caption.size()))));
    }
    return ::MessageBoxW(owner, text, theApp != nullptr ? caption.c_str() : nullptr, type);
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) {
        return -1;
    }
    app->m_hInstance = instance;
    if (!app->InitInstance()) {
        return app->ExitInstance();
    }
    return app->Run();
}
