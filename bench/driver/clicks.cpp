#include "commands.h"

#include "glint_ids.h"
#include "glint_subject.h"
#include "report.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

constexpr double kWriteTimeoutMs = 5000;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
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
        const std::size_t which = static_cast<std::size_t>(i) % std::size(glint_ids::kModeButtons);
        const auto mode = static_cast<std::uint8_t>(glint_ids::kModeCodes[which]);
        const std::uint64_t released = EcClockNs();
        PostClick(glint->Button(glint_ids::kModeButtons[which]));
        std::optional<std::uint64_t> written;
        for (double waited = 0; !written && waited < kWriteTimeoutMs; waited += 1) {
            Sleep(1);
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
    Figure("click_to_ec_median_ms", Median(latencies));
    Figure("click_to_ec_max_ms", *std::max_element(latencies.begin(), latencies.end()));
    Figure("click_to_ec_missed", missed);
    return 0;
}
