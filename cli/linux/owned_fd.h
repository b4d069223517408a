#pragma once

#include <unistd.h>

#include <utility>

namespace glintctl {

// Sole owner of one POSIX file descriptor, closed when replaced or when the owner ends; -1 is
// none. Move-only.
class OwnedFd {
public:
    OwnedFd() = default;
    explicit OwnedFd(int descriptor) : fd(descriptor) {}
    OwnedFd(OwnedFd&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    OwnedFd& operator=(OwnedFd&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.fd, -1));
        }
        return *this;
    }
    OwnedFd(const OwnedFd&) = delete;
    OwnedFd& operator=(const OwnedFd&) = delete;
    ~OwnedFd() { Reset(); }

    int Get() const { return fd; }
    explicit operator bool() const { return fd >= 0; }

    void Reset(int descriptor = -1) {
        if (fd >= 0) {
            close(fd);
        }
        fd = descriptor;
    }

private:
    int fd = -1;
};

} // namespace glintctl
