#include "tools/ecsim/cli/ecsim_command.h"

#include <cstdlib>
#include <optional>

#include "ec/ec_registers.h"
#include "framework/hex_text.h"
#include "tools/ecsim/state/ec_sim_state.h"
#include "tools/ecsim/state/trace_decode.h"

namespace ecsim {

namespace {

constexpr char kUsage[] =
    "usage: ecsim [--state PATH] COMMAND\n"
    "The state file is PATH, else $ECSIM_STATE, else the run command's (build/ecsim_state.bin).\n"
    "commands:\n"
    "  init | reset          write the default state (chip 0x55 0x70, level 1, driver open,\n"
    "                        PawnIO elevated)\n"
    "  status                driver, PawnIO, chip id, register base, mode, control byte,\n"
    "                        level, trace\n"
    "  level N               set the power level (register base + 0xFD)\n"
    "  chip ID1 ID2          set the chip identification bytes (0x2000, 0x2001)\n"
    "  driver open|closed    make io.dll's port driver usable or not\n"
    "  pawnio elevated|not-elevated\n"
    "                        let PawnIO's driver open, or refuse it as for a process not run\n"
    "                        as administrator\n"
    "  pawnio fail-op N      make the N-th PawnIO port operation (inb or outb on an allowed\n"
    "                        port) from now fail once, untraced; 0 cancels\n"
    "  ignore-writes N       make the EC ignore its next N memory writes (traced, not taken),\n"
    "                        as firmware right after wake-up may; 0 ends it\n"
    "  mode                  print the mode register (register base + 0xFC)\n"
    "  control               print the control byte (register base + 0x22)\n"
    "  peek ADDR             print the EC byte at ADDR\n"
    "  poke ADDR VALUE       set the EC byte at ADDR\n"
    "  inp-high-byte VALUE   high byte that every port read returns above the data\n"
    "  trace [--ec]          print the port trace (or the EC byte accesses decoded from it):\n"
    "                        time_ns pid W|R port value  /  time_ns pid W|R address value\n"
    "  clear-trace           empty the port trace\n"
    "  --help                print this text\n"
    "Numbers may be decimal or 0x-prefixed hexadecimal.\n";

std::optional<unsigned long> ParseNumber(const std::string& text, unsigned long max) {
    if (text.empty() || text.front() == '-' || text.front() == '+') {
        return std::nullopt;
    }
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 0);
    if (*end != '\0' || value > max) {
        return std::nullopt;
    }
    return value;
}

class Session {
public:
    Session(std::vector<std::string> commandArgs, std::string path, std::ostream& output,
            std::ostream& errors)
        : args(std::move(commandArgs)), statePath(std::move(path)), out(output), err(errors) {}

    int Run() {
        if (args.empty()) {
            return Usage("no command given");
        }
        const std::string& command = args[0];
        if (command == "--help" && Arity(0)) {
            out << kUsage;
            return kExitOk;
        }
        if (command == "init" || command == "reset") {
            return Initialise();
        }
        if (!IsKnownCommand(command)) {
            return Usage("unknown command: " + command);
        }
        if (!OpenExisting()) {
            return failure;
        }
        const int code = Dispatch(command);
        if (readFailed) {
            err << "ecsim: state file " << statePath << " changed or broke while being read\n";
            return kExitDamagedState;
        }
        return code;
    }

private:
    static bool IsKnownCommand(const std::string& command) {
        for (const char* known :
             {"status", "level", "chip", "driver", "pawnio", "ignore-writes", "mode", "control",
              "peek", "poke", "inp-high-byte", "trace", "clear-trace"}) {
            if (command == known) {
                return true;
            }
        }
        return false;
    }

    int Dispatch(const std::string& command) {
        if (command == "status" && Arity(0)) {
            return Status();
        }
        if (command == "level" && Arity(1)) {
            return SetRegister(ec::kPowerLevelOffset, args[1]);
        }
        if (command == "chip" && Arity(2)) {
            return SetChip();
        }
        if (command == "driver" && Arity(1)) {
            return SetDriver();
        }
        if (command == "ignore-writes" && Arity(1)) {
            return SetIgnoredWrites();
        }
        if (command == "pawnio" && (Arity(1) || Arity(2))) {
            return SetPawnIo();
        }
        if (command == "mode" && Arity(0)) {
            return PrintRegister(ec::kModeRegisterOffset);
        }
        if (command == "control" && Arity(0)) {
            return PrintRegister(ec::kControlByteOffset);
        }
        if (command == "peek" && Arity(1)) {
            return Peek();
        }
        if (command == "poke" && Arity(2)) {
            return Poke();
        }
        if (command == "inp-high-byte" && Arity(1)) {
            return SetInpHighByte();
        }
        if (command == "trace" && (Arity(0) || (Arity(1) && args[1] == "--ec"))) {
            return PrintTrace(args.size() == 2);
        }
        if (command == "clear-trace" && Arity(0)) {
            return Done(state->ClearTrace());
        }
        return Usage("wrong arguments for " + command);
    }

