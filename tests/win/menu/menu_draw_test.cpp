#include "menu_test_support.h"
#include "widgets/menu/core/blend.h"
#include "widgets/menu/owner_draw_menu.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);
const COLORREF kMenu = ::GetSysColor(COLOR_MENU);
const COLORREF kMenuText = ::GetSysColor(COLOR_MENUTEXT);
const COLORREF kHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
const COLORREF kButtonFace = ::GetSysColor(COLOR_BTNFACE);
const COLORREF kWindow = ::GetSysColor(COLOR_WINDOW);
const COLORREF kShadow = ::GetSysColor(COLOR_BTNSHADOW);
const COLORREF kLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
const COLORREF kGrayText = ::GetSysColor(COLOR_GRAYTEXT);

// One popup with one item of each kind, drawn into a canvas on request.
class MenuDrawing : public ::testing::Test {
protected:
    MenuDrawing() {
        menu_.CreatePopupMenu();
        menu_.AddItem(0, 0, nullptr);
        menu_.AddItem(0, 11, L"&Checked item\tCtrl+K");
        menu_.AddItem(0, 12, L"&Radio item");
        menu_.AddItem(0, 13, L"Label\tmiddle\tF5");
        menu_.AddItem(0, 14, L"Label\tF5");
        menu_.AddItem(0, 15, L"Grayed item");
    }
    ~MenuDrawing() override {
        if (checkedBitmap_ != nullptr) {
            ::DeleteObject(checkedBitmap_);
        }
    }

    // Draws item `position` over the rectangle (0, 0, 140, height); returns the request after.
    DRAWITEMSTRUCT Draw(Canvas& canvas, int position, UINT state, int height = 20) {
        const CMenuItemRecord* record = menu_.Records()[position].get();
        DRAWITEMSTRUCT request = DrawRequest(menu_, static_cast<UINT>(record->id), record, state,
                                             {0, 0, 140, height}, canvas.Hdc());
        menu_.DrawItem(&request);
        return request;
    }

    void GiveRadioItemACheckedBitmap() {
        checkedBitmap_ = ::CreateBitmap(8, 8, 1, 1, nullptr);
        ASSERT_TRUE(::SetMenuItemBitmaps(menu_, 12, MF_BYCOMMAND, nullptr, checkedBitmap_));
    }

    COwnerDrawMenu menu_;
    HBITMAP checkedBitmap_ = nullptr;
};

// Channels whose exact blend is a whole number, which extended-precision arithmetic would take
// to one less: the colours must not depend on the processor the program is built for.
TEST(MenuColours, BlendsOfWholeResultsAreTheSameOnEveryArchitecture) {
    EXPECT_EQ(BlendToWhite(0.6, RGB(0, 0, 0)), RGB(153, 153, 153));
    EXPECT_EQ(BlendToWhite(0.6, RGB(240, 240, 240)), RGB(249, 249, 249));
    EXPECT_EQ(BlendToWhite(0.7, RGB(5, 205, 235)), RGB(180, 240, 249));
    EXPECT_EQ(BlendToWhite(0.85, RGB(15, 155, 235)), RGB(219, 240, 252));
}

TEST_F(MenuDrawing, ClassicSeparatorIsAnEtchedLineAcrossAtHalfHeight) {
    ASSERT_NE(kMenu, kShadow);
    ScopedLook look(1, false);
    Canvas canvas(160, 24, kUntouched);
    Draw(canvas, 0, 0);
    for (int x : {0, 70, 139}) {
        EXPECT_EQ(canvas.Pixel(x, 10), kShadow) << x;
        EXPECT_EQ(canvas.Pixel(x, 11), kLight) << x;
        EXPECT_EQ(canvas.Pixel(x, 5), kMenu) << x;
    }
    EXPECT_EQ(canvas.Pixel(145, 10), kUntouched);
}

TEST_F(MenuDrawing, XpSeparatorLeavesTheImageColumnWhole) {
    ASSERT_NE(kWindow, kShadow);
    ASSERT_NE(kWindow, kButtonFace);
    ScopedLook look(7, false);
    Canvas canvas(160, 24, kUntouched);
    Draw(canvas, 0, 0);
    // The line starts seven pixels right of the 23-pixel column.
    EXPECT_EQ(canvas.Pixel(29, 10), kWindow);
    EXPECT_EQ(canvas.Pixel(30, 10), kShadow);
    EXPECT_EQ(canvas.Pixel(139, 10), kShadow);
    for (int y : {0, 5, 10, 11, 19}) {
        EXPECT_EQ(canvas.Pixel(5, y), kButtonFace) << y;
        EXPECT_EQ(canvas.Pixel(22, y), kButtonFace) << y;
        EXPECT_EQ(canvas.Pixel(23, y), kWindow) << y;
    }
}

