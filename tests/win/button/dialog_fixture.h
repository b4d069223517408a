#pragma once
#include "test_dialog.h"
#include "test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

// Every test gets a fresh, shown test dialog whose buttons are bound to skinned buttons.
class ButtonDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        // A pointer left over a button by an earlier run would light it as soon as it is shown.
        ASSERT_TRUE(button_test::ParkMouse());
        ASSERT_TRUE(dialog.Open());
        PumpPending();
    }
    void TearDown() override {
        dialog.DestroyWindow();
        PumpPending();
    }

    // The icon's own information can still be read: it has not been destroyed.
    static bool IconAlive(HICON icon) {
        ICONINFO info{};
        if (!::GetIconInfo(icon, &info)) {
            return false;
        }
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        return true;
    }

    ButtonTestDialog dialog;
};
