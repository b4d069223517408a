// Every EC transaction of the program against a bus that another tool wants before each of its
// byte accesses in turn: afterwards the EC bytes are untouched or exactly right, never a mix, and
// nothing is derived from a read that did not happen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ec/ec_registers.h"
#include "ec_memory_rig.h"
#include "led/led_mode_controller.h"
#include "led/power_level_monitor.h"
#include "recording_power_host.h"
#include "recording_timers.h"

namespace {

using Events = std::vector<std::string>;

class NoIcons final : public ModeButtonView {
public:
    void SetButtonIcon(int, const std::string& iconPath) override { icons.push_back(iconPath); }
    std::vector<std::string> icons;
};

// The identification reads two bytes and writes one; the other tool may want the bus before
// any of them, or only after. Before them all, it keeps the bus through the start-up wait: the
// chip is identified without it, and the start-up byte waits for a transaction that has it.
TEST(BusContention, StartUpNeverTakesTheBaseFromASkippedRead) {
    for (int point = 0; point <= 3; ++point) {
        SCOPED_TRACE("other tool wants the bus before access " + std::to_string(point));
        for (const auto& [id2, base, startupByte] :
             {std::tuple{0x70, 0xC400, 0x80}, std::tuple{0x72, 0x400, 0x00}}) {
            EcRig rig(0x55, static_cast<std::uint8_t>(id2), point);
            EXPECT_TRUE(rig.port->ready);
            EXPECT_EQ(rig.port->registerBase, base);
            EXPECT_EQ(rig.port->StartupPending(), point == 0);
            // One hold for the whole identification, with the long start-up wait.
            ASSERT_EQ(rig.otherTool.waits.size(), 1u);
            EXPECT_EQ(rig.otherTool.waits[0], EcPort::kStartupWaitMs);

            rig.otherTool.LetGo();
            EXPECT_TRUE(rig.port->FinishStartup());
            EXPECT_EQ(rig.memory[0x1060], startupByte);
        }
    }
}

struct ClickRig {
    EcMemoryRig ec;
    NoIcons view;
    RecordingTimers timers;
    std::string skinFolder = "C:\\Glint\\skin_EN";
    LedModeController controller{ec.traced, view, timers, skinFolder};
};

// A click is a mode write, a control read and a control write.
TEST(BusContention, ClickWritesBothBytesRightOrNeither) {
    for (const LedMode mode : {LedMode::Breath, LedMode::On}) {
        for (int point = 0; point <= 3; ++point) {
            SCOPED_TRACE("mode " + std::to_string(static_cast<int>(mode)) + ", point " +
                         std::to_string(point));
            ClickRig rig;
            rig.ec.memory[0xC4FC] = 0xEE;
            rig.ec.memory[0xC422] = 0xF6;
            rig.ec.otherTool.wantsBusBefore = rig.ec.otherTool.accessesDone + point;

            rig.controller.SelectLedMode(mode);

            const std::uint8_t control = mode == LedMode::On ? 0xF6 : 0xF7;
            const bool untouched = rig.ec.memory[0xC4FC] == 0xEE && rig.ec.memory[0xC422] == 0xF6;
            const bool right =
                rig.ec.memory[0xC4FC] == static_cast<int>(mode) && rig.ec.memory[0xC422] == control;
            EXPECT_TRUE(untouched || right) << "mode " << int(rig.ec.memory[0xC4FC]) << ", control "
                                            << int(rig.ec.memory[0xC422]);
            // Only a bus taken before the transaction keeps it out; one taken later waits for it.
            EXPECT_EQ(untouched, point == 0);
            EXPECT_EQ(rig.ec.log.empty(), untouched) << "no access at all, or all three";
            // The buttons show only what the EC received.
            EXPECT_EQ(rig.view.icons.empty(), untouched);
            EXPECT_EQ(rig.controller.CurrentMode().has_value(), !untouched);
            EXPECT_EQ(rig.controller.PendingMode().has_value(), untouched);
        }
    }
}

TEST(BusContention, ResumeWritesTheModeOrNothing) {
    for (int point = 0; point <= 1; ++point) {
        SCOPED_TRACE(point);
        ClickRig rig;
        rig.controller.SelectLedMode(LedMode::RainBow);
        rig.ec.memory[0xC4FC] = 0x00; // the firmware's default after a wake-up
        rig.ec.log.clear();
        rig.ec.otherTool.wantsBusBefore = rig.ec.otherTool.accessesDone + point;

        rig.controller.OnPowerBroadcast(LedModeController::kResumeAutomatic);

        EXPECT_EQ(rig.ec.memory[0xC4FC], point == 0 ? 0x00 : 0x02);
        EXPECT_EQ(rig.ec.log, point == 0 ? Events{} : Events{"W C4FC 02"});
    }
}

TEST(BusContention, PollReadsTheLevelOrSkipsWholly) {
    for (int point = 0; point <= 1; ++point) {
        SCOPED_TRACE(point);
        EcMemoryRig ec;
        Events log;
        RecordingHost host{log};
        std::string skinFolder = "C:\\Glint\\skin_EN";
        PowerLevelMonitor monitor{ec.traced, host, skinFolder};
        ec.memory[0xC4FD] = 2;
        ec.otherTool.wantsBusBefore = ec.otherTool.accessesDone + point;

        monitor.OnTimer(kPowerPollTimer);

        const bool skipped = point == 0;
        EXPECT_EQ(ec.log, skipped ? Events{} : Events{"R C4FD"});
        EXPECT_EQ(monitor.LastReading(), skipped ? 0 : 2);
        EXPECT_EQ(monitor.ShownLevel(), skipped ? 0 : 2);
        EXPECT_EQ(host.Popup() != nullptr, !skipped);
    }
}

} // namespace
