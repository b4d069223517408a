#pragma once
#include <windows.h>

// Sole owner of one user-object handle (icon, cursor), destroyed with `Destroy` when replaced or
// when the owner ends. Move-only.
template <typename Handle, auto Destroy> class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    ~OwnedHandle() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    Handle Release() {
        Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            Destroy(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using OwnedIcon = OwnedHandle<HICON, &::DestroyIcon>;
using OwnedCursor = OwnedHandle<HCURSOR, &::DestroyCursor>;
