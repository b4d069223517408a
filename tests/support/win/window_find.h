#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

// Whose top-level windows to look at: another process's (seen from outside), or one thread's of
// this process.
struct WindowOwner {
    enum class Kind { Process, Thread };
    Kind kind;
    DWORD id;

    static WindowOwner Process(DWORD processId) { return {Kind::Process, processId}; }
    static WindowOwner Thread(DWORD threadId) { return {Kind::Thread, threadId}; }
};

// The owner's top-level windows, in z-order.
std::vector<HWND> TopLevelWindows(WindowOwner owner);
std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

// Window classes of the system's own windows.
inline constexpr wchar_t kDialogClass[] = L"#32770";
inline constexpr wchar_t kMenuClass[] = L"#32768";

} // namespace wintest
