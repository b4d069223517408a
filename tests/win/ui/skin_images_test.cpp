#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "framework/wide_text.h"
#include "res/skin_files.h"
#include "tests/support/scratch_folder.h"
#include "ui/skin_images.h"

namespace {

const char* const kAnIcon = skin_files::kButtonIcons[0].plain;

std::string SkinFile(const std::string& skin, const std::string& name) {
    // The source tree's Unix path through Wine's drive Z:, which maps the Unix root.
    return std::string("Z:") + GLINT_SKINS_SOURCE + "/" + skin + "/" + name;
}

struct IconDirEntrySize {
    int width;
    int height;
};

// The first image's size as the icon file's directory gives it (0 stands for 256).
IconDirEntrySize FirstIconSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char header[8] = {};
    in.read(reinterpret_cast<char*>(header), sizeof(header));
    return {header[6] == 0 ? 256 : header[6], header[7] == 0 ? 256 : header[7]};
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    BITMAP colour{};
    if (!::GetIconInfo(icon, &info)) {
        return {};
    }
    ::GetObjectW(info.hbmColor, sizeof(colour), &colour);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return {colour.bmWidth, colour.bmHeight};
}

TEST(SkinImages, IconsKeepTheSizeTheirFileGives) {
    for (const skin_files::ButtonIcons& button : skin_files::kButtonIcons) {
        const char* name = button.plain;
        const std::string path = SkinFile("skin_EN", name);
        const IconDirEntrySize expected = FirstIconSize(path);
        ASSERT_GT(expected.width, 32) << name << ": a test needs an icon other than 32 x 32";
        const HICON icon = LoadSkinIcon(path);
        ASSERT_NE(icon, nullptr) << name;
        const SIZE size = IconSize(icon);
        EXPECT_EQ(size.cx, expected.width) << name;
        EXPECT_EQ(size.cy, expected.height) << name;
        ::DestroyIcon(icon);
    }
}

TEST(SkinImages, BitmapsKeepTheirOwnSize) {
    const HBITMAP bitmap = LoadSkinBitmap(SkinFile("skin_CN", skin_files::kBackground));
    ASSERT_NE(bitmap, nullptr);
    BITMAP metrics{};
    ::GetObjectW(bitmap, sizeof(metrics), &metrics);
    EXPECT_EQ(metrics.bmWidth, 1024);
    EXPECT_EQ(metrics.bmHeight, 769);
    ::DeleteObject(bitmap);
}

TEST(SkinImages, MissingOrUnreadableFilesYieldNothing) {
    EXPECT_EQ(LoadSkinIcon(SkinFile("skin_EN", "no_such.ico")), nullptr);
    EXPECT_EQ(LoadSkinBitmap(SkinFile("skin_EN", "no_such.bmp")), nullptr);
    // A bitmap is no icon and an icon no bitmap.
    EXPECT_EQ(LoadSkinIcon(SkinFile("skin_EN", skin_files::kBackground)), nullptr);
    EXPECT_EQ(LoadSkinBitmap(SkinFile("skin_EN", kAnIcon)), nullptr);
}

// A folder whose name the ANSI code page of an English system cannot spell.
TEST(SkinImages, LoadFromAFolderOutsideTheAnsiCodePage) {
    const testsupport::ScratchFolder scratch;
    const std::wstring folder = (scratch / L"\u76AE\u80A4").wstring(); // 皮肤
    ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring icon = folder + L"\\icon.ico";
    const std::wstring bitmap = folder + L"\\background.bmp";
    ASSERT_TRUE(
        ::CopyFileW(WideFromUtf8(SkinFile("skin_EN", kAnIcon)).c_str(), icon.c_str(), FALSE));
    ASSERT_TRUE(::CopyFileW(WideFromUtf8(SkinFile("skin_EN", skin_files::kBackground)).c_str(),
                            bitmap.c_str(), FALSE));

    const HICON loadedIcon = LoadSkinIcon(Utf8FromWide(icon));
    const HBITMAP loadedBitmap = LoadSkinBitmap(Utf8FromWide(bitmap));
    EXPECT_NE(loadedIcon, nullptr);
    EXPECT_NE(loadedBitmap, nullptr);
    ::DestroyIcon(loadedIcon);
    ::DeleteObject(loadedBitmap);
}

TEST(WideText, Utf8RoundTripsEveryCharacter) {
    const std::wstring text = L"C:\\\u53D1\u5149\\glint \u00E9\u0394.exe";
    const std::string utf8 = Utf8FromWide(text);
    EXPECT_EQ(WideFromUtf8(utf8), text);
    EXPECT_EQ(utf8.size(), text.size() + 2 * 2 + 1 + 1) << "three bytes per CJK, two otherwise";
    EXPECT_TRUE(WideFromUtf8("").empty());
}

} // namespace
