#pragma once
#include <windows.h>

#include <chrono>
#include <functional>

// Runs this thread's messages until done() holds or the timeout passes; returns done().
// Timeouts are generous bounds, not expectations of speed. observe, when given, sees each
// message just before it is dispatched.
bool PumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(10),
               const std::function<void(const MSG&)>& observe = nullptr);

// Dispatches what is queued now.
void PumpPending();
