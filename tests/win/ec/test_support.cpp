#include "test_support.h"

#include <fstream>
#include <iterator>
#include <vector>

ecsim::StateFile UseNewState(const std::filesystem::path& path) {
    SetEnvironmentVariableW(L"ECSIM_STATE", path.c_str());
    return *ecsim::OpenOrCreateState(path);
}

std::optional<DWORD> RunProgram(const std::filesystem::path& program, const std::wstring& args,
                                const std::filesystem::path& workingFolder,
                                const std::filesystem::path& pathPrefix) {
    std::vector<wchar_t> savedPath(32768);
    const DWORD savedLength =
        GetEnvironmentVariableW(L"PATH", savedPath.data(), static_cast<DWORD>(savedPath.size()));
    if (!pathPrefix.empty()) {
        const std::wstring newPath = pathPrefix.wstring() + L";" + savedPath.data();
        SetEnvironmentVariableW(L"PATH", newPath.c_str());
    }
    ChildProcess child(program, args, workingFolder);
    if (!pathPrefix.empty()) {
        SetEnvironmentVariableW(L"PATH", savedLength != 0 ? savedPath.data() : nullptr);
    }
    return child.WaitForExit();
}

std::optional<DWORD> RunProgramCapturing(const std::filesystem::path& program,
                                         const std::wstring& args,
                                         const std::filesystem::path& workingFolder,
                                         std::string& output) {
    const ScratchFolder scratch("glint_output");
    const std::filesystem::path outputFile = scratch / "output.txt";
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE file = CreateFileW(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<DWORD> exitCode;
    {
        wintest::ProcessStart start(program, args, workingFolder);
        start.output = file;
        ChildProcess child(start);
        ::CloseHandle(file);
        exitCode = child.WaitForExit();
    }
    std::ifstream in(outputFile, std::ios::binary);
    output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return exitCode;
}

NamedEvent::NamedEvent(const std::string& eventName)
    : name(eventName + "_" + std::to_string(GetCurrentProcessId())),
      event(CreateEventA(nullptr, TRUE, FALSE, name.c_str())) {}

bool NamedEvent::WaitSignalled(DWORD timeoutMs) const {
    return WaitForSingleObject(event.Get(), timeoutMs) == WAIT_OBJECT_0;
}

void NamedEvent::Signal() const {
    SetEvent(event.Get());
}
