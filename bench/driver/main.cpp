// bench_driver: starts, clicks and watches glint.exe (and the baseline program) from outside,
// the way a user and the machine would, and prints the figures it measures.
#include "commands.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::fputs("usage: bench_driver startup LABEL EXE\n"
               "       bench_driver idle SECONDS SETTLE LABEL:shown|hidden:EXE...\n"
               "       bench_driver clicks COUNT GLINT_EXE\n"
               "       bench_driver memory CLICKS SHOWS GLINT_EXE\n"
               "       bench_driver hold\n"
               "       bench_driver ec-cost COUNT\n"
               "       bench_driver soak CLICKS LEVELS SEED LABEL:cycle|random:GLINT_EXE...\n"
               "Each glint.exe runs from a folder of its own, with its ecsim state there.\n",
               stderr);
    return 2;
}

int Int(const std::string& text) {
    return std::atoi(text.c_str());
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        return Usage();
    }
    const std::string& command = args[0];
    if (command == "startup" && args.size() == 3) {
        return RunStartup(args[1], args[2]);
    }
    if (command == "idle" && args.size() >= 4) {
        return RunIdle(std::atof(args[1].c_str()), std::atof(args[2].c_str()),
                       {args.begin() + 3, args.end()});
    }
    if (command == "hold" && args.size() == 1) {
        return RunHold();
    }
    if (command == "ec-cost" && args.size() == 2) {
        return RunEcCost(Int(args[1]));
    }
    if (command == "clicks" && args.size() == 3) {
        return RunClicks(Int(args[1]), args[2]);
    }
    if (command == "memory" && args.size() == 4) {
        return RunMemory(Int(args[1]), Int(args[2]), args[3]);
    }
    if (command == "soak" && args.size() >= 5) {
        return RunSoak(Int(args[1]), Int(args[2]), static_cast<unsigned>(Int(args[3])),
                       {args.begin() + 4, args.end()});
    }
    return Usage();
}
