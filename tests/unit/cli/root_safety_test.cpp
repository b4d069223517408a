// What keeps a glintctl run as root safe from local users: the bus lock and the folders it writes
// into used only as their owner's own, the kept mode replaced whole and never through a link, and
// an interrupt that ends a command waiting for the bus at once, between two transactions. The
// owner is the test's user here; run as root, glintctl asks the same of root.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "cli/linux/file_bus_lock.h"
#include "cli/linux/owned_path.h"
#include "cli/mode_store.h"
#include "glintctl_process.h"
#include "sim_rig.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

bool Says(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(BusLockFile, OnlyARegularFileOfItsOwnerIsUsedAndOpeningNeverBlocks) {
    testsupport::ScratchFolder scratch{"glintctl_safety"};
    const uid_t me = getuid();
    std::string failure;
    const fs::path fifo = scratch.Path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(glintctl::FileBusLock::Open(fifo, me, failure), nullptr);
    EXPECT_TRUE(Says(failure, "not a regular file")) << failure;

    const fs::path plain = scratch.Path() / "plain";
    std::ofstream(plain).put('x');
    fs::create_symlink(plain, scratch.Path() / "link");
    EXPECT_EQ(glintctl::FileBusLock::Open(scratch.Path() / "link", me, failure), nullptr);
    EXPECT_EQ(glintctl::FileBusLock::Open(plain, me + 1, failure), nullptr);
    EXPECT_TRUE(Says(failure, "is owned by user " + std::to_string(me))) << failure;

    const fs::path made = scratch.Path() / "made";
    EXPECT_NE(glintctl::FileBusLock::Open(made, me, failure), nullptr) << failure;
    struct stat status {};
    ASSERT_EQ(stat(made.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}

TEST(OwnedFolder, AFolderOthersMayWriteToALinkOrAnotherUsersFolderIsRefused) {
    testsupport::ScratchFolder scratch{"glintctl_safety"};
    const uid_t me = getuid();
    const std::string made = (scratch.Path() / "made").string();
    EXPECT_EQ(glintctl::PrepareOwnedFolder(made, me), "");
    EXPECT_TRUE(Says(glintctl::FolderProblem(made, me + 1), "owned by user")) << made;
    const fs::path open = scratch.Path() / "open";
    fs::create_directory(open);
    ASSERT_EQ(chmod(open.c_str(), 0777), 0);
    EXPECT_TRUE(Says(glintctl::FolderProblem(open, me), "may be written by other users"));
    fs::create_directory_symlink(made, scratch.Path() / "link");
    EXPECT_TRUE(Says(glintctl::FolderProblem(scratch.Path() / "link", me), "symbolic link"));
}

TEST(KeptMode, IsReplacedWholeAndNeverWrittenThroughALinkPlantedInItsFolder) {
    testsupport::ScratchFolder scratch{"glintctl_safety"};
    const fs::path victim = scratch.Path() / "victim";
    std::ofstream(victim) << "precious";
    const fs::path folder = scratch.Path() / "kept";
    fs::create_directory(folder);
    fs::create_symlink(victim, folder / "mode");
    fs::create_symlink(victim, folder / "mode.new");

    EXPECT_EQ(glintctl::ModeStore(folder).Save(LedMode::Breath), "");
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious");
    EXPECT_FALSE(fs::is_symlink(folder / "mode"));
    EXPECT_EQ(glintctl::ModeStore(folder).Load().mode, LedMode::Breath);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++files;
    }
    EXPECT_EQ(files, 2u) << "a temporary file was left behind";
}

// Whether the process has the file open: then it is past installing its signal handlers.
bool HasOpen(pid_t pid, const fs::path& file) {
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
        if (fs::read_symlink(entry.path(), error) == file) {
            return true;
        }
    }
    return false;
}

TEST(Interrupt, EndsACommandWaitingForTheBusAtOnceAndWritesNothing) {
    SimRig rig;
    std::string failure;
    auto otherInstance = glintctl::FileBusLock::Open(rig.lockPath, getuid(), failure);
    ASSERT_NE(otherInstance, nullptr) << failure;
    ASSERT_TRUE(otherInstance->Acquire(0));
    rig.state.ClearTrace();

    GlintctlProcess mode(
        {"mode", "breath", "--sim", rig.statePath.path.string(), "--state-dir", rig.stateDir});
    ASSERT_TRUE(mode.Started());
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!HasOpen(mode.Pid(), rig.lockPath) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const auto interrupted = std::chrono::steady_clock::now();
    EXPECT_EQ(mode.StopWith(SIGINT), 130);
    // Well short of the seconds that a wait for the bus takes; a loaded machine may be slow.
    EXPECT_LT(std::chrono::steady_clock::now() - interrupted, std::chrono::milliseconds(1500));
    EXPECT_TRUE(rig.EcWrites().empty());
    EXPECT_FALSE(fs::exists(fs::path(rig.stateDir) / "mode"));
}

} // namespace
