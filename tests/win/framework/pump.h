#pragma once
#include <windows.h>

#include <functional>

// Dispatches this thread's messages until done() holds or the time is up; true when it held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
