// Creates a window from one of the module's dialog templates, with no handling of its own.
#pragma once

#include <windows.h>

inline INT_PTR CALLBACK IgnoreDialogMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

inline HWND CreateTemplateWindow(int id) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr,
                              IgnoreDialogMessages, 0);
}
