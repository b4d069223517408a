#pragma once

#include <windows.h>

#include <utility>

// A loaded library, released when its owner ends.
class ModuleHandle {
public:
    ModuleHandle() = default;
    explicit ModuleHandle(HMODULE loaded) : module(loaded) {}
    ~ModuleHandle() {
        if (module != nullptr) {
            FreeLibrary(module);
        }
    }
    ModuleHandle(ModuleHandle&& other) noexcept : module(std::exchange(other.module, nullptr)) {}
    ModuleHandle& operator=(ModuleHandle&& other) noexcept {
        std::swap(module, other.module);
        return *this;
    }
    ModuleHandle(const ModuleHandle&) = delete;
    ModuleHandle& operator=(const ModuleHandle&) = delete;

    HMODULE Get() const { return module; }
    explicit operator bool() const { return module != nullptr; }

private:
    HMODULE module = nullptr;
};
