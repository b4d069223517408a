#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ec_memory_rig.h"
#include "led/power_level_monitor.h"
#include "recording_power_host.h"

namespace {

using Events = std::vector<std::string>;

struct MonitorRig {
    EcMemoryRig ec;
    Events log;
    RecordingHost host{log};
    std::string skinFolder = "C:\\Glint\\skin_CN";
    PowerLevelMonitor monitor{ec.traced, host, skinFolder};

    // One poll with the power-level register holding the reading.
    void Poll(std::uint8_t reading) {
        ec.memory[0xC4FD] = reading;
        monitor.OnTimer(kPowerPollTimer);
    }
};

const Events kFirstShowOfLevel2{"create C:\\Glint\\skin_CN", "level 2", "placement 0", "show",
                                "start 2 3000"};

TEST(PowerPoll, ReadsThePowerLevelRegisterAndNeverWrites) {
    MonitorRig rig;
    rig.Poll(0);
    rig.Poll(2);
    EXPECT_EQ(rig.ec.log, (Events{"R C4FD", "R C4FD"}));
}

TEST(PowerPoll, SameLevelTwiceMoreShowsThePopupOnce) {
    MonitorRig rig;
    rig.Poll(2);
    rig.Poll(2);
    rig.Poll(2);
    EXPECT_EQ(rig.log, kFirstShowOfLevel2);
    EXPECT_EQ(rig.monitor.ShownLevel(), 2);
}

TEST(PowerPoll, InvalidReadingBetweenEqualLevelsIsIgnored) {
    MonitorRig rig;
    rig.Poll(1);
    rig.log.clear();
    rig.Poll(0);
    EXPECT_EQ(rig.monitor.LastReading(), 0);
    rig.Poll(1);
    EXPECT_TRUE(rig.log.empty());
    EXPECT_EQ(rig.monitor.ShownLevel(), 1);
    EXPECT_EQ(rig.monitor.LastReading(), 1);
}

TEST(PowerPoll, OutOfRangeReadingsOnlyUpdateLastReading) {
    MonitorRig rig;
    rig.Poll(3);
    rig.log.clear();
    for (std::uint8_t reading : {4, 255}) {
        rig.Poll(reading);
        EXPECT_EQ(rig.monitor.LastReading(), reading);
        EXPECT_EQ(rig.monitor.ShownLevel(), 3);
    }
    EXPECT_TRUE(rig.log.empty());
}

TEST(PowerPoll, EachAcceptedChangeUpdatesTheSamePopupAndRestartsTheHideTimer) {
    MonitorRig rig;
    rig.Poll(2);
    rig.log.clear();

    rig.Poll(1);
    rig.Poll(2);
    EXPECT_EQ(rig.log, (Events{"level 1", "placement 0", "show", "start 2 3000", "level 2",
                               "placement 0", "show", "start 2 3000"}));

    rig.log.clear();
    rig.monitor.OnTimer(kPopupHideTimer);
    EXPECT_EQ(rig.log, (Events{"stop 2", "hide"}));
}

TEST(PowerPoll, ChangeWhileHiddenToTrayPlacesThePopupForTheTray) {
    MonitorRig rig;
    rig.host.hiddenToTray = 1;
    rig.Poll(3);
    EXPECT_EQ(rig.log, (Events{"create C:\\Glint\\skin_CN", "level 3", "placement 1", "show",
                               "start 2 3000"}));
}

TEST(PowerPoll, AChangeWhileThePopupIsBeingMadeMakesNoSecondPopup) {
    MonitorRig rig;
    rig.host.duringCreation = [&] {
        rig.Poll(3);
        rig.monitor.OnTestLevel();
        rig.monitor.OnTimer(kPopupHideTimer);
    };
    rig.Poll(2);

    // Made once, then shown with the level polled last.
    EXPECT_EQ(rig.log, (Events{"create C:\\Glint\\skin_CN", "start 2 3000", "stop 2", "level 3",
                               "placement 0", "show", "start 2 3000"}));
    EXPECT_EQ(rig.monitor.ShownLevel(), 3);
}

TEST(PowerPoll, OtherTimersAreLeftAlone) {
    MonitorRig rig;
    rig.ec.memory[0xC4FD] = 2;
    rig.monitor.OnTimer(kModeRetryTimer);
    rig.monitor.OnTimer(0);
    EXPECT_TRUE(rig.log.empty());
    EXPECT_TRUE(rig.ec.log.empty());
}

TEST(PowerTestButton, BeforeAnyPopupCreatesItWithShownLevelAndStartsNoTimer) {
    MonitorRig rig;
    rig.monitor.OnTestLevel();
    EXPECT_EQ(rig.log, (Events{"create C:\\Glint\\skin_CN", "level 0", "placement 0", "show"}));

    rig.log.clear();
    rig.monitor.OnTestLevel();
    EXPECT_EQ(rig.log, (Events{"level 1", "show"}));
}

TEST(PowerTestButton, CyclesThePopupLevelAndLeavesShownLevelAlone) {
    MonitorRig rig;
    rig.Poll(3);
    rig.log.clear();

    std::vector<std::int32_t> levels;
    for (int click = 0; click < 4; ++click) {
        rig.monitor.OnTestLevel();
        levels.push_back(rig.host.Popup()->Level());
    }
    EXPECT_EQ(levels, (std::vector<std::int32_t>{1, 2, 3, 1}));
    EXPECT_EQ(rig.monitor.ShownLevel(), 3);
    for (const auto& e : rig.log) {
        EXPECT_TRUE(e == "show" || e.rfind("level", 0) == 0) << e;
    }

    // The next poll compares with the polled level, not the one the button set.
    rig.log.clear();
    rig.Poll(3);
    EXPECT_TRUE(rig.log.empty());
    rig.Poll(1);
    EXPECT_EQ(rig.log, (Events{"level 1", "placement 0", "show", "start 2 3000"}));
}

} // namespace
