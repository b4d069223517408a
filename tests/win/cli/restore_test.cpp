// glintctl.exe's restoring of the lighting under Wine: the Task Scheduler task it registers and
// removes, the kept mode in a folder only administrators change, and a kept-mode file that holds
// no mode.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "cli/win/restore_task.h"
#include "glintctl_run.h"
#include "led/win/kept_mode_file.h"

namespace {

using glintctl::ComRef;
using glintctl::OwnedBstr;

class Restore : public GlintctlRun {
protected:
    void SetUp() override {
        GlintctlRun::SetUp();
        ASSERT_NO_FATAL_FAILURE(WithIoDll());
        // None left by an earlier run.
        glintctl::TaskScheduler().RemoveRestoreTask();
    }
    void TearDown() override { glintctl::TaskScheduler().RemoveRestoreTask(); }

    std::filesystem::path kept = folder / "kept";
    std::wstring keptOption = L" --state-dir \"" + kept.wstring() + L"\"";
};

TEST_F(Restore, OnRegistersTheTaskAndKeepsTheEcsModeOffTakesBothAway) {
    Result before = Run(L"restore status --json" + keptOption);
    EXPECT_EQ(before.exitCode, 0u) << before.output;
    EXPECT_EQ(before.json["restore"], "false");
    EXPECT_EQ(before.json["kept_mode"], "null");

    state.Poke(kModeRegister, 3);
    const Result on = Run(L"restore on --json" + keptOption);
    EXPECT_EQ(on.exitCode, 0u) << on.output;
    Result between = Run(L"restore status --json" + keptOption);
    EXPECT_EQ(between.json["restore"], "true") << between.output;
    EXPECT_EQ(between.json["task"], "\\Glint Controls\\Restore lighting");
    EXPECT_EQ(between.json["kept_mode"], "breath");

    // Wine's scheduler keeps a definition's settings only (its triggers, principal and action are
    // held to the definition itself by check_task_definition.py).
    glintctl::TaskScheduler scheduler;
    ComRef<IRegisteredTask> task;
    ASSERT_HRESULT_SUCCEEDED(scheduler.FindRestoreTask(task));
    ASSERT_TRUE(task);
    ComRef<ITaskDefinition> definition;
    ComRef<ITaskSettings> settings;
    ASSERT_HRESULT_SUCCEEDED(task->get_Definition(definition.Out()));
    ASSERT_HRESULT_SUCCEEDED(definition->get_Settings(settings.Out()));
    TASK_INSTANCES_POLICY instances{};
    VARIANT_BOOL disallowOnBattery = VARIANT_TRUE;
    VARIANT_BOOL stopOnBattery = VARIANT_TRUE;
    VARIANT_BOOL whenAvailable = VARIANT_FALSE;
    OwnedBstr limit;
    settings->get_MultipleInstances(&instances);
    settings->get_DisallowStartIfOnBatteries(&disallowOnBattery);
    settings->get_StopIfGoingOnBatteries(&stopOnBattery);
    settings->get_StartWhenAvailable(&whenAvailable);
    settings->get_ExecutionTimeLimit(limit.Out());
    EXPECT_EQ(instances, TASK_INSTANCES_IGNORE_NEW);
    EXPECT_EQ(disallowOnBattery, VARIANT_FALSE);
    EXPECT_EQ(stopOnBattery, VARIANT_FALSE);
    EXPECT_EQ(whenAvailable, VARIANT_TRUE);
    EXPECT_EQ(limit.Text(), L"PT1M");

    const Result off = Run(L"restore off --json" + keptOption);
    EXPECT_EQ(off.exitCode, 0u) << off.output;
    Result after = Run(L"restore status --json" + keptOption);
    EXPECT_EQ(after.json["restore"], "false") << after.output;
    EXPECT_EQ(after.json["kept_mode"], "null");
    EXPECT_FALSE(std::filesystem::exists(kept / "mode"));
}

// Users may read the kept mode; only SYSTEM and administrators may change it. Wine keeps no
// folder's rights as given (it reports rights made from the Unix permissions), so they are held
// here as the folder is given them.
TEST(KeptModeFolder, IsChangedByAdministratorsAndSystemOnlyAndReadByUsers) {
    const OwnedLocalMemory descriptor = KeptModeFolderRights();
    ASSERT_TRUE(descriptor);
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ::GetSecurityDescriptorControl(descriptor.Get(), &control, &revision);
    EXPECT_NE(control & SE_DACL_PROTECTED, 0) << "rights inherited from the parent";
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL rights = nullptr;
    ASSERT_TRUE(::GetSecurityDescriptorDacl(descriptor.Get(), &present, &rights, &defaulted));
    ASSERT_TRUE(present && rights != nullptr);
    constexpr DWORD kChanges = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA |
                               FILE_WRITE_ATTRIBUTES | DELETE | FILE_DELETE_CHILD | WRITE_DAC |
                               WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;
    int changers = 0;
    bool usersRead = false;
    for (DWORD index = 0; index < rights->AceCount; ++index) {
        ACCESS_ALLOWED_ACE* entry = nullptr;
        ASSERT_TRUE(::GetAce(rights, index, reinterpret_cast<void**>(&entry)));
        ASSERT_EQ(entry->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
        const PSID sid = &entry->SidStart;
        if ((entry->Mask & kChanges) != 0) {
            EXPECT_TRUE(::IsWellKnownSid(sid, WinLocalSystemSid) ||
                        ::IsWellKnownSid(sid, WinBuiltinAdministratorsSid))
                << "another account may change the folder";
            ++changers;
        }
        usersRead = usersRead || (::IsWellKnownSid(sid, WinBuiltinUsersSid) &&
                                  (entry->Mask & FILE_GENERIC_READ) == FILE_GENERIC_READ);
    }
    EXPECT_EQ(changers, 2);
    EXPECT_TRUE(usersRead);
}

TEST_F(Restore, AKeptModeFileThatHoldsNoModeIsReportedAndNothingIsWritten) {
    std::filesystem::create_directories(kept);
    for (const std::string& content : {std::string("purple\n"), std::string(),
                                       std::string(4096, 'a'), std::string("breath\0x", 8)}) {
        std::ofstream(kept / "mode", std::ios::binary | std::ios::trunc) << content;
        state.ClearTrace();
        const Result resumed = Run(L"resume" + keptOption);
        EXPECT_EQ(resumed.exitCode, 1u) << resumed.output;
        EXPECT_NE(resumed.output.find("holds no mode name; nothing was written"), std::string::npos)
            << resumed.output;
        EXPECT_EQ(EcWrites(), 0u);
    }
}

} // namespace
