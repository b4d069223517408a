#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "ec/port_io.h"

// The ways a program reaches the ports: on Windows io.dll, else PawnIO; elsewhere the one way
// its platform has.
enum class PortWay : std::uint8_t { IoDll, PawnIo, Ioperm, Simulated };

// As the user knows it: "io.dll", "PawnIO", "ioperm", "simulated".
std::string_view PortWayName(PortWay way);

// One way to try, with its back end.
struct PortWayCandidate {
    PortWay way;
    std::unique_ptr<PortIo> io;
};
// In the order they are tried: the first that opens and is usable is the one used.
using PortWays = std::vector<PortWayCandidate>;

PortWays OnlyWay(PortWay way, std::unique_ptr<PortIo> io);

// Why a way that was tried is not the one in use.
struct PortWayFailure {
    PortWay way;
    PortAccessFailure failure;
    bool operator==(const PortWayFailure&) const = default;
};
