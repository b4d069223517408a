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
