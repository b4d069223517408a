// The precise wall clock needs Windows 8 headers; the simulator runs only under Wine and on
// current Windows.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0602
#include <windows.h>

#include "tools/ecsim/state/state_file.h"

#include "tools/ecsim/state/state_format.h"

namespace ecsim {

namespace {

HANDLE AsHandle(const OsHandle& handle) {
    return reinterpret_cast<HANDLE>(handle.Get());
}

} // namespace

void OsHandle::Close() {
    if (handle != kNone) {
        CloseHandle(reinterpret_cast<HANDLE>(handle));
        handle = kNone;
    }
}

void MappedView::Unmap() {
    if (address != nullptr) {
        UnmapViewOfFile(address);
        address = nullptr;
    }
}

std::optional<StateFile> StateFile::Open(const std::filesystem::path& path, OpenMode mode) {
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                mode == OpenMode::CreateIfMissing ? OPEN_ALWAYS : OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    return StateFile(OsHandle(reinterpret_cast<std::intptr_t>(opened)));
}

std::uint8_t* StateFile::Map() {
    if (Size() != kFileSize) {
        return nullptr;
    }
    // The view stays valid when the file shrinks and grows again, so it is made once.
    if (view.Bytes() == nullptr) {
        // Sized by the file itself: a mapping larger than the file would grow it.
        HANDLE section = CreateFileMappingW(AsHandle(file), nullptr, PAGE_READWRITE, 0, 0, nullptr);
        if (section == nullptr) {
            return nullptr;
        }
        // The view keeps the mapping object alive once this handle is closed.
        const OsHandle mapping(reinterpret_cast<std::intptr_t>(section));
        void* base = MapViewOfFile(section, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, kFileSize);
        if (base == nullptr) {
            return nullptr;
        }
        view = MappedView(base, kFileSize);
    }
    return view.Bytes();
}

bool StateFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset);
    where.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD put = 0;
    return WriteFile(AsHandle(file), data, static_cast<DWORD>(size), &put, &where) && put == size;
}

std::optional<std::uint64_t> StateFile::Size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(AsHandle(file), &size)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

bool StateFile::Truncate(std::uint64_t size) {
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(AsHandle(file), end, nullptr, FILE_BEGIN) &&
           SetEndOfFile(AsHandle(file));
}

std::uint64_t NowNs() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    // 100 ns ticks since 1601-01-01.
    constexpr std::uint64_t kTicksFrom1601To1970 = 116444736000000000u;
    return (ticks - kTicksFrom1601To1970) * 100u;
}

std::uint32_t CurrentProcessId() {
    return GetCurrentProcessId();
}

} // namespace ecsim
