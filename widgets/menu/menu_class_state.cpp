#include "widgets/menu/menu_class_state.h"

#include "framework/owned_handle.h"
#include "widgets/menu/core/classic_theme.h"
#include "widgets/menu/core/os_class.h"

#include <cstring>
#include <string_view>

MenuClassState& MenuClass() {
    static MenuClassState state{{}, QueryOsClass(), {}};
    return state;
}

namespace {
// Settles the OS generation before the program's own code runs.
[[maybe_unused]] const MenuClassState& settledAtStart = MenuClass();
} // namespace

int QueryOsClass() {
    const DWORD packed = ::GetVersion();
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    std::optional<OsVersionNumbers> record;
    if (::GetVersionExA(&info)) {
        record = OsVersionNumbers{info.dwMajorVersion, info.dwMinorVersion};
    }
    return OsClassFromVersion(packed, record);
}

bool ClassicThemeSelected() {
    auto& cache = MenuClass().themeCache;
    if (cache.done) {
        return cache.classic;
    }
    cache.done = true; // a failure below is remembered as no classic theme
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0,
                        KEY_READ, &opened) != ERROR_SUCCESS) {
        return cache.classic;
    }
    const OwnedRegistryKey key(opened);
    char value[260];
    DWORD size = sizeof(value);
    if (::RegQueryValueExA(key.Get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                           &size) == ERROR_SUCCESS) {
        // The stored value need not end in a terminator.
        const std::string_view text(value, ::strnlen(value, size));
        cache.classic = IsClassicThemeValue(text);
    }
    return cache.classic;
}

bool XpLook() {
    return MenuClass().osClass == 7 && !ClassicThemeSelected();
}
