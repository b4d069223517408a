#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ec/bus_lock.h"
#include "ec/ec_port.h"
#include "ec/port_io.h"
#include "ec/super_io_decoder.h"
#include "framework/hex_text.h"

// Another tool on the same bus. It wants the bus from a given EC byte access of ours on
// (counted over the whole run, from 0) and takes it as soon as it is free from then on; having
// it, it keeps it until the test lets go.
struct OtherTool {
    int wantsBusBefore = INT_MAX;
    int accessesDone = 0;
    bool holdsBus = false;
    bool weHoldBus = false;
    // How long each of our acquisitions was willing to wait, in ms.
    std::vector<std::uint32_t> waits;

    void WantBusFromNow() { wantsBusBefore = accessesDone; }
    void LetGo() {
        wantsBusBefore = INT_MAX;
        holdsBus = false;
    }
    void TakeBusIfFree() {
        if (!weHoldBus && accessesDone >= wantsBusBefore) {
            holdsBus = true;
        }
    }
};

class ContendedBus final : public BusLock {
public:
    explicit ContendedBus(OtherTool& otherTool) : other(otherTool) {}
    bool Acquire(std::uint32_t waitMs) override {
        other.waits.push_back(waitMs);
        other.TakeBusIfFree();
        other.weHoldBus = !other.holdsBus;
        return other.weHoldBus;
    }
    void Release() override {
        other.weHoldBus = false;
        other.TakeBusIfFree();
    }

private:
    OtherTool& other;
};

// An EC behind the Super-I/O indirect access, logging each EC byte access as
// "W C4FC 03" or "R C422" into a log that the view fakes share.
class FakeEc final : public PortIo {
public:
    FakeEc(std::vector<std::string>& eventLog, std::array<std::uint8_t, 0x10000>& ecMemory,
           OtherTool& otherTool)
        : log(eventLog), memory(ecMemory), other(otherTool) {}

    // Called before each logged access, so a test can look at other state at that moment.
    std::function<void(const std::string&)> onAccess;

    PortAccessFailure Open() override { return PortAccessFailure::None; }
    bool IsUsable() override { return true; }
    bool Write(std::uint16_t port, std::uint8_t value) override {
        if (const auto address = ec::sio::ApplyPortWrite(registers, port, value)) {
            Log("W " + HexDigits(*address, 4) + " " + HexDigits(value, 2));
            memory[*address] = value;
        }
        return true;
    }
    std::optional<std::uint16_t> Read(std::uint16_t port) override {
        const ec::sio::PortReadResult source = ec::sio::ResolvePortRead(registers, port);
        if (!source.ramAddress) {
            return source.registerValue;
        }
        Log("R " + HexDigits(*source.ramAddress, 4));
        return memory[*source.ramAddress];
    }

private:
    void Log(const std::string& event) {
        if (onAccess) {
            onAccess(event);
        }
        log.push_back(event);
        ++other.accessesDone;
        other.TakeBusIfFree();
    }

    std::vector<std::string>& log;
    std::array<std::uint8_t, 0x10000>& memory;
    OtherTool& other;
    ec::sio::Registers registers;
};

// An EcPort on a fake EC whose identification bytes are given, on a bus that another tool wants
// from the given access of the construction on (never, by default); the construction's accesses
// are dropped from the log.
struct EcRig {
    std::vector<std::string> log;
    std::array<std::uint8_t, 0x10000> memory{};
    OtherTool otherTool;
    FakeEc* ec = nullptr;
    std::unique_ptr<EcPort> port;

    explicit EcRig(std::uint8_t id1 = 0x55, std::uint8_t id2 = 0x70,
                   int otherToolWantsBusBefore = INT_MAX) {
        memory[0x2000] = id1;
        memory[0x2001] = id2;
        otherTool.wantsBusBefore = otherToolWantsBusBefore;
        auto fake = std::make_unique<FakeEc>(log, memory, otherTool);
        ec = fake.get();
        port = std::make_unique<EcPort>(OnlyWay(PortWay::Simulated, std::move(fake)),
                                        std::make_unique<ContendedBus>(otherTool));
        log.clear();
    }
};
