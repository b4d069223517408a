// Shows the test dialog with the flat button hovered and the second one pressed, then waits until
// the file named by its argument exists (the caller's screenshot is done) or a minute has passed.
#include "test_dialog.h"
#include "test_support.h"

#include <commctrl.h>

#include <cstdio>

namespace {

// A round badge whose corners let the face show through, like a skin icon.
HICON MakeBadge(int size, COLORREF colour) {
    const int r = size / 2 - 2;
    return button_test::MakeIcon(size, size,
                                 std::vector<COLORREF>(static_cast<size_t>(size * size), colour),
                                 [&](int x, int y) {
                                     const int dx = x - size / 2;
                                     const int dy = y - size / 2;
                                     return dx * dx + dy * dy <= r * r;
                                 });
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
