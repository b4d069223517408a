#include "cli/linux/port_permission.h"

#include <cerrno>
#include <cstring>

namespace glintctl {

std::string ActiveLockdown(const std::string& lockdownText) {
    const std::size_t open = lockdownText.find('[');
    const std::size_t close = lockdownText.find(']', open);
    if (open == std::string::npos || close == std::string::npos) {
        return {};
    }
    std::string active = lockdownText.substr(open + 1, close - open - 1);
    return active == "none" ? std::string() : active;
}

std::string DescribeIopermFailure(int error, const std::string& activeLockdown) {
    if (error != EPERM) {
        return std::string("ioperm on ports 0x4E-0x4F failed: ") + std::strerror(error);
    }
    // Lockdown refuses even root, so it is named first: more sudo would not help.
    if (!activeLockdown.empty()) {
        return "the kernel is locked down (" + activeLockdown +
               ", typically by Secure Boot) and forbids port access, even to root";
    }
    return "port access needs root or CAP_SYS_RAWIO: run `sudo glintctl ...`";
}

} // namespace glintctl
