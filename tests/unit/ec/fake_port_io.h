#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ec/bus_lock.h"
#include "ec/ec_port.h"
#include "ec/port_io.h"
#include "framework/hex_text.h"

// Everything a fake back end and fake bus lock see, in order, as readable lines:
// "open", "usable", "W 4E 2E", "R 4F", "lock", "unlock"; "lock" and "lock timed out" are
// followed by the wait in ms when it is not the short one of a transaction ("lock 3000").
struct BusLog {
    std::vector<std::string> events;
};

struct FakePortIoConfig {
    // Put before "open" and "usable" when several ways are tried: "PawnIO open".
    std::string name{};
    PortAccessFailure openResult = PortAccessFailure::None;
    bool usable = true;
    // Values returned by successive reads of the data port; 0 once they run out.
    std::deque<std::uint16_t> reads{};
    // The port access, counted from 1, that the back end refuses; 0 for none.
    int refuseAccess = 0;
};

class FakePortIo final : public PortIo {
public:
    FakePortIo(BusLog& busLog, FakePortIoConfig portConfig)
        : log(busLog), config(std::move(portConfig)) {}

    PortAccessFailure Open() override {
        log.events.push_back(Named("open"));
        return config.openResult;
    }
    bool IsUsable() override {
        log.events.push_back(Named("usable"));
        return config.usable;
    }
    bool Write(std::uint16_t port, std::uint8_t value) override {
        if (Refused()) {
            log.events.push_back("W " + HexDigits(port, 2) + " " + HexDigits(value, 2) +
                                 " refused");
            return false;
        }
        log.events.push_back("W " + HexDigits(port, 2) + " " + HexDigits(value, 2));
        return true;
    }
    std::optional<std::uint16_t> Read(std::uint16_t port) override {
        if (Refused()) {
            log.events.push_back("R " + HexDigits(port, 2) + " refused");
            return std::nullopt;
        }
        log.events.push_back("R " + HexDigits(port, 2));
        if (config.reads.empty()) {
            return 0;
        }
        const std::uint16_t value = config.reads.front();
        config.reads.pop_front();
        return value;
    }

private:
    std::string Named(const std::string& event) const {
        return config.name.empty() ? event : config.name + " " + event;
    }
    // Counts the port accesses; true for the one to refuse.
    bool Refused() { return ++accesses == config.refuseAccess; }

    BusLog& log;
    FakePortIoConfig config;
    int accesses = 0;
};

// The bus lock as another tool leaves it: free, taken for good, or taken for some of the next
// tries.
struct BusLockState {
    bool available = true;
    // Outcomes of the next acquisitions (false: timed out), before `available` applies again.
    std::deque<bool> nextTries{};
};

class FakeBusLock final : public BusLock {
public:
    FakeBusLock(BusLog& busLog, BusLockState& lockState) : log(busLog), state(lockState) {}

    bool Acquire(std::uint32_t waitMs) override {
        bool got = state.available;
        if (!state.nextTries.empty()) {
            got = state.nextTries.front();
            state.nextTries.pop_front();
        }
        std::string event = got ? "lock" : "lock timed out";
        if (waitMs != EcPort::kTransactionWaitMs) {
            event += " " + std::to_string(waitMs);
        }
        log.events.push_back(event);
        return got;
    }
    void Release() override { log.events.push_back("unlock"); }

private:
    BusLog& log;
    BusLockState& state;
};
