#include <sys/auxv.h>
#include <sys/io.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <linux/capability.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "cli/back_end.h"
#include "cli/linux/file_bus_lock.h"
#include "cli/linux/owned_path.h"
#include "cli/linux/port_permission.h"
#include "cli/platform_bus_lock.h"
#include "ec/super_io.h"

namespace glintctl {

namespace {

// Shared by every glintctl on the machine, in a folder only root may write to (made by the
// package's tmpfiles.d entry at boot, or here): in a folder that every user may write to, any
// user could hold the lock for ever or put a FIFO or a link in its place.
constexpr char kBusLockFolder[] = "/run/glint";
constexpr char kBusLockPath[] = "/run/glint/glint-superio.lock";
constexpr char kLockdownPath[] = "/sys/kernel/security/lockdown";

// The two Super-I/O ports, after ioperm granted them; nothing else is reachable.
class LinuxPortIo final : public PortIo {
public:
    PortAccessFailure Open() override { return PortAccessFailure::None; }
    bool IsUsable() override { return true; }
    bool Write(std::uint16_t port, std::uint8_t value) override {
        outb(value, port);
        return true;
    }
    std::optional<std::uint16_t> Read(std::uint16_t port) override { return inb(port); }
};

std::string ReadLockdownText() {
    std::ifstream in(kLockdownPath);
    std::string text;
    std::getline(in, text);
    return text;
}

// After ioperm nothing else needs privileges: a setuid run goes back to the real user, and a
// run as root gives up its capabilities, so a fault in the rest cannot use them.
std::string DropPrivileges() {
    const gid_t realGroup = getgid();
    const uid_t realUser = getuid();
    if (getegid() != realGroup && setresgid(realGroup, realGroup, realGroup) != 0) {
        return std::string("cannot drop the group privileges: ") + std::strerror(errno);
    }
    if (geteuid() != realUser && setresuid(realUser, realUser, realUser) != 0) {
        return std::string("cannot drop the user privileges: ") + std::strerror(errno);
    }
    __user_cap_header_struct header{};
    header.version = _LINUX_CAPABILITY_VERSION_3;
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capset, &header, none) != 0) {
        return std::string("cannot drop the capabilities: ") + std::strerror(errno);
    }
    return {};
}

} // namespace

BackEnd OpenHardwareBackEnd() {
    if (IsTestRun()) {
        return {{},
                nullptr,
                "refusing the real ports while the test command runs (GLINT_TEST_RUN is set); "
                "use --sim STATE"};
    }
    // The index and data port only.
    if (ioperm(ec::sio::kIndexPort, 2, 1) != 0) {
        const int error = errno;
        return {{}, nullptr, DescribeIopermFailure(error, ActiveLockdown(ReadLockdownText()))};
    }
    std::string failure = PrepareOwnedFolder(kBusLockFolder, 0);
    if (!failure.empty()) {
        return {{}, nullptr, "the bus lock's folder cannot be used: " + failure};
    }
    std::unique_ptr<FileBusLock> busLock = FileBusLock::Open(kBusLockPath, 0, failure);
    if (!busLock) {
        return {{}, nullptr, failure};
    }
    // Nothing else needs the privileges, and no other file is opened before they go.
    failure = DropPrivileges();
    if (!failure.empty()) {
        return {{}, nullptr, failure};
    }
    return {OnlyWay(PortWay::Ioperm, std::make_unique<LinuxPortIo>()), std::move(busLock), {}};
}

std::unique_ptr<BusLock> MakeSimBusLock(const std::string& statePath) {
    std::string ignored;
    return FileBusLock::Open(statePath + ".buslock", getuid(), ignored);
}

bool PrivilegedByItsFile() {
    return getauxval(AT_SECURE) != 0;
}

const char* TrustedEnvironment(const char* name) {
    return secure_getenv(name);
}

} // namespace glintctl
