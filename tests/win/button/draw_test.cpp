#include "dialog_fixture.h"

#include <set>
#include <utility>

namespace {

using button_test::Canvas;
using button_test::DrawInto;
using button_test::MakeSolidIcon;

constexpr int kWidth = 81;
constexpr int kHeight = 76;
constexpr COLORREF kIconColour = RGB(10, 200, 30);
constexpr COLORREF kRestColour = RGB(30, 10, 200);
constexpr COLORREF kFaceIn = RGB(250, 240, 180);
constexpr COLORREF kFaceOut = RGB(180, 240, 250);
constexpr COLORREF kFaceFocus = RGB(240, 180, 250);
constexpr COLORREF kTextColour = RGB(0, 0, 255);

COLORREF Sys(int index) {
    return ::GetSysColor(index);
}

// Middle pixels of the one-pixel frame: top, left, right, bottom.
struct FrameColours {
    COLORREF top, left, right, bottom;
};
FrameColours FrameOf(const Canvas& c, int inset = 0) {
    return {c.Pixel(c.Width() / 2, inset), c.Pixel(inset, c.Height() / 2),
            c.Pixel(c.Width() - 1 - inset, c.Height() / 2),
            c.Pixel(c.Width() / 2, c.Height() - 1 - inset)};
}

// Where a solid square of `colour` of the given size starts, checked at its four corners and
// just outside them.
bool SquareAt(const Canvas& c, int x, int y, int size, COLORREF colour) {
    const int last = size - 1;
    return c.Pixel(x, y) == colour && c.Pixel(x + last, y + last) == colour &&
           c.Pixel(x + last, y) == colour && c.Pixel(x, y + last) == colour &&
           c.Pixel(x - 1, y) != colour && c.Pixel(x, y - 1) != colour &&
           c.Pixel(x + size, y + last) != colour && c.Pixel(x + last, y + size) != colour;
}

std::set<std::pair<int, int>> PixelsOf(const Canvas& c, COLORREF colour) {
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            if (c.Pixel(x, y) == colour) {
                found.insert({x, y});
            }
        }
    }
    return found;
}

int CountOtherThan(const Canvas& c, std::initializer_list<COLORREF> allowed) {
    int others = 0;
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            bool known = false;
            for (COLORREF colour : allowed) {
                known = known || c.Pixel(x, y) == colour;
            }
            others += known ? 0 : 1;
        }
    }
    return others;
}

// Pixels of row y, columns first..last, that are not `colour`.
int OffRow(const Canvas& c, int y, int first, int last, COLORREF colour) {
    int off = 0;
    for (int x = first; x <= last; ++x) {
        off += c.Pixel(x, y) != colour ? 1 : 0;
    }
    return off;
}

class DrawTest : public ButtonDialogTest {
protected:
    void SetUp() override {
        ButtonDialogTest::SetUp();
        // A font without smoothing, so that text pixels have exactly the text colour.
        font_ = ::CreateFontA(-14, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                              NONANTIALIASED_QUALITY, 0, "Tahoma");
        ::SelectObject(canvas.Dc(), font_);
    }
    void TearDown() override {
        ::SelectObject(canvas.Dc(), ::GetStockObject(SYSTEM_FONT));
        ::DeleteObject(font_);
        ButtonDialogTest::TearDown();
    }
    void Draw(SkinButtonProbe& button, UINT state) {
        canvas.Fill(RGB(1, 2, 3));
        DrawInto(button, canvas, state);
    }

    Canvas canvas{kWidth, kHeight};
    HFONT font_ = nullptr;
};

