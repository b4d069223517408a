#include "bus_holder.h"

#include "paths.h"
#include "tools/ecsim/state/unix_path.h"
#include "wait.h"

namespace e2e {

namespace {

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring HolderArguments(const std::string& ready, const std::string& release,
                             BusHolder::Ending ending, const std::filesystem::path& trafficState) {
    std::wstring arguments = L"hold-bus " + Wide(ready) + L" " + Wide(release);
    if (ending == BusHolder::Ending::Abandon) {
        arguments += L" abandon";
    } else if (!trafficState.empty()) {
        arguments += L" \"" + trafficState.wstring() + L"\"";
    }
    return arguments;
}

} // namespace

std::string BusHolder::UniqueName(const char* what) {
    return std::string("glint_e2e_bus_") + what + "_" + std::to_string(::GetCurrentProcessId()) +
           "_" + std::to_string(::GetTickCount64());
}

BusHolder::BusHolder(Ending ending, const std::filesystem::path& trafficState)
    : ready(UniqueName("ready")), release(UniqueName("release")),
      holder(ecsim::WindowsPathFromUnix(GLINT_E2E_BUS_HOLDER),
             HolderArguments(ready.Name(), release.Name(), ending, trafficState)) {}

bool BusHolder::Holding() {
    return holder.Started() && ready.WaitSignalled(static_cast<DWORD>(kStartTimeout.count()));
}

std::optional<DWORD> BusHolder::LetGo() {
    release.Signal();
    return holder.WaitForExit();
}

} // namespace e2e
