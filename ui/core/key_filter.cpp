#include "ui/core/key_filter.h"

namespace {

constexpr std::uint32_t kKeyDown = 0x0100;    // WM_KEYDOWN
constexpr std::uint32_t kSysKeyDown = 0x0104; // WM_SYSKEYDOWN, a key held with Alt
constexpr std::uintptr_t kReturn = 0x0D;
constexpr std::uintptr_t kEscape = 0x1B;
constexpr std::uintptr_t kF4 = 0x73;

} // namespace

bool IsSwallowedKey(std::uint32_t message, std::uintptr_t virtualKey) {
    if (message == kKeyDown) {
        return virtualKey == kEscape || virtualKey == kReturn;
    }
    return message == kSysKeyDown && virtualKey == kF4;
}
