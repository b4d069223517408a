#include "tests/support/win/pump.h"

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout,
               const std::function<void(const MSG&)>& observe) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (observe) {
                observe(msg);
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (done()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpPending() {
    PumpUntil([] { return true; });
}
