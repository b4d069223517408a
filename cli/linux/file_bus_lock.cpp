#include "cli/linux/file_bus_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "cli/stop_signal.h"

namespace glintctl {

namespace {

constexpr std::chrono::milliseconds kRetryPeriod{5};

} // namespace

std::unique_ptr<FileBusLock> FileBusLock::Open(const std::string& path, uid_t owner,
                                               std::string& failure) {
    // Not through a link, and without blocking on a FIFO planted in its place.
    const int fd =
        open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        failure = "cannot open the bus lock " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    OwnedFd file(fd);
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        failure = "the bus lock " + path + " is not a regular file; remove it";
        return nullptr;
    }
    if (status.st_uid != owner) {
        failure = "the bus lock " + path + " is owned by user " + std::to_string(status.st_uid) +
                  ", not by user " + std::to_string(owner) + "; remove it";
        return nullptr;
    }
    return std::unique_ptr<FileBusLock>(new FileBusLock(std::move(file)));
}

bool FileBusLock::Acquire(std::uint32_t waitMs) {
    const auto fd = file.Get();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        if (StopRequested() || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kRetryPeriod);
    }
}

void FileBusLock::Release() {
    flock(file.Get(), LOCK_UN);
}

} // namespace glintctl
