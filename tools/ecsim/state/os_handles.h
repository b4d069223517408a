#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

namespace ecsim {

// A file descriptor or a Windows handle, closed with its owner. Move-only.
class OsHandle {
public:
    static constexpr std::intptr_t kNone = -1;

    OsHandle() = default;
    explicit OsHandle(std::intptr_t value) : handle(value) {}
    OsHandle(OsHandle&& other) noexcept : handle(std::exchange(other.handle, kNone)) {}
    OsHandle& operator=(OsHandle&& other) noexcept {
        std::swap(handle, other.handle);
        return *this;
    }
    OsHandle(const OsHandle&) = delete;
    OsHandle& operator=(const OsHandle&) = delete;
    ~OsHandle() { Close(); }

    std::intptr_t Get() const { return handle; }
    explicit operator bool() const { return handle != kNone; }

private:
    void Close();

    std::intptr_t handle = kNone;
};

// A range of a file mapped into memory, unmapped with its owner. Move-only.
class MappedView {
public:
    MappedView() = default;
    MappedView(void* base, std::size_t size) : address(base), length(size) {}
    MappedView(MappedView&& other) noexcept
        : address(std::exchange(other.address, nullptr)), length(std::exchange(other.length, 0)) {}
    MappedView& operator=(MappedView&& other) noexcept {
        std::swap(address, other.address);
        std::swap(length, other.length);
        return *this;
    }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    ~MappedView() { Unmap(); }

    std::uint8_t* Bytes() const { return static_cast<std::uint8_t*>(address); }

private:
    void Unmap();

    void* address = nullptr;
    std::size_t length = 0;
};

} // namespace ecsim
