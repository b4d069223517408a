#include "commands.h"

#include "glint_ids.h"
#include "glint_subject.h"
#include "report.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

constexpr DWORD kFirstLookMs = 20;
constexpr DWORD kLookAgainMs = 10;
constexpr double kWriteTimeoutMs = 5000;

// The value below which the given share of the sorted values lie.
double Quantile(const std::vector<double>& sorted, double share) {
    const double at = share * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - static_cast<double>(below));
}

} // namespace

// Clicks the mode buttons in turn, each a posted mouse click, and takes from the simulated
// EC's trace the time from the release to the write of that mode into the mode register.
int RunClicks(int count, const std::string& exe) {
    auto glint = StartGlint("glint", exe);
    if (!glint) {
        return 1;
    }
    Sleep(2000); // the first power-level poll and popup are over by then
    std::minstd_rand pauses(12345);
    std::vector<double> latencies;
    int missed = 0;
    for (int i = 0; i < count; ++i) {
        const ModeEntry& clicked = kModes[static_cast<std::size_t>(i) % std::size(kModes)];
        const auto mode = static_cast<std::uint8_t>(clicked.mode);
        const std::uint64_t released = EcClockNs();
        PostClick(glint->Button(clicked.button));
        // The trace's timestamps give the latency; reading the trace seldom keeps the driver
        // from competing with the program for the CPU meanwhile.
        Sleep(kFirstLookMs);
        auto written = glint->ec.ModeWriteTime(mode, released);
        for (double waited = kFirstLookMs; !written && waited < kWriteTimeoutMs;
             waited += kLookAgainMs) {
            Sleep(kLookAgainMs);
            written = glint->ec.ModeWriteTime(mode, released);
        }
        if (!written) {
            ++missed;
        } else {
            latencies.push_back(static_cast<double>(*written - released) / 1e6);
        }
        if (!Responds(glint->app.mainWindow)) {
            Note("glint stopped answering after click " + std::to_string(i));
            return 1;
        }
        Sleep(5 + pauses() % 20); // a little apart, as clicks come
    }
    if (latencies.empty()) {
        Note("no mode write was seen in the trace");
        return 1;
    }
    std::sort(latencies.begin(), latencies.end());
    Figure("click_to_ec_median_ms", Quantile(latencies, 0.5));
    Figure("click_to_ec_p99_ms", Quantile(latencies, 0.99));
    Figure("click_to_ec_max_ms", latencies.back());
    Figure("click_to_ec_missed", missed);
    return 0;
}
