#include "widgets/menu/core/os_class.h"

int OsClassFromVersion(std::uint32_t packedVersion, std::optional<OsVersionNumbers> record) {
    const bool consumerFamily = (packedVersion & 0x80000000u) != 0;
    if (consumerFamily) {
        if ((packedVersion & 0xFF) < 4) {
            return 0;
        }
        if (!record) {
            return 2;
        }
        if (record->major == 4 && record->minor == 10) {
            return 3;
        }
        if (record->major == 4 && record->minor == 90) {
            return 4;
        }
        return 2;
    }
    if (!record) {
        return 1;
    }
    if (record->major == 4) {
        return 5;
    }
    if (record->major == 5 && record->minor == 0) {
        return 6;
    }
    if (record->major == 5 && record->minor == 1) {
        return 7;
    }
    return 1;
}
