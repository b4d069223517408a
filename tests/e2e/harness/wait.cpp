#include "wait.h"

#include "tests/support/win/pump.h"

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    return PumpUntil(condition, timeout);
}

} // namespace e2e
