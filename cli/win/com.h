#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <utility>

namespace glintctl {

// Sole owner of one reference to a COM object, released when replaced or when the owner ends.
// Move-only.
template <typename Interface> class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : object(std::exchange(other.object, nullptr)) {}
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            Reset();
            object = std::exchange(other.object, nullptr);
        }
        return *this;
    }
    ~ComRef() { Reset(); }

    Interface* operator->() const { return object; }
    Interface* Get() const { return object; }
    explicit operator bool() const { return object != nullptr; }
    // For the calls that hand out a new reference; drops the one held first.
    Interface** Out() {
        Reset();
        return &object;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

    void Reset() {
        if (object != nullptr) {
            object->Release();
            object = nullptr;
        }
    }

private:
    Interface* object = nullptr;
};

// A BSTR owned for one call's argument or result. Move-only.
class OwnedBstr {
public:
    OwnedBstr() = default;
    explicit OwnedBstr(const std::wstring& text)
        : bstr(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;
    ~OwnedBstr() { ::SysFreeString(bstr); }

    BSTR Get() const { return bstr; }
    BSTR* Out() {
        ::SysFreeString(bstr);
        bstr = nullptr;
        return &bstr;
    }
    std::wstring Text() const {
        return bstr != nullptr ? std::wstring(bstr, ::SysStringLen(bstr)) : L"";
    }

private:
    BSTR bstr = nullptr;
};

// COM initialised on this thread for the owner's life.
class ComSession {
public:
    ComSession() : result(::CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;
    ~ComSession() {
        if (SUCCEEDED(result)) {
            ::CoUninitialize();
        }
    }
    bool Ready() const { return SUCCEEDED(result); }

private:
    HRESULT result;
};

} // namespace glintctl
