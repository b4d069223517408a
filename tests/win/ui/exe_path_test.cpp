#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/path_text.h"
#include "ui/exe_path.h"

namespace {

// The path as the system gives it in full, in UTF-8.
std::string FullPathFromWideCall() {
    wchar_t wide[32768] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, wide, 32768);
    std::string narrow(length * 3 + 1, '\0');
    const int bytes =
        ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), narrow.data(),
                              static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(bytes));
    return narrow;
}

// Under Wine no program can run from a path longer than MAX_PATH, so the system is made to cut
// the path by starting with buffers far shorter than it.
TEST(ExecutablePath, ReadWholeWhenTheFirstBufferIsTooShort) {
    const std::string full = FullPathFromWideCall();
    ASSERT_GT(full.size(), 16u);
    EXPECT_EQ(ExecutablePath(), full);
    for (std::size_t first : {1u, 2u, 7u, 16u}) {
        EXPECT_EQ(ExecutablePath(first), full) << first;
    }
    // Exactly the path's length leaves no room for the terminating zero: the call cuts it.
    EXPECT_EQ(ExecutablePath(full.size()), full);
    EXPECT_EQ(ExecutablePath(full.size() + 1), full);
}

TEST(ExecutablePath, FolderIsThePathUpToItsLastBackslash) {
    const std::string full = FullPathFromWideCall();
    const std::string folder = FolderOfPath(ExecutablePath(3));
    EXPECT_EQ(folder + "\\ui_win_tests.exe", full);
}

} // namespace
