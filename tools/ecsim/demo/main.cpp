// Console stand-in for the main window: binds io.dll as the program does, selects every
// lighting effect through the LED mode controller, shows which icon each button would get and
// reads back what reached the EC. Ends with exit code 1 and a line saying why when io.dll is
// unusable.
#include <cstdio>
#include <map>
#include <string>

#include "ec/ec_port.h"
#include "ec/ec_registers.h"
#include "led/led_mode_controller.h"

namespace {

class ConsoleButtons final : public ModeButtonView {
public:
    void SetButtonIcon(int controlId, const std::string& iconPath) override {
        icons[controlId] = iconPath.substr(iconPath.find_last_of('\\') + 1);
    }

    void Print() const {
        std::printf("  icons:");
        for (const auto& [button, icon] : icons) {
            std::printf(" %s", icon.c_str());
        }
        std::printf("\n");
    }

private:
    std::map<int, std::string> icons;
};

// No window, so no timer: a click that finds the bus held is simply not retried here.
class NoTimers final : public TimerHost {
public:
    void StartTimer(std::uintptr_t, std::uint32_t) override {}
    void StopTimer(std::uintptr_t) override {}
};

} // namespace

int main() {
    EcPort ec;
    if (!ec.ready) {
        std::printf("io.dll is missing, incomplete or its driver is closed\n");
        return 1;
    }
    std::printf("io.dll bound, driver open; register base 0x%04X\n",
                static_cast<unsigned>(ec.registerBase));

    const std::string skinFolder = "skin_EN";
    ConsoleButtons buttons;
    NoTimers timers;
    LedModeController controller(ec, buttons, timers, skinFolder);
    const auto address = [&](std::int32_t offset) {
        return static_cast<std::uint16_t>(ec.registerBase + offset);
    };

    for (const ModeEntry& entry : kModes) {
        controller.SelectLedMode(entry.mode);
        std::printf("select %.*s\n", static_cast<int>(entry.name.size()), entry.name.data());
        buttons.Print();
        std::printf("  EC: mode register %d, control byte 0x%02X\n",
                    ec.ReadByte(address(ec::kModeRegisterOffset)),
                    ec.ReadByte(address(ec::kControlByteOffset)));
    }
    controller.OnPowerBroadcast(LedModeController::kResumeAutomatic);
    std::printf("resume: mode register rewritten with %d\n",
                ec.ReadByte(address(ec::kModeRegisterOffset)));
    std::printf("power level %d\n", ec.ReadByte(address(ec::kPowerLevelOffset)));
    return 0;
}
