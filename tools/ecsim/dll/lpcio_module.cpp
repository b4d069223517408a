#include "tools/ecsim/dll/lpcio_module.h"

#include <iterator>

#include "ec/super_io.h"
#include "tools/ecsim/dll/state_access.h"

namespace ecsim {

namespace {

// The index port of each slot; its data port follows it.
constexpr ULONG64 kSlotIndexPorts[] = {0x2E, ec::sio::kIndexPort};

// A port operation that the driver could not carry out.
constexpr HRESULT kDeviceFailure = HRESULT_FROM_WIN32(ERROR_GEN_FAILURE);

} // namespace

LpcIoModule::Result LpcIoModule::Execute(std::string_view function, std::span<const ULONG64> in,
                                         std::span<ULONG64> out) {
    if (function == "ioctl_select_slot") {
        return {SelectSlot(in), 0};
    }
    if (function == "ioctl_pio_inb") {
        return Inb(in, out);
    }
    if (function == "ioctl_pio_outb") {
        return {Outb(in), 0};
    }
    return {HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND), 0};
}

HRESULT LpcIoModule::SelectSlot(std::span<const ULONG64> in) {
    if (in.empty() || in[0] >= std::size(kSlotIndexPorts)) {
        return E_INVALIDARG;
    }
    slot = static_cast<std::size_t>(in[0]);
    return S_OK;
}

LpcIoModule::Result LpcIoModule::Inb(std::span<const ULONG64> in, std::span<ULONG64> out) {
    if (in.empty() || out.empty()) {
        return {E_INVALIDARG, 0};
    }
    if (!Allowed(in[0])) {
        return {E_ACCESSDENIED, 0};
    }
    StateAccess access;
    EcSimState* state = access.State();
    const auto value =
        state != nullptr ? state->PawnIoPortRead(static_cast<std::uint16_t>(in[0])) : std::nullopt;
    if (!value) {
        return {kDeviceFailure, 0};
    }
    out[0] = *value;
    return {S_OK, 1};
}

HRESULT LpcIoModule::Outb(std::span<const ULONG64> in) {
    if (in.size() < 2) {
        return E_INVALIDARG;
    }
    if (!Allowed(in[0])) {
        return E_ACCESSDENIED;
    }
    // A value wider than a byte is refused rather than cut, so that no other byte reaches the EC.
    if (in[1] > 0xFF) {
        return E_INVALIDARG;
    }
    StateAccess access;
    EcSimState* state = access.State();
    const bool written =
        state != nullptr &&
        state->PawnIoPortWrite(static_cast<std::uint16_t>(in[0]), static_cast<std::uint8_t>(in[1]));
    return written ? S_OK : kDeviceFailure;
}

bool LpcIoModule::Allowed(ULONG64 port) const {
    return slot && (port == kSlotIndexPorts[*slot] || port == kSlotIndexPorts[*slot] + 1);
}

} // namespace ecsim