TEST_F(MenuDrawing, ClassicCheckedSelectedItemKeepsItsBoxOnTheMenuColour) {
    ASSERT_NE(kMenu, kHighlight);
    ScopedLook look(1, false);
    Canvas canvas(160, 24, kUntouched);
    Draw(canvas, 1, ODS_SELECTED | ODS_CHECKED);
    // The highlight starts at left + icon width + 5.
    EXPECT_EQ(canvas.Pixel(21, 1), kHighlight);
    EXPECT_EQ(canvas.Pixel(139, 19), kHighlight);
    EXPECT_NE(canvas.Pixel(20, 1), kHighlight);
    // The box (1, 2, 17, 17) is filled with the menu colour itself while selected.
    EXPECT_EQ(canvas.Pixel(2, 3), kMenu);
    EXPECT_EQ(canvas.Pixel(16, 16), kMenu);

    Canvas unselected(160, 24, kUntouched);
    Draw(unselected, 1, ODS_CHECKED);
    EXPECT_EQ(unselected.Pixel(2, 3), COLORREF(BlendToWhite(0.6, kMenu)));
    EXPECT_EQ(unselected.Pixel(21, 1), kMenu);
    EXPECT_EQ(unselected.Pixel(0, 0), kMenu);
}

TEST_F(MenuDrawing, ACheckedStateBitmapTurnsTheTickIntoADot) {
    ScopedLook look(1, false);
    GiveRadioItemACheckedBitmap();
    // Box (1, 2, 17, 17): the tick starts at (5, 6), the dot fills (6, 6, 12, 12).
    Canvas tick(160, 24, kUntouched);
    Draw(tick, 1, ODS_CHECKED);
    EXPECT_EQ(tick.Pixel(5, 8), kMenuText);
    EXPECT_EQ(tick.Pixel(11, 6), kMenuText);
    EXPECT_NE(tick.Pixel(8, 7), kMenuText);

    Canvas dot(160, 24, kUntouched);
    Draw(dot, 2, ODS_CHECKED);
    EXPECT_EQ(dot.Pixel(8, 7), kMenuText);
    EXPECT_EQ(dot.Pixel(9, 9), kMenuText);
    EXPECT_NE(dot.Pixel(5, 8), kMenuText);
    EXPECT_NE(dot.Pixel(11, 6), kMenuText);
}

TEST_F(MenuDrawing, TickIsSevenStrokesOfThreePixels) {
    Canvas canvas(20, 20, kUntouched);
    COwnerDrawMenu::DrawTick(RGB(0, 0, 0), 3, 4, canvas.Dc());
    std::set<std::pair<int, int>> expected;
    const int tops[] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) {
        for (int k = 0; k < 3; ++k) {
            expected.insert({3 + i, 4 + tops[i] + k});
        }
    }
    std::set<std::pair<int, int>> drawn;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            if (canvas.Pixel(x, y) == RGB(0, 0, 0)) {
                drawn.insert({x, y});
            }
        }
    }
    EXPECT_EQ(drawn, expected);
}

TEST_F(MenuDrawing, XpCheckBoxIsCentredInTheColumn) {
    ScopedLook look(7, false);
    Canvas canvas(160, 24, kUntouched);
    Draw(canvas, 1, ODS_CHECKED, 22);
    // (23 - 16) / 2 rounds up to 4, (22 - 16) / 2 is 3: the box is (4, 3, 20, 19).
    EXPECT_EQ(canvas.Pixel(4, 3), kHighlight);
    EXPECT_EQ(canvas.Pixel(19, 18), kHighlight);
    EXPECT_EQ(canvas.Pixel(5, 4), COLORREF(BlendToWhite(0.85, kHighlight)));
    EXPECT_EQ(canvas.Pixel(3, 3), kButtonFace);
    EXPECT_EQ(canvas.Pixel(20, 19), kButtonFace);
    // Tick at (box left + 5, box top + 4): first stroke at x 9, rows 9..11.
    EXPECT_EQ(canvas.Pixel(9, 9), kMenuText);
}

TEST_F(MenuDrawing, XpSelectionIsATintWithAHighlightBorder) {
    ScopedLook look(7, false);
    Canvas canvas(160, 24, kUntouched);
    Draw(canvas, 2, ODS_SELECTED, 22);
    EXPECT_EQ(canvas.Pixel(0, 0), kHighlight);
    EXPECT_EQ(canvas.Pixel(139, 21), kHighlight);
    EXPECT_EQ(canvas.Pixel(5, 5), COLORREF(BlendToWhite(0.7, kHighlight)));
    EXPECT_EQ(canvas.Pixel(138, 20), COLORREF(BlendToWhite(0.7, kHighlight)));
}

