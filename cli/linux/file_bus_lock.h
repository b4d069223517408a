#pragma once

#include <sys/types.h>

#include <memory>
#include <string>

#include "ec/bus_lock.h"
#include "cli/linux/owned_fd.h"

namespace glintctl {

// An exclusive flock on a lock file: every glintctl on the machine opens the same file, so their
// EC transactions never interleave on the ports. It orders glintctl with itself only: neither the
// kernel nor any other program honours it.
class FileBusLock final : public BusLock {
public:
    // The lock file at path, made with mode 0600 when missing. Only a regular file owned by
    // owner is used: a link, a FIFO, a device or a file of another user is refused, and failure
    // says what is wrong with it. Opening never blocks.
    static std::unique_ptr<FileBusLock> Open(const std::string& path, uid_t owner,
                                             std::string& failure);

    // Gives up at once when a stop is asked for.
    bool Acquire(std::uint32_t waitMs) override;
    void Release() override;

private:
    explicit FileBusLock(OwnedFd lockFile) : file(std::move(lockFile)) {}

    OwnedFd file;
};

} // namespace glintctl
