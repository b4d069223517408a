#pragma once

#include <windows.h>

#include <taskschd.h>

#include <string>

#include "cli/win/com.h"

namespace glintctl {

// The one task that writes the kept lighting mode back at start-up and after sleep.
inline constexpr wchar_t kRestoreTaskFolder[] = L"\\Glint Controls";
inline constexpr wchar_t kRestoreTaskName[] = L"Restore lighting";

// The Task Scheduler definition (XML) of that task: "<glintctl>" resume, as SYSTEM with the
// highest privileges, at system start-up and on wake-up from sleep, hibernation (System log,
// Power-Troubleshooter event 1) and Modern Standby (Kernel-Power event 507); on battery as on
// mains, started when missed, a second run ignored while one runs, ended after a minute.
std::wstring RestoreTaskDefinition(const std::wstring& glintctlPath);

// The Task Scheduler, connected for the owner's life.
class TaskScheduler {
public:
    TaskScheduler();

    // S_OK once connected; otherwise why not, and every call fails with it.
    HRESULT Connected() const { return connected; }
    HRESULT RegisterRestoreTask(const std::wstring& definition);
    // S_OK also when there was none; the task's folder goes too when it is left empty.
    HRESULT RemoveRestoreTask();
    // Null, with S_OK, when there is no such task.
    HRESULT FindRestoreTask(ComRef<IRegisteredTask>& task);

private:
    HRESULT TaskFolder(bool create, ComRef<ITaskFolder>& folder);
    // S_OK with the task's folder, S_FALSE when there is none, or why the scheduler cannot tell.
    HRESULT ExistingTaskFolder(ComRef<ITaskFolder>& folder);

    ComSession com;
    ComRef<ITaskService> service;
    HRESULT connected = E_FAIL;
};

// The program a registered task runs first; empty when the scheduler keeps no such action.
std::wstring ProgramOf(IRegisteredTask* task);

} // namespace glintctl
