#include "cli/restore.h"

#include <windows.h>

#include <string>

#include "cli/exit_codes.h"
#include "cli/mode_store.h"
#include "cli/report.h"
#include "cli/win/restore_task.h"
#include "ec/win/library_paths.h"
#include "framework/hex_text.h"
#include "framework/path_text.h"
#include "framework/wide_text.h"
#include "led/led_mode_names.h"
#include "led/win/kept_mode_file.h"

namespace glintctl {

namespace {

std::wstring ThisProgram() {
    return ReadWholeString<wchar_t>([](wchar_t* buffer, std::size_t capacity) {
        return static_cast<std::size_t>(
            ::GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(capacity)));
    });
}

std::string TaskPath() {
    return Utf8FromWide(std::wstring(kRestoreTaskFolder) + L"\\" + kRestoreTaskName);
}

std::string HexResult(HRESULT result) {
    return Hex(static_cast<unsigned>(result), 8);
}

// A change the Task Scheduler refused: for want of administrator rights, or otherwise.
int SchedulerFailed(HRESULT result, const std::string& change, const Console& console) {
    if (result == E_ACCESSDENIED) {
        return console.Fail(kExitNoPortAccess,
                            change + " needs administrator rights: run it in a terminal opened "
                                     "as administrator");
    }
    return console.Fail(kExitSchedulerFailed,
                        change + ": the Task Scheduler refused (" + HexResult(result) + ")");
}

} // namespace

std::filesystem::path DefaultKeptFolder() {
    return DefaultKeptModeFolder();
}

int TurnRestoreOn(const Console& console) {
    const std::wstring program = ThisProgram();
    const HRESULT result = TaskScheduler().RegisterRestoreTask(RestoreTaskDefinition(program));
    if (FAILED(result)) {
        return SchedulerFailed(result, "registering the task " + TaskPath(), console);
    }
    PrintReport(console.out, console.json,
                {{"restore", "true", "on"},
                 {"task", JsonString(TaskPath()), TaskPath()},
                 {"runs", JsonString(Utf8FromWide(program)),
                  "\"" + Utf8FromWide(program) +
                      "\" resume, as SYSTEM, at start-up and after "
                      "sleep"}});
    return kExitDone;
}

int TurnRestoreOff(const std::filesystem::path& keptFolder, const Console& console) {
    const HRESULT result = TaskScheduler().RemoveRestoreTask();
    if (FAILED(result)) {
        return SchedulerFailed(result, "removing the task " + TaskPath(), console);
    }
    const std::string kept = ModeStore(keptFolder).Remove();
    if (!kept.empty()) {
        return console.Fail(kExitUsage, "the task is gone, but the kept mode stays: " + kept);
    }
    PrintReport(console.out, console.json, {{"restore", "false", "off"}});
    return kExitDone;
}

int ReportRestore(const std::filesystem::path& keptFolder, const Console& console) {
    TaskScheduler scheduler;
    ComRef<IRegisteredTask> task;
    const HRESULT result = scheduler.FindRestoreTask(task);
    if (FAILED(result)) {
        return console.Fail(kExitSchedulerFailed,
                            "the Task Scheduler cannot be asked (" + HexResult(result) + ")");
    }
    std::vector<Field> fields{{"restore", task ? "true" : "false", task ? "on" : "off"}};
    if (task) {
        const std::wstring program = ProgramOf(task.Get());
        const std::string shown = Utf8FromWide(program);
        std::string runs = "\"" + shown + "\" resume";
        if (program.empty()) {
            runs = "not known (the Task Scheduler keeps no program for the task)";
        } else if (!FileExists(program)) {
            runs += ", which is not there any more: turn restoring on again (glintctl restore on)";
        } else if (_wcsicmp(program.c_str(), ThisProgram().c_str()) != 0) {
            runs += " (another glintctl.exe than this one)";
        }
        fields.push_back({"task", JsonString(TaskPath()), TaskPath()});
        fields.push_back({"runs", program.empty() ? "null" : JsonString(shown), runs});
        if (!program.empty()) {
            const bool found = FileExists(program);
            fields.push_back({"runs_found", found ? "true" : "false", found ? "yes" : "no"});
        }
    }
    const ModeStore::Loaded kept = ModeStore(keptFolder).Load();
    const std::string keptName =
        kept.mode ? std::string(ModeName(static_cast<int>(*kept.mode))) : std::string();
    fields.push_back({"kept_mode", keptName.empty() ? "null" : JsonString(keptName),
                      !kept.error.empty() ? kept.error : (keptName.empty() ? "none" : keptName)});
    PrintReport(console.out, console.json, fields);
    return kExitDone;
}

int PrintRestoreDefinition(const Console& console) {
    console.out << Utf8FromWide(RestoreTaskDefinition(ThisProgram()));
    return kExitDone;
}

} // namespace glintctl
