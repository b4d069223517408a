#include "ec/win/io_dll_port_io.h"

#include "ec/win/io_dll_search.h"

namespace {

template <typename Fn> Fn Bind(HMODULE module, const char* name) {
    // Through the generic function type, which any function pointer may be cast from.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace

PortAccessFailure IoDllPortIo::Open() {
    ioLibrary.Reset(LoadIoDllFromTrustedFolders());
    if (!ioLibrary) {
        return IoDllInTrustedFolders() ? PortAccessFailure::LibraryNotLoadable
                                       : PortAccessFailure::LibraryMissing;
    }
    out32 = Bind<Out32Fn>(ioLibrary.Get(), "Out32");
    inp32 = Bind<Inp32Fn>(ioLibrary.Get(), "Inp32");
    isInpOutDriverOpen = Bind<DriverTestFn>(ioLibrary.Get(), "IsInpOutDriverOpen");
    isXp64Bit = Bind<DriverTestFn>(ioLibrary.Get(), "IsXP64Bit");
    const bool complete = out32 != nullptr && inp32 != nullptr && isInpOutDriverOpen != nullptr &&
                          isXp64Bit != nullptr;
    return complete ? PortAccessFailure::None : PortAccessFailure::FunctionMissing;
}

bool IoDllPortIo::IsUsable() {
    return isInpOutDriverOpen != nullptr && isInpOutDriverOpen() != 0;
}

// io.dll cannot refuse an access: what it does with one is not told.
bool IoDllPortIo::Write(std::uint16_t port, std::uint8_t value) {
    if (out32 == nullptr) {
        return false;
    }
    out32(static_cast<short>(port), static_cast<short>(value));
    return true;
}

std::optional<std::uint16_t> IoDllPortIo::Read(std::uint16_t port) {
    if (inp32 == nullptr) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(inp32(static_cast<short>(port)));
}
