#include <gtest/gtest.h>

#include <windows.h>

#include "ec/win/pawnio_search.h"
#include "tests/support/win/pawnio_install.h"

namespace {

using wintest::PawnIoInstall;

struct PawnIoSearch : testing::Test {
    void TearDown() override { PawnIoInstall::RemoveUninstallEntry(); }
};

TEST_F(PawnIoSearch, TheUninstallEntryNamesTheFolderWhenItIsAnAbsolutePath) {
    ASSERT_TRUE(PawnIoInstall::SetInstallLocation(L"D:\\Tools\\PawnIO\\", REG_SZ));
    EXPECT_EQ(PawnIoInstallFolder(), L"D:\\Tools\\PawnIO");
    ASSERT_TRUE(PawnIoInstall::SetInstallLocation(L"\"E:\\Quoted Folder\"", REG_SZ));
    EXPECT_EQ(PawnIoInstallFolder(), L"E:\\Quoted Folder");
}

// A relative path would be taken from the current folder, an expandable one from the user's
// environment: both are places a planted library could come from.
TEST_F(PawnIoSearch, OtherwiseProgramFilesFromTheRegistryNeverTheCurrentFolderOrEnvironment) {
    const std::wstring expected = wintest::PawnIoDefaultFolder().wstring();
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(PawnIoInstallFolder(), expected) << "no entry";
    ASSERT_TRUE(PawnIoInstall::SetInstallLocation(L"PawnIO", REG_SZ));
    EXPECT_EQ(PawnIoInstallFolder(), expected) << "relative";
    ASSERT_TRUE(PawnIoInstall::SetInstallLocation(L"%TEMP%\\PawnIO", REG_EXPAND_SZ));
    EXPECT_EQ(PawnIoInstallFolder(), expected) << "expandable";

    PawnIoInstall::RemoveUninstallEntry();
    wchar_t saved[MAX_PATH] = {};
    const DWORD savedLength = ::GetEnvironmentVariableW(L"ProgramFiles", saved, MAX_PATH);
    ::SetEnvironmentVariableW(L"ProgramFiles", L"C:\\planted");
    EXPECT_EQ(PawnIoInstallFolder(), expected) << "environment";
    ::SetEnvironmentVariableW(L"ProgramFiles", savedLength != 0 ? saved : nullptr);
}

} // namespace
