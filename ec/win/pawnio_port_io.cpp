#include "ec/win/pawnio_port_io.h"

#include <string>
#include <vector>

#include "ec/win/library_paths.h"
#include "ec/win/pawnio_search.h"

namespace {

constexpr wchar_t kLibraryName[] = L"PawnIOLib.dll";
constexpr wchar_t kModuleName[] = L"LpcIO.bin";
// A module is a few KiB; a file far larger is not one, and is not read into memory whole.
constexpr LONGLONG kLargestModule = 1 << 20;

// LpcIO's slot of the Super-I/O pair 0x4E/0x4F that the EC answers on (slot 0 is 0x2E/0x2F).
constexpr ULONG64 kEcSlot = 1;

template <typename Fn> Fn Bind(HMODULE module, const char* name) {
    // Through the generic function type, which any function pointer may be cast from.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The whole file, or nothing when it cannot be read or is too large to be a module.
std::optional<std::vector<UCHAR>> ReadModuleFile(const std::wstring& path) {
    HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const OwnedKernelHandle file(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestModule) {
        return std::nullopt;
    }
    std::vector<UCHAR> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

PawnIoPortIo::~PawnIoPortIo() {
    CloseDriver();
}

PortAccessFailure PawnIoPortIo::Open() {
    PortAccessFailure failure = LoadLibraryFunctions();
    if (failure == PortAccessFailure::None) {
        failure = OpenDriver();
    }
    if (failure == PortAccessFailure::None) {
        failure = LoadModule();
    }
    if (failure != PortAccessFailure::None) {
        CloseDriver();
    }
    return failure;
}

PortAccessFailure PawnIoPortIo::LoadLibraryFunctions() {
    const std::wstring folder = PawnIoInstallFolder();
    if (folder.empty()) {
        return PortAccessFailure::LibraryMissing;
    }
    const std::wstring path = folder + L"\\" + kLibraryName;
    library.Reset(LoadLibraryAtPath(path));
    if (!library) {
        // Typically PawnIO's 64-bit library seen from the 32-bit program.
        return FileExists(path) ? PortAccessFailure::LibraryNotLoadable
                                : PortAccessFailure::LibraryMissing;
    }
    open = Bind<OpenFn>(library.Get(), "pawnio_open");
    load = Bind<LoadFn>(library.Get(), "pawnio_load");
    execute = Bind<ExecuteFn>(library.Get(), "pawnio_execute");
    close = Bind<CloseFn>(library.Get(), "pawnio_close");
    const bool complete =
        open != nullptr && load != nullptr && execute != nullptr && close != nullptr;
    return complete ? PortAccessFailure::None : PortAccessFailure::FunctionMissing;
}

PortAccessFailure PawnIoPortIo::OpenDriver() {
    HANDLE opened = nullptr;
    const HRESULT result = open(&opened);
    if (FAILED(result) || opened == nullptr) {
        return result == E_ACCESSDENIED ? PortAccessFailure::NotElevated
                                        : PortAccessFailure::DriverNotUsable;
    }
    handle = opened;
    return PortAccessFailure::None;
}

PortAccessFailure PawnIoPortIo::LoadModule() {
    const std::wstring programFolder = ExecutableFolder();
    const std::optional<std::vector<UCHAR>> module =
        programFolder.empty() ? std::nullopt : ReadModuleFile(programFolder + L"\\" + kModuleName);
    if (!module) {
        return PortAccessFailure::ModuleMissing;
    }
    if (FAILED(load(handle, module->data(), module->size()))) {
        return PortAccessFailure::ModuleRefused;
    }
    // A signed module of another kind loads too, but has no such slot.
    ULONG64 unused = 0;
    return Execute("ioctl_select_slot", {kEcSlot}, &unused, 0) ? PortAccessFailure::None
                                                               : PortAccessFailure::ModuleRefused;
}

bool PawnIoPortIo::Execute(const char* function, std::initializer_list<ULONG64> in, ULONG64* out,
                           SIZE_T outCount) {
    if (handle == nullptr) {
        return false;
    }
    SIZE_T returned = 0;
    const HRESULT result =
        execute(handle, function, in.begin(), in.size(), out, outCount, &returned);
    return SUCCEEDED(result) && returned >= outCount;
}

bool PawnIoPortIo::Write(std::uint16_t port, std::uint8_t value) {
    ULONG64 unused = 0;
    return Execute("ioctl_pio_outb", {port, value}, &unused, 0);
}

std::optional<std::uint16_t> PawnIoPortIo::Read(std::uint16_t port) {
    ULONG64 value = 0;
    if (!Execute("ioctl_pio_inb", {port}, &value, 1)) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value & 0xFF);
}

void PawnIoPortIo::CloseDriver() {
    if (handle != nullptr) {
        close(handle);
        handle = nullptr;
    }
}
