// The precise wall clock needs Windows 8 headers; the simulator runs only under Wine and on
// current Windows.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0602
#include <windows.h>

#include "tools/ecsim/state/state_file.h"

#include <utility>

namespace ecsim {

namespace {

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset);
    where.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return where;
}

} // namespace

std::optional<StateFile> StateFile::Open(const std::filesystem::path& path, OpenMode mode) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              mode == OpenMode::CreateIfMissing ? OPEN_ALWAYS : OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    return StateFile(reinterpret_cast<std::intptr_t>(file));
}

StateFile::StateFile(StateFile&& other) noexcept : handle(std::exchange(other.handle, kNoHandle)) {}

StateFile& StateFile::operator=(StateFile&& other) noexcept {
    std::swap(handle, other.handle);
    return *this;
}

StateFile::~StateFile() {
    Close();
}

void StateFile::Close() {
    if (handle != kNoHandle) {
        CloseHandle(AsHandle(handle));
        handle = kNoHandle;
    }
}

bool StateFile::ReadAt(std::uint64_t offset, void* data, std::size_t size) const {
    OVERLAPPED where = At(offset);
    DWORD got = 0;
    return ReadFile(AsHandle(handle), data, static_cast<DWORD>(size), &got, &where) && got == size;
}

bool StateFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
    OVERLAPPED where = At(offset);
    DWORD put = 0;
    return WriteFile(AsHandle(handle), data, static_cast<DWORD>(size), &put, &where) && put == size;
}

std::optional<std::uint64_t> StateFile::Size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(AsHandle(handle), &size)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

bool StateFile::Truncate(std::uint64_t size) {
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(AsHandle(handle), end, nullptr, FILE_BEGIN) &&
           SetEndOfFile(AsHandle(handle));
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
