#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace ecsim {

// A file read and written at offsets, without a shared file position, so that several
// processes can use it at once. Move-only; closed with its owner.
class StateFile {
public:
    enum class OpenMode { ExistingOnly, CreateIfMissing };

    static std::optional<StateFile> Open(const std::filesystem::path& path, OpenMode mode);

    StateFile(StateFile&& other) noexcept;
    StateFile& operator=(StateFile&& other) noexcept;
    StateFile(const StateFile&) = delete;
    StateFile& operator=(const StateFile&) = delete;
    ~StateFile();

    // Whole transfers only: false when fewer bytes than asked could be moved.
    bool ReadAt(std::uint64_t offset, void* data, std::size_t size) const;
    bool WriteAt(std::uint64_t offset, const void* data, std::size_t size);
    std::optional<std::uint64_t> Size() const;
    bool Truncate(std::uint64_t size);

private:
    explicit StateFile(std::intptr_t nativeHandle) : handle(nativeHandle) {}
    void Close();

    static constexpr std::intptr_t kNoHandle = -1;
    std::intptr_t handle = kNoHandle;
};

// Wall-clock nanoseconds since 1970-01-01 UTC, comparable between Linux and Wine processes.
std::uint64_t NowNs();
std::uint32_t CurrentProcessId();

} // namespace ecsim
