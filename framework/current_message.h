#pragma once
// The message being handled on this thread, as CWnd::CurrentMessage reports it (internal).
#include <windows.h>

// Makes a message the current one for its lifetime and puts the outer one back afterwards, so that
// a handler that sends further messages still sees its own one when it returns.
class CurrentMessageScope {
public:
    CurrentMessageScope(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;
    ~CurrentMessageScope();

private:
    MSG outer_;
};
