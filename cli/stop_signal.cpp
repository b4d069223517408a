#include "cli/stop_signal.h"

#include <csignal>

namespace glintctl {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void OnStopSignal(int) {
    stopRequested = 1;
}

} // namespace

void InstallStopHandlers() {
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
#ifdef SIGHUP
    std::signal(SIGHUP, OnStopSignal);
#endif
}

bool StopRequested() {
    return stopRequested != 0;
}

} // namespace glintctl
