// Shows the test dialog with the flat button hovered and the second one pressed, then waits until
// the file named by its argument exists (the caller's screenshot is done) or a minute has passed.
#include "test_dialog.h"
#include "test_support.h"

#include <commctrl.h>

#include <cstdio>

namespace {

// A round badge on a transparent ground, like a skin icon.
HICON MakeBadge(int size, COLORREF colour) {
    std::vector<COLORREF> pixels(static_cast<size_t>(size * size), RGB(0, 0, 0));
    const int r = size / 2 - 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int dx = x - size / 2;
            const int dy = y - size / 2;
            if (dx * dx + dy * dy <= r * r) {
                pixels[static_cast<size_t>(y * size + x)] = colour;
            }
        }
    }
    return button_test::MakeIcon(size, size, pixels);
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
    if (!dialog.Open()) {
        return 1;
    }
    ::SetWindowPos(dialog, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog.flatButton.SetIcons(MakeBadge(32, RGB(30, 160, 60)));
    dialog.secondButton.SetIcons(MakeBadge(32, RGB(40, 90, 220)));
    dialog.checkButton.SetIcons(MakeBadge(32, RGB(220, 60, 40)), CSkinButton::ICON_GREY_COPY);
    dialog.defaultButton.SetFlat(FALSE);
    dialog.defaultButton.SetShowCaption(TRUE);

    button_test::PumpPending();
    button_test::MoveMouseTo(button_test::CentreOf(dialog.flatButton));
    ::SendMessageA(dialog.secondButton, BM_SETSTATE, TRUE, 0);
    button_test::PumpUntil([&] { return dialog.flatButton.hover != FALSE; }, 10000);
    button_test::PumpUntil([] { return false; }, 500); // let every repaint land
    std::printf("ready hover=%d\n", dialog.flatButton.hover);
    std::fflush(stdout);

    button_test::PumpUntil([&] { return ::GetFileAttributesA(argv[1]) != INVALID_FILE_ATTRIBUTES; },
                           60000);
    dialog.DestroyWindow();
    return 0;
}
