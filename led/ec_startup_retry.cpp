#include "led/ec_startup_retry.h"

EcStartupRetry::EcStartupRetry(std::initializer_list<EcPort*> windowPorts, TimerHost& timerHost)
    : ports(windowPorts), timers(timerHost) {}

EcPort* EcStartupRetry::NextPending() const {
    for (EcPort* port : ports) {
        if (port->StartupPending()) {
            return port;
        }
    }
    return nullptr;
}

void EcStartupRetry::Start() {
    if (NextPending() != nullptr) {
        triesLeft = kRetryAttempts;
        timers.StartTimer(kEcStartupRetryTimer, kRetryPeriodMs);
    }
}

void EcStartupRetry::OnTimer(std::uintptr_t timerId) {
    if (timerId != kEcStartupRetryTimer) {
        return;
    }
    if (EcPort* port = NextPending()) {
        port->FinishStartup();
    }
    if (NextPending() == nullptr || --triesLeft <= 0) {
        timers.StopTimer(kEcStartupRetryTimer);
    }
}
