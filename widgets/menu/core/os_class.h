#pragma once
#include <cstdint>
#include <optional>

// Major and minor version from the system's version record.
struct OsVersionNumbers {
    unsigned major = 0;
    unsigned minor = 0;
};

// The drawing generation of the running Windows, from the packed version number (top bit set on
// the 16/32-bit family, major version in the low byte) and the version record, absent when it
// could not be read:
//   0 Win32s, 1 any other NT (3.x, 5.2, 6.x and later), 2 Windows 95 and other 4.x of the family,
//   3 Windows 98, 4 Windows Me, 5 NT 4.0, 6 Windows 2000, 7 Windows XP.
int OsClassFromVersion(std::uint32_t packedVersion, std::optional<OsVersionNumbers> record);
