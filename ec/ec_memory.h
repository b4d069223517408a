#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>

#include "ec/ec_bytes.h"

// EC memory as the LED logic sees it: bytes at addresses, a register base the firmware's
// registers sit above, and held sections in which several accesses follow one another with no
// other tool's traffic between them.
class EcMemory {
public:
    virtual std::int32_t RegisterBase() const = 0;

    // One byte access as a held section of its own: a read that did not run yields 0, a write
    // that did not run does nothing. For callers that derive nothing from what they read.
    int ReadByte(std::uint16_t address) {
        int value = 0;
        Transaction([&](EcBytes& bytes) { value = bytes.ReadByte(address); });
        return value;
    }
    void WriteByte(std::uint16_t address, int value) {
        Transaction([&](EcBytes& bytes) { bytes.WriteByte(address, value); });
    }

    // Runs body(EcBytes&) in one held section. False, with body not run and no byte touched,
    // when the section could not be had.
    template <typename Body> bool Transaction(Body&& body) {
        using Callable = std::remove_reference_t<Body>;
        return RunTransaction(
            [](void* callable, EcBytes& bytes) { (*static_cast<Callable*>(callable))(bytes); },
            std::addressof(body));
    }

protected:
    ~EcMemory() = default;

    using TransactionBody = void (*)(void* callable, EcBytes& bytes);
    // Calls body(callable, bytes) inside the held section; false when it did not run.
    virtual bool RunTransaction(TransactionBody body, void* callable) = 0;
};
