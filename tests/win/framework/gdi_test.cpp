// GDI object and device-context wrappers: ownership, release, selection and the drawing helpers.
#include "framework/dc.h"
#include "framework/gdi.h"
#include "framework/wnd.h"
#include "tests/support/win/pump.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

bool Alive(HGDIOBJ object) {
    return ::GetObjectType(object) != 0;
}

// The system gives no count of a process's GDI objects here, so the tests make handles scarce
// instead: for its lifetime this fills the process's handle table with brushes up to its limit and
// then frees a few, so a loop that leaks more than those few soon fails to create anything.
class ScarceGdiHandles {
public:
    explicit ScarceGdiHandles(int headroom) {
        constexpr size_t kMaxFill = 1'000'000;
        while (held_.size() < kMaxFill) {
            const HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
            if (brush == nullptr) {
                limitReached_ = true;
                break;
            }
            held_.push_back(brush);
        }
        for (int i = 0; i < headroom && !held_.empty(); ++i) {
            ::DeleteObject(held_.back());
            held_.pop_back();
        }
    }
    ScarceGdiHandles(const ScarceGdiHandles&) = delete;
    ScarceGdiHandles& operator=(const ScarceGdiHandles&) = delete;
    ~ScarceGdiHandles() {
        for (const HBRUSH brush : held_) {
            ::DeleteObject(brush);
        }
    }
    bool LimitReached() const { return limitReached_; }

private:
    std::vector<HBRUSH> held_;
    bool limitReached_ = false;
};

constexpr int kHeadroom = 1000;
constexpr int kRounds = 3 * kHeadroom;

// A memory context with a white bitmap of its own selected, for pixel checks.
class Canvas {
public:
    Canvas(int width, int height) {
        dc.CreateCompatibleDC(nullptr);
        CClientDC screen(static_cast<HWND>(nullptr));
        bitmap.Attach(::CreateCompatibleBitmap(screen, width, height));
        previous_ = dc.SelectObject(&bitmap);
        const RECT all{0, 0, width, height};
        dc.FillSolidRect(&all, RGB(255, 255, 255));
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() { dc.SelectObject(previous_); }

    CDC dc;
    CBitmap bitmap;

private:
    HGDIOBJ previous_ = nullptr;
};

TEST(GdiObjects, AWrapperDeletesItsObjectAndDetachHandsItOver) {
    HGDIOBJ deleted = nullptr;
    HGDIOBJ detached = nullptr;
    {
        CBrush owned;
        ASSERT_TRUE(owned.CreateSolidBrush(RGB(1, 2, 3)));
        deleted = owned.GetSafeHandle();
        CPen kept;
        ASSERT_TRUE(kept.CreatePen(PS_SOLID, 1, RGB(4, 5, 6)));
        detached = kept.Detach();
        EXPECT_EQ(kept.GetSafeHandle(), nullptr);
    }
    EXPECT_FALSE(Alive(deleted));
    ASSERT_TRUE(Alive(detached));
    ::DeleteObject(detached);
}

TEST(GdiObjects, MovingHandsTheObjectOnAndReplacingDeletesTheOldOne) {
    CBrush first;
    ASSERT_TRUE(first.CreateSolidBrush(RGB(10, 0, 0)));
    const HGDIOBJ moved = first.GetSafeHandle();

    CBrush second(std::move(first));
    EXPECT_EQ(first.GetSafeHandle(), nullptr);
    EXPECT_EQ(second.GetSafeHandle(), moved);

    CBrush third;
    ASSERT_TRUE(third.CreateSolidBrush(RGB(0, 10, 0)));
    const HGDIOBJ replaced = third.GetSafeHandle();
    third = std::move(second);
    EXPECT_FALSE(Alive(replaced));
    EXPECT_EQ(third.GetSafeHandle(), moved);
    EXPECT_TRUE(Alive(moved));

    ASSERT_TRUE(third.CreateSolidBrush(RGB(0, 0, 10))); // creating again replaces too
    EXPECT_FALSE(Alive(moved));

    const HGDIOBJ current = third.GetSafeHandle();
    EXPECT_TRUE(third.Attach(current)); // attaching what it holds keeps it
    EXPECT_TRUE(Alive(current));
}

TEST(GdiObjects, CreatingAndDroppingManyObjectsNeverRunsOutOfHandles) {
    ScarceGdiHandles scarce(kHeadroom);
    ASSERT_TRUE(scarce.LimitReached());
    CClientDC screen(static_cast<HWND>(nullptr));
    CDC screenDc;
    screenDc.Attach(screen);
    int failures = 0;
    for (int i = 0; i < kRounds && failures == 0; ++i) {
        CBrush brush;
        CBitmap bitmap;
        CPen pen;
        CFont font;
        LOGFONTW description{};
        description.lfHeight = 8 + i % 8;
        failures += brush.CreateSolidBrush(RGB(i & 0xFF, 0, 0)) ? 0 : 1;
        failures += bitmap.CreateCompatibleBitmap(&screenDc, 2, 2) ? 0 : 1;
        failures += pen.CreatePen(PS_SOLID, 1, RGB(0, i & 0xFF, 0)) ? 0 : 1;
        failures += font.CreateFontIndirect(&description) ? 0 : 1;
    }
    screenDc.Detach();
    EXPECT_EQ(failures, 0);
}

TEST(DeviceContexts, AContextIsDeletedOrGivenBackWithItsObject) {
    HDC created = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        created = dc.GetSafeHdc();
        EXPECT_EQ(dc.m_hAttribDC, created);
        EXPECT_FALSE(dc.CreateCompatibleDC(nullptr)); // one context per object
    }
    EXPECT_FALSE(Alive(created));

