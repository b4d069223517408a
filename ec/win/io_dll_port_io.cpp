#include "ec/win/io_dll_port_io.h"

namespace {

// io.dll is looked for only beside the program and in the system folder: a copy planted in
// the current directory or on PATH would otherwise run with the program's rights. The same
// restriction holds for the libraries io.dll itself imports.
HMODULE LoadFromTrustedFolders() {
    return LoadLibraryExA("io.dll", nullptr,
                          LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

template <typename Fn> Fn Bind(HMODULE module, const char* name) {
    // Through the generic function type, which any function pointer may be cast from.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace

bool IoDllPortIo::Open() {
    ioLibrary = ModuleHandle(LoadFromTrustedFolders());
    if (!ioLibrary) {
        return false;
    }
    out32 = Bind<Out32Fn>(ioLibrary.Get(), "Out32");
    inp32 = Bind<Inp32Fn>(ioLibrary.Get(), "Inp32");
    isInpOutDriverOpen = Bind<DriverTestFn>(ioLibrary.Get(), "IsInpOutDriverOpen");
    isXp64Bit = Bind<DriverTestFn>(ioLibrary.Get(), "IsXP64Bit");
    return out32 != nullptr && inp32 != nullptr && isInpOutDriverOpen != nullptr &&
           isXp64Bit != nullptr;
}

bool IoDllPortIo::IsUsable() {
    return isInpOutDriverOpen != nullptr && isInpOutDriverOpen() != 0;
}

void IoDllPortIo::Write(std::uint16_t port, std::uint8_t value) {
    if (out32 != nullptr) {
        out32(static_cast<short>(port), static_cast<short>(value));
    }
}

std::uint16_t IoDllPortIo::Read(std::uint16_t port) {
    return inp32 != nullptr ? static_cast<std::uint16_t>(inp32(static_cast<short>(port))) : 0;
}
