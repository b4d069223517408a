// The artwork was cut to the buttons' pixel rectangles; dialog 102 must still put its
// buttons there, or the icons no longer match the background around them.
#include <windows.h>

#include <gtest/gtest.h>

#include "button_rects.h"
#include "create_dialog.h"
#include "resource.h"

namespace {

TEST(ArtworkLayout, MainDialogPutsItsButtonsWhereTheArtworkExpects) {
    HWND dlg = CreateTemplateWindow(IDD_MAIN);
    ASSERT_NE(dlg, nullptr);
    const char* hint = "(dialog metrics depend on the dialog font: does the Wine prefix have "
                       "Wine's Tahoma? see glint_wine_fonts in scripts/wine-env.sh)";
    for (const MeasuredRect& want : kArtworkRects) {
        RECT got{};
        if (want.id == IDD_MAIN) {
            GetClientRect(dlg, &got);
        } else {
            HWND control = GetDlgItem(dlg, want.id);
            ASSERT_NE(control, nullptr) << want.id;
            GetWindowRect(control, &got);
            MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&got), 2);
        }
        EXPECT_EQ(got.left, want.left) << want.id << " " << hint;
        EXPECT_EQ(got.top, want.top) << want.id << " " << hint;
        EXPECT_EQ(got.right - got.left, want.width) << want.id << " " << hint;
        EXPECT_EQ(got.bottom - got.top, want.height) << want.id << " " << hint;
    }
    DestroyWindow(dlg);
}

} // namespace
