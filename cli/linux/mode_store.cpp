#include "cli/mode_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "cli/linux/owned_path.h"
#include "led/led_mode_names.h"
#include "cli/linux/owned_fd.h"

namespace glintctl {

namespace {

// Longer than any mode name: a file this long is not ours.
constexpr std::size_t kMaxContent = 64;

std::string Failed(const std::string& path) {
    return path + ": " + std::strerror(errno);
}

// Run as root, the folder must be root's own: anyone else who may write to it could swap the
// file for a link to any file that root would then replace.
std::string RootsFolderProblem(const std::string& folder) {
    return geteuid() == 0 ? FolderProblem(folder, 0) : std::string();
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno != EINTR) {
            return false;
        }
        done += written > 0 ? static_cast<std::size_t>(written) : 0;
    }
    return true;
}

} // namespace

ModeStore::Loaded ModeStore::Load() const {
    const std::string file = (folder / "mode").string();
    const OwnedFd in(open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!in) {
        if (errno == ENOENT) {
            return {};
        }
        return {std::nullopt, Failed(file)};
    }
    if (std::string problem = RootsFolderProblem(folder.string()); !problem.empty()) {
        return {std::nullopt, "refusing the kept mode: " + problem};
    }
    char content[kMaxContent + 1];
    const ssize_t read = ::read(in.Get(), content, sizeof(content));
    if (read < 0) {
        return {std::nullopt, Failed(file)};
    }
    const std::optional<LedMode> mode =
        static_cast<std::size_t>(read) <= kMaxContent
            ? ModeFromKeptText(std::string_view(content, static_cast<std::size_t>(read)))
            : std::nullopt;
    if (!mode) {
        return {std::nullopt, file + ": holds no mode name"};
    }
    return {mode, {}};
}

// A new file of its own, flushed to disk, renamed over the old one and the rename flushed too:
// after a crash the file holds the old mode or the new one, whole.
std::string ModeStore::Save(LedMode mode) const {
    const std::string dir = folder.string();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return dir + ": " + error.message();
    }
    if (std::string problem = RootsFolderProblem(dir); !problem.empty()) {
        return "refusing the kept mode: " + problem;
    }
    std::string temporary = dir + "/.mode.XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return Failed(temporary);
    }
    std::string failure;
    {
        const OwnedFd out(fd);
        if (fchmod(fd, 0644) != 0 || !WriteAll(fd, KeptModeText(mode)) || fsync(fd) != 0) {
            failure = Failed(temporary);
        }
    }
    const std::string file = dir + "/mode";
    if (failure.empty() && rename(temporary.c_str(), file.c_str()) != 0) {
        failure = Failed(file);
    }
    if (!failure.empty()) {
        unlink(temporary.c_str());
        return failure;
    }
    const OwnedFd directory(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory || fsync(directory.Get()) != 0) {
        return Failed(dir);
    }
    return {};
}

std::string ModeStore::Remove() const {
    const std::string file = (folder / "mode").string();
    if (unlink(file.c_str()) != 0 && errno != ENOENT) {
        return Failed(file);
    }
    return {};
}

} // namespace glintctl
