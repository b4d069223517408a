// Shows the test dialog with the flat button hovered and the second one pressed, then waits until
// the file named by its argument exists (the caller's screenshot is done) or a minute has passed.
#include "test_dialog.h"
#include "test_support.h"

#include <commctrl.h>

#include <cstdio>

namespace {

// A round badge whose corners let the face show through, like a skin icon.
HICON MakeBadge(int size, COLORREF colour) {
    std::vector<DWORD> bgra(static_cast<size_t>(size * size), 0);
    const int stride = (size + 15) / 16 * 2;
    std::vector<BYTE> mask(static_cast<size_t>(stride * size), 0xFF);
    const int r = size / 2 - 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int dx = x - size / 2;
            const int dy = y - size / 2;
            if (dx * dx + dy * dy <= r * r) {
                bgra[static_cast<size_t>(y * size + x)] =
                    (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
                mask[static_cast<size_t>(y * stride + x / 8)] &=
                    static_cast<BYTE>(~(0x80 >> (x % 8)));
            }
        }
    }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = ::CreateBitmap(size, size, 1, 32, bgra.data());
    info.hbmMask = ::CreateBitmap(size, size, 1, 1, mask.data());
    const HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: button_showcase DONE_FILE\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    ButtonTestDialog dialog;
    dialog.background = RGB(60, 80, 110); // dark, so that the white frame edges show
    if (!dialog.Open()) {
        return 1;
    }
    ::SetWindowPos(dialog, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog.flatButton.SetIcons(MakeBadge(32, RGB(30, 160, 60)));
    dialog.secondButton.SetIcons(MakeBadge(32, RGB(40, 90, 220)));
    dialog.checkButton.SetIcons(MakeBadge(32, RGB(220, 60, 40)), CSkinButton::ICON_GREY_COPY);
    dialog.defaultButton.SetFlat(FALSE);
    dialog.defaultButton.SetShowCaption(TRUE);

    PumpPending();
    button_test::MoveMouseTo(button_test::CentreOf(dialog.flatButton));
    ::SendMessageA(dialog.secondButton, BM_SETSTATE, TRUE, 0);
    PumpUntil([&] { return dialog.flatButton.hover != FALSE; });
    PumpUntil([] { return false; }, std::chrono::milliseconds(500)); // let every repaint land
    std::printf("ready hover=%d\n", dialog.flatButton.hover);
    std::fflush(stdout);

    PumpUntil([&] { return ::GetFileAttributesA(argv[1]) != INVALID_FILE_ATTRIBUTES; },
              std::chrono::seconds(60));
    dialog.DestroyWindow();
    return 0;
}
