#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ec/bus_lock.h"
#include "ec/ec_memory.h"
#include "ec/ec_registers.h"
#include "fake_ec.h"

// EC memory as a plain byte array, each held section guarded by a bus that another tool may
// want; every byte access counts towards the other tool's moment of wanting it.
class ByteArrayEc final : public EcMemory {
public:
    ByteArrayEc(std::array<std::uint8_t, 0x10000>& ecMemory, OtherTool& otherTool,
                std::int32_t registerBase)
        : memory(ecMemory), other(otherTool), bus(otherTool), base(registerBase) {}

    std::int32_t RegisterBase() const override { return base; }

private:
    class Bytes final : public EcBytes {
    public:
        explicit Bytes(ByteArrayEc& owner) : ec(owner) {}
        int ReadByte(std::uint16_t address) override {
            const int value = ec.memory[address];
            ec.Accessed();
            return value;
        }
        void WriteByte(std::uint16_t address, int value) override {
            ec.memory[address] = static_cast<std::uint8_t>(value & 0xFF);
            ec.Accessed();
        }

    private:
        ByteArrayEc& ec;
    };

    bool RunTransaction(TransactionBody body, void* callable) override {
        const BusHold hold(bus, 0);
        if (!hold.Held()) {
            return false;
        }
        body(callable, bytes);
        return true;
    }
    void Accessed() {
        ++other.accessesDone;
        other.TakeBusIfFree();
    }

    std::array<std::uint8_t, 0x10000>& memory;
    OtherTool& other;
    ContendedBus bus;
    std::int32_t base;
    Bytes bytes{*this};
};

// Logs each byte access of the memory it wraps as "W C4FC 03" or "R C422", into a log that the
// view fakes share.
class TracingEc final : public EcMemory {
public:
    TracingEc(EcMemory& tracedMemory, std::vector<std::string>& eventLog)
        : traced(tracedMemory), log(eventLog) {}

    // Called before each logged access, so a test can look at other state at that moment.
    std::function<void(const std::string&)> onAccess;

    std::int32_t RegisterBase() const override { return traced.RegisterBase(); }

private:
    class Bytes final : public EcBytes {
    public:
        Bytes(TracingEc& owner, EcBytes& tracedBytes) : tracing(owner), inner(tracedBytes) {}
        int ReadByte(std::uint16_t address) override {
            tracing.Log("R " + HexDigits(address, 4));
            return inner.ReadByte(address);
        }
        void WriteByte(std::uint16_t address, int value) override {
            tracing.Log("W " + HexDigits(address, 4) + " " +
                        HexDigits(static_cast<unsigned>(value & 0xFF), 2));
            inner.WriteByte(address, value);
        }

    private:
        TracingEc& tracing;
        EcBytes& inner;
    };

    bool RunTransaction(TransactionBody body, void* callable) override {
        return traced.Transaction([&](EcBytes& tracedBytes) {
            Bytes bytes(*this, tracedBytes);
            body(callable, bytes);
        });
    }
    void Log(const std::string& event) {
        if (onAccess) {
            onAccess(event);
        }
        log.push_back(event);
    }

    EcMemory& traced;
    std::vector<std::string>& log;
};

// The LED logic's EC: a byte array with the given register base, traced into log.
struct EcMemoryRig {
    std::vector<std::string> log;
    std::array<std::uint8_t, 0x10000> memory{};
    OtherTool otherTool;
    ByteArrayEc bytes;
    TracingEc traced{bytes, log};

    explicit EcMemoryRig(std::int32_t registerBase = ec::kRecognisedRegisterBase)
        : bytes(memory, otherTool, registerBase) {}
};