    // Contexts made or borrowed come back: taking many never exhausts them.
    ScarceGdiHandles scarce(kHeadroom);
    ASSERT_TRUE(scarce.LimitReached());
    int failures = 0;
    for (int i = 0; i < kRounds && failures == 0; ++i) {
        CDC memory;
        CClientDC client(static_cast<HWND>(nullptr));
        CWindowDC whole(static_cast<CWnd*>(nullptr));
        failures += memory.CreateCompatibleDC(nullptr) ? 0 : 1;
        failures += client.GetSafeHdc() != nullptr && whole.GetSafeHdc() != nullptr ? 0 : 1;
    }
    EXPECT_EQ(failures, 0);
}

// Paints its whole client area green with a paint context and counts the paints.
class PaintProbe : public CWnd {
public:
    int paints = 0;

protected:
    void OnPaint() {
        ++paints;
        CPaintDC dc(this);
        RECT client{};
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(0, 255, 0));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintProbe, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(DeviceContexts, APaintContextValidatesWhatItPainted) {
    const HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40,
                                          nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    PaintProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(window));

    ::InvalidateRect(window, nullptr, TRUE);
    const auto painted = [&] {
        ::UpdateWindow(window);
        CClientDC dc(&probe);
        return probe.paints > 0 && dc.GetPixel(30, 20) == RGB(0, 255, 0);
    };
    EXPECT_TRUE(PumpUntil(painted));
    RECT update{};
    EXPECT_FALSE(::GetUpdateRect(window, &update, FALSE));
    probe.DestroyWindow();
}

TEST(DeviceContexts, ScopedSelectPutsBackWhatWasSelected) {
    Canvas canvas(4, 4);
    CBrush outer;
    CBrush inner;
    CPen pen;
    ASSERT_TRUE(outer.CreateSolidBrush(RGB(1, 1, 1)));
    ASSERT_TRUE(inner.CreateSolidBrush(RGB(2, 2, 2)));
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(3, 3, 3)));
    const HDC dc = canvas.dc;
    const HGDIOBJ originalPen = ::GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ originalBrush = ::SelectObject(dc, outer);
    {
        ScopedSelect selectBrush(dc, inner);
        ScopedSelect selectPen(dc, pen);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), inner.GetSafeHandle());
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen.GetSafeHandle());
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), outer.GetSafeHandle());
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), originalPen);
    ::SelectObject(dc, originalBrush);
}

TEST(DeviceContexts, ScopedBkModePutsBackThePreviousMode) {
    Canvas canvas(4, 4);
    const HDC dc = canvas.dc;
    ASSERT_NE(::SetBkMode(dc, OPAQUE), 0);
    {
        ScopedBkMode transparent(dc, TRANSPARENT);
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
        {
            ScopedBkMode opaque(dc, OPAQUE);
            EXPECT_EQ(::GetBkMode(dc), OPAQUE);
        }
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    }
    EXPECT_EQ(::GetBkMode(dc), OPAQUE);
}