    bool Arity(std::size_t count) const { return args.size() == count + 1; }

    int Usage(const std::string& problem) {
        err << "ecsim: " << problem << "\n" << kUsage;
        return kExitUsage;
    }

    int Done(bool written) {
        if (!written) {
            err << "ecsim: could not write " << statePath << "\n";
            return kExitIoError;
        }
        return kExitOk;
    }

    bool OpenExisting() {
        if (statePath.empty()) {
            failure = Usage("no state file: give --state PATH or set ECSIM_STATE");
            return false;
        }
        file = StateFile::Open(statePath, StateFile::OpenMode::ExistingOnly);
        if (!file) {
            err << "ecsim: state file " << statePath
                << " does not exist or cannot be opened; 'ecsim init' creates it\n";
            failure = kExitMissingState;
            return false;
        }
        state.emplace(*file);
        if (!state->IsValid()) {
            err << "ecsim: state file " << statePath
                << " is damaged (wrong size, magic or version); 'ecsim init' rewrites it\n";
            failure = kExitDamagedState;
            return false;
        }
        return true;
    }

    int Initialise() {
        if (!Arity(0)) {
            return Usage("init takes no arguments");
        }
        if (statePath.empty()) {
            return Usage("no state file: give --state PATH or set ECSIM_STATE");
        }
        file = StateFile::Open(statePath, StateFile::OpenMode::CreateIfMissing);
        if (!file) {
            err << "ecsim: cannot create " << statePath << "\n";
            return kExitIoError;
        }
        return Done(EcSimState(*file).Initialise());
    }

    // The file was valid when opened; another process may still break it meanwhile.
    unsigned Byte(std::uint16_t address) {
        const auto value = state->Peek(address);
        readFailed = readFailed || !value;
        return value.value_or(0);
    }

    std::uint16_t RegisterAddress(std::int32_t offset) {
        const auto base = state->RegisterBase();
        readFailed = readFailed || !base;
        return static_cast<std::uint16_t>(base.value_or(ec::kOtherRegisterBase) + offset);
    }

    int SetRegister(std::int32_t offset, const std::string& valueText) {
        const auto value = ParseNumber(valueText, 0xFF);
        if (!value) {
            return Usage("not a byte value: " + valueText);
        }
        return Done(state->Poke(RegisterAddress(offset), static_cast<std::uint8_t>(*value)));
    }

    int PrintRegister(std::int32_t offset) {
        out << Hex(Byte(RegisterAddress(offset)), 2) << "\n";
        return kExitOk;
    }

    int SetChip() {
        const auto id1 = ParseNumber(args[1], 0xFF);
        const auto id2 = ParseNumber(args[2], 0xFF);
        if (!id1 || !id2) {
            return Usage("chip identification bytes must be byte values");
        }
        return Done(state->Poke(ec::kChipIdAddress1, static_cast<std::uint8_t>(*id1)) &&
                    state->Poke(ec::kChipIdAddress2, static_cast<std::uint8_t>(*id2)));
    }

    int SetDriver() {
        if (args[1] != "open" && args[1] != "closed") {
            return Usage("driver takes 'open' or 'closed'");
        }
        return Done(state->SetDriverOpen(args[1] == "open"));
    }

    int SetPawnIo() {
        if (Arity(1) && (args[1] == "elevated" || args[1] == "not-elevated")) {
            return Done(state->SetPawnIoElevated(args[1] == "elevated"));
        }
        if (Arity(2) && args[1] == "fail-op") {
            const auto operations = ParseNumber(args[2], 0xFFFFFFFF);
            if (!operations) {
                return Usage("not an operation count: " + args[2]);
            }
            return Done(state->SetPawnIoFailOp(static_cast<std::uint32_t>(*operations)));
        }
        return Usage("pawnio takes 'elevated', 'not-elevated' or 'fail-op N'");
    }

