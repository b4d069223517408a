#include "commands.h"

#include "clock.h"
#include "glint_ids.h"
#include "process_windows.h"
#include "report.h"
#include "soak_target.h"

#include <algorithm>

namespace {

constexpr double kObserveTimeoutMs = 2000; // four polls
constexpr double kTraceCheckEveryMs = 25;
constexpr double kHealthCheckEveryMs = 1000;
constexpr double kMatchingShare = 0.98; // of a capture's pixels, against its reference
constexpr double kImageShare = 0.25;    // of a button's pixels not in its face colour

double Kib(std::uint64_t bytes) {
    return static_cast<double>(bytes) / 1024.0;
}

bool Matches(const Capture& now, const Capture& reference) {
    return !reference.pixels.empty() && 1.0 - DifferingShare(now, reference) >= kMatchingShare;
}

// A button without an image shows its face colour nearly everywhere.
bool ShowsImage(const Capture& button) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t rgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    return ShareNotOfColour(button, rgb) > kImageShare;
}

std::optional<SoakTarget> StartTarget(const std::string& description, int slot) {
    // label:cycle|random:exe
    const auto first = description.find(':');
    const auto second = description.find(':', first + 1);
    if (first == std::string::npos || second == std::string::npos) {
        Note("bad soak target " + description);
        return std::nullopt;
    }
    auto glint = StartGlint(description.substr(0, first), description.substr(second + 1));
    if (!glint) {
        return std::nullopt;
    }
    // Side by side, so that no main window covers another's buttons.
    RECT rect{};
    GetWindowRect(glint->app.mainWindow, &rect);
    SetWindowPos(glint->app.mainWindow, nullptr, slot * (rect.right - rect.left + 8), 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    SoakTarget target{std::move(*glint)};
    target.randomLevels = description.substr(first + 1, second - first - 1) == "random";
    return target;
}

void TakeReferenceLooks(std::vector<SoakTarget>& targets) {
    Sleep(2500); // the start-up popup has hidden itself by then
    for (auto& target : targets) {
        HidePopups(targets, &target);
        target.popupLook = CapturePopupAtLevel2(target);
        HidePopups(targets, nullptr);
        target.buttonLooks = CaptureButtons(target);
        target.privateStart = target.glint.app.process.PrivateBytes();
        target.privateMax = target.privateStart;
    }
}

void StepLevel(SoakTarget& target, int levels, std::minstd_rand& random) {
    const double now = NowMs();
    if (target.pending && now - target.lastTraceCheckMs >= kTraceCheckEveryMs) {
        target.lastTraceCheckMs = now;
        if (target.glint.ec.PowerLevelReadSince(target.pendingLevel, target.pendingSinceNs)) {
            target.pending = false;
            if (target.pendingLevel >= 1 && target.pendingLevel <= 3) {
                target.lastValidLevel = target.pendingLevel;
            }
        }
    }
    if (target.levels >= levels ||
        (target.pending && now - target.pendingAtMs < kObserveTimeoutMs)) {
        return;
    }
    if (target.pending) {
        ++target.unobservedLevels;
    }
    const auto level = target.randomLevels
                           ? static_cast<std::uint8_t>(random() & 0xFF)
                           : static_cast<std::uint8_t>(target.lastValidLevel % 3 + 1);
    target.pendingSinceNs = EcClockNs();
    target.pendingAtMs = now;
    target.pendingLevel = level;
    target.pending = target.glint.ec.SetPowerLevel(level);
    ++target.levels;
}

bool StepClick(SoakTarget& target, int clicks, int levels) {
    // Clicks keep pace with the level changes, so that both go on over the whole soak.
    const bool levelsDone = target.levels >= levels;
    if (target.clicks >= clicks ||
        (!levelsDone && static_cast<long long>(target.clicks) * levels >
                            static_cast<long long>(target.levels) * clicks)) {
        return false;
    }
    const std::size_t which = static_cast<std::size_t>(target.clicks) % std::size(kModes);
    if (!ClickAndWait(target.glint.Button(kModes[which].button))) {
        ++target.unansweredClicks;
    }
    ++target.clicks;
    return true;
}

void CheckHealth(SoakTarget& target) {
    auto& app = target.glint.app;
    if (!target.running) {
        return;
    }
    if (!app.process.IsRunning()) {
        target.running = false;
        Note(target.glint.label + " ended during the soak after " + std::to_string(target.clicks) +
             " clicks, exit code " + std::to_string(app.process.ExitCode()));
        return;
    }
    DismissMessageBoxes(target);
    target.privateMax = std::max(target.privateMax, app.process.PrivateBytes());
}

void ReportTarget(std::vector<SoakTarget>& targets, SoakTarget& target) {
    const std::string& label = target.glint.label;
    auto& app = target.glint.app;
    Figure("soak_clicks." + label, target.clicks);
    Figure("soak_unanswered_clicks." + label, target.unansweredClicks);
    Figure("soak_level_changes." + label, target.levels);
    Figure("soak_level_changes_unread." + label, target.unobservedLevels);
    Figure("soak_message_boxes." + label, app.messageBoxes.Count());
    Figure("soak_popup_windows." + label, CountPopups(app.process.Id()));
    target.running = target.running && app.process.IsRunning();
    Figure("soak_running." + label, target.running ? 1 : 0);
    if (!target.running) {
        return;
    }
    Figure("soak_responds." + label, Responds(app.mainWindow, 5000) ? 1 : 0);
    HidePopups(targets, &target);
    const Capture popup = CapturePopupAtLevel2(target);
    Figure("soak_popup_shows_as_before." + label, Matches(popup, target.popupLook) ? 1 : 0);
    HidePopups(targets, nullptr);
    const auto buttons = CaptureButtons(target);
    int same = 0;
    int withImage = 0;
    for (std::size_t i = 0; i < buttons.size() && i < target.buttonLooks.size(); ++i) {
        same += Matches(buttons[i], target.buttonLooks[i]) ? 1 : 0;
        withImage += ShowsImage(buttons[i]) ? 1 : 0;
    }
    Figure("soak_buttons_as_before." + label, same);
    Figure("soak_buttons_with_image." + label, withImage);
    Figure("soak_buttons." + label, static_cast<double>(buttons.size()));
    Figure("soak_private_start_kib." + label, Kib(target.privateStart));
    Figure("soak_private_max_kib." + label, Kib(target.privateMax));
    Figure("soak_private_end_kib." + label, Kib(app.process.PrivateBytes()));
}

} // namespace

