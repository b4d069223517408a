#include "ec/port_way.h"

std::string_view PortWayName(PortWay way) {
    switch (way) {
    case PortWay::IoDll:
        return "io.dll";
    case PortWay::PawnIo:
        return "PawnIO";
    case PortWay::Ioperm:
        return "ioperm";
    case PortWay::Simulated:
        return "simulated";
    }
    return "unknown";
}

PortWays OnlyWay(PortWay way, std::unique_ptr<PortIo> io) {
    PortWays ways;
    ways.push_back({way, std::move(io)});
    return ways;
}
