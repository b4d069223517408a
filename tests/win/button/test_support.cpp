#include "test_support.h"

namespace button_test {

bool NeedsPaint(HWND window) {
    return ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

void PaintNow(HWND window) {
    ::UpdateWindow(window);
}

HICON MakeIcon(int width, int height, const std::vector<COLORREF>& pixels,
               const std::function<bool(int x, int y)>& opaque) {
    std::vector<DWORD> bgra(pixels.size(), 0);
    const int stride = (width + 15) / 16 * 2;
    std::vector<BYTE> mask(static_cast<size_t>(stride * height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = pixels[static_cast<size_t>(y * width + x)];
            if (!opaque || opaque(x, y)) {
                bgra[static_cast<size_t>(y * width + x)] =
                    (GetRValue(pixel) << 16) | (GetGValue(pixel) << 8) | GetBValue(pixel);
            } else {
                mask[static_cast<size_t>(y * stride + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
            }
        }
    }
    const OwnedGdiObject<HBITMAP> colour(::CreateBitmap(width, height, 1, 32, bgra.data()));
    const OwnedGdiObject<HBITMAP> transparent(::CreateBitmap(width, height, 1, 1, mask.data()));
    ICONINFO info{TRUE, 0, 0, transparent.Get(), colour.Get()};
    return ::CreateIconIndirect(&info);
}

HICON MakeSolidIcon(int size, COLORREF colour) {
    return MakeIcon(size, size, std::vector<COLORREF>(static_cast<size_t>(size * size), colour));
}

std::vector<COLORREF> IconPixels(HICON icon, int width, int height) {
    std::vector<COLORREF> pixels;
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) {
        return pixels;
    }
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height; // top-down
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    const OwnedGdiObject<HBITMAP> colour(info.hbmColor);
    const OwnedGdiObject<HBITMAP> mask(info.hbmMask);
    std::vector<DWORD> bgra(static_cast<size_t>(width * height));
    const OwnedScreenDc screen(::GetDC(nullptr));
    const int rows = !colour ? 0
                             : ::GetDIBits(screen.Get(), colour.Get(), 0, height, bgra.data(),
                                           &request, DIB_RGB_COLORS);
    if (rows != height) {
        return pixels;
    }
    for (DWORD p : bgra) {
        pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    return pixels;
}

void DrawInto(CSkinButton& button, Canvas& canvas, UINT itemState) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(::GetDlgCtrlID(button.GetSafeHwnd()));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = button.GetSafeHwnd();
    item.hDC = canvas.Dc();
    item.rcItem = RECT{0, 0, canvas.Width(), canvas.Height()};
    button.DrawItem(&item);
}

void MoveMouseTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Targets are window centres, so the rounding of the normalised position does not matter.
    input.mi.dx = ::MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof input);
}

void LeftButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &input, sizeof input);
}

bool ParkMouse() {
    const POINT corner{::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1};
    MoveMouseTo(corner);
    return PumpUntil([&] {
        POINT at{};
        ::GetCursorPos(&at);
        return at.x >= corner.x - 2 && at.y >= corner.y - 2;
    });
}

POINT CentreOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

} // namespace button_test
