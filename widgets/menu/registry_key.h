#pragma once
#include <windows.h>

// An open registry key, closed with its object. Move-only.
class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept {
        if (this != &other) {
            Close();
            key_ = other.key_;
            other.key_ = nullptr;
        }
        return *this;
    }
    ~RegistryKey() { Close(); }

    // Opens for reading; false (and no key) on failure.
    bool Open(HKEY parent, const char* path) {
        Close();
        HKEY opened = nullptr;
        if (::RegOpenKeyExA(parent, path, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
            return false;
        }
        key_ = opened;
        return true;
    }
    operator HKEY() const { return key_; }

private:
    void Close() {
        if (key_ != nullptr) {
            ::RegCloseKey(key_);
            key_ = nullptr;
        }
    }
    HKEY key_ = nullptr;
};
