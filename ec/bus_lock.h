#pragma once

#include <cstdint>

// The machine-wide lock that tools using the Super-I/O ports share, so that no other tool's
// index/data writes interleave with one EC transaction of ours.
class BusLock {
public:
    virtual ~BusLock() = default;

    // Waits at most waitMs; false when the lock could not be had in that time.
    virtual bool Acquire(std::uint32_t waitMs) = 0;
    virtual void Release() = 0;
};

// A lock that is always free: for port traffic that shares the bus with no other tool (a
// platform without a shared lock, a timing run, a test).
class UnsharedBus final : public BusLock {
public:
    bool Acquire(std::uint32_t) override { return true; }
    void Release() override {}
};

// The lock held for one scope, if it could be had.
class BusHold {
public:
    BusHold(BusLock& busLock, std::uint32_t waitMs)
        : lock(busLock), held(busLock.Acquire(waitMs)) {}
    ~BusHold() {
        if (held) {
            lock.Release();
        }
    }
    BusHold(const BusHold&) = delete;
    BusHold& operator=(const BusHold&) = delete;

    bool Held() const { return held; }

private:
    BusLock& lock;
    bool held;
};
