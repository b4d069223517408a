#include "widgets/button/core/button_look.h"
#include "widgets/button/skin_button.h"

#include <string>

namespace {

using glint::button::Rect;

Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
RECT ToRECT(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

void FrameWithColour(CDC* dc, const RECT& rect, COLORREF colour) {
    CBrush brush;
    brush.CreateSolidBrush(colour);
    dc->FrameRect(&rect, brush);
}

// The 3D edge of a button that is not flat: highlight and light on the top-left, dark shadow and
// shadow on the bottom-right.
void DrawRaisedEdge(CDC* dc, const RECT& r) {
    struct Line {
        int colourIndex;
        POINT points[3];
    };
    const Line lines[] = {
        {COLOR_BTNHIGHLIGHT, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}}},
        {COLOR_3DLIGHT,
         {{r.left + 1, r.bottom - 1}, {r.left + 1, r.top + 1}, {r.right, r.top + 1}}},
        {COLOR_3DDKSHADOW,
         {{r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top - 1}}},
        {COLOR_BTNSHADOW,
         {{r.left + 1, r.bottom - 2}, {r.right - 2, r.bottom - 2}, {r.right - 2, r.top}}},
    };
    for (const Line& line : lines) {
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, ::GetSysColor(line.colourIndex));
        const ScopedSelect selected(*dc, pen.GetSafeHandle());
        dc->Polyline(line.points, 3);
    }
}

} // namespace

