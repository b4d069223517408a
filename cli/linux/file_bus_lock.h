#pragma once

#include <memory>
#include <string>

#include "ec/bus_lock.h"
#include "tools/ecsim/state/os_handles.h"

namespace glintctl {

// An exclusive flock on a lock file: every glintctl on the machine opens the same file, so their
// EC transactions never interleave on the ports.
class FileBusLock final : public BusLock {
public:
    // Null when the file can be neither opened nor created.
    static std::unique_ptr<FileBusLock> Open(const std::string& path);

    bool Acquire(std::uint32_t waitMs) override;
    void Release() override;

private:
    explicit FileBusLock(ecsim::OsHandle lockFile) : file(std::move(lockFile)) {}

    ecsim::OsHandle file;
};

} // namespace glintctl
