#include "cli/mode_store.h"

#include <fstream>
#include <system_error>

#include "led/led_mode_names.h"

namespace glintctl {

namespace {

// Longer than any mode name: a file this long is not ours.
constexpr std::streamsize kMaxContent = 64;

} // namespace

ModeStore::Loaded ModeStore::Load() const {
    const std::filesystem::path file = folder / "mode";
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        if (error) {
            return {std::nullopt, file.string() + ": " + error.message()};
        }
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    std::string content(kMaxContent, '\0');
    in.read(content.data(), kMaxContent);
    if (in.bad()) {
        return {std::nullopt, file.string() + ": cannot be read"};
    }
    content.resize(static_cast<std::size_t>(in.gcount()));
    const std::optional<LedMode> mode = ModeFromKeptText(content);
    if (!mode) {
        return {std::nullopt, file.string() + ": holds no mode name"};
    }
    return {mode, {}};
}

std::string ModeStore::Save(LedMode mode) const {
    const std::filesystem::path file = folder / "mode";
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
        return file.parent_path().string() + ": " + error.message();
    }
    std::filesystem::path temporary = file;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << KeptModeText(mode);
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return temporary.string() + ": cannot be written";
        }
    }
    std::filesystem::rename(temporary, file, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return file.string() + ": cannot be replaced";
    }
    return {};
}

std::string ModeStore::Remove() const {
    const std::filesystem::path file = folder / "mode";
    std::error_code error;
    std::filesystem::remove(file, error);
    return error ? file.string() + ": " + error.message() : std::string();
}

} // namespace glintctl