    int SetIgnoredWrites() {
        const auto writes = ParseNumber(args[1], 0xFFFFFFFF);
        if (!writes) {
            return Usage("not a write count: " + args[1]);
        }
        return Done(state->SetIgnoredWrites(static_cast<std::uint32_t>(*writes)));
    }

    int Peek() {
        const auto address = ParseNumber(args[1], 0xFFFF);
        if (!address) {
            return Usage("not an EC address: " + args[1]);
        }
        out << Hex(Byte(static_cast<std::uint16_t>(*address)), 2) << "\n";
        return kExitOk;
    }

    int Poke() {
        const auto address = ParseNumber(args[1], 0xFFFF);
        const auto value = ParseNumber(args[2], 0xFF);
        if (!address || !value) {
            return Usage("poke takes an EC address (0..0xFFFF) and a byte value");
        }
        return Done(
            state->Poke(static_cast<std::uint16_t>(*address), static_cast<std::uint8_t>(*value)));
    }

    int SetInpHighByte() {
        const auto value = ParseNumber(args[1], 0xFF);
        if (!value) {
            return Usage("not a byte value: " + args[1]);
        }
        return Done(state->SetInpHighByte(static_cast<std::uint8_t>(*value)));
    }

    int Status() {
        const auto trace = state->Trace();
        const auto pawnIoElevated = state->PawnIoElevated();
        const auto pawnIoFailOp = state->PawnIoFailOp();
        const auto ignoredWrites = state->IgnoredWrites();
        readFailed = readFailed || !pawnIoElevated || !pawnIoFailOp || !ignoredWrites;
        out << "driver " << (state->DriverOpen() ? "open" : "closed") << "\n"
            << "pawnio " << (pawnIoElevated.value_or(false) ? "elevated" : "not-elevated") << "\n"
            << "pawnio_fail_op " << pawnIoFailOp.value_or(0) << "\n"
            << "ignore_writes " << ignoredWrites.value_or(0) << "\n"
            << "chip " << Hex(Byte(ec::kChipIdAddress1), 2) << " "
            << Hex(Byte(ec::kChipIdAddress2), 2) << "\n"
            << "register_base " << Hex(RegisterAddress(0), 4) << "\n"
            << "startup_byte " << Hex(Byte(ec::kStartupByteAddress), 2) << "\n"
            << "mode " << Hex(Byte(RegisterAddress(ec::kModeRegisterOffset)), 2) << "\n"
            << "control " << Hex(Byte(RegisterAddress(ec::kControlByteOffset)), 2) << "\n"
            << "level " << Hex(Byte(RegisterAddress(ec::kPowerLevelOffset)), 2) << "\n"
            << "trace_entries " << (trace ? trace->size() : 0) << "\n";
        return kExitOk;
    }

    int PrintTrace(bool decoded) {
        const auto trace = state->Trace();
        if (!trace) {
            err << "ecsim: cannot read the trace of " << statePath << "\n";
            return kExitIoError;
        }
        if (decoded) {
            for (const EcAccess& access : DecodeEcAccesses(*trace)) {
                out << access.timeNs << " " << access.pid << " "
                    << (access.access == PortAccess::Write ? "W " : "R ") << Hex(access.address, 4)
                    << " " << Hex(access.value, 2) << "\n";
            }
            return kExitOk;
        }
        for (const TraceEntry& entry : *trace) {
            out << entry.timeNs << " " << entry.pid << " "
                << (entry.access == PortAccess::Write ? "W " : "R ") << Hex(entry.port, 2) << " "
                << Hex(entry.value, 2) << "\n";
        }
        return kExitOk;
    }

    std::vector<std::string> args;
    std::string statePath;
    std::ostream& out;
    std::ostream& err;
    std::optional<StateFile> file;
    std::optional<EcSimState> state;
    int failure = kExitOk;
    bool readFailed = false;
};

} // namespace

int RunEcsimCommand(const std::vector<std::string>& args, const std::string& environmentPath,
                    std::ostream& out, std::ostream& err) {
    std::vector<std::string> rest = args;
    std::string statePath = environmentPath;
    if (rest.size() >= 2 && rest[0] == "--state") {
        statePath = rest[1];
        rest.erase(rest.begin(), rest.begin() + 2);
    }
    return Session(std::move(rest), statePath, out, err).Run();
}

} // namespace ecsim
