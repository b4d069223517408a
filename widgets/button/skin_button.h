#pragma once
#include "framework/button.h"
#include "framework/dc.h"
#include "framework/gdi.h"
#include "framework/owned_handle.h"
#include "framework/tooltip.h"
#include "widgets/button/core/image_placement.h"
#include "widgets/menu/owner_draw_menu.h"

#include <windows.h>

#include <cstdint>

// An owner-drawn push button that shows icons or masked bitmaps on a face of its own colours, flat
// (a frame only while hovered or pressed) or 3D, with an optional caption, check-box mode,
// drop-down menu and link. It owns every image handed to it.
class CSkinButton : public CButton {
public:
    // As the rest image of SetIcons: a grey copy of the first icon.
    static inline const HICON ICON_GREY_COPY = reinterpret_cast<HICON>(static_cast<INT_PTR>(-2));

    // Status of the image setters.
    static constexpr DWORD kImagesSet = 0;
    static constexpr DWORD kImageRejected = 1;

    CSkinButton();
    ~CSkinButton() override;

    // Takes ownership of both icons (which must differ): `active` is shown while hovered or
    // pressed, `rest` (optional, or ICON_GREY_COPY) otherwise. A null `active` just clears the
    // images. Returns kImageRejected, with every image released and no repaint, when an icon
    // cannot be read.
    DWORD SetIcons(HICON active, HICON rest = nullptr);
    // The same for bitmaps with their monochrome masks (white where the face shows through; the
    // bitmap is black there).
    DWORD SetBitmaps(HBITMAP active, HBITMAP activeMask, HBITMAP rest = nullptr,
                     HBITMAP restMask = nullptr);

    void SetFlat(BOOL isFlat);
    void SetTransparent(BOOL isTransparent);
    void SetImageAlign(std::uint8_t align);
    void SetDrawBorder(BOOL draw);
    void SetDrawFlatFocus(BOOL draw);
    void SetFaceColors(COLORREF in, COLORREF out, COLORREF focus);
    void SetTextColors(COLORREF in, COLORREF out);
    void SetShowCaption(BOOL show);
    // Loads the drop-down menu from a menu resource; its commands are posted to `target`.
    BOOL SetMenu(UINT menuId, HWND target);
    void SetCursor(HCURSOR owned);
    void SetUrl(const char* link);
    void SetAlwaysTrack(BOOL always);
    void SetGreyDisabledBitmap(BOOL grey);

    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(DRAWITEMSTRUCT* item) override;

protected:
    virtual DWORD PaintFace(CDC* dc, const RECT* rect);
    virtual DWORD PaintFrame(CDC* dc, const RECT* rect);

    void PaintParentBackground(CDC* dc);
    RECT PlaceImage(std::uint32_t width, std::uint32_t height, bool hasCaption, bool isPressed,
                    const RECT& item, RECT& caption) const;
    void DrawIconImage(CDC* dc, bool hasCaption, const RECT& item, RECT& caption, bool isPressed,
                       bool isDisabled);
    void DrawBitmapImage(CDC* dc, bool hasCaption, const RECT& item, RECT& caption, bool isPressed,
                         bool isDisabled);

    void ReleaseImages();
    // A grey copy of `icon` made for this button's display, or null.
    HICON MakeGreyIcon(HICON icon) const;

    struct IconSlot {
        OwnedIcon icon;
        std::uint32_t width = 0;
        std::uint32_t height = 0;
    };
    struct BitmapSlot {
        CBitmap bitmap;
        std::uint32_t width = 0;
        std::uint32_t height = 0;
        CBitmap mask;
    };

    BOOL greyDisabledBitmap = TRUE;
    BOOL flat = TRUE;
    BOOL hover = FALSE;
    BOOL transparent = FALSE;
    BOOL pressed = FALSE;
    BOOL focused = FALSE;
    BOOL disabled = FALSE;
    BOOL isDefault = FALSE;
    BOOL isCheckBox = FALSE;
    std::uint8_t imageAlign = glint::button::kImageLeft;
    BOOL drawBorder = TRUE;
    BOOL drawFlatFocus = FALSE;
    COLORREF faceColorIn;
    COLORREF textColorIn;
    COLORREF faceColorOut;
    COLORREF textColorOut;
    COLORREF faceColorFocus;
    HWND menuTarget = nullptr;
    BOOL menuPushed = FALSE;
    BOOL showCaption = FALSE;
    COwnerDrawMenu menu;
    OwnedCursor cursor;
    CToolTipCtrl toolTip;
    CDC backgroundDC;
    CBitmap backgroundBitmap;
    HGDIOBJ previousBitmap = nullptr;
    BOOL alwaysTrack = TRUE;
    BOOL checkState = FALSE;
    char url[MAX_PATH] = {};
    IconSlot icons[2];
    BitmapSlot bitmaps[2];

    DECLARE_MESSAGE_MAP()

private:
    BOOL OnSetCursor(HWND wnd, UINT hitTest, UINT message);
    void OnKillFocus(HWND newFocus);
    void OnMouseMove(UINT flags, POINT point);
    void OnSysColorChange();
    BOOL OnClicked();
    void OnActivate(UINT state, HWND other, bool minimized);
    void OnEnable(bool enabled);
    void OnCancelMode();
    UINT OnGetDlgCode();
    HBRUSH CtlColor(CDC* dc, UINT ctlType);
    LRESULT OnMenuChar(UINT ch, UINT flags, HMENU menuHandle);
    bool MeasureSubMenuItem(MEASUREITEMSTRUCT* item);
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    LRESULT OnMouseLeave(WPARAM, LPARAM);
    LRESULT OnSetCheck(WPARAM state, LPARAM);
    LRESULT OnGetCheck(WPARAM, LPARAM);

    void ClearHover();
    void ShowDropDownMenu();
    void OpenUrl() const;
    void EnsureToolTip();
    // Reads an icon's size into its slot; false when the handle is no readable icon.
    static bool RecordIconSize(IconSlot& slot);
    static bool RecordBitmapSize(BitmapSlot& slot);
    void Redraw();
};
