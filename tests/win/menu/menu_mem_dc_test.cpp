#include "menu_test_support.h"
#include "widgets/menu/menu_mem_dc.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuMemDC, DrawsOffScreenAndCopiesOnDestruction) {
    Canvas target(60, 60, RGB(255, 255, 255));
    const RECT area{10, 20, 40, 30};
    {
        CMenuMemDC offScreen(&target.Dc(), area);
        // Drawing uses the target's coordinates.
        const RECT inside{10, 20, 40, 30};
        offScreen.FillSolidRect(&inside, RGB(200, 0, 0));
        EXPECT_EQ(::GetPixel(offScreen, 15, 25), RGB(200, 0, 0));
        EXPECT_EQ(target.Pixel(15, 25), RGB(255, 255, 255));
    }
    EXPECT_EQ(target.Pixel(10, 20), RGB(200, 0, 0));
    EXPECT_EQ(target.Pixel(39, 29), RGB(200, 0, 0));
    EXPECT_EQ(target.Pixel(40, 29), RGB(255, 255, 255));
    EXPECT_EQ(target.Pixel(9, 20), RGB(255, 255, 255));
    EXPECT_EQ(target.Pixel(10, 30), RGB(255, 255, 255));
}

TEST(MenuMemDC, APrintingTargetIsDrawnIntoDirectly) {
    Canvas target(20, 20, RGB(255, 255, 255));
    target.Dc().m_bPrinting = TRUE;
    {
        CMenuMemDC shared(&target.Dc(), {0, 0, 10, 10});
        EXPECT_EQ(shared.m_hDC, target.Hdc());
        const RECT dot{2, 2, 4, 4};
        shared.FillSolidRect(&dot, RGB(0, 0, 200));
        EXPECT_EQ(target.Pixel(3, 3), RGB(0, 0, 200));
    }
    target.Dc().m_bPrinting = FALSE;
    // The shared context is still the target's to use.
    EXPECT_EQ(::GetDeviceCaps(target.Hdc(), BITSPIXEL), 32);
    EXPECT_EQ(target.Pixel(3, 3), RGB(0, 0, 200));
}

} // namespace
