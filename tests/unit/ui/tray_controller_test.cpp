#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/core/tray_controller.h"

namespace {

constexpr std::uint32_t kLeftButtonDown = 0x0201;
constexpr std::uint32_t kLeftButtonUp = 0x0202;
constexpr std::uint32_t kLeftDoubleClick = 0x0203;
constexpr std::uint32_t kRightButtonUp = 0x0205;
constexpr std::uint32_t kMouseMove = 0x0200;

// Records what the tray logic asks of the shell and plays the shell's part: the icon exists
// between a successful add and a delete, the menu returns a preset choice.
class FakeShell final : public TrayShell {
public:
    bool AddIcon() override {
        events.push_back("add");
        if (!acceptIcons || iconPresent) {
            return false;
        }
        iconPresent = true;
        return true;
    }
    void DeleteIcon() override {
        events.push_back("delete");
        iconPresent = false;
    }
    void ShowMainWindow() override {
        events.push_back("show");
        windowVisible = true;
    }
    void HideMainWindow() override {
        events.push_back("hide");
        windowVisible = false;
    }
    std::uint32_t TrackMenu(const std::array<TrayMenuEntry, 2>& entries) override {
        events.push_back("menu");
        shownEntries.assign({entries[0].text, entries[1].text});
        return menuChoice;
    }
    void EndProcess() override { events.push_back(iconPresent ? "end with icon" : "end"); }

    std::vector<std::string> events;
    std::vector<std::wstring> shownEntries;
    bool acceptIcons = true;
    bool iconPresent = false;
    bool windowVisible = true;
    std::uint32_t menuChoice = 0;
};

struct Tray : ::testing::Test {
    FakeShell shell;
    std::uint16_t languageId = 1033;
    TrayController tray{shell, languageId};

