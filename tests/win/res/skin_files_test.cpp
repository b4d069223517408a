// Every shipped skin file loads the way the program loads it: icons at their own (even)
// size with a clear ring and an opaque inside, bitmaps at their expected sizes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button_rects.h"
#include "framework/path_text.h"
#include "res/skin_files.h"
#include "resource.h"
#include "tests/support/win/canvas.h"
#include "ui/core/language.h"

namespace {

std::string SkinFolder(const char* name) {
    const std::string exe = ReadWholeString([](char* buffer, std::size_t capacity) {
        return static_cast<std::size_t>(
            GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(capacity)));
    });
    return PathInFolder(FolderOfPath(exe), name);
}

MeasuredRect RectOf(int id) {
    for (const MeasuredRect& rect : kArtworkRects) {
        if (rect.id == id) {
            return rect;
        }
    }
    ADD_FAILURE() << "no rectangle for control " << id;
    return {};
}

using Canvas = wintest::PixelCanvas;

struct IconFile {
    const char* name;
    int control;
};

// Each button's icons, plain and selected.
std::vector<IconFile> Icons() {
    std::vector<IconFile> icons;
    for (const skin_files::ButtonIcons& button : skin_files::kButtonIcons) {
        icons.push_back({button.plain, button.control});
        if (button.selected != nullptr) {
            icons.push_back({button.selected, button.control});
        }
    }
    return icons;
}

struct BitmapFile {
    const char* name;
    int width, height;
};

// The background is a little larger than the window (the pattern brush crops it).
std::vector<BitmapFile> Bitmaps() {
    std::vector<BitmapFile> bitmaps{{skin_files::kBackground, 1024, 769}};
    for (const char* popup : skin_files::kPopupBitmaps) {
        bitmaps.push_back({popup, 300, 180});
    }
    return bitmaps;
}

class SkinFiles : public testing::TestWithParam<const char*> {};

TEST_P(SkinFiles, IconsLoadAtTheirButtonsSizeWithAClearRing) {
    for (const IconFile& file : Icons()) {
        SCOPED_TRACE(file.name);
        std::string path = PathInFolder(SkinFolder(GetParam()), file.name);
        HICON icon = static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
        ASSERT_NE(icon, nullptr) << path;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);

        // The button takes twice the hot spot as the icon's size: it must be the real one.
        MeasuredRect button = RectOf(file.control);
        int width = button.width + button.width % 2;
        int height = button.height + button.height % 2;
        EXPECT_EQ(static_cast<int>(info.xHotspot) * 2, width);
        EXPECT_EQ(static_cast<int>(info.yHotspot) * 2, height);
        EXPECT_EQ(colour.bmWidth, width);
        EXPECT_EQ(colour.bmHeight, height);
        EXPECT_EQ(colour.bmBitsPixel, 32);

        // Drawn over two different colours: the ring shows each, the inside neither.
        Canvas magenta(width, height, RGB(255, 0, 255));
        Canvas green(width, height, RGB(0, 255, 0));
        for (Canvas* canvas : {&magenta, &green}) {
            ASSERT_TRUE(DrawIconEx(canvas->Dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
        }
        const int w = button.width, h = button.height;
        for (auto [x, y] : {std::pair{0, 0},
                            {w / 2, 0},
                            {w - 1, h / 2},
                            {w / 2, h - 1},
                            {0, h - 1},
                            {w - 1, h - 1}}) {
            EXPECT_EQ(magenta.At(x, y), 0xFF00FFu) << "ring pixel " << x << "," << y;
            EXPECT_EQ(green.At(x, y), 0x00FF00u) << "ring pixel " << x << "," << y;
        }
        for (auto [x, y] : {std::pair{1, 1}, {w / 2, h / 2}, {w - 2, h - 2}, {w / 3, h / 4}}) {
            EXPECT_EQ(magenta.At(x, y), green.At(x, y)) << "inside pixel " << x << "," << y;
        }
        DestroyIcon(icon);
    }
}

TEST_P(SkinFiles, BitmapsLoadAtTheirSizes) {
    for (const BitmapFile& file : Bitmaps()) {
        SCOPED_TRACE(file.name);
        std::string path = PathInFolder(SkinFolder(GetParam()), file.name);
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        ASSERT_NE(bitmap, nullptr) << path;
        BITMAP metrics{};
        EXPECT_EQ(GetObjectA(bitmap, sizeof metrics, &metrics), static_cast<int>(sizeof metrics));
        EXPECT_EQ(metrics.bmWidth, file.width);
        EXPECT_EQ(metrics.bmHeight, file.height);
        DeleteObject(bitmap);
    }
}

// The plain icons are cut from the background: drawn at their buttons over it, their
// inside must continue it pixel for pixel (catching flipped, shifted or stale art).
TEST_P(SkinFiles, PlainIconsContinueTheBackgroundSeamlessly) {
    std::string folder = SkinFolder(GetParam());
    HBITMAP background = static_cast<HBITMAP>(
        LoadImageA(nullptr, PathInFolder(folder, skin_files::kBackground).c_str(), IMAGE_BITMAP, 0,
                   0, LR_LOADFROMFILE));
    ASSERT_NE(background, nullptr);
    MeasuredRect window = RectOf(IDD_MAIN);
    Canvas scene(window.width, window.height, RGB(0, 0, 0));
    Canvas withIcons(window.width, window.height, RGB(0, 0, 0));
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, background);
    for (Canvas* canvas : {&scene, &withIcons}) {
        BitBlt(canvas->Dc(), 0, 0, window.width, window.height, source, 0, 0, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(background);

    // The hidden test button's icon is a tag drawn over the scene, not cut from it.
    for (const skin_files::ButtonIcons& file : skin_files::kButtonIcons) {
        if (file.control == IDC_STATIC_TEST) {
            continue;
        }
        SCOPED_TRACE(file.plain);
        HICON icon = static_cast<HICON>(LoadImageA(
            nullptr, PathInFolder(folder, file.plain).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
        ASSERT_NE(icon, nullptr);
        MeasuredRect button = RectOf(file.control);
        DrawIconEx(withIcons.Dc(), button.left, button.top, icon, 0, 0, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
        int mismatches = 0;
        for (int y = button.top + 1; y < button.top + button.height - 1; ++y) {
            for (int x = button.left + 1; x < button.left + button.width - 1; ++x) {
                mismatches += scene.At(x, y) != withIcons.At(x, y);
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

// Each language's skin folder, without the leading backslash.
std::vector<const char*> LanguageSkinFolders() {
    std::vector<const char*> folders;
    for (const language::Language& row : language::Languages()) {
        folders.push_back(row.skinFolder + 1);
    }
    return folders;
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, SkinFiles, testing::ValuesIn(LanguageSkinFolders()));

} // namespace
