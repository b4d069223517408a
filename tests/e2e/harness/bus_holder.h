#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "test_support.h"

namespace e2e {

// Another tool that holds the machine-wide ISA bus mutex, in a process of its own, until the
// test lets go: then it releases the mutex, or ends still holding it (an abandoned mutex).
class BusHolder {
public:
    enum class Ending { Release, Abandon };

    explicit BusHolder(Ending ending);
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
