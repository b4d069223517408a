#include "cli/linux/file_bus_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace glintctl {

namespace {

constexpr std::chrono::milliseconds kRetryPeriod{5};

} // namespace

std::unique_ptr<FileBusLock> FileBusLock::Open(const std::string& path) {
    // Readable by everyone, so that instances run by other users can open and lock it too.
    int fd = open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EACCES) {
        fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd < 0) {
        return nullptr;
    }
    return std::unique_ptr<FileBusLock>(new FileBusLock(ecsim::OsHandle(fd)));
}

bool FileBusLock::Acquire(std::uint32_t waitMs) {
    const auto fd = static_cast<int>(file.Get());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kRetryPeriod);
    }
}

void FileBusLock::Release() {
    flock(static_cast<int>(file.Get()), LOCK_UN);
}

} // namespace glintctl
