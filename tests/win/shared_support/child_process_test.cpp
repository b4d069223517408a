#include "tests/support/win/child_process.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <utility>

#include "tests/support/scratch_folder.h"
#include "tests/support/win/folders.h"

namespace {

using wintest::ChildProcess;

std::filesystem::path Child() {
    return wintest::ProgramFolder() / "support_test_child.exe";
}

// Opened separately, so that the process can be watched after its owner has closed its handle.
OwnedKernelHandle Watch(const ChildProcess& child) {
    return OwnedKernelHandle(::OpenProcess(SYNCHRONIZE, FALSE, child.Id()));
}

bool Ended(const OwnedKernelHandle& process) {
    return ::WaitForSingleObject(process.Get(), 10000) == WAIT_OBJECT_0;
}

TEST(ChildProcesses, GiveTheExitCodeOnceEndedAndNothingForAStartThatFailed) {
    ChildProcess child(Child(), L"exit 7");
    ASSERT_TRUE(child.Started());
    EXPECT_EQ(child.WaitForExit(), DWORD{7});
    EXPECT_FALSE(child.IsRunning());

    wintest::ProcessStart missing(wintest::ProgramFolder() / "no_such_program.exe");
    missing.attempts = 1;
    const ChildProcess never(missing);
    EXPECT_FALSE(never.Started());
    EXPECT_NE(never.StartError(), 0u);
    EXPECT_EQ(never.WaitForExit(std::chrono::milliseconds(0)), std::nullopt);
}

TEST(ChildProcesses, AreEndedWithTheirOwnerAndWhenTheOwnerTakesAnother) {
    OwnedKernelHandle first;
    OwnedKernelHandle second;
    {
        ChildProcess owner(Child(), L"wait");
        ChildProcess other(Child(), L"wait");
        ASSERT_TRUE(owner.Started());
        ASSERT_TRUE(other.Started());
        first = Watch(owner);
        second = Watch(other);
        const DWORD otherId = other.Id();
        EXPECT_EQ(other.WaitForExit(std::chrono::milliseconds(0)), std::nullopt) << "still runs";

        owner = std::move(other);
        EXPECT_TRUE(Ended(first)) << "the process the owner held is ended";
        EXPECT_EQ(owner.Id(), otherId);
        EXPECT_TRUE(owner.IsRunning());
        EXPECT_FALSE(other.Started());
        ChildProcess moved(std::move(owner));
        EXPECT_TRUE(moved.IsRunning()) << "moving hands it over without ending it";
    }
    EXPECT_TRUE(Ended(second));
}

TEST(ChildProcesses, WriteTheirOutputWhereTheStartSays) {
    const testsupport::ScratchFolder folder;
    const std::filesystem::path file = folder / "output.txt";
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    const HANDLE output = ::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                        CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(output, INVALID_HANDLE_VALUE);
    wintest::ProcessStart start(Child(), L"print shared_support");
    start.output = output;
    std::optional<DWORD> code;
    {
        const ChildProcess child(start);
        ::CloseHandle(output);
        code = child.WaitForExit();
    }
    EXPECT_EQ(code, DWORD{0});
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
              "shared_support");
}

} // namespace
