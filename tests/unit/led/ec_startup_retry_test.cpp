#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_ec.h"
#include "led/ec_startup_retry.h"
#include "recording_timers.h"

namespace {

// The window's two ports, constructed while another tool kept the bus.
struct RetryRig {
    EcRig first{0x55, 0x70, 0};
    EcRig second{0x55, 0x70, 0};
    RecordingTimers timers;
    EcStartupRetry retry{{first.port.get(), second.port.get()}, timers};
};

TEST(EcStartupRetry, FinishesOnePortPerTickOnceTheBusIsFreeAndGivesUpAfterItsAttempts) {
    RetryRig rig;
    rig.retry.Start();
    rig.retry.OnTimer(kEcStartupRetryTimer);
    EXPECT_EQ(rig.first.otherTool.waits.back(), EcPort::kTransactionWaitMs);
    EXPECT_EQ(rig.second.otherTool.waits.size(), 1u) << "one short wait per tick";

    rig.first.otherTool.LetGo();
    rig.second.otherTool.LetGo();
    const std::vector<std::string> startup{"R 2000", "R 2001", "W 1060 80"};
    rig.retry.OnTimer(kEcStartupRetryTimer);
    EXPECT_EQ(rig.first.log, startup);
    EXPECT_TRUE(rig.second.log.empty());
    rig.retry.OnTimer(kEcStartupRetryTimer);
    EXPECT_EQ(rig.second.log, startup);
    EXPECT_FALSE(rig.timers.Running(kEcStartupRetryTimer));

    RetryRig busy;
    busy.retry.Start();
    for (int tick = 0; tick < EcStartupRetry::kRetryAttempts; ++tick) {
        busy.retry.OnTimer(kEcStartupRetryTimer);
    }
    EXPECT_FALSE(busy.timers.Running(kEcStartupRetryTimer))
        << "no endless short waits for a bus kept busy";
}

} // namespace
