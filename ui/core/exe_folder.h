#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The folder part of a Windows file path: everything before its last backslash, without that
// backslash; empty when the path has none.
std::string FolderOfPath(std::string_view path);

// Reads a string of unknown length through fill(buffer, capacity), which stores at most capacity
// characters and returns how many it stored. As with GetModuleFileNameA, a result equal to the
// capacity means the string was cut, so the buffer grows and the call is repeated until the whole
// string fits. Empty when fill fails (returns 0) or the string would be longer than maxLength.
template <typename Fill>
std::string ReadWholeString(Fill fill, std::size_t initialCapacity = 512,
                            std::size_t maxLength = std::size_t{1} << 17) {
    std::string buffer;
    for (std::size_t capacity = initialCapacity; capacity > 0 && capacity <= maxLength + 1;
         capacity *= 2) {
        buffer.assign(capacity, '\0');
        const std::size_t length = fill(buffer.data(), capacity);
        if (length == 0) {
            return {};
        }
        if (length < capacity) {
            buffer.resize(length);
            return buffer;
        }
    }
    return {};
}
