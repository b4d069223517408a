#pragma once
#include <chrono>
#include <functional>

namespace e2e {

using namespace std::chrono_literals;

// Bounds generous enough for a slow, shared machine; a passing wait returns as soon as its
// condition holds.
inline constexpr std::chrono::milliseconds kStartTimeout = 60s;
inline constexpr std::chrono::milliseconds kUiTimeout = 20s;

// Polls the condition (pumping this thread's messages meanwhile) until it holds or the timeout
// has passed; true when it held.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = kUiTimeout);

} // namespace e2e
