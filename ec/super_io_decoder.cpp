#include "ec/super_io_decoder.h"

namespace ec::sio {

std::optional<std::uint16_t> ApplyPortWrite(Registers& registers, std::uint16_t port,
                                            std::uint8_t value) {
    if (port == kIndexPort) {
        registers.index = value;
    } else if (port == kDataPort && registers.index == kSubRegisterSelect) {
        registers.subRegister = value;
    } else if (port == kDataPort && registers.index == kSubRegisterData) {
        switch (registers.subRegister) {
        case kAddressLow:
            registers.addressLow = value;
            break;
        case kAddressHigh:
            registers.addressHigh = value;
            break;
        case kDataByte:
            return registers.Address();
        default:
            break;
        }
    }
    return std::nullopt;
}

PortReadResult ResolvePortRead(const Registers& registers, std::uint16_t port) {
    if (port == kIndexPort) {
        return {std::nullopt, registers.index};
    }
    if (port != kDataPort) {
        return {};
    }
    if (registers.index == kSubRegisterSelect) {
        return {std::nullopt, registers.subRegister};
    }
    if (registers.index == kSubRegisterData) {
        switch (registers.subRegister) {
        case kAddressLow:
            return {std::nullopt, registers.addressLow};
        case kAddressHigh:
            return {std::nullopt, registers.addressHigh};
        case kDataByte:
            return {registers.Address(), 0};
        default:
            break;
        }
    }
    return {};
}

} // namespace ec::sio
