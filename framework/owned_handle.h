#pragma once
#include <windows.h>

// Sole owner of one handle whose empty value is null, released with `Destroy` when replaced or
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
using OwnedModule = OwnedHandle<HMODULE, &::FreeLibrary>;
using OwnedRegistryKey = OwnedHandle<HKEY, &::RegCloseKey>;
// A kernel object whose failed creation gives null (mutex, event, thread, process); not for
// files, whose failure value is INVALID_HANDLE_VALUE.
using OwnedKernelHandle = OwnedHandle<HANDLE, &::CloseHandle>;
