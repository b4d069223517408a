#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text helpers for file paths and for system calls that fill a caller's buffer; header-only and
// window-free, so that every layer and the native tests can use them.

// The folder part of a Windows file path: everything before its last backslash, without that
// backslash; empty when the path has none. Narrow paths must be UTF-8: there the byte 0x5C is
// always a backslash, while in a double-byte code page such as 936 it can be the trail byte of
// a character.
template <typename Char> std::basic_string<Char> FolderOfPathIn(std::basic_string_view<Char> path) {
    const std::size_t lastBackslash = path.rfind(Char('\\'));
    if (lastBackslash == std::basic_string_view<Char>::npos) {
        return {};
    }
    return std::basic_string<Char>(path.substr(0, lastBackslash));
}
inline std::string FolderOfPath(std::string_view path) {
    return FolderOfPathIn(path);
}
inline std::wstring FolderOfPath(std::wstring_view path) {
    return FolderOfPathIn(path);
}

// A file in a folder given without a trailing backslash: the folder, a backslash, the name.
inline std::string PathInFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += '\\';
    path += name;
    return path;
}

// Reads a string of unknown length through fill(buffer, capacity), which stores at most capacity
// characters and returns how many it stored. As with GetModuleFileName, a result equal to the
// capacity means the string was cut, so the buffer grows and the call is repeated until the whole
// string fits. Empty when fill fails (returns 0) or the string would be longer than maxLength.
template <typename Char = char, typename Fill>
std::basic_string<Char> ReadWholeString(Fill fill, std::size_t initialCapacity = 512,
                                        std::size_t maxLength = std::size_t{1} << 17) {
    std::basic_string<Char> buffer;
    for (std::size_t capacity = initialCapacity; capacity > 0 && capacity <= maxLength + 1;
         capacity *= 2) {
        buffer.assign(capacity, Char{});
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
