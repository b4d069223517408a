#include "tools/ecsim/state/state_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <utility>

namespace ecsim {

std::optional<StateFile> StateFile::Open(const std::filesystem::path& path, OpenMode mode) {
    const int flags = O_RDWR | O_CLOEXEC | (mode == OpenMode::CreateIfMissing ? O_CREAT : 0);
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) {
        return std::nullopt;
    }
    return StateFile(fd);
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
        ::close(static_cast<int>(handle));
        handle = kNoHandle;
    }
}

bool StateFile::ReadAt(std::uint64_t offset, void* data, std::size_t size) const {
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t got =
            ::pread(static_cast<int>(handle), bytes, size, static_cast<off_t>(offset));
        if (got <= 0) {
            return false;
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}

bool StateFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t put =
            ::pwrite(static_cast<int>(handle), bytes, size, static_cast<off_t>(offset));
        if (put <= 0) {
            return false;
        }
        bytes += put;
        size -= static_cast<std::size_t>(put);
        offset += static_cast<std::uint64_t>(put);
    }
    return true;
}

std::optional<std::uint64_t> StateFile::Size() const {
    struct stat info {};
    if (::fstat(static_cast<int>(handle), &info) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

bool StateFile::Truncate(std::uint64_t size) {
    return ::ftruncate(static_cast<int>(handle), static_cast<off_t>(size)) == 0;
}

std::uint64_t NowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u +
           static_cast<std::uint64_t>(now.tv_nsec);
}

std::uint32_t CurrentProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

} // namespace ecsim