// Mode clicks and power-level changes through the simulated EC on every target side by side;
// afterwards each must still run, answer, show its popup and show its buttons as at the start.
int RunSoak(int clicks, int levels, unsigned seed, const std::vector<std::string>& descriptions) {
    std::vector<SoakTarget> targets;
    for (const auto& description : descriptions) {
        auto target = StartTarget(description, static_cast<int>(targets.size()));
        if (!target) {
            return 1;
        }
        targets.push_back(std::move(*target));
    }
    TakeReferenceLooks(targets);
    std::minstd_rand random(seed);
    const double start = NowMs();
    double lastHealthCheck = start;
    for (bool busy = true; busy;) {
        busy = false;
        bool clicked = false;
        for (auto& target : targets) {
            if (!target.running) {
                continue;
            }
            StepLevel(target, levels, random);
            clicked = StepClick(target, clicks, levels) || clicked;
            busy = busy || target.clicks < clicks || target.levels < levels || target.pending;
        }
        if (NowMs() - lastHealthCheck >= kHealthCheckEveryMs) {
            lastHealthCheck = NowMs();
            std::for_each(targets.begin(), targets.end(), CheckHealth);
        }
        if (!clicked) {
            Sleep(5);
        }
    }
    Figure("soak_minutes", (NowMs() - start) / 60000.0);
    Sleep(4000); // every popup has been hidden by its main window by then
    for (auto& target : targets) {
        ReportTarget(targets, target);
    }
    return 0;
}
