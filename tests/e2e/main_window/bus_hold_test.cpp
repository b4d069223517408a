// Another tool holds the ISA bus mutex for a few seconds while the user clicks a mode and the
// power level changes: the window keeps answering, nothing reaches the EC while the bus is held,
// and once it is free the click's mode and control byte arrive whole; over io.dll and over PawnIO
// alike. Another tool that holds it, with traffic of its own, through the whole start: the chip's
// identification made without the bus is confirmed before the first write.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <utility>
#include <vector>

#include "bus_holder.h"
#include "glint_test.h"
#include "host_exit_codes.h"
#include "input.h"
#include "led/mode_row.h"
#include "pawnio_program.h"
#include "res/resource.h"
#include "skin_checks.h"
#include "window_find.h"

namespace {

using namespace e2e;
using Clock = std::chrono::steady_clock;

// How long the other tool keeps the bus after the click: several polls and click retries long,
// well within the few seconds that a click is retried for.
constexpr auto kHold = 2s;
// A window that answers within this is not blocked by waits for the bus.
constexpr auto kAnswerBound = 1000ms;

std::vector<ecsim::EcAccess> AccessesOfSince(EcSim& ec, DWORD pid, std::uint64_t sinceNs) {
    std::vector<ecsim::EcAccess> found;
    for (const ecsim::EcAccess& access : ec.Accesses()) {
        if (access.pid == pid && access.timeNs >= sinceNs) {
            found.push_back(access);
        }
    }
    return found;
}

// How the other tool lets go of the bus, and the way to the ports the program uses.
struct Holding {
    BusHolder::Ending ending;
    bool overPawnIo;
    const char* name;
};

class BusHeld : public GlintTest, public testing::WithParamInterface<Holding> {};

TEST_P(BusHeld, ClickAndLevelChangeWaitForTheBusWithoutBlockingTheWindow) {
    std::unique_ptr<PawnIoProgram> pawnIo;
    if (GetParam().overPawnIo) {
        pawnIo = std::make_unique<PawnIoProgram>();
        ASSERT_TRUE(pawnIo->Ready());
    }
    ASSERT_NO_FATAL_FAILURE(StartGlint(pawnIo ? pawnIo->Options() : LaunchOptions{}));
    EcSim& ec = glint->Ec();
    ASSERT_TRUE(ec.Poke(0xC4FC, 0xEE));
    ASSERT_TRUE(ec.SetControlByte(0xF6));

    BusHolder holder(GetParam().ending);
    ASSERT_TRUE(holder.Holding());
    const std::uint64_t heldFrom = ecsim::NowNs();
    Click(ControlCenter(mainWindow, IDC_BREATH));
    ASSERT_TRUE(ec.SetPowerLevel(2));

    auto slowestAnswer = Clock::duration::zero();
    int answers = 0;
    for (const auto end = Clock::now() + kHold; Clock::now() < end;) {
        const auto asked = Clock::now();
        DWORD_PTR result = 0;
        const bool answered =
            ::SendMessageTimeoutW(mainWindow, WM_NULL, 0, 0, SMTO_NORMAL,
                                  static_cast<UINT>(kAnswerBound.count()), &result) != 0;
        EXPECT_TRUE(answered) << "the window did not answer within " << kAnswerBound.count()
                              << " ms";
        slowestAnswer = std::max(slowestAnswer, Clock::now() - asked);
        ++answers;
        WaitUntil([] { return false; }, 20ms);
    }
    EXPECT_GT(answers, 5);
    EXPECT_LT(slowestAnswer, kAnswerBound);
    EXPECT_TRUE(AccessesOfSince(ec, glint->Pid(), heldFrom).empty())
        << "the program reached the EC while another tool held the bus";
    EXPECT_EQ(ec.ModeRegister(), 0xEE);
    EXPECT_EQ(ec.ControlByte(), 0xF6);
    // The buttons show what the EC has received: nothing yet.
    MoveMouseAway();
    const skin_files::ButtonIcons& breath = skin_files::kModeRowIcons[RowOfButton(IDC_BREATH)];
    EXPECT_GT(ButtonMatchesIcon(mainWindow, IDC_BREATH, BuiltSkinFile("skin_EN", breath.plain)),
              0.97);

    const std::uint64_t freedAt = ecsim::NowNs();
    const int ending =
        GetParam().ending == BusHolder::Ending::Release ? kBusReleased : kBusAbandoned;
    EXPECT_EQ(holder.LetGo(), static_cast<DWORD>(ending));

    EXPECT_TRUE(WaitUntil([&] { return ec.ModeRegister() == 3 && ec.ControlByte() == 0xF7; }))
        << "mode " << int(ec.ModeRegister().value_or(0)) << ", control "
        << int(ec.ControlByte().value_or(0));
    std::vector<std::uint16_t> written;
    for (const ecsim::EcAccess& write : ec.WritesSince(freedAt)) {
        written.push_back(write.address);
    }
    EXPECT_EQ(written, (std::vector<std::uint16_t>{0xC4FC, 0xC422}));
    double match = 0;
    EXPECT_TRUE(WaitUntil([&] {
        match =
            ButtonMatchesIcon(mainWindow, IDC_BREATH, BuiltSkinFile("skin_EN", breath.selected));
        return match > 0.97;
    })) << "Breath selected: "
        << match;
    // The poll goes on too, and the level change is shown.
    EXPECT_TRUE(WaitUntil([&] { return LevelPollsSince(*glint, freedAt, 2) > 0; }));
    EXPECT_TRUE(WaitUntil([&] {
        const HWND popup = FindPopup(*glint);
        return popup != nullptr && ::IsWindowVisible(popup);
    }));
}

class BusHeldAtStart : public GlintTest {};

TEST_F(BusHeldAtStart, IdentificationAmidTheOtherToolsTrafficIsConfirmedBeforeAnyWrite) {
    std::unique_ptr<BusHolder> holder;
    LaunchOptions options;
    options.prepareEc = [&holder](EcSim& ec) {
        ASSERT_TRUE(ec.SetControlByte(0xF6));
        holder = std::make_unique<BusHolder>(BusHolder::Ending::Release, ec.Path());
        EXPECT_TRUE(holder->Holding());
    };
    // The window comes once both EC ports have waited out the bus and identified the chip
    // without it, amid the other tool's port traffic.
    ASSERT_NO_FATAL_FAILURE(StartGlint(options));
    EcSim& ec = glint->Ec();
    const std::uint64_t freedAt = ecsim::NowNs();
    const std::optional<DWORD> ending = holder->LetGo();
    ASSERT_TRUE(ending == DWORD{kBusReleased} || ending == DWORD{kBusReleasedAfterInterleaving});
    std::cout << "[ info     ] the program's identification "
              << (ending == DWORD{kBusReleasedAfterInterleaving} ? "did" : "did not")
              << " come between the other tool's accesses\n";

    const auto writes = [&] {
        std::vector<std::pair<std::uint16_t, std::uint8_t>> found;
        for (const ecsim::EcAccess& write : ec.WritesSince(freedAt)) {
            found.emplace_back(write.address, write.value);
        }
        return found;
    };
    // Each port's start-up byte, for the chip read under the bus, before anything else.
    ASSERT_TRUE(WaitUntil([&] { return writes().size() >= 2; }));
    Click(ControlCenter(mainWindow, IDC_BREATH));
    EXPECT_TRUE(WaitUntil([&] { return ec.ModeRegister() == 3; }));
    EXPECT_EQ(writes(), (std::vector<std::pair<std::uint16_t, std::uint8_t>>{
                            {0x1060, 0x80}, {0x1060, 0x80}, {0xC4FC, 3}, {0xC422, 0xF7}}));
}

INSTANTIATE_TEST_SUITE_P(
    ReleasedOrAbandoned, BusHeld,
    testing::Values(Holding{BusHolder::Ending::Release, false, "Released"},
                    Holding{BusHolder::Ending::Abandon, false, "Abandoned"},
                    Holding{BusHolder::Ending::Release, true, "ReleasedOverPawnIo"}),
    [](const testing::TestParamInfo<Holding>& run) { return std::string(run.param.name); });

} // namespace
