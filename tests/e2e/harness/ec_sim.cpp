#include "ec_sim.h"

#include <string>
#include <system_error>
#include <utility>

#include "ec/ec_registers.h"
#include "framework/hex_text.h"

namespace e2e {

namespace {

constexpr std::uint16_t Register(std::int32_t offset) {
    return static_cast<std::uint16_t>(ec::kRecognisedRegisterBase + offset);
}

} // namespace

EcSim::EcSim(std::filesystem::path statePath, ecsim::StateFile stateFile)
    : path(std::move(statePath)), file(std::move(stateFile)), state(file) {}

std::unique_ptr<EcSim> EcSim::Create(const std::filesystem::path& path, std::uint8_t powerLevel) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    auto file = ecsim::OpenOrCreateState(path);
    if (!file) {
        return nullptr;
    }
    std::unique_ptr<EcSim> sim(new EcSim(path, std::move(*file)));
    if (!sim->state.IsValid() || !sim->SetPowerLevel(powerLevel)) {
        return nullptr;
    }
    return sim;
}

std::optional<std::uint8_t> EcSim::ModeRegister() const {
    return Peek(Register(ec::kModeRegisterOffset));
}

std::optional<std::uint8_t> EcSim::ControlByte() const {
    return Peek(Register(ec::kControlByteOffset));
}

bool EcSim::SetControlByte(std::uint8_t value) {
    return Poke(Register(ec::kControlByteOffset), value);
}

bool EcSim::SetPowerLevel(std::uint8_t level) {
    return Poke(Register(ec::kPowerLevelOffset), level);
}

std::vector<ecsim::EcAccess> EcSim::Accesses() const {
    const auto trace = state.Trace();
    return trace ? ecsim::DecodeEcAccesses(*trace) : std::vector<ecsim::EcAccess>{};
}

std::vector<ecsim::EcAccess> EcSim::WritesSince(std::uint64_t timeNs) const {
    std::vector<ecsim::EcAccess> writes;
    for (const ecsim::EcAccess& access : Accesses()) {
        if (access.access == ecsim::PortAccess::Write && access.timeNs >= timeNs) {
            writes.push_back(access);
        }
    }
    return writes;
}

std::vector<std::string> EcSim::AccessLogOf(std::uint32_t pid) const {
    const std::uint16_t poll = Register(ec::kPowerLevelOffset);
    std::vector<std::string> log;
    for (const ecsim::EcAccess& access : Accesses()) {
        const bool read = access.access == ecsim::PortAccess::Read;
        if (access.pid != pid || (read && access.address == poll)) {
            continue;
        }
        log.push_back((read ? "R " : "W ") + HexDigits(access.address, 4) + " " +
                      HexDigits(access.value, 2));
    }
    return log;
}

} // namespace e2e
