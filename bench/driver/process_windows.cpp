#include "process_windows.h"

#include "glint_ids.h"

namespace {

struct WindowsOf {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowsOf*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) {
        search->found.push_back(window);
    }
    return TRUE;
}

bool IsDialogClass(HWND window) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof(name));
    return std::string(name) == "#32770";
}

BOOL CALLBACK CheckChildPainted(HWND child, LPARAM param) {
    auto* painted = reinterpret_cast<bool*>(param);
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *painted = false;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    WindowsOf search{processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindMainWindow(DWORD processId) {
    for (HWND window : TopLevelWindows(processId)) {
        if (IsDialogClass(window) && GetDlgItem(window, glint_ids::kExitButton) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

HWND FindPopup(DWORD processId) {
    for (HWND window : TopLevelWindows(processId)) {
        if (IsDialogClass(window) && GetDlgItem(window, glint_ids::kPopupLevelText) != nullptr) {
            return window;
        }
    }
    return nullptr;
}

int CountPopups(DWORD processId) {
    int count = 0;
    for (HWND window : TopLevelWindows(processId)) {
        count += IsDialogClass(window) && GetDlgItem(window, glint_ids::kPopupLevelText) != nullptr;
    }
    return count;
}

std::vector<HWND> FindMessageBoxes(DWORD processId, HWND mainWindow, HWND popup) {
    std::vector<HWND> boxes;
    for (HWND window : TopLevelWindows(processId)) {
        if (window != mainWindow && window != popup && IsWindowVisible(window) &&
            IsDialogClass(window) && GetDlgItem(window, glint_ids::kPopupLevelText) == nullptr) {
            boxes.push_back(window);
        }
    }
    return boxes;
}

std::string DismissMessageBox(HWND box) {
    wchar_t caption[256] = {};
    GetWindowTextW(box, caption, 256);
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, caption, -1, utf8, sizeof(utf8), nullptr, nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return utf8;
}

bool IsPainted(HWND window) {
    if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) {
        return false;
    }
    bool painted = true;
    EnumChildWindows(window, CheckChildPainted, reinterpret_cast<LPARAM>(&painted));
    return painted;
}

bool HideWindow(HWND window, UINT timeoutMs) {
    ShowWindowAsync(window, SW_HIDE);
    for (UINT waited = 0; IsWindowVisible(window) && waited < timeoutMs; waited += 10) {
        Sleep(10);
    }
    return !IsWindowVisible(window);
}

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result) !=
           0;
}