TEST_F(DrawTest, FlatButtonAtRestHoveredAndPressed) {
    SkinButtonProbe& button = dialog.flatButton;
    button.SetIcons(MakeSolidIcon(32, kIconColour));

    Draw(button, 0);
    EXPECT_EQ(canvas.Pixel(0, 0), Sys(COLOR_BTNFACE)) << "default face colour";
    EXPECT_EQ(canvas.Pixel(kWidth - 1, kHeight - 1), Sys(COLOR_BTNFACE)) << "no frame at rest";
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kIconColour));

    button.SetFaceColors(kFaceIn, kFaceOut, kFaceFocus);
    Draw(button, 0);
    const FrameColours rest = FrameOf(canvas);
    EXPECT_EQ(rest.top, kFaceOut);
    EXPECT_EQ(rest.bottom, kFaceOut);

    button.hover = TRUE;
    Draw(button, 0);
    const FrameColours raised = FrameOf(canvas);
    EXPECT_EQ(raised.top, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(raised.left, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(raised.right, Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(raised.bottom, Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Pixel(1, 1), kFaceIn);
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kIconColour));

    button.hover = FALSE;
    Draw(button, ODS_SELECTED);
    const FrameColours sunken = FrameOf(canvas);
    EXPECT_EQ(sunken.top, Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(sunken.left, Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(sunken.right, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(sunken.bottom, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(1, 1), kFaceIn);
    EXPECT_TRUE(SquareAt(canvas, 25, 23, 32, kIconColour));
}

TEST_F(DrawTest, FaceColourFollowsFocusWhenAtRest) {
    SkinButtonProbe& button = dialog.flatButton;
    button.SetFaceColors(kFaceIn, kFaceOut, kFaceFocus);
    Draw(button, ODS_FOCUS);
    EXPECT_EQ(canvas.Pixel(40, 40), kFaceFocus);
    button.hover = TRUE;
    Draw(button, ODS_FOCUS);
    EXPECT_EQ(canvas.Pixel(40, 40), kFaceIn);
}

TEST_F(DrawTest, FlatButtonWithoutBorderDrawsNoFrame) {
    SkinButtonProbe& button = dialog.flatButton;
    button.SetFaceColors(kFaceIn, kFaceOut, kFaceFocus);
    button.SetDrawBorder(FALSE);
    button.hover = TRUE;
    Draw(button, 0);
    EXPECT_EQ(FrameOf(canvas).top, kFaceIn);
    Draw(button, ODS_SELECTED);
    EXPECT_EQ(FrameOf(canvas).bottom, kFaceIn);
}

TEST_F(DrawTest, CaptionIsNeverDrawnWhileHidden) {
    SkinButtonProbe& button = dialog.secondButton; // its text is "RainBow"
    button.SetIcons(MakeSolidIcon(32, kIconColour));
    button.SetTextColors(kTextColour, kTextColour);
    const COLORREF face = Sys(COLOR_BTNFACE);

    Draw(button, 0);
    EXPECT_EQ(CountOtherThan(canvas, {face, kIconColour}), 0);
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kIconColour)) << "placed as if there were no caption";

    button.SetShowCaption(TRUE);
    Draw(button, 0);
    EXPECT_FALSE(PixelsOf(canvas, kTextColour).empty()) << "shown, the caption is drawn";
    EXPECT_TRUE(SquareAt(canvas, 3, 22, 32, kIconColour)) << "the image makes room for it";
}

TEST_F(DrawTest, FocusRectangleOnlyWhereItBelongs) {
    SkinButtonProbe& button = dialog.flatButton;
    const COLORREF face = Sys(COLOR_BTNFACE);

    Draw(button, ODS_FOCUS);
    EXPECT_EQ(CountOtherThan(canvas, {face}), 0) << "flat: no focus rectangle";

    button.SetDrawFlatFocus(TRUE);
    Draw(button, ODS_FOCUS);
    // The dotted rectangle lies 3 pixels inside the item rectangle.
    EXPECT_GT(OffRow(canvas, 3, 4, kWidth - 5, face), 0);
    EXPECT_EQ(OffRow(canvas, 2, 0, kWidth - 1, face), 0);
    EXPECT_EQ(OffRow(canvas, 4, 4, kWidth - 5, face), 0);
}

TEST_F(DrawTest, FocusedButtonThatIsNotFlatHasFrameEdgeAndFocusRectangle) {
    SkinButtonProbe& button = dialog.flatButton;
    button.SetFlat(FALSE);

    Draw(button, ODS_FOCUS);
    const FrameColours black = FrameOf(canvas);
    EXPECT_EQ(black.top, RGB(0, 0, 0));
    EXPECT_EQ(black.left, RGB(0, 0, 0));
    EXPECT_EQ(black.right, RGB(0, 0, 0));
    EXPECT_EQ(black.bottom, RGB(0, 0, 0));
    const FrameColours outer = FrameOf(canvas, 1);
    EXPECT_EQ(outer.top, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(outer.left, Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(outer.right, Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(outer.bottom, Sys(COLOR_3DDKSHADOW));
    const FrameColours inner = FrameOf(canvas, 2);
    EXPECT_EQ(inner.top, Sys(COLOR_3DLIGHT));
    EXPECT_EQ(inner.left, Sys(COLOR_3DLIGHT));
    EXPECT_EQ(inner.right, Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(inner.bottom, Sys(COLOR_BTNSHADOW));
    // The focus rectangle lies 3 pixels inside the rectangle left inside the black frame.
    EXPECT_GT(OffRow(canvas, 4, 5, kWidth - 6, Sys(COLOR_BTNFACE)), 0);
    EXPECT_EQ(OffRow(canvas, 5, 5, kWidth - 6, Sys(COLOR_BTNFACE)), 0);
    EXPECT_EQ(OffRow(canvas, 3, 3, kWidth - 4, Sys(COLOR_BTNFACE)), 0);

    Draw(button, 0);
    EXPECT_EQ(FrameOf(canvas).top, Sys(COLOR_BTNHIGHLIGHT)) << "no black frame unfocused";
    EXPECT_EQ(canvas.Pixel(40, 4), Sys(COLOR_BTNFACE));

    Draw(button, ODS_SELECTED);
    EXPECT_EQ(FrameOf(canvas).top, Sys(COLOR_BTNSHADOW)) << "pressed: a shadow frame";
    EXPECT_EQ(FrameOf(canvas).bottom, Sys(COLOR_BTNSHADOW));
}

TEST_F(DrawTest, DisabledCaptionIsEmbossed) {
    SkinButtonProbe& button = dialog.secondButton;
    button.SetShowCaption(TRUE);
    button.SetTextColors(kTextColour, kTextColour);
    const COLORREF face = Sys(COLOR_BTNFACE);
    ASSERT_NE(Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));

    Draw(button, 0);
    const auto glyphs = PixelsOf(canvas, kTextColour);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_EQ(CountOtherThan(canvas, {face, kTextColour}), 0);

    Draw(button, ODS_DISABLED);
    int highlighted = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool glyph = glyphs.count({x, y}) != 0;
            const bool shifted = glyphs.count({x - 1, y - 1}) != 0;
            const COLORREF expected = glyph     ? Sys(COLOR_BTNSHADOW)
                                      : shifted ? Sys(COLOR_BTNHIGHLIGHT)
                                                : face;
            ASSERT_EQ(canvas.Pixel(x, y), expected) << x << "," << y;
            highlighted += !glyph && shifted ? 1 : 0;
        }
    }
    EXPECT_GT(highlighted, 0);
}

TEST_F(DrawTest, RestImageGivesWayWhenHoveredOrPressed) {
    SkinButtonProbe& button = dialog.flatButton;
    button.SetIcons(MakeSolidIcon(32, kIconColour), MakeSolidIcon(32, kRestColour));

    Draw(button, 0);
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kRestColour));
    Draw(button, ODS_FOCUS);
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kRestColour));
    button.hover = TRUE;
    Draw(button, 0);
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kIconColour));
    button.hover = FALSE;
    Draw(button, ODS_SELECTED);
    EXPECT_TRUE(SquareAt(canvas, 25, 23, 32, kIconColour));
}

