#include "cli/commands.h"

#include <chrono>
#include <optional>
#include <thread>

#include "cli/exit_codes.h"
#include "cli/report.h"
#include "cli/stop_signal.h"
#include "ec/ec_registers.h"
#include "framework/hex_text.h"
#include "led/led_mode_names.h"
#include "led/led_mode_write.h"
#include "led/power_level.h"

namespace glintctl {

namespace {

// Another tool's hold of the bus lasts milliseconds; one that outlasts this is not waited for.
constexpr std::chrono::milliseconds kBusWait{2000};
constexpr std::chrono::milliseconds kBusRetryPeriod{50};
// As often as the window program polls.
constexpr std::chrono::milliseconds kWatchPeriod{500};
constexpr std::chrono::milliseconds kStopCheckPeriod{50};
// Firmware may ignore writes right after wake-up: resume writes again for about this long.
constexpr std::chrono::milliseconds kResumeTrying{5000};
constexpr std::chrono::milliseconds kResumeRetryPeriod{1000};

// Tries a transaction until it runs, kBusWait has passed or a stop is asked for; a stop ends the
// command between two transactions, never in one.
enum class BusOutcome { Ran, Busy, Stopped };
template <typename Attempt> BusOutcome WhenBusFree(Attempt attempt) {
    const auto deadline = std::chrono::steady_clock::now() + kBusWait;
    for (;;) {
        if (attempt()) {
            return BusOutcome::Ran;
        }
        if (StopRequested()) {
            return BusOutcome::Stopped;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return BusOutcome::Busy;
        }
        std::this_thread::sleep_for(kBusRetryPeriod);
    }
}

// Waits for the period, or less when a stop is asked for; false then.
bool WaitUnlessStopped(std::chrono::milliseconds period) {
    const auto end = std::chrono::steady_clock::now() + period;
    while (!StopRequested() && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(kStopCheckPeriod);
    }
    return !StopRequested();
}

std::uint16_t Register(const EcPort& port, std::int32_t offset) {
    return static_cast<std::uint16_t>(port.RegisterBase() + offset);
}

std::string ChipText(const EcPort& port) {
    return Hex(port.ChipId1(), 2) + " " + Hex(port.ChipId2(), 2) +
           (port.ChipRecognised() ? " (IT557x)" : " (not an IT557x)");
}

std::string ChipJson(const EcPort& port) {
    std::string json = std::to_string(port.ChipId1());
    json += ',';
    json += std::to_string(port.ChipId2());
    return '[' + json + ']';
}

std::string JsonName(std::string_view name) {
    return name.empty() ? "null" : JsonString(std::string(name));
}

std::string ModeText(int code) {
    const std::string_view name = ModeName(code);
    return (name.empty() ? std::string("unknown") : std::string(name)) + " (" +
           std::to_string(code) + ")";
}

// JSON gives the code and the name apart; the text shows them on one line.
std::vector<Field> ModeFields(int code, bool json) {
    if (!json) {
        return {{"mode", "", ModeText(code)}};
    }
    return {{"mode", std::to_string(code), ""}, {"mode_name", JsonName(ModeName(code)), ""}};
}

void Append(std::vector<Field>& fields, const std::vector<Field>& more) {
    fields.insert(fields.end(), more.begin(), more.end());
}

std::vector<Field> LevelFields(int reading) {
    const std::optional<PowerLevel> level = PowerLevelFromReading(reading);
    return {{"level", level ? std::to_string(reading) : "null",
             level ? std::to_string(reading) : "none (EC byte " + Hex(reading, 2) + ")"}};
}

// How a command ends whose transaction did not run; what says what was not done.
int NotRun(BusOutcome outcome, const std::string& what, const Console& console) {
    if (outcome == BusOutcome::Stopped) {
        return console.Fail(kExitInterrupted, "interrupted; " + what);
    }
    return console.Fail(kExitBusBusy, "the EC bus stayed busy (another tool holds it); " + what);
}

} // namespace

int Console::Fail(int exitCode, const std::string& message) const {
    err << "glintctl: " << message << '\n';
    if (json) {
        out << "{\"error\":" << JsonString(message) << ",\"exit_code\":" << exitCode << "}\n";
    }
    return exitCode;
}

int RunStatus(EcPort& port, const Console& console) {
    int mode = 0;
    int control = 0;
    int level = 0;
    const BusOutcome outcome = WhenBusFree([&] {
        return port.Transaction([&](EcBytes& bytes) {
            mode = bytes.ReadByte(Register(port, ec::kModeRegisterOffset));
            control = bytes.ReadByte(Register(port, ec::kControlByteOffset));
            level = bytes.ReadByte(Register(port, ec::kPowerLevelOffset));
        });
    });
    if (outcome != BusOutcome::Ran) {
        return NotRun(outcome, "nothing was read", console);
    }
    const std::string way(port.Way() ? PortWayName(*port.Way()) : "none");
    std::vector<Field> fields{
        {"port_access", JsonString(way), way},
        {"chip_id", ChipJson(port), ChipText(port)},
        {"recognised", port.ChipRecognised() ? "true" : "false",
         port.ChipRecognised() ? "yes" : "no"},
        {"register_base", std::to_string(port.RegisterBase()), Hex(port.RegisterBase(), 4)},
    };
    Append(fields, ModeFields(mode, console.json));
    Append(fields, {{"control_byte", std::to_string(control), Hex(control, 2)}});
    Append(fields, LevelFields(level));
    PrintReport(console.out, console.json, fields);
    return kExitDone;
}

int RunLevel(EcPort& port, const Console& console) {
    int level = 0;
    const std::uint16_t address = Register(port, ec::kPowerLevelOffset);
    const BusOutcome outcome = WhenBusFree(
        [&] { return port.Transaction([&](EcBytes& bytes) { level = bytes.ReadByte(address); }); });
    if (outcome != BusOutcome::Ran) {
        return NotRun(outcome, "nothing was read", console);
    }
    PrintReport(console.out, console.json, LevelFields(level));
    return kExitDone;
}

int RunWatch(EcPort& port, const Console& console) {
    const std::uint16_t address = Register(port, ec::kPowerLevelOffset);
    std::optional<PowerLevel> shown;
    while (!StopRequested()) {
        int reading = 0;
        // A poll that cannot get the bus is skipped, as the window program skips it.
        if (port.Transaction([&](EcBytes& bytes) { reading = bytes.ReadByte(address); })) {
            const std::optional<PowerLevel> level = PowerLevelFromReading(reading);
            if (level && level != shown) {
                shown = level;
                PrintReport(console.out, console.json, LevelFields(reading));
                console.out.flush();
            }
        }
        WaitUnlessStopped(kWatchPeriod);
    }
    return kExitDone;
}

namespace {

// The mode write of a click and its read-back, tried again while the EC does not hold the mode,
// until keepTrying has passed. Once the EC holds it, keep records it before the bus is let go, so
// that two runs cannot leave the record and the EC disagreeing.
int WriteModeUntilHeld(EcPort& port, LedMode mode, bool force, const Console& console,
                       std::chrono::milliseconds keepTrying, const KeepMode& keep) {
    if (!port.ChipRecognised() && !force) {
        return console.Fail(kExitChipNotRecognised,
                            "the chip identifies as " + ChipText(port) +
                                "; nothing was written (--force writes all the same)");
    }
    // The window program writes the start-up byte before any click can reach the EC.
    BusOutcome outcome = WhenBusFree([&] { return port.WriteStartupByte(); });
    if (outcome != BusOutcome::Ran) {
        return NotRun(outcome, "nothing was written", console);
    }
    const int wanted = static_cast<int>(mode);
    const std::int32_t base = port.RegisterBase();
    const auto deadline = std::chrono::steady_clock::now() + keepTrying;
    LedModeReadBack readBack;
    bool kept = false;
    std::string keepFailure;
    for (;;) {
        outcome = WhenBusFree([&] {
            return port.Transaction([&](EcBytes& bytes) {
                readBack = WriteModeBytesAndReadBack(bytes, base, mode);
                // Bit 0 is right when the mode's rule, applied to what was read back, changes
                // nothing.
                kept = readBack.modeRegister == wanted &&
                       readBack.controlByte == ControlByteForMode(mode, readBack.controlByte);
                if (kept && keep) {
                    keepFailure = keep(mode);
                }
            });
        });
        if (outcome != BusOutcome::Ran) {
            return NotRun(outcome, "the mode was not written", console);
        }
        if (kept || std::chrono::steady_clock::now() >= deadline ||
            !WaitUnlessStopped(kResumeRetryPeriod)) {
            break;
        }
    }
    if (!keepFailure.empty()) {
        // The mode is set; only a later resume will not know it.
        console.err << "glintctl: warning: the mode is set but not kept for resume: " << keepFailure
                    << '\n';
    }
    std::vector<Field> fields = ModeFields(readBack.modeRegister, console.json);
    Append(fields,
           {{"control_byte", std::to_string(readBack.controlByte), Hex(readBack.controlByte, 2)}});
    PrintReport(console.out, console.json, fields);
    if (!kept) {
        return console.Fail(kExitNotKept,
                            "the EC does not hold " + ModeText(wanted) + " after the write");
    }
    return kExitDone;
}

} // namespace

int RunMode(EcPort& port, LedMode mode, bool force, const Console& console, const KeepMode& keep) {
    return WriteModeUntilHeld(port, mode, force, console, std::chrono::milliseconds::zero(), keep);
}

int RunResume(EcPort& port, LedMode mode, bool force, const Console& console) {
    return WriteModeUntilHeld(port, mode, force, console, kResumeTrying, {});
}

std::optional<LedMode> ReadLedMode(EcPort& port) {
    int mode = -1;
    const std::uint16_t address = Register(port, ec::kModeRegisterOffset);
    if (WhenBusFree([&] {
            return port.Transaction([&](EcBytes& bytes) { mode = bytes.ReadByte(address); });
        }) != BusOutcome::Ran) {
        return std::nullopt;
    }
    return ModeFromName(ModeName(mode));
}

} // namespace glintctl
