#include "subject_ec.h"

#include "ec/ec_registers.h"
#include "tools/ecsim/state/trace_decode.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

std::optional<SubjectEc> SubjectEc::Fresh(const std::string& path) {
    auto file = ecsim::StateFile::Open(path, ecsim::StateFile::OpenMode::CreateIfMissing);
    if (!file || !ecsim::EcSimState(*file).Initialise()) {
        return std::nullopt;
    }
    SetEnvironmentVariableA("ECSIM_STATE", path.c_str());
    return SubjectEc(std::make_unique<ecsim::StateFile>(std::move(*file)));
}

bool SubjectEc::SetPowerLevel(std::uint8_t level) {
    ecsim::EcSimState state(*file_);
    const auto base = state.RegisterBase();
    return base && state.Poke(static_cast<std::uint16_t>(*base + ec::kPowerLevelOffset), level);
}

std::optional<std::uint64_t> SubjectEc::ModeWriteTime(std::uint8_t mode,
                                                      std::uint64_t sinceNs) const {
    return AccessTime(ecsim::PortAccess::Write, ec::kModeRegisterOffset, mode, sinceNs);
}

bool SubjectEc::PowerLevelReadSince(std::uint8_t value, std::uint64_t sinceNs) const {
    return AccessTime(ecsim::PortAccess::Read, ec::kPowerLevelOffset, value, sinceNs).has_value();
}

std::optional<std::pair<std::uint64_t, std::uint64_t>>
SubjectEc::TrafficSpan(std::uint32_t pid, std::uint64_t fromNs, std::uint64_t toNs) const {
    const auto trace = ecsim::EcSimState(*file_).Trace();
    if (!trace) {
        return std::nullopt;
    }
    std::optional<std::pair<std::uint64_t, std::uint64_t>> span;
    for (const auto& entry : *trace) {
        if (entry.pid != pid || entry.timeNs < fromNs || entry.timeNs > toNs) {
            continue;
        }
        const std::uint64_t at = entry.timeNs - fromNs;
        span = span ? std::pair(span->first, at) : std::pair(at, at);
    }
    return span;
}

std::optional<std::uint64_t> SubjectEc::AccessTime(ecsim::PortAccess access, std::int32_t offset,
                                                   std::uint8_t value,
                                                   std::uint64_t sinceNs) const {
    ecsim::EcSimState state(*file_);
    const auto base = state.RegisterBase();
    auto trace = state.Trace();
    if (!base || !trace) {
        return std::nullopt;
    }
    // Only the port accesses from sinceNs on: an EC access that started earlier is not one we
    // are waiting for. The ring can be read while the program appends to it, so that its
    // newest entries come first: put them back in the order of time.
    std::vector<ecsim::TraceEntry> recent;
    std::copy_if(trace->begin(), trace->end(), std::back_inserter(recent),
                 [&](const ecsim::TraceEntry& e) { return e.timeNs >= sinceNs; });
    std::stable_sort(
        recent.begin(), recent.end(),
        [](const ecsim::TraceEntry& a, const ecsim::TraceEntry& b) { return a.timeNs < b.timeNs; });
    const auto address = static_cast<std::uint16_t>(*base + offset);
    for (const auto& decoded : ecsim::DecodeEcAccesses(recent)) {
        if (decoded.access == access && decoded.address == address && decoded.value == value) {
            return decoded.timeNs;
        }
    }
    return std::nullopt;
}

std::uint64_t EcClockNs() {
    return ecsim::NowNs();
}
