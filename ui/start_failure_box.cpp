#include "ui/start_failure_box.h"

#include <windows.h>

#include "ui/core/start_failure_texts.h"

void ShowStartFailure(std::span<const PortWayFailure> failedWays, std::uint16_t languageId) {
    constexpr int kProgramBits = sizeof(void*) * 8;
    const StartFailureMessage message =
        StartFailureMessageFor(failedWays, languageId, kProgramBits);
    if (message.text.empty()) {
        return;
    }
    // No window of ours exists yet: the box comes to the front of its own accord.
    ::MessageBoxW(nullptr, message.text.c_str(), message.caption,
                  MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
}
