#include "cli/mode_store.h"

#include "led/win/kept_mode_file.h"

namespace glintctl {

ModeStore::Loaded ModeStore::Load() const {
    const KeptModeRead read = ReadKeptMode(folder.wstring());
    return {read.mode, read.error};
}

std::string ModeStore::Save(LedMode mode) const {
    return WriteKeptMode(folder.wstring(), mode);
}

std::string ModeStore::Remove() const {
    return RemoveKeptMode(folder.wstring());
}

} // namespace glintctl
