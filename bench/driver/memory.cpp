#include "commands.h"

#include "clock.h"
#include "glint_ids.h"
#include "glint_subject.h"
#include "process_windows.h"
#include "report.h"

namespace {

constexpr int kWarmUpClicks = 200;
constexpr int kWarmUpShows = 50;

bool ClickModes(GlintSubject& glint, int count) {
    for (int i = 0; i < count; ++i) {
        const ModeEntry& clicked = kModes[static_cast<std::size_t>(i) % std::size(kModes)];
        if (!ClickAndWait(glint.Button(clicked.button))) {
            Note("mode click " + std::to_string(i) + " was not answered");
            return false;
        }
    }
    return true;
}

bool PopupVisibleWithin(GlintSubject& glint, double timeoutMs) {
    for (const double start = NowMs(); NowMs() - start < timeoutMs; Sleep(10)) {
        HWND popup = FindPopup(glint.app.process.Id());
        if (popup != nullptr && IsWindowVisible(popup)) {
            return true;
        }
    }
    return false;
}

// Each show starts from a hidden popup, so that every one is a real show and repaint. The
// popup's first show hides itself a second later, which can undo a show of ours: such a show
// is tried once more.
bool ShowPopup(GlintSubject& glint, int count) {
    for (int i = 0; i < count; ++i) {
        bool shown = false;
        for (int attempt = 0; attempt < 2 && !shown; ++attempt) {
            if (HWND popup = FindPopup(glint.app.process.Id())) {
                HideWindow(popup);
            }
            if (!ClickAndWait(glint.Button(glint_ids::kTestLevelButton))) {
                Note("popup show " + std::to_string(i) + " was not answered");
                return false;
            }
            shown = PopupVisibleWithin(glint, 2000);
        }
        if (!shown) {
            Note("popup show " + std::to_string(i) + " left no visible popup");
            return false;
        }
    }
    return true;
}

double Kib(std::uint64_t bytes) {
    return static_cast<double>(bytes) / 1024.0;
}

} // namespace

// Private memory after start, after a warm-up, after many mode clicks and after many popup
// shows; growth is counted from the warm-up.
int RunMemory(int clicks, int shows, const std::string& exe) {
    auto glint = StartGlint("glint", exe);
    if (!glint) {
        return 1;
    }
    Sleep(3000);
    const auto& process = glint->app.process;
    Figure("memory_start_kib", Kib(process.PrivateBytes()));
    if (!ClickModes(*glint, kWarmUpClicks) || !ShowPopup(*glint, kWarmUpShows)) {
        return 1;
    }
    const std::uint64_t warm = process.PrivateBytes();
    Figure("memory_warm_kib", Kib(warm));
    if (!ClickModes(*glint, clicks)) {
        return 1;
    }
    const std::uint64_t afterClicks = process.PrivateBytes();
    Figure("memory_after_clicks_kib", Kib(afterClicks));
    if (!ShowPopup(*glint, shows)) {
        return 1;
    }
    const std::uint64_t afterShows = process.PrivateBytes();
    Figure("memory_after_shows_kib", Kib(afterShows));
    Figure("memory_growth_clicks_kib", Kib(afterClicks) - Kib(warm));
    Figure("memory_growth_total_kib", Kib(afterShows) - Kib(warm));
    return 0;
}
