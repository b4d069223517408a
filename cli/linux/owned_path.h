#pragma once

#include <sys/types.h>

#include <string>

namespace glintctl {

// What is wrong with a folder that a privileged glintctl writes into: not a folder, a link, not
// owned by owner, or writable by its group or by others (who could swap what is in it); empty
// when nothing is.
std::string FolderProblem(const std::string& folder, uid_t owner);

// The folder, made with mode 0755 when missing, then held to FolderProblem.
std::string PrepareOwnedFolder(const std::string& folder, uid_t owner);

} // namespace glintctl
