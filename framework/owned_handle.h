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
// Memory the system hands out with LocalAlloc (a security descriptor made from its text, say).
using OwnedLocalMemory = OwnedHandle<HLOCAL, &::LocalFree>;
// GDI objects (bitmaps, brushes, pens, fonts) and memory contexts, deleted when the owner ends;
// an object must be out of every context before it goes, so a ScopedSelect ends first.
template <typename Object> using OwnedGdiObject = OwnedHandle<Object, &::DeleteObject>;
using OwnedMemoryDc = OwnedHandle<HDC, &::DeleteDC>;
namespace owned_handle_detail {
inline void ReleaseScreenDc(HDC dc) {
    ::ReleaseDC(nullptr, dc);
}
} // namespace owned_handle_detail
// The screen's context (GetDC of no window), given back when the owner ends.
using OwnedScreenDc = OwnedHandle<HDC, &owned_handle_detail::ReleaseScreenDc>;
// A kernel object whose failed creation gives null (mutex, event, thread, process); not for
// files, whose failure value is INVALID_HANDLE_VALUE.
using OwnedKernelHandle = OwnedHandle<HANDLE, &::CloseHandle>;
