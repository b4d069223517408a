#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ec_memory_rig.h"
#include "led/led_mode_controller.h"
#include "recording_timers.h"

namespace {

using Events = std::vector<std::string>;
using Flags = LedModeController::SelectionFlagArray;

class RecordingView final : public ModeButtonView {
public:
    explicit RecordingView(Events& eventLog) : log(eventLog) {}

    void SetButtonIcon(int controlId, const std::string& iconPath) override {
        log.push_back("icon " + std::to_string(controlId) + " " + iconPath);
        icons[controlId] = iconPath;
        if (onIcon) {
            onIcon();
        }
    }

    Events& log;
    std::map<int, std::string> icons;
    std::function<void()> onIcon;
};

struct RecordedModes final : ModeRecord {
    void Record(LedMode mode) override { modes.push_back(mode); }
    std::vector<LedMode> modes;
};

struct ControllerRig {
    EcMemoryRig ec;
    RecordingView view{ec.log};
    RecordingTimers timers;
    std::string skinFolder;
    RecordedModes recorded;
    LedModeController controller{ec.traced, view, timers, skinFolder, &recorded};

    explicit ControllerRig(std::int32_t registerBase = ec::kRecognisedRegisterBase)
        : ec(registerBase) {
        // Set after construction, as the main window fills it in its initialisation.
        skinFolder = "C:\\Glint\\skin_EN";
    }

