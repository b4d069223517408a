// The five mode buttons clicked with the mouse: what reaches the EC and what the buttons show.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "glint_test.h"
#include "input.h"
#include "res/resource.h"
#include "skin_checks.h"
#include "window_find.h"

namespace {

using namespace e2e;

struct ModeButton {
    int id;
    std::uint8_t mode;
    const char* plain;
    const char* selected;
    std::uint8_t controlBefore;
    std::uint8_t controlAfter; // bit 0 cleared for On only, bits 1-7 kept
};

const ModeButton kModes[] = {
    {IDC_AUTO, 0, "06_Auto_0.ico", "06_Auto_1.ico", 0xA4, 0xA5},
    {IDC_ON, 1, "01_On_0.ico", "01_On_1.ico", 0xFF, 0xFE},
    {IDC_RAINBOW, 2, "05_RainBow_0.ico", "05_RainBow_1.ico", 0x00, 0x01},
    {IDC_BREATH, 3, "03_Breath_0.ico", "03_Breath_1.ico", 0x5A, 0x5B},
    {IDC_COLORLOOP, 4, "04_ColorLoop_0.ico", "04_ColorLoop_1.ico", 0xFF, 0xFF},
};

class ModeButtons : public GlintTest {};

TEST_F(ModeButtons, ClickWritesTheModeThenTheControlBitAndShowsTheSelectedIcon) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EcSim& ec = glint->Ec();
    for (const ModeButton& clicked : kModes) {
        SCOPED_TRACE(clicked.selected);
        ASSERT_TRUE(ec.Poke(0xC4FC, 0xEE));
        ASSERT_TRUE(ec.SetControlByte(clicked.controlBefore));
        const std::uint64_t before = ecsim::NowNs();

        Click(ControlCenter(mainWindow, clicked.id));
        EXPECT_TRUE(WaitUntil([&] {
            return ec.WritesSince(before).size() >= 2 && ec.ModeRegister() == clicked.mode &&
                   ec.ControlByte() == clicked.controlAfter;
        })) << "mode "
            << int(ec.ModeRegister().value_or(0xEE)) << " control "
            << int(ec.ControlByte().value_or(0));

        // The mode register is written first, then the control byte; nothing else.
        std::vector<std::uint16_t> written;
        for (const ecsim::EcAccess& write : ec.WritesSince(before)) {
            written.push_back(write.address);
        }
        EXPECT_EQ(written, (std::vector<std::uint16_t>{0xC4FC, 0xC422}));

        for (const ModeButton& other : kModes) {
            const bool chosen = &other == &clicked;
            double match = 0;
            EXPECT_TRUE(WaitUntil([&] {
                match = ButtonMatchesIcon(
                    mainWindow, other.id,
                    BuiltSkinFile("skin_EN", chosen ? other.selected : other.plain));
                return match > 0.97;
            })) << (chosen ? other.selected : other.plain)
                << " matches " << match;
        }
        if (clicked.id == IDC_BREATH) {
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