void CSkinButton::DrawItem(DRAWITEMSTRUCT* item) {
    CBorrowedDC dcObject(item->hDC);
    CDC* dc = &dcObject;

    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    pressed = glint::button::IsDrawnPressed(isCheckBox, selected, checkState,
                                            menu.GetSafeHmenu() != nullptr && menuPushed);
    focused = (item->itemState & ODS_FOCUS) != 0;
    disabled = (item->itemState & ODS_DISABLED) != 0;

    RECT itemRect = item->rcItem;
    dc->SetBkMode(TRANSPARENT);

    if (!flat && (focused || isDefault)) {
        FrameWithColour(dc, itemRect, RGB(0, 0, 0));
        ::InflateRect(&itemRect, -1, -1);
    }

    if (transparent) {
        PaintParentBackground(dc);
    } else {
        PaintFace(dc, &itemRect);
    }

    if (pressed) {
        if (flat) {
            if (drawBorder) {
                PaintFrame(dc, &itemRect);
            }
        } else {
            FrameWithColour(dc, itemRect, ::GetSysColor(COLOR_BTNSHADOW));
        }
    } else if (flat) {
        if (hover && drawBorder) {
            PaintFrame(dc, &itemRect);
        }
    } else {
        DrawRaisedEdge(dc, itemRect);
    }

    const std::string caption = showCaption ? GetWindowText() : std::string();
    const bool hasCaption = !caption.empty();
    RECT captionRect = item->rcItem;

    if (icons[0].icon) {
        DrawIconImage(dc, hasCaption, item->rcItem, captionRect, pressed, disabled);
    }
    if (bitmaps[0].bitmap.GetSafeHandle() != nullptr) {
        dc->SetBkColor(RGB(255, 255, 255));
        DrawBitmapImage(dc, hasCaption, item->rcItem, captionRect, pressed, disabled);
    }

    if (hasCaption) {
        if (pressed && !isCheckBox) {
            ::OffsetRect(&captionRect, 1, 1);
        }
        const RECT frame = captionRect;
        dc->DrawText(caption, &captionRect, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
        ::OffsetRect(&captionRect, (Width(frame) - Width(captionRect)) / 2,
                     (Height(frame) - Height(captionRect)) / 2);
        dc->SetBkMode(TRANSPARENT);
        if (disabled) {
            // Embossed: a highlight one pixel down and right, the shadow in place over it.
            ::OffsetRect(&captionRect, 1, 1);
            dc->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
            dc->DrawText(caption, &captionRect, DT_WORDBREAK | DT_CENTER);
            ::OffsetRect(&captionRect, -1, -1);
            dc->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
            dc->DrawText(caption, &captionRect, DT_WORDBREAK | DT_CENTER);
        } else {
            const bool active = hover || pressed;
            dc->SetTextColor(active ? textColorIn : textColorOut);
            dc->SetBkColor(active ? faceColorIn : faceColorOut);
            dc->DrawText(caption, &captionRect, DT_WORDBREAK | DT_CENTER);
        }
    }

    if (focused && (!flat || drawFlatFocus)) {
        RECT focusRect = itemRect;
        ::InflateRect(&focusRect, -3, -3);
        dc->DrawFocusRect(&focusRect);
    }
}

DWORD CSkinButton::PaintFace(CDC* dc, const RECT* rect) {
    const glint::button::FaceColours colours{
        .in = faceColorIn, .out = faceColorOut, .focus = faceColorFocus};
    const glint::button::LookState state{
        .hover = hover != FALSE, .pressed = pressed != FALSE, .focused = focused != FALSE};
    CBrush brush;
    brush.CreateSolidBrush(glint::button::FaceColour(colours, state));
    dc->FillRect(rect, brush);
    return 0;
}

DWORD CSkinButton::PaintFrame(CDC* dc, const RECT* rect) {
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (pressed) {
        dc->Draw3dRect(rect, shadow, light);
    } else {
        dc->Draw3dRect(rect, light, shadow);
    }
    return 0;
}

// The snapshot of what the parent shows under the button is taken once and reused.
void CSkinButton::PaintParentBackground(CDC* dc) {
    CClientDC parentDC(GetParentHwnd());
    RECT client{};
    GetClientRect(&client);
    RECT window{};
    GetWindowRect(&window);
    ::MapWindowPoints(nullptr, GetParentHwnd(), reinterpret_cast<POINT*>(&window), 2);

    if (backgroundDC.GetSafeHdc() == nullptr) {
        backgroundDC.CreateCompatibleDC(&parentDC);
        backgroundBitmap.CreateCompatibleBitmap(&parentDC, Width(client), Height(client));
        previousBitmap = backgroundDC.SelectObject(&backgroundBitmap);
        backgroundDC.BitBlt(0, 0, Width(client), Height(client), &parentDC, window.left, window.top,
                            SRCCOPY);
    }
    dc->BitBlt(0, 0, Width(client), Height(client), &backgroundDC, 0, 0, SRCCOPY);
}

RECT CSkinButton::PlaceImage(std::uint32_t width, std::uint32_t height, bool hasCaption,
                             bool isPressed, const RECT& item, RECT& caption) const {
    RECT client{};
    GetClientRect(&client);
    const glint::button::ImagePlacement placement{
        .width = width,
        .height = height,
        .align = imageAlign,
        .hasCaption = hasCaption,
        .pressed = isPressed,
        .checkBox = isCheckBox != FALSE,
        .item = ToRect(item),
        .client = ToRect(client),
    };
    Rect placedCaption = ToRect(caption);
    const Rect image = glint::button::PlaceImage(placement, placedCaption);
    caption = ToRECT(placedCaption);
    return ToRECT(image);
}

void CSkinButton::DrawIconImage(CDC* dc, bool hasCaption, const RECT& item, RECT& caption,
                                bool isPressed, bool isDisabled) {
    const glint::button::LookState state{
        .hover = hover != FALSE, .pressed = isPressed, .checkBox = isCheckBox != FALSE};
    const IconSlot& slot = icons[glint::button::ImageSlot(icons[1].icon.Get() != nullptr, state)];
    const RECT image = PlaceImage(slot.width, slot.height, hasCaption, isPressed, item, caption);
    dc->DrawState(POINT{image.left, image.top}, SIZE{Width(image), Height(image)}, slot.icon.Get(),
                  DST_ICON | (isDisabled ? DSS_DISABLED : DSS_NORMAL), nullptr);
}

void CSkinButton::DrawBitmapImage(CDC* dc, bool hasCaption, const RECT& item, RECT& caption,
                                  bool isPressed, bool isDisabled) {
    const glint::button::LookState state{
        .hover = hover != FALSE, .pressed = isPressed, .checkBox = isCheckBox != FALSE};
    const BitmapSlot& slot =
        bitmaps[glint::button::ImageSlot(bitmaps[1].bitmap.GetSafeHandle() != nullptr, state)];
    const RECT image = PlaceImage(slot.width, slot.height, hasCaption, isPressed, item, caption);
    const auto width = static_cast<int>(slot.width);
    const auto height = static_cast<int>(slot.height);

    CDC bitmapDC;
    bitmapDC.CreateCompatibleDC(dc);
    CDC maskDC;
    maskDC.CreateCompatibleDC(nullptr);
    const ScopedSelect bitmapSelected(bitmapDC, slot.bitmap.GetSafeHandle());
    const ScopedSelect maskSelected(maskDC, slot.mask.GetSafeHandle());

    if (isDisabled && greyDisabledBitmap) {
        // Compose the image on white first, then let the system draw that in its disabled style.
        CBitmap composed;
        composed.CreateCompatibleBitmap(dc, width, height);
        {
            CDC scratchDC;
            scratchDC.CreateCompatibleDC(dc);
            const ScopedSelect composedSelected(scratchDC, composed.GetSafeHandle());
            ::PatBlt(scratchDC, 0, 0, width, height, WHITENESS);
            const COLORREF previousBk = scratchDC.SetBkColor(RGB(255, 255, 255));
            scratchDC.BitBlt(0, 0, width, height, &maskDC, 0, 0, SRCAND);
            scratchDC.BitBlt(0, 0, width, height, &bitmapDC, 0, 0, SRCPAINT);
            scratchDC.SetBkColor(previousBk);
        }
        dc->DrawState(POINT{image.left, image.top}, SIZE{width, height},
                      static_cast<HBITMAP>(composed), DST_BITMAP | DSS_DISABLED, nullptr);
    } else {
        dc->BitBlt(image.left, image.top, width, height, &maskDC, 0, 0, SRCAND);
        dc->BitBlt(image.left, image.top, width, height, &bitmapDC, 0, 0, SRCPAINT);
    }
}