    Events EcEvents() const {
        Events out;
        for (const auto& e : ec.log) {
            if (e.rfind("icon", 0) != 0) {
                out.push_back(e);
            }
        }
        return out;
    }
};

// The skin folder's file as the rig's window has it.
std::string InSkin(const char* file) {
    return std::string("C:\\Glint\\skin_EN\\") + file;
}

TEST(SelectLedMode, WritesTheModeThenSetsBitZeroOfTheControlByteClearedForOnOnly) {
    const struct {
        LedMode mode;
        std::uint8_t before;
        Events traffic;
    } cases[] = {{LedMode::On, 0xFF, {"W C4FC 01", "R C422", "W C422 FE"}},
                 {LedMode::RainBow, 0x00, {"W C4FC 02", "R C422", "W C422 01"}},
                 {LedMode::Auto, 0xA4, {"W C4FC 00", "R C422", "W C422 A5"}},
                 {LedMode::Breath, 0x81, {"W C4FC 03", "R C422", "W C422 81"}},
                 {LedMode::ColorLoop, 0x5A, {"W C4FC 04", "R C422", "W C422 5B"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.traffic.front());
        ControllerRig rig;
        rig.ec.memory[0xC422] = c.before;
        rig.controller.SelectLedMode(c.mode);

        EXPECT_EQ(rig.EcEvents(), c.traffic);
        Flags expectedFlags{};
        expectedFlags[RowOfMode(c.mode)] = 1;
        EXPECT_EQ(rig.controller.SelectionFlags(), expectedFlags);
        EXPECT_EQ(rig.controller.CurrentMode(), c.mode);
    }
}

TEST(SelectLedMode, ChosenButtonGetsItsSelectedIconAndTheOthersTheirPlainOnes) {
    for (const ModeEntry& chosen : kModes) {
        ControllerRig rig;
        rig.controller.SelectLedMode(chosen.mode);
        std::map<int, std::string> expected;
        for (const skin_files::ButtonIcons& row : skin_files::kModeRowIcons) {
            expected[row.control] = InSkin(row.control == chosen.button ? row.selected : row.plain);
        }
        EXPECT_EQ(rig.view.icons, expected) << chosen.name;
    }
}

TEST(SelectLedMode, TheEcHasTheModeBeforeIconsFlagsAndModeShowIt) {
    ControllerRig rig;
    rig.controller.SelectLedMode(LedMode::Auto);
    rig.ec.log.clear();

    std::vector<Flags> flagsAtIcon;
    rig.view.onIcon = [&] {
        flagsAtIcon.push_back(rig.controller.SelectionFlags());
        EXPECT_EQ(rig.ec.memory[0xC4FC], 4) << "an icon before the EC has the mode";
    };
    std::vector<std::optional<LedMode>> modeAtEcAccess;
    rig.ec.traced.onAccess = [&](const std::string&) {
        modeAtEcAccess.push_back(rig.controller.CurrentMode());
        EXPECT_EQ(rig.controller.SelectionFlags()[RowOfMode(LedMode::Auto)], 1);
    };

    rig.controller.SelectLedMode(LedMode::ColorLoop);

    // The EC traffic first, with the old selection still recorded; then the icons, the chosen
    // flag set before any of them and the old one cleared only after them.
    ASSERT_EQ(rig.ec.log.size(), 3 + kModeRowSize);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NE(rig.ec.log[i].rfind("icon", 0), 0u) << rig.ec.log[i];
    }
    EXPECT_EQ(rig.ec.log[3],
              "icon " + std::to_string(IDC_COLORLOOP) + " " +
                  InSkin(skin_files::kModeRowIcons[RowOfMode(LedMode::ColorLoop)].selected));
    ASSERT_EQ(flagsAtIcon.size(), kModeRowSize);
    for (const Flags& flags : flagsAtIcon) {
        EXPECT_EQ(flags[RowOfMode(LedMode::ColorLoop)], 1);
        EXPECT_EQ(flags[RowOfMode(LedMode::Auto)], 1);
    }
    EXPECT_EQ(rig.controller.SelectionFlags()[RowOfMode(LedMode::Auto)], 0);
    EXPECT_EQ(modeAtEcAccess, std::vector<std::optional<LedMode>>(3, LedMode::Auto));
    EXPECT_EQ(rig.controller.CurrentMode(), LedMode::ColorLoop);
    EXPECT_TRUE(rig.timers.log.empty()) << "no retry for a click that got the bus";
}

TEST(SelectLedMode, RepeatedClickRepeatsIconsAndWrites) {
    ControllerRig rig;
    rig.controller.SelectLedMode(LedMode::RainBow);
    const Events first = rig.ec.log;
    rig.ec.log.clear();
    rig.controller.SelectLedMode(LedMode::RainBow);
    // The control byte now reads back with bit 0 already set, so the same bytes go out again.
    EXPECT_EQ(rig.ec.log, first);
}

TEST(SelectLedMode, WritesAboveTheRegisterBaseOfTheChip) {
    ControllerRig rig(ec::kOtherRegisterBase);
    rig.ec.memory[0x422] = 0x10;
    rig.controller.SelectLedMode(LedMode::Breath);
    EXPECT_EQ(rig.EcEvents(), (Events{"W 04FC 03", "R 0422", "W 0422 11"}));
}

TEST(LedModeResume, ResumeEventsRewriteOnlyTheModeRegister) {
    ControllerRig rig;
    rig.controller.SelectLedMode(LedMode::ColorLoop);
    rig.ec.log.clear();

    for (std::uint32_t event : {6u, 7u, 18u}) {
        rig.controller.OnPowerBroadcast(event);
    }
    EXPECT_EQ(rig.ec.log, (Events{"W C4FC 04", "W C4FC 04", "W C4FC 04"}));

    rig.ec.log.clear();
    for (std::uint32_t event : {4u, 10u, 0u, 5u, 8u, 9u, 0x8013u}) {
        rig.controller.OnPowerBroadcast(event);
    }
    EXPECT_TRUE(rig.ec.log.empty());
}

TEST(LedModeResume, ResumeBeforeAnyClickWritesNothing) {
    ControllerRig rig;
    for (std::uint32_t event : {6u, 7u, 18u}) {
        rig.controller.OnPowerBroadcast(event);
    }
    EXPECT_TRUE(rig.ec.log.empty());
    EXPECT_EQ(rig.controller.SelectionFlags(), Flags{});
}

TEST(LedModeRetry, ClickThatFindsTheBusHeldIsRetriedUntilTheBusIsFree) {
    ControllerRig rig;
    rig.controller.SelectLedMode(LedMode::Auto);
    rig.ec.log.clear();
    rig.ec.memory[0xC422] = 0xF6;
    rig.ec.otherTool.WantBusFromNow();

    rig.controller.SelectLedMode(LedMode::Breath);
    EXPECT_EQ(rig.timers.running,
              (std::map<std::uintptr_t, std::uint32_t>{{kModeRetryTimer, 100}}));
    // While the bus stays held, ticks touch nothing and the old selection stays shown.
    for (int tick = 0; tick < 10; ++tick) {
        rig.controller.OnTimer(kModeRetryTimer);
    }
    EXPECT_TRUE(rig.ec.log.empty());
    EXPECT_EQ(rig.controller.CurrentMode(), LedMode::Auto);
    EXPECT_EQ(rig.view.icons[IDC_AUTO],
              InSkin(skin_files::kModeRowIcons[RowOfMode(LedMode::Auto)].selected));
    // Only a mode the EC has is kept for after a restart.
    EXPECT_EQ(rig.recorded.modes, std::vector<LedMode>{LedMode::Auto});
    // Other timers are not the controller's.
    rig.controller.OnTimer(kPowerPollTimer);
    rig.controller.OnTimer(kEcStartupRetryTimer);
    EXPECT_TRUE(rig.timers.Running(kModeRetryTimer));

    rig.ec.otherTool.LetGo();
    rig.controller.OnTimer(kModeRetryTimer);
    EXPECT_EQ(rig.EcEvents(), (Events{"W C4FC 03", "R C422", "W C422 F7"}));
    EXPECT_EQ(rig.controller.CurrentMode(), LedMode::Breath);
    EXPECT_EQ(rig.recorded.modes, (std::vector<LedMode>{LedMode::Auto, LedMode::Breath}));
    EXPECT_EQ(rig.view.icons[IDC_BREATH],
              InSkin(skin_files::kModeRowIcons[RowOfMode(LedMode::Breath)].selected));
    EXPECT_EQ(rig.view.icons[IDC_AUTO],
              InSkin(skin_files::kModeRowIcons[RowOfMode(LedMode::Auto)].plain));
    EXPECT_FALSE(rig.timers.Running(kModeRetryTimer));
}

TEST(LedModeRetry, ClickIsGivenUpAfterABoundedNumberOfTries) {
    ControllerRig rig;
    rig.ec.otherTool.WantBusFromNow();
    rig.controller.SelectLedMode(LedMode::On);
    int ticks = 0;
    while (rig.timers.Running(kModeRetryTimer) && ticks < 1000) {
        rig.controller.OnTimer(kModeRetryTimer);
        ++ticks;
    }
    EXPECT_EQ(ticks, LedModeController::kRetryAttempts);
    // Each tick waits at most one short wait; the tries last a few seconds in all.
    const int shortest = ticks * static_cast<int>(LedModeController::kRetryPeriodMs);
    EXPECT_GE(shortest, 3000);
    EXPECT_LE(shortest + ticks * static_cast<int>(EcPort::kTransactionWaitMs), 10000);
    EXPECT_TRUE(rig.ec.log.empty());
    EXPECT_FALSE(rig.controller.PendingMode());
    EXPECT_FALSE(rig.controller.CurrentMode());
    EXPECT_EQ(rig.controller.SelectionFlags(), Flags{});
}

TEST(LedModeRetry, ANewerClickReplacesTheOneWaiting) {
    ControllerRig rig;
    rig.ec.otherTool.WantBusFromNow();
    rig.controller.SelectLedMode(LedMode::On);
    rig.controller.OnTimer(kModeRetryTimer);
    rig.controller.SelectLedMode(LedMode::ColorLoop);
    EXPECT_EQ(rig.controller.PendingMode(), LedMode::ColorLoop);

    rig.ec.otherTool.LetGo();
    rig.controller.OnTimer(kModeRetryTimer);
    rig.controller.OnTimer(kModeRetryTimer);
    EXPECT_EQ(rig.EcEvents(), (Events{"W C4FC 04", "R C422", "W C422 01"}));
    EXPECT_EQ(rig.controller.CurrentMode(), LedMode::ColorLoop);
}

TEST(LedModeRetry, ResumeWriteIsRetriedBoundedly) {
    ControllerRig rig;
    rig.controller.SelectLedMode(LedMode::RainBow);
    rig.ec.log.clear();
    rig.ec.otherTool.WantBusFromNow();

    rig.controller.OnPowerBroadcast(LedModeController::kResumeSuspend);
    EXPECT_TRUE(rig.timers.Running(kModeRetryTimer));
    rig.controller.OnTimer(kModeRetryTimer);
    rig.ec.otherTool.LetGo();
    rig.controller.OnTimer(kModeRetryTimer);
    EXPECT_EQ(rig.ec.log, (Events{"W C4FC 02"}));
    EXPECT_FALSE(rig.timers.Running(kModeRetryTimer));

    // Held for good: the tries end, with nothing written.
    rig.ec.log.clear();
    rig.ec.otherTool.WantBusFromNow();
    rig.controller.OnPowerBroadcast(LedModeController::kResumeCritical);
    int ticks = 0;
    while (rig.timers.Running(kModeRetryTimer) && ticks < 1000) {
        rig.controller.OnTimer(kModeRetryTimer);
        ++ticks;
    }
    EXPECT_EQ(ticks, LedModeController::kRetryAttempts);
    EXPECT_TRUE(rig.ec.log.empty());
}

TEST(LedModeRetry, AClickThatGetsThroughMakesAWaitingResumeWriteNeedless) {
    ControllerRig rig;
    rig.controller.SelectLedMode(LedMode::RainBow);
    rig.ec.otherTool.WantBusFromNow();
    rig.controller.OnPowerBroadcast(LedModeController::kResumeAutomatic);
    rig.ec.otherTool.LetGo();
    rig.ec.log.clear();

    rig.controller.SelectLedMode(LedMode::On);
    rig.controller.OnTimer(kModeRetryTimer);
    EXPECT_EQ(rig.EcEvents(), (Events{"W C4FC 01", "R C422", "W C422 00"}));
    EXPECT_FALSE(rig.timers.Running(kModeRetryTimer));
}

} // namespace
