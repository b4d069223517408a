#include "glint_subject.h"

#include "process_windows.h"
#include "report.h"

std::optional<GlintSubject> StartGlint(const std::string& label, const std::string& exe) {
    auto ec = SubjectEc::Fresh(FolderOf(exe) + "\\ecsim_state.bin");
    if (!ec) {
        Note(label + ": cannot write a fresh ecsim state");
        return std::nullopt;
    }
    auto app = LaunchAndWait(exe);
    if (!app) {
        return std::nullopt;
    }
    return GlintSubject{label, std::move(*ec), std::move(*app)};
}

bool ClickAndWait(HWND button, UINT timeoutMs) {
    return SendWithin(button, BM_CLICK, 0, 0, timeoutMs);
}

void PostClick(HWND button) {
    RECT client{};
    GetClientRect(button, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(button, WM_LBUTTONUP, 0, centre);
}

bool Responds(HWND mainWindow, UINT timeoutMs) {
    return SendWithin(mainWindow, WM_NULL, 0, 0, timeoutMs);
}
