#include "unix_process.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        content.append(buffer, got);
    }
    CloseHandle(file);
    return content;
}

std::vector<std::string> NumericEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = found.cFileName;
        if (!name.empty() && std::all_of(name.begin(), name.end(),
                                         [](unsigned char c) { return std::isdigit(c) != 0; })) {
            names.push_back(name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ProcFolder(const std::string& pid) {
    return "Z:\\proc\\" + pid;
}

} // namespace

std::optional<int> FindUnixProcess(const std::string& exe) {
    const std::string wanted = Lower(exe);
    std::optional<int> match;
    for (const auto& pid : NumericEntries("Z:\\proc")) {
        std::string commandLine = Lower(ReadWholeFile(ProcFolder(pid) + "\\cmdline"));
        if (!commandLine.empty() && commandLine.front() == '"') {
            commandLine.erase(0, 1);
        }
        if (commandLine.rfind(wanted, 0) == 0) {
            if (match) {
                return std::nullopt;
            }
            match = std::atoi(pid.c_str());
        }
    }
    return match;
}

std::optional<int> FindWineserver(const std::string& prefix) {
    const std::string marker = "WINEPREFIX=" + prefix;
    for (const auto& pid : NumericEntries("Z:\\proc")) {
        const std::string folder = ProcFolder(pid);
        if (ReadWholeFile(folder + "\\comm").rfind("wineserver", 0) != 0) {
            continue;
        }
        const std::string environment = ReadWholeFile(folder + "\\environ");
        std::size_t start = 0;
        while (start < environment.size()) {
            const std::size_t end = environment.find('\0', start);
            const std::string entry = environment.substr(start, end - start);
            if (entry == marker) {
                return std::atoi(pid.c_str());
            }
            if (end == std::string::npos) {
                break;
            }
            start = end + 1;
        }
    }
    return std::nullopt;
}

std::optional<UnixCpuUse> UnixCpu(int pid) {
    const std::string tasks = ProcFolder(std::to_string(pid)) + "\\task";
    UnixCpuUse use;
    bool any = false;
    for (const auto& task : NumericEntries(tasks)) {
        // schedstat: nanoseconds on a CPU, nanoseconds waiting for one, timeslices
        const std::string schedstat = ReadWholeFile(tasks + "\\" + task + "\\schedstat");
        char* end = nullptr;
        const double onCpuNs = std::strtod(schedstat.c_str(), &end);
        std::strtod(end, &end);
        const double timeslices = std::strtod(end, nullptr);
        if (schedstat.empty()) {
            continue;
        }
        use.ms += onCpuNs / 1e6;
        use.timeslices += timeslices;
        any = true;
    }
    return any ? std::optional(use) : std::nullopt;
}

std::uint64_t UnixPrivateBytes(int pid) {
    const std::string status = ReadWholeFile(ProcFolder(std::to_string(pid)) + "\\status");
    std::uint64_t kib = 0;
    for (const char* field : {"RssAnon:", "VmSwap:"}) {
        const auto at = status.find(field);
        if (at != std::string::npos) {
            kib += std::strtoull(status.c_str() + at + std::strlen(field), nullptr, 10);
        }
    }
    return kib * 1024;
}

std::optional<double> CurrentThreadCpuMs() {
    const std::string schedstat = ReadWholeFile("Z:\\proc\\thread-self\\schedstat");
    if (schedstat.empty()) {
        return std::nullopt;
    }
    return std::strtod(schedstat.c_str(), nullptr) / 1e6;
}
