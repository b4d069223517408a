#include "tests/support/win/canvas.h"

#include <gtest/gtest.h>

#include "tests/support/win/pump.h"

namespace {

using wintest::Image;
using wintest::PixelCanvas;

TEST(PixelCanvas, ReadsPixelsInBothColourOrdersRowsFromTheTop) {
    PixelCanvas canvas(8, 6, RGB(10, 20, 30));
    ASSERT_TRUE(canvas.Ready());
    ::SetPixelV(canvas.Dc(), 5, 1, RGB(255, 0, 0));

    EXPECT_EQ(canvas.Pixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(0, 0), 0x0A141Eu);
    EXPECT_EQ(canvas.Pixel(5, 1), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(5, 1), 0xFF0000u);
    const Image image = canvas.Read();
    ASSERT_EQ(image.width, 8);
    ASSERT_EQ(image.height, 6);
    EXPECT_EQ(image.At(5, 1), 0xFF0000u);
    EXPECT_EQ(image.At(5, 4), 0x0A141Eu) << "rows are top-down";

    canvas.Fill(RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(5, 1), 0x0000FFu);
}

TEST(PixelCanvas, ReadsOutsideItOrWithoutASurfaceAreInvalid) {
    PixelCanvas canvas(4, 4, RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(4, 0), CLR_INVALID);
    EXPECT_EQ(canvas.Pixel(0, -1), CLR_INVALID);

    PixelCanvas none(0, 5);
    EXPECT_FALSE(none.Ready());
    EXPECT_EQ(none.Pixel(0, 0), CLR_INVALID);
    EXPECT_TRUE(none.Read().Empty());
}

TEST(Images, CropKeepsAreasInsideAndColoursCompareWithinATolerance) {
    PixelCanvas canvas(6, 4, RGB(0, 0, 0));
    ::SetPixelV(canvas.Dc(), 2, 1, RGB(0, 255, 0));
    const Image image = canvas.Read();

    const Image part = image.Crop(RECT{2, 1, 4, 3});
    ASSERT_EQ(part.width, 2);
    ASSERT_EQ(part.height, 2);
    EXPECT_EQ(part.At(0, 0), 0x00FF00u);
    EXPECT_EQ(part.At(1, 1), 0u);
    EXPECT_TRUE(image.Crop(RECT{4, 0, 7, 2}).Empty()) << "reaches past the right edge";
    EXPECT_TRUE(image.Crop(RECT{3, 1, 3, 2}).Empty()) << "no width";

    EXPECT_TRUE(wintest::SameColour(wintest::Rgb(100, 100, 100), 0x646664, 2));
    EXPECT_FALSE(wintest::SameColour(wintest::Rgb(100, 100, 100), 0x646664, 1));
}

TEST(ScreenCapture, ShowsAWindowsColourAndNothingForAnEmptyArea) {
    EXPECT_TRUE(wintest::CaptureScreen(RECT{10, 10, 10, 20}).Empty());

    const HBRUSH magenta = ::CreateSolidBrush(RGB(255, 0, 255));
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = magenta;
    windowClass.lpszClassName = "SharedSupportCaptureProbe";
    ASSERT_NE(::RegisterClassA(&windowClass), 0);
    const HWND window =
        ::CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 20,
                          30, 40, 30, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    const RECT centre{30, 40, 50, 50};
    // The window reaches the screen when the system has painted it; wait for that, not a time.
    EXPECT_TRUE(PumpUntil([&] {
        const Image shown = wintest::CaptureScreen(centre);
        return !shown.Empty() && shown.At(0, 0) == 0xFF00FFu && shown.At(19, 9) == 0xFF00FFu;
    }));
    ::DestroyWindow(window);
    ::UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);
    ::DeleteObject(magenta);
}

} // namespace
