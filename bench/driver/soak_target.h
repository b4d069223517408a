#pragma once
#include "glint_subject.h"
#include "screen_capture.h"

#include <cstdint>
#include <random>
#include <vector>

// One glint.exe in the soak: its level schedule, its counters and its reference looks.
struct SoakTarget {
    GlintSubject glint;
    bool randomLevels = false; // random power-level bytes instead of 1, 2, 3 in turn

    std::vector<Capture> buttonLooks{}; // each visible button after a click of Auto
    Capture popupLook{};                // the popup at level 2

    int clicks = 0;
    int unansweredClicks = 0;
    int levels = 0;
    int unobservedLevels = 0;
    bool running = true;

    // The level change in flight: set, but not yet read back by the program's poll.
    bool pending = false;
    std::uint8_t pendingLevel = 0;
    std::uint64_t pendingSinceNs = 0;
    double pendingAtMs = 0;
    double lastTraceCheckMs = 0;
    std::uint8_t lastValidLevel = 1; // the fresh state's level

    std::uint64_t privateStart = 0;
    std::uint64_t privateMax = 0;
};

// Presses OK on the message boxes the program shows (a damaged skin brings some).
void DismissMessageBoxes(SoakTarget& target);

// Hides every popup but target's (nullptr: all), so that popups never cover what is captured.
void HidePopups(std::vector<SoakTarget>& targets, const SoakTarget* except);

// Sets the power level to level (through another level first when it is already shown) and
// waits until the program has read it back; false after timeoutMs.
bool ShowLevelThroughEc(SoakTarget& target, std::uint8_t level, double timeoutMs = 5000);

// The visible buttons' pixels right after a click of Auto, the mouse far away.
std::vector<Capture> CaptureButtons(SoakTarget& target);

// The popup's pixels at level 2 once it shows; empty when it does not show.
Capture CapturePopupAtLevel2(SoakTarget& target);
