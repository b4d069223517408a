#include "dialog_fixture.h"

#include <vector>

namespace {

using button_test::MakeSolidIcon;
using button_test::NeedsPaint;
using button_test::PaintNow;

using SetIconsTest = ButtonDialogTest;

TEST_F(SetIconsTest, ValidIconFillsTheActiveSlotWithItsSizeAndRepaints) {
    SkinButtonProbe& button = dialog.flatButton;
    PaintNow(button);
    ASSERT_FALSE(NeedsPaint(button));

    const HICON icon = MakeSolidIcon(32, RGB(10, 200, 30));
    EXPECT_EQ(button.SetIcons(icon, nullptr), CSkinButton::kImagesSet);
    EXPECT_EQ(button.icons[0].icon.Get(), icon);
    EXPECT_EQ(button.icons[0].width, 32u);
    EXPECT_EQ(button.icons[0].height, 32u);
    EXPECT_EQ(button.icons[1].icon.Get(), nullptr);
    EXPECT_TRUE(NeedsPaint(button));

    const HICON larger = MakeSolidIcon(48, RGB(200, 10, 30));
    EXPECT_EQ(button.SetIcons(larger, nullptr), CSkinButton::kImagesSet);
    EXPECT_EQ(button.icons[0].width, 48u);
    EXPECT_EQ(button.icons[0].height, 48u);
    EXPECT_FALSE(IconAlive(icon)) << "the icon held before is the button's to destroy";
}

TEST_F(SetIconsTest, NullFirstIconEmptiesBothSlotsAndRepaints) {
    SkinButtonProbe& button = dialog.flatButton;
    const HICON active = MakeSolidIcon(32, RGB(1, 2, 3));
    const HICON rest = MakeSolidIcon(32, RGB(4, 5, 6));
    ASSERT_EQ(button.SetIcons(active, rest), CSkinButton::kImagesSet);
    EXPECT_EQ(button.icons[1].icon.Get(), rest);
    PaintNow(button);

    const HICON ignored = MakeSolidIcon(16, RGB(7, 8, 9));
    EXPECT_EQ(button.SetIcons(nullptr, ignored), CSkinButton::kImagesSet);
    for (const auto& slot : button.icons) {
        EXPECT_EQ(slot.icon.Get(), nullptr);
        EXPECT_EQ(slot.width, 0u);
        EXPECT_EQ(slot.height, 0u);
    }
    EXPECT_TRUE(NeedsPaint(button));
    EXPECT_FALSE(IconAlive(active));
    EXPECT_FALSE(IconAlive(rest));
    ::DestroyIcon(ignored);
}

TEST_F(SetIconsTest, UnreadableIconIsRejectedWithoutRepaint) {
    SkinButtonProbe& button = dialog.flatButton;
    const HICON held = MakeSolidIcon(32, RGB(1, 2, 3));
    ASSERT_EQ(button.SetIcons(held, nullptr), CSkinButton::kImagesSet);
    PaintNow(button);

    const HICON destroyed = MakeSolidIcon(32, RGB(4, 5, 6));
    ::DestroyIcon(destroyed);
    EXPECT_EQ(button.SetIcons(destroyed, nullptr), CSkinButton::kImageRejected);
    EXPECT_EQ(button.icons[0].icon.Get(), nullptr);
    EXPECT_EQ(button.icons[1].icon.Get(), nullptr);
    EXPECT_EQ(button.icons[0].width, 0u);
    EXPECT_FALSE(NeedsPaint(button));
    EXPECT_FALSE(IconAlive(held));
}

TEST_F(SetIconsTest, UnreadableFirstIconTakesTheRestIconHandedWithItToo) {
    SkinButtonProbe& button = dialog.flatButton;
    const HICON destroyed = MakeSolidIcon(32, RGB(4, 5, 6));
    ::DestroyIcon(destroyed);
    const HICON rest = MakeSolidIcon(32, RGB(7, 8, 9));

    EXPECT_EQ(button.SetIcons(destroyed, rest), CSkinButton::kImageRejected);
    EXPECT_EQ(button.icons[1].icon.Get(), nullptr);
    EXPECT_FALSE(IconAlive(rest))
        << "handed over with the rejected icon, so the button's to destroy";
}

TEST_F(SetIconsTest, UnreadableRestIconReleasesTheActiveOneToo) {
    SkinButtonProbe& button = dialog.flatButton;
    PaintNow(button);
    const HICON active = MakeSolidIcon(32, RGB(1, 2, 3));
    const HICON destroyed = MakeSolidIcon(32, RGB(4, 5, 6));
    ::DestroyIcon(destroyed);

    EXPECT_EQ(button.SetIcons(active, destroyed), CSkinButton::kImageRejected);
    EXPECT_EQ(button.icons[0].icon.Get(), nullptr);
    EXPECT_EQ(button.icons[1].icon.Get(), nullptr);
    EXPECT_FALSE(IconAlive(active));
    EXPECT_FALSE(NeedsPaint(button));
}

TEST_F(SetIconsTest, SameIconTwiceIsOwnedOnce) {
    SkinButtonProbe& button = dialog.flatButton;
    const HICON icon = MakeSolidIcon(32, RGB(1, 2, 3));
    EXPECT_EQ(button.SetIcons(icon, icon), CSkinButton::kImagesSet);
    EXPECT_EQ(button.icons[0].icon.Get(), icon);
    EXPECT_EQ(button.icons[1].icon.Get(), nullptr);
    EXPECT_TRUE(IconAlive(icon));
}

TEST_F(SetIconsTest, GreyCopyHasTheSameSizeAndGreyPixels) {
    SkinButtonProbe& button = dialog.flatButton;
    const std::vector<COLORREF> samples = {RGB(255, 255, 255), RGB(128, 128, 128), RGB(1, 1, 1),
                                           RGB(255, 0, 0),     RGB(0, 0, 0),       RGB(0, 0, 255)};
    const std::vector<COLORREF> expected = {RGB(255, 255, 255), RGB(127, 127, 127),
                                            RGB(0, 0, 0),       RGB(76, 76, 76),
                                            RGB(0, 0, 0),       RGB(29, 29, 29)};
    std::vector<COLORREF> pixels(32 * 32, RGB(0, 200, 0));
    for (size_t i = 0; i < samples.size(); ++i) {
        pixels[i] = samples[i];
    }
    const HICON icon = button_test::MakeIcon(32, 32, pixels);

    ASSERT_EQ(button.SetIcons(icon, CSkinButton::ICON_GREY_COPY), CSkinButton::kImagesSet);
    const HICON grey = button.icons[1].icon.Get();
    ASSERT_NE(grey, nullptr);
    EXPECT_NE(grey, icon);
    EXPECT_EQ(button.icons[1].width, 32u);
    EXPECT_EQ(button.icons[1].height, 32u);

    const std::vector<COLORREF> greyPixels = button_test::IconPixels(grey, 32, 32);
    ASSERT_EQ(greyPixels.size(), pixels.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(greyPixels[i], expected[i]) << "sample " << i;
    }
    EXPECT_EQ(greyPixels.back(), RGB(117, 117, 117)); // 200 * 0.587, truncated
    EXPECT_EQ(button_test::IconPixels(icon, 32, 32), pixels) << "the original stays in colour";
}

TEST_F(SetIconsTest, GreyCopyOfNothingIsRejected) {
    SkinButtonProbe& button = dialog.flatButton;
    const HICON destroyed = MakeSolidIcon(32, RGB(4, 5, 6));
    ::DestroyIcon(destroyed);
    EXPECT_EQ(button.SetIcons(destroyed, CSkinButton::ICON_GREY_COPY), CSkinButton::kImageRejected);
    EXPECT_EQ(button.icons[1].icon.Get(), nullptr);
}

TEST_F(SetIconsTest, BitmapsAreOwnedAndSized) {
    SkinButtonProbe& button = dialog.flatButton;
    const HBITMAP bitmap = ::CreateBitmap(20, 10, 1, 32, nullptr);
    const HBITMAP mask = ::CreateBitmap(20, 10, 1, 1, nullptr);
    ASSERT_EQ(button.SetBitmaps(bitmap, mask), CSkinButton::kImagesSet);
    EXPECT_EQ(button.bitmaps[0].width, 20u);
    EXPECT_EQ(button.bitmaps[0].height, 10u);

    ASSERT_EQ(button.SetIcons(nullptr, nullptr), CSkinButton::kImagesSet);
    BITMAP info{};
    EXPECT_EQ(::GetObjectA(bitmap, sizeof info, &info), 0) << "bitmap released with the images";
    EXPECT_EQ(::GetObjectA(mask, sizeof info, &info), 0) << "mask released with the images";
}

} // namespace
