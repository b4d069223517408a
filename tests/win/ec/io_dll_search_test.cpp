#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ec/win/io_dll_search.h"
#include "framework/owned_handle.h"
#include "test_support.h"

namespace {

struct LoadCall {
    std::wstring name;
    DWORD flags;
};

// A system that refuses the safe search flags, as Windows 7 without KB2533623 does; loads by
// path go to the real loader unless refused as well.
std::vector<LoadCall> calls;
bool refuseEveryPath = false;

HMODULE WINAPI LoadOnOldSystem(LPCWSTR name, HANDLE reserved, DWORD flags) {
    calls.push_back({name, flags});
    if ((flags & LOAD_LIBRARY_SEARCH_SYSTEM32) != 0) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (refuseEveryPath) {
        ::SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return ::LoadLibraryExW(name, reserved, flags);
}

HMODULE WINAPI LoadMissing(LPCWSTR name, HANDLE, DWORD flags) {
    calls.push_back({name, flags});
    ::SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

std::wstring SystemIoDll() {
    wchar_t folder[MAX_PATH] = {};
    ::GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\io.dll";
}

constexpr DWORD kSafeFlags = LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;

struct IoDllSearch : testing::Test {
    void SetUp() override {
        calls.clear();
        refuseEveryPath = false;
    }
};

TEST_F(IoDllSearch, WithoutTheSafeFlagsTheProgramsFolderIsLoadedByFullPath) {
    const OwnedModule module(LoadIoDllFromTrustedFolders(LoadOnOldSystem));
    ASSERT_TRUE(module);
    wchar_t loaded[MAX_PATH] = {};
    ::GetModuleFileNameW(module.Get(), loaded, MAX_PATH);
    const std::wstring besideProgram = (ProgramFolder() / "io.dll").wstring();
    EXPECT_EQ(_wcsicmp(loaded, besideProgram.c_str()), 0);

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].name, L"io.dll");
    EXPECT_EQ(calls[0].flags, kSafeFlags);
    EXPECT_EQ(_wcsicmp(calls[1].name.c_str(), besideProgram.c_str()), 0);
}

TEST_F(IoDllSearch, WithoutTheSafeFlagsTheSystemFolderComesSecondAndNoBareNameIsTried) {
    refuseEveryPath = true;
    EXPECT_EQ(LoadIoDllFromTrustedFolders(LoadOnOldSystem), nullptr);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(_wcsicmp(calls[1].name.c_str(), (ProgramFolder() / "io.dll").wstring().c_str()), 0);
    EXPECT_EQ(_wcsicmp(calls[2].name.c_str(), SystemIoDll().c_str()), 0);
    for (std::size_t i = 1; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].flags & kSafeFlags, 0u);
    }
}

TEST_F(IoDllSearch, AMissingLibraryOnASystemWithTheFlagsIsNotLookedForElsewhere) {
    EXPECT_EQ(LoadIoDllFromTrustedFolders(LoadMissing), nullptr);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].flags, kSafeFlags);
}

} // namespace
