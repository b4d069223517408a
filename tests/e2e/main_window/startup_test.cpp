// The program as it comes up: the EC traffic of its start, its window and what the window shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_units.h"
#include "glint_test.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "skin_checks.h"
#include "window_find.h"

namespace {

using namespace e2e;

struct Access {
    ecsim::PortAccess kind;
    std::uint16_t address;
    std::uint8_t value;
    bool operator==(const Access&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Access& access) {
    return out << (access.kind == ecsim::PortAccess::Write ? "W " : "R ") << std::hex
               << access.address << "=" << static_cast<int>(access.value) << std::dec;
}

std::vector<Access> AccessesOf(EcSim& ec, DWORD pid) {
    std::vector<Access> accesses;
    for (const ecsim::EcAccess& access : ec.Accesses()) {
        if (access.pid == pid) {
            accesses.push_back({access.access, access.address, access.value});
        }
    }
    return accesses;
}

constexpr auto R = ecsim::PortAccess::Read;
constexpr auto W = ecsim::PortAccess::Write;

class Startup : public GlintTest {};

TEST_F(Startup, BothEcPortsIdentifyTheChipAndWriteTheStartupByteInTurn) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    const std::vector<Access> identify{{R, 0x2000, 0x55}, {R, 0x2001, 0x70}, {W, 0x1060, 0x80}};
    std::vector<Access> accesses;
    ASSERT_TRUE(WaitUntil([&] {
        accesses = AccessesOf(glint->Ec(), glint->Pid());
        return accesses.size() >= 7;
    }));
    std::vector<Access> expected = identify;
    expected.insert(expected.end(), identify.begin(), identify.end());
    EXPECT_EQ(std::vector<Access>(accesses.begin(), accesses.begin() + 6), expected);
    // What follows is the power-level poll, reading at the recognised chip's base.
    EXPECT_EQ(accesses[6].kind, R);
    EXPECT_EQ(accesses[6].address, 0xC4FD);
}

TEST_F(Startup, UnrecognisedChipWritesZeroAndModesGoBelowBase0x400) {
    LaunchOptions options;
    options.prepareEc = [](EcSim& ec) {
        ec.Poke(0x2001, 0x72);
    };
    ASSERT_NO_FATAL_FAILURE(StartGlint(options));
    const std::vector<Access> identify{{R, 0x2000, 0x55}, {R, 0x2001, 0x72}, {W, 0x1060, 0x00}};
    std::vector<Access> accesses;
    ASSERT_TRUE(WaitUntil([&] {
        accesses = AccessesOf(glint->Ec(), glint->Pid());
        return accesses.size() >= 6;
    }));
    EXPECT_EQ(std::vector<Access>(accesses.begin(), accesses.begin() + 3), identify);
    EXPECT_EQ(std::vector<Access>(accesses.begin() + 3, accesses.begin() + 6), identify);

    glint->Ec().Poke(0x4FC, 0xEE);
    ::PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_BREATH, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(mainWindow, IDC_BREATH)));
    EXPECT_TRUE(WaitUntil([&] { return glint->Ec().Peek(0x4FC) == 3; }));
    EXPECT_EQ(glint->Ec().ModeRegister(), 0) << "nothing is written at the other base";
}

TEST_F(Startup, WindowTextNamesTheProduct) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    EXPECT_EQ(WindowText(mainWindow), L"Glint_Controls--"
                                      L"" GLINT_CONTACT_ADDRESS);
}

TEST_F(Startup, WindowIsTheTemplatesSizeWithoutFrameOrCaption) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    const SIZE expected = DialogUnitsToPixels(679, 471);
    ASSERT_GT(expected.cx, 0);
    const SIZE window = SizeOf(WindowRect(mainWindow));
    RECT client{};
    ::GetClientRect(mainWindow, &client);
    EXPECT_EQ(window.cx, expected.cx);
    EXPECT_EQ(window.cy, expected.cy);
    EXPECT_EQ(SizeOf(client).cx, expected.cx);
    EXPECT_EQ(SizeOf(client).cy, expected.cy);
}

TEST_F(Startup, BackgroundIsTheSkinBitmapAndNoModeShowsSelected) {
    ASSERT_NO_FATAL_FAILURE(StartGlint());
    MoveMouseAway();
    const Image background = LoadBmp(BuiltSkinFile("skin_EN", skin_files::kBackground));
    ASSERT_FALSE(background.Empty());
    const BackgroundSamples samples = WaitForBackground(mainWindow, background);
    EXPECT_TRUE(samples.AllMatch())
        << samples.matching << " of " << samples.samples << " background samples match";
    EXPECT_GT(samples.samples, 500);

    EXPECT_EQ(ButtonsWithoutTheirPlainIcons(mainWindow, "skin_EN"), "");
    for (const skin_files::ButtonIcons& button : skin_files::kModeRowIcons) {
        if (button.selected != nullptr) {
            EXPECT_LT(ButtonMatchesIcon(mainWindow, button.control,
                                        BuiltSkinFile("skin_EN", button.selected)),
                      0.9)
                << button.selected;
        }
    }
    // The hidden test button is there, with its icon, but not shown.
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(mainWindow, IDC_STATIC_TEST)));
    KeepScreenshot(mainWindow, "main_window_at_rest");
}

TEST_F(Startup, CommandLineIsIgnored) {
    LaunchOptions options;
    options.arguments = L"/? --help -x " + std::wstring(3000, L'a') + L" \"quoted argument\"";
    ASSERT_NO_FATAL_FAILURE(StartGlint(options));
    EXPECT_EQ(WindowText(mainWindow), L"Glint_Controls--"
                                      L"" GLINT_CONTACT_ADDRESS);
    const Image background = LoadBmp(BuiltSkinFile("skin_EN", skin_files::kBackground));
    EXPECT_TRUE(WaitForBackground(mainWindow, background).AllMatch());
}

} // namespace
