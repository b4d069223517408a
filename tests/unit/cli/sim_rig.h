#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/glintctl.h"
#include "temp_state_path.h"
#include "tools/ecsim/state/ec_sim_state.h"
#include "tools/ecsim/state/trace_decode.h"

// A simulated EC of the test's own, glintctl run on it in this process, and what it wrote.
class SimRig {
public:
    struct Result {
        int exitCode = -1;
        std::string out;
        std::string err;
    };

    SimRig() : file(*ecsim::OpenOrCreateState(statePath.path)), state(file) {
        lockPath = statePath.path.string() + ".buslock";
        stateDir = statePath.path.string() + ".dir";
        std::filesystem::remove_all(stateDir);
    }
    ~SimRig() {
        std::filesystem::remove(lockPath);
        std::filesystem::remove_all(stateDir);
    }

    // glintctl ARGS --sim STATE --state-dir DIR.
    Result Run(std::vector<std::string> args) {
        args.insert(args.end(), {"--sim", statePath.path.string(), "--state-dir", stateDir});
        std::ostringstream out;
        std::ostringstream err;
        Result result;
        result.exitCode = glintctl::RunGlintctl(args, out, err);
        result.out = out.str();
        result.err = err.str();
        return result;
    }

    int Byte(std::uint16_t address) const { return state.Peek(address).value_or(-1); }

    // The EC bytes written since the trace was last cleared.
    std::vector<std::uint16_t> EcWrites() const {
        std::vector<std::uint16_t> addresses;
        for (const ecsim::EcAccess& access : ecsim::DecodeEcAccesses(*state.Trace())) {
            if (access.access == ecsim::PortAccess::Write) {
                addresses.push_back(access.address);
            }
        }
        return addresses;
    }

    TempStatePath statePath;
    ecsim::StateFile file;
    ecsim::EcSimState state;
    std::string lockPath;
    std::string stateDir;
};
