#include "dialog_fixture.h"

#include <utility>

namespace {

using button_test::CentreOf;
using button_test::LeftButton;
using button_test::MoveMouseTo;
using button_test::NeedsPaint;
using button_test::PaintNow;

// Real mouse input through the system: it reaches whichever window lies under the pointer.
class HoverTest : public ButtonDialogTest {
protected:
    void SetUp() override {
        ButtonDialogTest::SetUp();
        ::SetForegroundWindow(dialog);
        ::SetFocus(dialog.secondButton);
        RECT client{};
        dialog.GetClientRect(&client);
        outside_ = POINT{client.right - 4, client.bottom - 4}; // dialog surface, no control
        ::ClientToScreen(dialog, &outside_);
        MoveMouseTo(outside_);
        ASSERT_TRUE(PumpUntil([&] { return ::WindowFromPoint(outside_) == dialog.GetSafeHwnd(); }));
    }

    // Moves the pointer and waits until the button has handled a mouse move of its own.
    bool MoveOnto(SkinButtonProbe& button, POINT at) {
        const int before = button.mouseMoves;
        MoveMouseTo(at);
        return PumpUntil([&] { return button.mouseMoves > before; });
    }

    // Lets every pending repaint of the dialog happen.
    void PumpPaints() {
        PumpUntil([&] { return !NeedsPaint(dialog.flatButton) && !NeedsPaint(dialog); });
    }

    POINT outside_{};
};

TEST_F(HoverTest, FlatButtonLightsOncePerEntryAndGoesOutOnLeave) {
    SkinButtonProbe& button = dialog.flatButton;
    const POINT centre = CentreOf(button);
    ASSERT_TRUE(MoveOnto(button, centre));
    EXPECT_TRUE(button.hover);
    PumpPaints();
    const int paintsWhenLit = button.facesPainted;

    for (int step = 1; step <= 3; ++step) {
        ASSERT_TRUE(MoveOnto(button, POINT{centre.x + step, centre.y + step}));
        EXPECT_TRUE(button.hover);
    }
    PumpPaints();
    EXPECT_EQ(button.facesPainted, paintsWhenLit) << "a move over a lit button changes nothing";

    MoveMouseTo(outside_);
    EXPECT_TRUE(PumpUntil([&] { return !button.hover; })) << "leaving clears hover";
    EXPECT_TRUE(PumpUntil([&] { return button.facesPainted > paintsWhenLit; }))
        << "and repaints the button";

    ASSERT_TRUE(MoveOnto(button, centre));
    EXPECT_TRUE(button.hover) << "a new entry lights it again";
}

TEST_F(HoverTest, MouseLeaveNotificationClearsHover) {
    SkinButtonProbe& button = dialog.flatButton;
    ASSERT_TRUE(MoveOnto(button, CentreOf(button)));
    ASSERT_TRUE(button.hover);
    PaintNow(button);
    ::SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button.hover);
    EXPECT_TRUE(NeedsPaint(button));
}

TEST_F(HoverTest, DragFromOutsideDoesNotLightTheButton) {
    SkinButtonProbe& button = dialog.flatButton;
    LeftButton(true);
    ASSERT_TRUE(MoveOnto(button, CentreOf(button)));
    EXPECT_FALSE(button.hover);
    LeftButton(false);

    POINT centre = CentreOf(button);
    ASSERT_TRUE(MoveOnto(button, POINT{centre.x + 2, centre.y}));
    EXPECT_TRUE(button.hover) << "once released, the next move lights it";
}

TEST_F(HoverTest, ButtonThatIsNotFlatNeverHovers) {
    SkinButtonProbe& button = dialog.flatButton;
    button.SetFlat(FALSE);
    const POINT centre = CentreOf(button);
    ASSERT_TRUE(MoveOnto(button, centre));
    ASSERT_TRUE(MoveOnto(button, POINT{centre.x + 1, centre.y}));
    EXPECT_FALSE(button.hover);
}

TEST_F(HoverTest, DisablingClearsHover) {
    SkinButtonProbe& button = dialog.flatButton;
    ASSERT_TRUE(MoveOnto(button, CentreOf(button)));
    ASSERT_TRUE(button.hover);
    ::EnableWindow(button, FALSE);
    EXPECT_FALSE(button.hover);
}

TEST_F(HoverTest, FocusLossDeactivationAndCancelModeClearHover) {
    SkinButtonProbe& button = dialog.flatButton;
    const std::pair<UINT, WPARAM> clearing[] = {
        {WM_KILLFOCUS, 0}, {WM_ACTIVATE, WA_INACTIVE}, {WM_CANCELMODE, 0}};
    for (const auto& [message, wParam] : clearing) {
        button.hover = TRUE;
        PaintNow(button);
        ::SendMessageA(button, message, wParam, 0);
        EXPECT_FALSE(button.hover) << "message " << message;
        EXPECT_TRUE(NeedsPaint(button)) << "message " << message;
    }
    button.hover = TRUE;
    ::SendMessageA(button, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(button.hover) << "activation keeps it";
}

} // namespace
