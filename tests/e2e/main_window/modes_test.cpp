// The mode buttons clicked with the mouse: what reaches the EC and what the buttons show.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "glint_test.h"
#include "input.h"
#include "led/mode_row.h"
#include "res/resource.h"
#include "skin_checks.h"
#include "window_find.h"

namespace {

using namespace e2e;

class ModeButtons : public GlintTest {};

TEST_F(ModeButtons, ClickWritesTheModeThenTheControlBitAndShowsTheSelectedIcon) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EcSim& ec = glint->Ec();
    for (const ModeEntry& clicked : kModes) {
        SCOPED_TRACE(clicked.name);
        const auto code = static_cast<std::uint8_t>(clicked.mode);
        // Bit 0 is cleared for On only, bits 1-7 kept: each mode finds bit 0 the other way.
        const bool on = clicked.mode == LedMode::On;
        const std::uint8_t controlBefore = on ? 0xA5 : 0x5A;
        const std::uint8_t controlAfter = on ? 0xA4 : 0x5B;
        ASSERT_TRUE(ec.Poke(0xC4FC, 0xEE));
        ASSERT_TRUE(ec.SetControlByte(controlBefore));
        const std::uint64_t before = ecsim::NowNs();

        Click(ControlCenter(mainWindow, clicked.button));
        EXPECT_TRUE(WaitUntil([&] {
            return ec.WritesSince(before).size() >= 2 && ec.ModeRegister() == code &&
                   ec.ControlByte() == controlAfter;
        })) << "mode "
            << int(ec.ModeRegister().value_or(0xEE)) << " control "
            << int(ec.ControlByte().value_or(0));

        // The mode register is written first, then the control byte; nothing else.
        std::vector<std::uint16_t> written;
        for (const ecsim::EcAccess& write : ec.WritesSince(before)) {
            written.push_back(write.address);
        }
        EXPECT_EQ(written, (std::vector<std::uint16_t>{0xC4FC, 0xC422}));

        for (const ModeEntry& other : kModes) {
            const skin_files::ButtonIcons& icons = skin_files::kModeRowIcons[RowOfMode(other.mode)];
            const char* shown = &other == &clicked ? icons.selected : icons.plain;
            double match = 0;
            EXPECT_TRUE(WaitUntil([&] {
                match =
                    ButtonMatchesIcon(mainWindow, other.button, BuiltSkinFile("skin_EN", shown));
                return match > 0.97;
            })) << shown
                << " matches " << match;
        }
        if (clicked.mode == LedMode::Breath) {
            MoveMouseAway();
            KeepScreenshot(mainWindow, "main_window_breath_selected");
        }
    }
}

TEST_F(ModeButtons, ClickingTheSelectedModeAgainRepeatsBothWrites) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EcSim& ec = glint->Ec();
    Click(ControlCenter(mainWindow, IDC_RAINBOW));
    ASSERT_TRUE(WaitUntil([&] { return ec.ModeRegister() == 2 && ec.ControlByte() == 0x01; }));
    ASSERT_TRUE(ec.Poke(0xC4FC, 0xEE));
    ASSERT_TRUE(ec.SetControlByte(0x10));
    Click(ControlCenter(mainWindow, IDC_RAINBOW));
    EXPECT_TRUE(WaitUntil([&] { return ec.ModeRegister() == 2 && ec.ControlByte() == 0x11; }));
}

TEST_F(ModeButtons, ResumeRewritesTheModeAndOtherPowerEventsDoNot) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EcSim& ec = glint->Ec();
    // A resume before any click writes nothing.
    std::uint64_t before = ecsim::NowNs();
    ::PostMessageW(mainWindow, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    Click(ControlCenter(mainWindow, IDC_COLORLOOP));
    ASSERT_TRUE(
        WaitUntil([&] { return ec.ModeRegister() == 4 && ec.WritesSince(before).size() >= 2; }));
    // The click's two writes and nothing from the resume.
    EXPECT_EQ(ec.WritesSince(before).size(), 2u);

    for (WPARAM resume : {PBT_APMRESUMECRITICAL, PBT_APMRESUMESUSPEND, PBT_APMRESUMEAUTOMATIC}) {
        ASSERT_TRUE(ec.Poke(0xC4FC, 0xEE));
        ::PostMessageW(mainWindow, WM_POWERBROADCAST, resume, 0);
        EXPECT_TRUE(WaitUntil([&] { return ec.ModeRegister() == 4; })) << resume;
    }

    before = ecsim::NowNs();
    ::PostMessageW(mainWindow, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
    ::PostMessageW(mainWindow, WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0);
    // A resume posted after them marks when both have been handled.
    ASSERT_TRUE(ec.Poke(0xC4FC, 0xEE));
    ::PostMessageW(mainWindow, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    ASSERT_TRUE(WaitUntil([&] { return ec.ModeRegister() == 4; }));
    EXPECT_EQ(ec.WritesSince(before).size(), 1u);
}

} // namespace
