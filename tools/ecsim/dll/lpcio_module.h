#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ecsim {

// The LpcIO module as the simulated PawnIO driver runs it for one handle: ioctl_select_slot
// chooses a Super-I/O port pair (0: 0x2E/0x2F, 1: 0x4E/0x4F), after which ioctl_pio_inb and
// ioctl_pio_outb reach that pair and no other port. Its port traffic goes to the simulated EC.
class LpcIoModule {
public:
    struct Result {
        HRESULT status;
        // Out elements written.
        std::size_t written;
    };

    Result Execute(std::string_view function, std::span<const ULONG64> in, std::span<ULONG64> out);

private:
    HRESULT SelectSlot(std::span<const ULONG64> in);
    Result Inb(std::span<const ULONG64> in, std::span<ULONG64> out);
    HRESULT Outb(std::span<const ULONG64> in);
    bool Allowed(ULONG64 port) const;

    std::optional<std::size_t> slot;
};

} // namespace ecsim
