#pragma once

// The machine-wide lock that tools using the Super-I/O ports share, so that no other tool's
// index/data writes interleave with one EC byte access of ours.
class BusLock {
public:
    virtual ~BusLock() = default;

    // Waits a bounded time; false when the lock could not be had in that time.
    virtual bool Acquire() = 0;
    virtual void Release() = 0;
};