TEST_F(MenuDrawing, GrayedXpItemIsNeverHighlighted) {
    ASSERT_NE(kGrayText, kMenuText);
    ScopedLook look(7, false);
    Canvas canvas(160, 24, kUntouched);
    const DRAWITEMSTRUCT after = Draw(canvas, 5, ODS_GRAYED | ODS_SELECTED, 22);
    EXPECT_EQ(after.itemState & ODS_SELECTED, 0u);
    EXPECT_EQ(canvas.Pixel(139, 1), kWindow);
    EXPECT_EQ(canvas.Pixel(5, 5), kButtonFace);
    EXPECT_EQ(canvas.Pixel(145, 5), kUntouched);
    const RECT text{31, 0, 140, 22};
    EXPECT_GT(canvas.Count(text, kGrayText), 0);
    EXPECT_EQ(canvas.Count(text, kMenuText), 0);
}

// Gives a system colour another value for one test.
class ScopedSysColor {
public:
    ScopedSysColor(int index, COLORREF color) : index_(index), saved_(::GetSysColor(index)) {
        ::SetSysColors(1, &index_, &color);
    }
    ScopedSysColor(const ScopedSysColor&) = delete;
    ScopedSysColor& operator=(const ScopedSysColor&) = delete;
    ~ScopedSysColor() { ::SetSysColors(1, &index_, &saved_); }

private:
    int index_;
    COLORREF saved_;
};

TEST_F(MenuDrawing, GrayedClassicTextIsEmbossed) {
    // The light copy only shows on a menu colour other than the light one.
    ScopedSysColor menuColor(COLOR_MENU, RGB(212, 208, 200));
    ASSERT_NE(::GetSysColor(COLOR_MENU), kLight);
    ScopedLook look(1, false);
    Canvas canvas(160, 24, kUntouched);
    Draw(canvas, 5, ODS_GRAYED);
    // Light pixels one step right and down of gray ones: the raised copy under the text.
    int raised = 0;
    int gray = 0;
    for (int y = 1; y < 20; ++y) {
        for (int x = 26; x < 140; ++x) {
            gray += canvas.Pixel(x, y) == kGrayText ? 1 : 0;
            raised +=
                canvas.Pixel(x, y) == kLight && canvas.Pixel(x - 1, y - 1) == kGrayText ? 1 : 0;
        }
    }
    EXPECT_GT(gray, 0);
    EXPECT_GT(raised, 0);

    Canvas plain(160, 24, kUntouched);
    Draw(plain, 5, 0);
    EXPECT_EQ(plain.Count({0, 0, 140, 20}, kLight), 0);
    EXPECT_GT(plain.Count({0, 0, 140, 20}, kMenuText), 0);
}

TEST_F(MenuDrawing, TextBetweenTwoTabsIsNotShown) {
    ScopedLook look(1, false);
    Canvas twoTabs(160, 24, kUntouched);
    Canvas oneTab(160, 24, kUntouched);
    Draw(twoTabs, 3, 0);
    Draw(oneTab, 4, 0);
    EXPECT_TRUE(twoTabs.SameAs(oneTab));
    // The accelerator ends one image width short of the right edge; the label starts at 25.
    EXPECT_GT(twoTabs.Count({100, 0, 124, 20}, kMenuText), 0);
    EXPECT_EQ(twoTabs.Count({124, 0, 140, 20}, kMenuText), 0);
    EXPECT_GT(twoTabs.Count({25, 0, 50, 20}, kMenuText), 0);
    EXPECT_EQ(twoTabs.Count({0, 0, 25, 20}, kMenuText), 0);
}

TEST_F(MenuDrawing, SunkenBoxEdgeOnlyBeforeCurrentSystems) {
    const COLORREF fill = BlendToWhite(0.6, kMenu);
    ASSERT_NE(fill, kShadow);
    const RECT box{10, 10, 26, 25};
    {
        ScopedLook look(1, false);
        Canvas canvas(40, 40, kUntouched);
        EXPECT_TRUE(COwnerDrawMenu::DrawClassicCheckBox(box, canvas.Dc(), false, false));
        EXPECT_EQ(canvas.Pixel(10, 10), fill);
        EXPECT_EQ(canvas.Pixel(25, 24), fill);
    }
    {
        ScopedLook look(6, false);
        Canvas canvas(40, 40, kUntouched);
        EXPECT_TRUE(COwnerDrawMenu::DrawClassicCheckBox(box, canvas.Dc(), false, false));
        EXPECT_EQ(canvas.Pixel(10, 10), kShadow);
        EXPECT_EQ(canvas.Pixel(25, 24), kLight);
        EXPECT_EQ(canvas.Pixel(12, 12), fill);
    }
}

TEST_F(MenuDrawing, RequestsWithoutARecordDrawNothing) {
    Canvas canvas(160, 24, kUntouched);
    DRAWITEMSTRUCT request = DrawRequest(menu_, 11, nullptr, 0, {0, 0, 140, 20}, canvas.Hdc());
    menu_.DrawItem(&request);
    menu_.DrawItem(nullptr);
    EXPECT_EQ(canvas.Count({0, 0, 160, 24}, kUntouched), 160 * 24);
}

} // namespace
