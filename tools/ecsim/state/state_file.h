#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "tools/ecsim/state/os_handles.h"

namespace ecsim {

// The state file, open for reading and writing by several processes at once, and mapped into
// memory shared with them while it has the size of a state. Move-only; unmapped and closed with
// its owner.
class StateFile {
public:
    enum class OpenMode { ExistingOnly, CreateIfMissing };

    static std::optional<StateFile> Open(const std::filesystem::path& path, OpenMode mode);

    // The kFileSize bytes of the state, mapped; null while the file has another size. The size
    // is checked at every call because another process may shrink the file, and touching a
    // mapped page past its end would crash this one.
    std::uint8_t* Map();

    // A whole transfer at an offset, without a shared file position: false when it fell short.
    bool WriteAt(std::uint64_t offset, const void* data, std::size_t size);
    std::optional<std::uint64_t> Size() const;
    bool Truncate(std::uint64_t size);

private:
    explicit StateFile(OsHandle openFile) : file(std::move(openFile)) {}

    OsHandle file;
    MappedView view;
};

// Wall-clock nanoseconds since 1970-01-01 UTC, comparable between Linux and Wine processes.
std::uint64_t NowNs();
std::uint32_t CurrentProcessId();

} // namespace ecsim
