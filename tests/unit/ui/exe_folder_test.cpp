#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/path_text.h"

namespace {

TEST(FolderOfPath, CutsAtTheLastBackslash) {
    EXPECT_EQ(FolderOfPath("C:\\A\\B\\prog.exe"), "C:\\A\\B");
    EXPECT_EQ(FolderOfPath("C:\\prog.exe"), "C:");
    EXPECT_EQ(FolderOfPath("\\\\server\\share\\dir\\prog.exe"), "\\\\server\\share\\dir");
}

TEST(FolderOfPath, WidePathsCutTheSameWay) {
    EXPECT_EQ(FolderOfPath(std::wstring_view(L"C:\\\u4e2d\\prog.exe")), L"C:\\\u4e2d");
    EXPECT_EQ(FolderOfPath(std::wstring_view(L"prog.exe")), L"");
}

TEST(FolderOfPath, PathWithoutBackslashHasNoFolder) {
    EXPECT_EQ(FolderOfPath("prog.exe"), "");
    EXPECT_EQ(FolderOfPath(""), "");
}

// Behaves like GetModuleFileNameA on a system that cuts a long path: stores what fits,
// zero-terminated, and returns the capacity when the path was cut.
struct ModuleFileName {
    std::string path;
    std::vector<std::size_t> capacitiesAsked;

    std::size_t operator()(char* buffer, std::size_t capacity) {
        capacitiesAsked.push_back(capacity);
        if (path.size() < capacity) {
            std::memcpy(buffer, path.c_str(), path.size() + 1);
            return path.size();
        }
        std::memcpy(buffer, path.data(), capacity - 1);
        buffer[capacity - 1] = '\0';
        return capacity;
    }
};

std::string LongPath(std::size_t length) {
    std::string path = "C:\\";
    while (path.size() + 9 < length) {
        path += "folder_x\\";
    }
    path.append(length - path.size(), 'p');
    return path;
}

TEST(ReadWholeString, ShortPathNeedsOneCall) {
    ModuleFileName fill{"C:\\A\\B\\prog.exe", {}};
    EXPECT_EQ(ReadWholeString(std::ref(fill)), "C:\\A\\B\\prog.exe");
    EXPECT_EQ(fill.capacitiesAsked, std::vector<std::size_t>{512});
}

TEST(ReadWholeString, PathsAroundTheFirstBufferSizeAreReadWhole) {
    for (std::size_t length : {511u, 512u, 513u, 1023u, 1024u, 1025u, 2000u, 32767u}) {
        ModuleFileName fill{LongPath(length), {}};
        const std::string read = ReadWholeString(std::ref(fill));
        EXPECT_EQ(read.size(), length);
        EXPECT_EQ(read, fill.path);
    }
}

TEST(ReadWholeString, AFailedCallYieldsNothing) {
    EXPECT_EQ(ReadWholeString([](char*, std::size_t) { return std::size_t{0}; }), "");
}

TEST(ReadWholeString, GivesUpBeyondTheLimitInsteadOfGrowingForever) {
    std::size_t calls = 0;
    const auto alwaysCut = [&calls](char*, std::size_t capacity) {
        ++calls;
        return capacity;
    };
    EXPECT_EQ(ReadWholeString(alwaysCut, 512, 4096), "");
    EXPECT_EQ(calls, 4u); // 512, 1024, 2048, 4096
}

} // namespace
