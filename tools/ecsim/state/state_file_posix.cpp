#include "tools/ecsim/state/state_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "tools/ecsim/state/state_format.h"

namespace ecsim {

namespace {

int Fd(const OsHandle& handle) {
    return static_cast<int>(handle.Get());
}

} // namespace

void OsHandle::Close() {
    if (handle != kNone) {
        ::close(static_cast<int>(handle));
        handle = kNone;
    }
}

void MappedView::Unmap() {
    if (address != nullptr) {
        ::munmap(address, length);
        address = nullptr;
    }
}

std::optional<StateFile> StateFile::Open(const std::filesystem::path& path, OpenMode mode) {
    const int flags = O_RDWR | O_CLOEXEC | (mode == OpenMode::CreateIfMissing ? O_CREAT : 0);
    OsHandle fd(::open(path.c_str(), flags, 0644));
    if (!fd) {
        return std::nullopt;
    }
    return StateFile(std::move(fd));
}

std::uint8_t* StateFile::Map() {
    if (Size() != kFileSize) {
        return nullptr;
    }
    // A shared mapping stays valid when the file shrinks and grows again, so it is made once.
    if (view.Bytes() == nullptr) {
        void* base = ::mmap(nullptr, kFileSize, PROT_READ | PROT_WRITE, MAP_SHARED, Fd(file), 0);
        if (base == MAP_FAILED) {
            return nullptr;
        }
        view = MappedView(base, kFileSize);
    }
    return view.Bytes();
}

bool StateFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t put = ::pwrite(Fd(file), bytes, size, static_cast<off_t>(offset));
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
    if (::fstat(Fd(file), &info) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

bool StateFile::Truncate(std::uint64_t size) {
    return ::ftruncate(Fd(file), static_cast<off_t>(size)) == 0;
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
