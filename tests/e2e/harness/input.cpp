#include "input.h"

#include <vector>

#include "wait.h"

namespace e2e {

namespace {

INPUT MouseInput(DWORD flags, POINT screen = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Absolute coordinates run from 0 to 65535 over the primary screen; rounding up makes
        // the system's conversion back land on the intended pixel.
        const LONG width = ::GetSystemMetrics(SM_CXSCREEN);
        const LONG height = ::GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = (screen.x * 65536 + width - 1) / width;
        input.mi.dy = (screen.y * 65536 + height - 1) / height;
    }
    return input;
}

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    // Give the system a moment to turn the input into messages in order.
    ::Sleep(30);
}

void ButtonAt(POINT screen, DWORD down, DWORD up) {
    MoveMouseTo(screen);
    Send({MouseInput(down)});
    Send({MouseInput(up)});
}

} // namespace

void MoveMouseTo(POINT screen) {
    Send({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)});
    // A button pressed before the move has arrived would land where the cursor was.
    const auto arrived = [&] {
        POINT cursor{};
        return ::GetCursorPos(&cursor) && cursor.x == screen.x && cursor.y == screen.y;
    };
    if (!WaitUntil(arrived, 2s)) {
        ::SetCursorPos(screen.x, screen.y);
        WaitUntil(arrived, 2s);
    }
}

void Click(POINT screen) {
    ButtonAt(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void RightClick(POINT screen) {
    ButtonAt(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void Drag(POINT from, POINT to) {
    MoveMouseTo(from);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN)});
    constexpr int kSteps = 10;
    for (int step = 1; step <= kSteps; ++step) {
        MoveMouseTo(
            {from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
    }
    Send({MouseInput(MOUSEEVENTF_LEFTUP)});
}

void PressKey(WORD virtualKey) {
    Send({KeyInput(virtualKey, false), KeyInput(virtualKey, true)});
}

void PressKeyWithAlt(WORD virtualKey) {
    Send({KeyInput(VK_MENU, false), KeyInput(virtualKey, false), KeyInput(virtualKey, true),
          KeyInput(VK_MENU, true)});
}

} // namespace e2e
