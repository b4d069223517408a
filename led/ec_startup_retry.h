#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "ec/ec_port.h"
#include "led/timer_host.h"

// Finishes the start-up of the main window's EC ports when another tool kept the bus while they
// were constructed: each port's identification is confirmed and its start-up byte written in a
// transaction that gets the bus, tried from the window's timer for a few seconds, one port per
// tick, so the window never waits for the bus longer than one short wait at a time. A poll or a
// click that gets the bus first finishes the start-up of its port on the way.
class EcStartupRetry {
public:
    // The period of kEcStartupRetryTimer, the main window's timer for the retries.
    static constexpr std::uint32_t kRetryPeriodMs = 100;
    // As long as a click is retried: a bus held longer than that is not waited for here.
    static constexpr int kRetryAttempts = 50;

    EcStartupRetry(std::initializer_list<EcPort*> ports, TimerHost& timers);

    // Starts the retries when a port's start-up is pending.
    void Start();
    // The retry timer; other ids are left alone.
    void OnTimer(std::uintptr_t timerId);

private:
    EcPort* NextPending() const;

    std::vector<EcPort*> ports;
    TimerHost& timers;
    int triesLeft = 0;
};
