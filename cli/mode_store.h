#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "led/led_mode.h"

namespace glintctl {

// The last mode that `glintctl mode` set, kept as its name in the file "mode" of a folder, for
// `glintctl resume`. Each platform writes it its own way (cli/linux/, and on Windows the window
// program's way, led/win/).
class ModeStore {
public:
    explicit ModeStore(std::filesystem::path keptFolder) : folder(std::move(keptFolder)) {}

    struct Loaded {
        std::optional<LedMode> mode; // empty: none kept yet, or error says why not
        std::string error;
    };
    // A file that cannot be read or holds anything but a mode's name is an error, never a mode.
    Loaded Load() const;
    // Replaces the file whole (a new file renamed over it), so a reader never sees half of it.
    // Empty on success, else why it failed.
    std::string Save(LedMode mode) const;
    // Empty when nothing is kept any more, else why the file stays.
    std::string Remove() const;

private:
    std::filesystem::path folder;
};

} // namespace glintctl
