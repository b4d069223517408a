#pragma once
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

#include "test_support.h"

namespace e2e {

// Another tool that holds the machine-wide ISA bus mutex, in a process of its own, until the
// test lets go: then it releases the mutex, or ends still holding it (an abandoned mutex).
class BusHolder {
public:
    enum class Ending { Release, Abandon };

    // Given the state file of a simulated EC, the holder reads an EC byte of its own through its
    // ports all the while it holds the mutex (and then releases it).
    explicit BusHolder(Ending ending, const std::filesystem::path& trafficState = {});
    BusHolder(const BusHolder&) = delete;
    BusHolder& operator=(const BusHolder&) = delete;

    // True once the holder has the mutex (waits for it).
    bool Holding();
    // Lets go as the ending says; the holder's exit code once it has ended.
    std::optional<DWORD> LetGo();

private:
    static std::string UniqueName(const char* what);

    NamedEvent ready;
    NamedEvent release;
    ChildProcess holder;
};

} // namespace e2e
