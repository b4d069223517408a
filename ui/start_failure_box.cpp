#include "ui/start_failure_box.h"

#include <windows.h>

#include "ui/core/start_failure_texts.h"

void ShowStartFailure(PortAccessFailure failure, std::uint16_t languageId) {
    const StartFailureMessage message = StartFailureMessageFor(failure, languageId);
    if (message.text == nullptr) {
        return;
    }
    // No window of ours exists yet: the box comes to the front of its own accord.
    ::MessageBoxW(nullptr, message.text, message.caption,
                  MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
}