TEST(Drawing, Draw3dRectGivesTheFarCornersToTheBottomRightColour) {
    constexpr COLORREF kWhite = RGB(255, 255, 255);
    constexpr COLORREF kLight = RGB(255, 0, 0);
    constexpr COLORREF kDark = RGB(0, 0, 255);
    Canvas canvas(12, 10);
    CDC& dc = canvas.dc;
    const COLORREF background = dc.SetBkColor(RGB(9, 9, 9));
    const RECT frame{1, 1, 9, 7}; // 8 x 6

    dc.Draw3dRect(&frame, kLight, kDark);

    for (int x = 1; x <= 7; ++x) {
        EXPECT_EQ(dc.GetPixel(x, 1), kLight) << "top row at x " << x;
    }
    for (int y = 1; y <= 5; ++y) {
        EXPECT_EQ(dc.GetPixel(1, y), kLight) << "left column at y " << y;
    }
    for (int y = 1; y <= 6; ++y) {
        EXPECT_EQ(dc.GetPixel(8, y), kDark) << "right column at y " << y;
    }
    for (int x = 1; x <= 8; ++x) {
        EXPECT_EQ(dc.GetPixel(x, 6), kDark) << "bottom row at x " << x;
    }
    EXPECT_EQ(dc.GetPixel(4, 3), kWhite);
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dc.GetPixel(9, 7), kWhite);
    EXPECT_EQ(dc.SetBkColor(background), RGB(9, 9, 9)); // the context's colour is left alone

    const RECT empty{5, 5, 5, 9};
    dc.Draw3dRect(&empty, kLight, kDark);
    EXPECT_EQ(dc.GetPixel(4, 8), kWhite);
    EXPECT_EQ(dc.GetPixel(5, 8), kWhite);
}

TEST(Drawing, DrawStateDrawsBitmapsAndIconsAndTheirDisabledLook) {
    constexpr COLORREF kRed = RGB(255, 0, 0);
    constexpr COLORREF kBlue = RGB(0, 0, 255);
    Canvas canvas(40, 20);
    CDC& dc = canvas.dc;

    Canvas source(8, 8);
    const RECT all{0, 0, 8, 8};
    source.dc.FillSolidRect(&all, kRed);
    CBitmap red;
    {
        CDC copy;
        ASSERT_TRUE(copy.CreateCompatibleDC(&dc));
        ASSERT_TRUE(red.CreateCompatibleBitmap(&dc, 8, 8));
        ScopedSelect select(copy, red);
        copy.BitBlt(0, 0, 8, 8, &source.dc, 0, 0, SRCCOPY);
    }
    ASSERT_TRUE(
        dc.DrawState(POINT{2, 2}, SIZE{8, 8}, static_cast<HBITMAP>(red), DSS_NORMAL, nullptr));
    EXPECT_EQ(dc.GetPixel(5, 5), kRed);
    EXPECT_EQ(dc.GetPixel(11, 5), RGB(255, 255, 255));

    // A 16 x 16 icon, wholly opaque and blue.
    CBitmap colour;
    CBitmap mask;
    ASSERT_TRUE(colour.CreateCompatibleBitmap(&dc, 16, 16));
    mask.Attach(::CreateBitmap(16, 16, 1, 1, nullptr));
    {
        CDC paint;
        ASSERT_TRUE(paint.CreateCompatibleDC(&dc));
        ScopedSelect select(paint, colour);
        const RECT square{0, 0, 16, 16};
        paint.FillSolidRect(&square, kBlue);
        ScopedSelect selectMask(paint, mask);
        ::PatBlt(paint, 0, 0, 16, 16, BLACKNESS);
    }
    ICONINFO info{TRUE, 0, 0, mask, colour};
    const HICON icon = ::CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    ASSERT_TRUE(dc.DrawState(POINT{12, 2}, SIZE{16, 16}, icon, DSS_NORMAL, nullptr));
    EXPECT_EQ(dc.GetPixel(20, 10), kBlue);

    Canvas disabled(20, 20);
    ASSERT_TRUE(disabled.dc.DrawState(POINT{2, 2}, SIZE{16, 16}, icon, DSS_DISABLED, nullptr));
    EXPECT_NE(disabled.dc.GetPixel(10, 10), kBlue);
    ::DestroyIcon(icon);
}

TEST(Drawing, DrawTextNeverWritesIntoTheCallersText) {
    Canvas canvas(30, 20);
    const std::string text = "a rather long text that cannot fit";
    RECT box{0, 0, 30, 20};
    canvas.dc.DrawText(text, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(text, "a rather long text that cannot fit");
    const std::wstring wide = L"another rather long text";
    canvas.dc.DrawText(wide, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_EQ(wide, L"another rather long text");
}

} // namespace
