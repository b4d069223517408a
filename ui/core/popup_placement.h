#pragma once

// Where the power-level popup goes: pure arithmetic, so it is tested without a window.

struct DesktopRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct PopupBounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Centres a width x height popup in the desktop's extent (integer halves, truncated toward
// zero; the desktop's own left and top are not added). With lowered set (the main window is
// hidden to the tray) the popup sits lower by half its height. Results that would not fit in an
// int are clamped rather than wrapped.
PopupBounds PlacePopupBounds(const DesktopRect& desktop, int width, int height, bool lowered);