    void Hide() {
        tray.HideToTray();
        shell.events.clear();
    }
};

TEST_F(Tray, MinimiseAddsTheIconThenHidesAndSetsTheFlag) {
    EXPECT_EQ(tray.HiddenToTrayFlag(), 0);
    tray.HideToTray();
    EXPECT_EQ(shell.events, (std::vector<std::string>{"add", "hide"}));
    EXPECT_TRUE(shell.iconPresent);
    EXPECT_FALSE(shell.windowVisible);
    EXPECT_EQ(tray.HiddenToTrayFlag(), 1);
}

TEST_F(Tray, WindowStaysWhenTheIconCannotBeAdded) {
    shell.acceptIcons = false;
    tray.HideToTray();
    EXPECT_EQ(shell.events, (std::vector<std::string>{"add"}));
    EXPECT_TRUE(shell.windowVisible);
    EXPECT_EQ(tray.HiddenToTrayFlag(), 0);
    EXPECT_FALSE(tray.IconShown());
}

TEST_F(Tray, LeftClickRestoresRemovesTheIconAndClearsTheFlag) {
    Hide();
    EXPECT_EQ(tray.OnTrayNotify(128, kLeftButtonUp), 0);
    EXPECT_EQ(shell.events, (std::vector<std::string>{"show", "delete"}));
    EXPECT_TRUE(shell.windowVisible);
    EXPECT_FALSE(shell.iconPresent);
    EXPECT_EQ(tray.HiddenToTrayFlag(), 0);
}

TEST_F(Tray, OpenEntryRestoresButLeavesTheFlagSet) {
    Hide();
    shell.menuChoice = kTrayOpenMainUiCommand;
    EXPECT_EQ(tray.OnTrayNotify(128, kRightButtonUp), 0);
    EXPECT_EQ(shell.events, (std::vector<std::string>{"menu", "show", "delete"}));
    EXPECT_TRUE(shell.windowVisible);
    EXPECT_FALSE(shell.iconPresent);
    EXPECT_EQ(tray.HiddenToTrayFlag(), 1);

    // Hidden again and restored with a left click, the flag is cleared at last.
    tray.HideToTray();
    tray.OnTrayNotify(128, kLeftButtonUp);
    EXPECT_EQ(tray.HiddenToTrayFlag(), 0);
}

TEST_F(Tray, ExitEntryRemovesTheIconBeforeTheProcessEnds) {
    Hide();
    shell.menuChoice = kTrayExitCommand;
    tray.OnTrayNotify(128, kRightButtonUp);
    EXPECT_EQ(shell.events, (std::vector<std::string>{"menu", "delete", "end"}));
}

TEST_F(Tray, DismissedMenuChangesNothing) {
    Hide();
    shell.menuChoice = 0;
    EXPECT_EQ(tray.OnTrayNotify(128, kRightButtonUp), 0);
    EXPECT_EQ(shell.events, (std::vector<std::string>{"menu"}));
    EXPECT_TRUE(shell.iconPresent);
    EXPECT_FALSE(shell.windowVisible);
    EXPECT_EQ(tray.HiddenToTrayFlag(), 1);
}

TEST_F(Tray, MenuFollowsTheLanguageAtEachRightClick) {
    Hide();
    tray.OnTrayNotify(128, kRightButtonUp);
    EXPECT_EQ(shell.shownEntries, (std::vector<std::wstring>{L"01_Open Main UI", L"02_Exit"}));
    languageId = 1031;
    tray.OnTrayNotify(128, kRightButtonUp);
    EXPECT_EQ(shell.shownEntries, (std::vector<std::wstring>{L"01_Open Main UI", L"02_Exit"}));
    languageId = 2052;
    tray.OnTrayNotify(128, kRightButtonUp);
    EXPECT_EQ(shell.shownEntries, (std::vector<std::wstring>{L"01_\u6253\u5F00\u4E3B\u754C\u9762",
                                                             L"02_\u9000\u51FA"}));
}

TEST_F(Tray, OtherIconsAndOtherMouseMessagesAreIgnored) {
    Hide();
    EXPECT_EQ(tray.OnTrayNotify(129, kLeftButtonUp), 1);
    EXPECT_EQ(tray.OnTrayNotify(0, kRightButtonUp), 1);
    for (std::uint32_t message :
         {kMouseMove, kLeftButtonDown, kLeftDoubleClick, 0x0207u, 0x0208u}) {
        EXPECT_EQ(tray.OnTrayNotify(128, message), 0);
    }
    EXPECT_TRUE(shell.events.empty());
    EXPECT_EQ(tray.HiddenToTrayFlag(), 1);
}

TEST_F(Tray, RebuiltTaskbarGetsTheIconBackWhileHidden) {
    Hide();
    shell.iconPresent = false; // the new taskbar knows no icons
    tray.OnTaskbarCreated();
    EXPECT_TRUE(shell.iconPresent);
    EXPECT_FALSE(shell.windowVisible);
    EXPECT_EQ(tray.HiddenToTrayFlag(), 1);
}

TEST_F(Tray, TaskbarNotificationForATaskbarThatKeptTheIconLeavesOneIcon) {
    Hide();
    tray.OnTaskbarCreated();
    EXPECT_TRUE(shell.iconPresent);
    EXPECT_FALSE(shell.windowVisible);
}

TEST_F(Tray, RebuiltTaskbarThatRefusesTheIconBringsTheWindowBack) {
    Hide();
    shell.iconPresent = false;
    shell.acceptIcons = false;
    tray.OnTaskbarCreated();
    EXPECT_TRUE(shell.windowVisible);
    EXPECT_EQ(tray.HiddenToTrayFlag(), 0);
    EXPECT_FALSE(tray.IconShown());
}

TEST_F(Tray, RebuiltTaskbarWhileShownAddsNothing) {
    tray.OnTaskbarCreated();
    Hide();
    tray.OnTrayNotify(128, kLeftButtonUp);
    shell.events.clear();
    tray.OnTaskbarCreated();
    EXPECT_TRUE(shell.events.empty());
    EXPECT_FALSE(shell.iconPresent);
}

TEST_F(Tray, ExitWhileHiddenRemovesTheIcon) {
    Hide();
    tray.RemoveIconForExit();
    EXPECT_FALSE(shell.iconPresent);
}

TEST_F(Tray, BringingForwardRestoresAHiddenWindowAsALeftClickWould) {
    Hide();
    tray.BringForward();
    EXPECT_EQ(shell.events, (std::vector<std::string>{"show", "delete"}));
    EXPECT_TRUE(shell.windowVisible);
    EXPECT_FALSE(shell.iconPresent);
    EXPECT_FALSE(tray.IconShown());
    EXPECT_EQ(tray.HiddenToTrayFlag(), 0);
}

TEST_F(Tray, BringingForwardAShownWindowOnlyShowsIt) {
    tray.BringForward();
    EXPECT_EQ(shell.events, (std::vector<std::string>{"show"}));
    EXPECT_EQ(tray.HiddenToTrayFlag(), 0);
    EXPECT_FALSE(tray.IconShown());
}

} // namespace
