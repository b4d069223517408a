#pragma once

#include <cstdint>

// Byte access to EC memory inside one held bus section: the accesses follow one another with no
// other tool's port traffic between them.
class EcBytes {
public:
    // 0..255.
    virtual int ReadByte(std::uint16_t address) = 0;
    // Writes the low 8 bits of value.
    virtual void WriteByte(std::uint16_t address, int value) = 0;

protected:
    ~EcBytes() = default;
};
