#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "led/led_mode.h"

namespace glintctl {

// The last mode that `glintctl mode` set, kept as its name in the file "mode" of a folder, for
// `glintctl resume`.
class ModeStore {
public:
    explicit ModeStore(std::filesystem::path folder) : file(std::move(folder) / "mode") {}

    struct Loaded {
        std::optional<LedMode> mode; // empty: none kept yet, or error says why not
        std::string error;
    };
    Loaded Load() const;
    // Replaces the file whole (a new file renamed over it), so a reader never sees half of it.
    // Empty on success, else why it failed.
    std::string Save(LedMode mode) const;

    const std::filesystem::path& File() const { return file; }

private:
    std::filesystem::path file;
};

} // namespace glintctl
