#include "cli/linux/owned_path.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace glintctl {

std::string FolderProblem(const std::string& folder, uid_t owner) {
    struct stat status {};
    if (lstat(folder.c_str(), &status) != 0) {
        return folder + ": " + std::strerror(errno);
    }
    if (S_ISLNK(status.st_mode)) {
        return folder + " is a symbolic link, not a folder";
    }
    if (!S_ISDIR(status.st_mode)) {
        return folder + " is not a folder";
    }
    if (status.st_uid != owner) {
        return folder + " is owned by user " + std::to_string(status.st_uid) + ", not by user " +
               std::to_string(owner);
    }
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return folder + " may be written by other users";
    }
    return {};
}

std::string PrepareOwnedFolder(const std::string& folder, uid_t owner) {
    if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
        return folder + ": " + std::strerror(errno);
    }
    return FolderProblem(folder, owner);
}

} // namespace glintctl
