// glintctl watch as a process of its own: one line per level change, ended by a signal.
#include <gtest/gtest.h>

#include <signal.h>

#include <string>

#include "flat_json.h"
#include "glintctl_process.h"
#include "sim_rig.h"

namespace {

constexpr std::uint16_t kLevelRegister = 0xC400 + 0xFD;

std::string LevelOf(const std::string& line) {
    const auto fields = ParseFlatJson(line);
    return fields && fields->count("level") != 0 ? fields->at("level") : "no level in: " + line;
}

TEST(GlintctlWatch, PrintsOneLinePerLevelChangeAndEndsCleanlyOnSigintSigtermAndSighup) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SimRig rig;
        rig.state.Poke(kLevelRegister, 1);
        GlintctlProcess watch({"watch", "--json", "--sim", rig.statePath.path.string()});
        ASSERT_TRUE(watch.Started());
        EXPECT_EQ(LevelOf(watch.NextLine()), "1");
        // Not a level: no line for it.
        rig.state.Poke(kLevelRegister, 7);
        rig.state.Poke(kLevelRegister, 3);
        EXPECT_EQ(LevelOf(watch.NextLine()), "3");
        rig.state.Poke(kLevelRegister, 2);
        EXPECT_EQ(LevelOf(watch.NextLine()), "2");
        EXPECT_EQ(watch.StopWith(signal), 0) << "signal " << signal;
    }
}

} // namespace