TEST_F(DrawTest, CheckBoxLooksPressedWhileCheckedAndNeverShifts) {
    SkinButtonProbe& button = dialog.checkButton;
    button.SetIcons(MakeSolidIcon(32, kIconColour), MakeSolidIcon(32, kRestColour));

    button.hover = TRUE;
    Draw(button, 0);
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kRestColour)) << "hover does not count";
    EXPECT_EQ(FrameOf(canvas).top, Sys(COLOR_BTNHIGHLIGHT)) << "but it is framed";

    button.hover = FALSE;
    ::SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    Draw(button, 0);
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kIconColour));
    EXPECT_EQ(FrameOf(canvas).top, Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(FrameOf(canvas).bottom, Sys(COLOR_BTNHIGHLIGHT));

    ::SendMessageA(button, BM_SETCHECK, BST_UNCHECKED, 0);
    Draw(button, ODS_SELECTED);
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kIconColour));
    Draw(button, 0);
    EXPECT_TRUE(SquareAt(canvas, 24, 22, 32, kRestColour));
    EXPECT_EQ(FrameOf(canvas).top, Sys(COLOR_BTNFACE));
}

TEST_F(DrawTest, MaskedBitmapLeavesTheFaceWhereTheMaskIsWhite) {
    SkinButtonProbe& button = dialog.flatButton;
    button.SetFaceColors(kFaceIn, kFaceOut, kFaceFocus);
    // Left half opaque colour, right half transparent (mask white, bitmap black).
    std::vector<DWORD> colour(32 * 32);
    std::vector<BYTE> mask(4 * 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            colour[y * 32 + x] = x < 16 ? 0x00C81E0A : 0; // RGB(200, 30, 10) as B, G, R, 0
        }
        mask[y * 4 + 2] = mask[y * 4 + 3] = 0xFF;
    }
    constexpr COLORREF kBitmapColour = RGB(200, 30, 10);
    ASSERT_EQ(button.SetBitmaps(::CreateBitmap(32, 32, 1, 32, colour.data()),
                                ::CreateBitmap(32, 32, 1, 1, mask.data())),
              CSkinButton::kImagesSet);

    Draw(button, 0);
    EXPECT_EQ(canvas.Pixel(24, 22), kBitmapColour);
    EXPECT_EQ(canvas.Pixel(39, 53), kBitmapColour);
    EXPECT_EQ(canvas.Pixel(40, 22), kFaceOut);
    EXPECT_EQ(canvas.Pixel(55, 53), kFaceOut);
    EXPECT_EQ(canvas.Pixel(23, 22), kFaceOut);

    Draw(button, ODS_DISABLED);
    EXPECT_EQ(PixelsOf(canvas, kBitmapColour).size(), 0u) << "greyed while disabled";
    button.SetGreyDisabledBitmap(FALSE);
    Draw(button, ODS_DISABLED);
    EXPECT_EQ(canvas.Pixel(24, 22), kBitmapColour);
}

