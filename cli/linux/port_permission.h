#pragma once

#include <string>

namespace glintctl {

// The active kernel lockdown mode ("integrity", "confidentiality") from the text of
// /sys/kernel/security/lockdown, which lists the modes with the active one in brackets
// ("none [integrity] confidentiality"); empty when there is none or the text says nothing.
std::string ActiveLockdown(const std::string& lockdownText);

// Why ioperm failed with error, in the user's words.
std::string DescribeIopermFailure(int error, const std::string& activeLockdown);

} // namespace glintctl
