#include "tests/support/win/window_find.h"

#include <iterator>

namespace wintest {

namespace {

struct Search {
    WindowOwner owner;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (search->owner.kind == WindowOwner::Kind::Thread) {
        search->found.push_back(window);
        return TRUE;
    }
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId == search->owner.id) {
        search->found.push_back(window);
    }
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(WindowOwner owner) {
    Search search{owner, {}};
    const auto param = reinterpret_cast<LPARAM>(&search);
    if (owner.kind == WindowOwner::Kind::Thread) {
        ::EnumThreadWindows(owner.id, &CollectWindow, param);
    } else {
        ::EnumWindows(&CollectWindow, param);
    }
    return search.found;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(window, text, static_cast<int>(std::size(text)));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

} // namespace wintest
