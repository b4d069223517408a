#include "ui/kept_mode_record.h"

#include "led/win/kept_mode_file.h"

KeptModeRecord::KeptModeRecord() : folder(DefaultKeptModeFolder()) {}

void KeptModeRecord::Record(LedMode mode) {
    if (!folder.empty() && KeptModeExists(folder)) {
        // A failure leaves the mode kept before; the click itself has reached the EC.
        WriteKeptMode(folder, mode);
    }
}
