// What a user is told when the kernel refuses the ports.
#include <gtest/gtest.h>

#include <cerrno>

#include "cli/linux/port_permission.h"

namespace {

using glintctl::ActiveLockdown;
using glintctl::DescribeIopermFailure;

TEST(PortPermission, TheBracketedLockdownModeIsTheActiveOne) {
    EXPECT_EQ(ActiveLockdown("none [integrity] confidentiality\n"), "integrity");
    EXPECT_EQ(ActiveLockdown("none integrity [confidentiality]"), "confidentiality");
    EXPECT_EQ(ActiveLockdown("[none] integrity confidentiality"), "");
    // No securityfs, or a file that says nothing readable.
    EXPECT_EQ(ActiveLockdown(""), "");
    EXPECT_EQ(ActiveLockdown("none ]integrity["), "");
}

TEST(PortPermission, EpermIsToldApartByLockdown) {
    const std::string locked = DescribeIopermFailure(EPERM, "integrity");
    EXPECT_NE(locked.find("locked down (integrity"), std::string::npos) << locked;
    EXPECT_NE(locked.find("Secure Boot"), std::string::npos) << locked;
    const std::string unprivileged = DescribeIopermFailure(EPERM, "");
    EXPECT_NE(unprivileged.find("root or CAP_SYS_RAWIO"), std::string::npos) << unprivileged;
    // Another error is not blamed on privileges.
    const std::string other = DescribeIopermFailure(ENOSYS, "");
    EXPECT_EQ(other.find("CAP_SYS_RAWIO"), std::string::npos) << other;
    EXPECT_NE(other.find("ioperm"), std::string::npos) << other;
}

} // namespace
