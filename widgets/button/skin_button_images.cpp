#include "widgets/button/core/grey_pixel.h"
#include "widgets/button/skin_button.h"

namespace {

// The mask and colour bitmaps of an icon, owned.
struct IconBitmaps {
    CBitmap mask;
    CBitmap colour;
    DWORD hotSpotX = 0;
    DWORD hotSpotY = 0;
};

bool ReadIcon(HICON icon, IconBitmaps& out) {
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return false;
    }
    out.mask.Attach(info.hbmMask);
    out.colour.Attach(info.hbmColor);
    out.hotSpotX = info.xHotspot;
    out.hotSpotY = info.yHotspot;
    return true;
}

} // namespace

// An icon's size is twice its hot spot, which for an icon is its centre.
bool CSkinButton::RecordIconSize(IconSlot& slot) {
    IconBitmaps bitmaps;
    if (!ReadIcon(slot.icon.Get(), bitmaps)) {
        return false;
    }
    slot.width = 2 * bitmaps.hotSpotX;
    slot.height = 2 * bitmaps.hotSpotY;
    return true;
}

bool CSkinButton::RecordBitmapSize(BitmapSlot& slot) {
    BITMAP info{};
    if (slot.bitmap.GetBitmap(&info) == 0) {
        return false;
    }
    slot.width = static_cast<std::uint32_t>(info.bmWidth);
    slot.height = static_cast<std::uint32_t>(info.bmHeight);
    return true;
}

DWORD CSkinButton::SetIcons(HICON active, HICON rest) {
    ReleaseImages();
    if (active != nullptr) {
        // The same handle twice would be destroyed twice; it would look the same as no rest image.
        if (rest == active) {
            rest = nullptr;
        }
        icons[0].icon.Reset(active);
        if (!RecordIconSize(icons[0])) {
            ReleaseImages();
            // The rest icon was handed over with the rejected one: it is the button's to destroy.
            if (rest != nullptr && rest != ICON_GREY_COPY) {
                ::DestroyIcon(rest);
            }
            return kImageRejected;
        }
        if (rest == ICON_GREY_COPY) {
            rest = MakeGreyIcon(active);
            if (rest == nullptr) {
                ReleaseImages();
                return kImageRejected;
            }
        }
        if (rest != nullptr) {
            icons[1].icon.Reset(rest);
            if (!RecordIconSize(icons[1])) {
                ReleaseImages();
                return kImageRejected;
            }
        }
    }
    Redraw();
    return kImagesSet;
}

DWORD CSkinButton::SetBitmaps(HBITMAP active, HBITMAP activeMask, HBITMAP rest, HBITMAP restMask) {
    ReleaseImages();
    if (active != nullptr) {
        bitmaps[0].bitmap.Attach(active);
        bitmaps[0].mask.Attach(activeMask);
        if (!RecordBitmapSize(bitmaps[0])) {
            ReleaseImages();
            return kImageRejected;
        }
        if (rest != nullptr) {
            bitmaps[1].bitmap.Attach(rest);
            bitmaps[1].mask.Attach(restMask);
            if (!RecordBitmapSize(bitmaps[1])) {
                ReleaseImages();
                return kImageRejected;
            }
        }
    }
    Redraw();
    return kImagesSet;
}

void CSkinButton::ReleaseImages() {
    for (IconSlot& slot : icons) {
        slot.icon.Reset();
    }
    for (BitmapSlot& slot : bitmaps) {
        slot.bitmap.DeleteObject();
    }
    for (BitmapSlot& slot : bitmaps) {
        slot.mask.DeleteObject();
    }
    for (IconSlot& slot : icons) {
        slot.width = slot.height = 0;
    }
    for (BitmapSlot& slot : bitmaps) {
        slot.width = slot.height = 0;
    }
}

HICON CSkinButton::MakeGreyIcon(HICON icon) const {
    IconBitmaps source;
    if (!ReadIcon(icon, source)) {
        return nullptr;
    }
    CClientDC windowDC(m_hWnd);
    CDC colourDC;
    CDC greyDC;
    if (windowDC.GetSafeHdc() == nullptr || !colourDC.CreateCompatibleDC(&windowDC) ||
        !greyDC.CreateCompatibleDC(&windowDC)) {
        return nullptr;
    }
    BITMAP colourInfo{};
    if (source.colour.GetBitmap(&colourInfo) == 0) {
        return nullptr;
    }
    const auto width = static_cast<int>(2 * source.hotSpotX);
    const auto height = static_cast<int>(2 * source.hotSpotY);
    CBitmap grey;
    if (!grey.Attach(
            ::CreateBitmap(width, height, colourInfo.bmPlanes, colourInfo.bmBitsPixel, nullptr))) {
        return nullptr;
    }
    {
        const ScopedSelect colourSelected(colourDC, source.colour.GetSafeHandle());
        const ScopedSelect greySelected(greyDC, grey.GetSafeHandle());
        greyDC.BitBlt(0, 0, width, height, &colourDC, 0, 0, SRCCOPY);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const COLORREF colour = greyDC.GetPixel(x, y);
                if (colour != 0) {
                    greyDC.SetPixel(x, y, glint::button::GreyColour(colour));
                }
            }
        }
    }
    ICONINFO made{};
    made.fIcon = TRUE;
    made.hbmMask = static_cast<HBITMAP>(source.mask.GetSafeHandle());
    made.hbmColor = grey;
    return ::CreateIconIndirect(&made);
}
