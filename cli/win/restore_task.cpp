#include "cli/win/restore_task.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

namespace glintctl {

namespace {

constexpr wchar_t kSystemAccount[] = L"S-1-5-18";

// Text for an XML element's content or an attribute's value.
std::wstring XmlEscaped(const std::wstring& text) {
    constexpr std::pair<wchar_t, std::wstring_view> kEntities[] = {
        {L'&', L"&amp;"}, {L'<', L"&lt;"}, {L'>', L"&gt;"}, {L'"', L"&quot;"}, {L'\'', L"&apos;"}};
    std::wstring escaped;
    for (const wchar_t c : text) {
        const auto* entity = std::find_if(std::begin(kEntities), std::end(kEntities),
                                          [c](const auto& entry) { return entry.first == c; });
        if (entity != std::end(kEntities)) {
            escaped += entity->second;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// An event trigger on one event of the System log.
std::wstring EventTrigger(const wchar_t* provider, int eventId) {
    const std::wstring query =
        L"<QueryList><Query Id=\"0\" Path=\"System\"><Select Path=\"System\">"
        L"*[System[Provider[@Name='" +
        std::wstring(provider) + L"'] and EventID=" + std::to_wstring(eventId) +
        L"]]</Select></Query></QueryList>";
    return L"    <EventTrigger>\n      <Enabled>true</Enabled>\n      <Subscription>" +
           XmlEscaped(query) + L"</Subscription>\n    </EventTrigger>\n";
}

VARIANT Empty() {
    VARIANT empty;
    ::VariantInit(&empty);
    return empty;
}

// A variant that holds a string it does not own.
VARIANT StringVariant(const OwnedBstr& text) {
    VARIANT variant;
    ::VariantInit(&variant);
    variant.vt = VT_BSTR;
    variant.bstrVal = text.Get();
    return variant;
}

} // namespace

std::wstring RestoreTaskDefinition(const std::wstring& glintctlPath) {
    return L"<?xml version=\"1.0\"?>\n"
           L"<Task version=\"1.2\" "
           L"xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\n"
           L"  <RegistrationInfo>\n"
           L"    <Author>Glint Controls</Author>\n"
           L"    <Description>Writes the keyboard lighting kept by glintctl into the embedded "
           L"controller again at start-up and after sleep.</Description>\n"
           L"    <URI>" +
           XmlEscaped(std::wstring(kRestoreTaskFolder) + L"\\" + kRestoreTaskName) +
           L"</URI>\n"
           L"  </RegistrationInfo>\n"
           L"  <Triggers>\n"
           L"    <BootTrigger>\n      <Enabled>true</Enabled>\n    </BootTrigger>\n" +
           EventTrigger(L"Microsoft-Windows-Power-Troubleshooter", 1) +
           EventTrigger(L"Microsoft-Windows-Kernel-Power", 507) +
           L"  </Triggers>\n"
           L"  <Principals>\n"
           L"    <Principal id=\"System\">\n"
           L"      <UserId>" +
           std::wstring(kSystemAccount) +
           L"</UserId>\n"
           L"      <RunLevel>HighestAvailable</RunLevel>\n"
           L"    </Principal>\n"
           L"  </Principals>\n"
           L"  <Settings>\n"
           L"    <MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>\n"
           L"    <DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>\n"
           L"    <StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>\n"
           L"    <StartWhenAvailable>true</StartWhenAvailable>\n"
           L"    <ExecutionTimeLimit>PT1M</ExecutionTimeLimit>\n"
           L"    <Enabled>true</Enabled>\n"
           L"  </Settings>\n"
           L"  <Actions Context=\"System\">\n"
           L"    <Exec>\n"
           L"      <Command>\"" +
           XmlEscaped(glintctlPath) +
           L"\"</Command>\n"
           L"      <Arguments>resume</Arguments>\n"
           L"    </Exec>\n"
           L"  </Actions>\n"
           L"</Task>\n";
}

TaskScheduler::TaskScheduler() {
    if (!com.Ready()) {
        connected = CO_E_NOTINITIALIZED;
        return;
    }
    connected = ::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_ITaskService, service.OutVoid());
    if (SUCCEEDED(connected)) {
        connected = service->Connect(Empty(), Empty(), Empty(), Empty());
    }
}

HRESULT TaskScheduler::TaskFolder(bool create, ComRef<ITaskFolder>& folder) {
    const OwnedBstr path(kRestoreTaskFolder);
    HRESULT result = service->GetFolder(path.Get(), folder.Out());
    if (SUCCEEDED(result) || !create) {
        return result;
    }
    ComRef<ITaskFolder> root;
    const OwnedBstr rootPath(L"\\");
    result = service->GetFolder(rootPath.Get(), root.Out());
    if (SUCCEEDED(result)) {
        result = root->CreateFolder(path.Get(), Empty(), folder.Out());
    }
    return result;
}

HRESULT TaskScheduler::RegisterRestoreTask(const std::wstring& definition) {
    if (FAILED(connected)) {
        return connected;
    }
    ComRef<ITaskFolder> folder;
    HRESULT result = TaskFolder(true, folder);
    if (FAILED(result)) {
        return result;
    }
    const OwnedBstr name(kRestoreTaskName);
    const OwnedBstr xml(definition);
    const OwnedBstr account(kSystemAccount);
    ComRef<IRegisteredTask> task;
    return folder->RegisterTask(name.Get(), xml.Get(), TASK_CREATE_OR_UPDATE,
                                StringVariant(account), Empty(), TASK_LOGON_SERVICE_ACCOUNT,
                                Empty(), task.Out());
}

HRESULT TaskScheduler::ExistingTaskFolder(ComRef<ITaskFolder>& folder) {
    if (FAILED(connected)) {
        return connected;
    }
    return SUCCEEDED(TaskFolder(false, folder)) ? S_OK : S_FALSE;
}

HRESULT TaskScheduler::RemoveRestoreTask() {
    ComRef<ITaskFolder> folder;
    if (const HRESULT found = ExistingTaskFolder(folder); found != S_OK) {
        return FAILED(found) ? found : S_OK;
    }
    const OwnedBstr name(kRestoreTaskName);
    HRESULT result = folder->DeleteTask(name.Get(), 0);
    if (result == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)) {
        result = S_OK;
    }
    ComRef<ITaskFolder> root;
    const OwnedBstr rootPath(L"\\");
    const OwnedBstr folderPath(kRestoreTaskFolder);
    if (SUCCEEDED(result) && SUCCEEDED(service->GetFolder(rootPath.Get(), root.Out()))) {
        // Only an empty folder goes; another task put there stays, and so does the folder.
        root->DeleteFolder(folderPath.Get(), 0);
    }
    return result;
}

HRESULT TaskScheduler::FindRestoreTask(ComRef<IRegisteredTask>& task) {
    task.Reset();
    ComRef<ITaskFolder> folder;
    if (const HRESULT found = ExistingTaskFolder(folder); found != S_OK) {
        return FAILED(found) ? found : S_OK;
    }
    const OwnedBstr name(kRestoreTaskName);
    const HRESULT result = folder->GetTask(name.Get(), task.Out());
    return result == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) ? S_OK : result;
}

std::wstring ProgramOf(IRegisteredTask* task) {
    ComRef<ITaskDefinition> definition;
    ComRef<IActionCollection> actions;
    LONG count = 0;
    ComRef<IAction> action;
    ComRef<IExecAction> exec;
    OwnedBstr path;
    if (FAILED(task->get_Definition(definition.Out())) ||
        FAILED(definition->get_Actions(actions.Out())) || FAILED(actions->get_Count(&count)) ||
        count < 1 || FAILED(actions->get_Item(1, action.Out())) ||
        FAILED(action->QueryInterface(IID_IExecAction, exec.OutVoid())) ||
        FAILED(exec->get_Path(path.Out()))) {
        return {};
    }
    std::wstring program = path.Text();
    if (program.size() >= 2 && program.front() == L'"' && program.back() == L'"') {
        program = program.substr(1, program.size() - 2);
    }
    return program;
}

} // namespace glintctl