TEST_F(DrawTest, DisabledIconIsDrawnInTheDisabledStyle) {
    SkinButtonProbe& button = dialog.flatButton;
    button.SetIcons(MakeSolidIcon(32, kIconColour));
    Draw(button, ODS_DISABLED);
    EXPECT_EQ(PixelsOf(canvas, kIconColour).size(), 0u);
    EXPECT_GT(CountOtherThan(canvas, {Sys(COLOR_BTNFACE)}), 0) << "but drawn";
}

TEST_F(DrawTest, TransparentFaceKeepsItsSnapshotUntilTheSystemColoursChange) {
    SkinButtonProbe& button = dialog.hiddenButton; // hidden: the dialog's own pixels lie under it
    button.SetTransparent(TRUE);
    const auto repaintDialog = [&](COLORREF colour) {
        dialog.background = colour;
        ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    };

    repaintDialog(RGB(220, 20, 20));
    Draw(button, 0);
    EXPECT_EQ(canvas.Pixel(5, 5), RGB(220, 20, 20));

    repaintDialog(RGB(20, 20, 220));
    Draw(button, 0);
    EXPECT_EQ(canvas.Pixel(5, 5), RGB(220, 20, 20)) << "the snapshot is kept";

    ::SendMessageA(button, WM_SYSCOLORCHANGE, 0, 0);
    Draw(button, 0);
    EXPECT_EQ(canvas.Pixel(5, 5), RGB(20, 20, 220)) << "a fresh snapshot after the change";
}

} // namespace
