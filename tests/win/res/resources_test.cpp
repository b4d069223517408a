// The module resources as compiled: dialog templates byte for byte, string, icon, bitmap
// and manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <string>

#include "create_dialog.h"
#include "dlg_template.h"
#include "glint_version.h"
#include "resource.h"

namespace {

constexpr uint16_t kButtonAtom = 0x0080;
constexpr uint16_t kStaticAtom = 0x0082;

std::span<const uint8_t> ResourceBytes(int id, LPCSTR type) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(id), type);
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(self, found);
    const auto* data = static_cast<const uint8_t*>(LockResource(loaded));
    return {data, data ? SizeofResource(self, found) : 0};
}

DialogTemplate LoadTemplate(int id) {
    std::span<const uint8_t> bytes = ResourceBytes(id, MAKEINTRESOURCEA(5)); // RT_DIALOG
    std::optional<DialogTemplate> parsed = ParseDialogTemplateEx(bytes.data(), bytes.size());
    EXPECT_TRUE(parsed.has_value()) << "template " << id << " missing or not extended";
    return parsed.value_or(DialogTemplate{});
}

struct Control {
    uint32_t id;
    const char* text;
    uint16_t classAtom;
    uint32_t style;
    int16_t x, y, cx, cy;
};

void ExpectControls(const DialogTemplate& dlg, std::span<const Control> expected) {
    ASSERT_EQ(dlg.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DialogItem& item = dlg.items[i];
        const Control& want = expected[i];
        SCOPED_TRACE("control #" + std::to_string(i) + " (" + want.text + ")");
        EXPECT_EQ(item.id, want.id);
        EXPECT_FALSE(item.title.isOrdinal);
        EXPECT_EQ(item.title.text, want.text);
        EXPECT_TRUE(item.windowClass.isOrdinal);
        EXPECT_EQ(item.windowClass.ordinal, want.classAtom);
        EXPECT_EQ(item.style, want.style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
    }
}

void ExpectShellFont(const DialogTemplate& dlg) {
    EXPECT_EQ(dlg.pointSize, 8);
    EXPECT_EQ(dlg.typeface, "MS Shell Dlg");
    EXPECT_EQ(dlg.italic, 0);
}

TEST(DialogTemplates, MainWindowIsAsGiven) {
    DialogTemplate dlg = LoadTemplate(IDD_MAIN);
    EXPECT_EQ(dlg.style, 0x90080048u);
    EXPECT_EQ(dlg.exStyle, 0x00040000u);
    EXPECT_EQ(dlg.cx, 679);
    EXPECT_EQ(dlg.cy, 471);
    EXPECT_EQ(dlg.title, "");
    EXPECT_FALSE(dlg.menu.isOrdinal);
    EXPECT_EQ(dlg.menu.text, "");
    EXPECT_FALSE(dlg.windowClass.isOrdinal);
    EXPECT_EQ(dlg.windowClass.text, "");
    ExpectShellFont(dlg);
    const Control controls[] = {
        {IDOK, "OK", kButtonAtom, 0x40010041, 535, 116, 30, 26},
        {IDC_ON, "On", kButtonAtom, 0x50010000, 188, 400, 62, 54},
        {IDC_RAINBOW, "RainBow", kButtonAtom, 0x50010040, 309, 400, 62, 54},
        {IDC_STATIC_TEST, "Static", kButtonAtom, 0x40010000, 264, 190, 72, 72},
        {IDC_BREATH, "Breath", kButtonAtom, 0x50010040, 430, 400, 62, 54},
        {IDC_COLORLOOP, "ColorLoop", kButtonAtom, 0x50010040, 551, 400, 62, 54},
        {IDCANCEL, "Cancel", kButtonAtom, 0x40010040, 575, 116, 30, 26},
        {IDC_EXIT, "Exit", kButtonAtom, 0x50010000, 632, 2, 40, 34},
        {IDC_MIN, "MIN", kButtonAtom, 0x50010000, 587, 2, 40, 34},
        {IDC_AUTO, "Auto", kButtonAtom, 0x50010040, 67, 400, 62, 54},
    };
    ExpectControls(dlg, controls);
}

TEST(DialogTemplates, PowerPopupIsAsGiven) {
    DialogTemplate dlg = LoadTemplate(IDD_PWR_NOTIFY);
    EXPECT_EQ(dlg.style, 0x80080048u);
    EXPECT_EQ(dlg.exStyle, 0u);
    EXPECT_EQ(dlg.cx, 158);
    EXPECT_EQ(dlg.cy, 89);
    EXPECT_EQ(dlg.title, "");
    ExpectShellFont(dlg);
    const Control controls[] = {
        {IDC_PWR_TEST, "TEST", kButtonAtom, 0x40010000, 13, 9, 106, 14},
        {IDC_PWR_TEXT, "PWR_TEXT", kStaticAtom, 0x40020000, 20, 30, 68, 20},
    };
    ExpectControls(dlg, controls);
}

TEST(DialogTemplates, AboutBoxIsAsGiven) {
    DialogTemplate dlg = LoadTemplate(IDD_ABOUTBOX);
    EXPECT_EQ(dlg.style, 0x80C800C8u);
    EXPECT_EQ(dlg.cx, 170);
    EXPECT_EQ(dlg.cy, 62);
    EXPECT_EQ(dlg.title, "About ZUQ_RGB_LED_Tool");
    ExpectShellFont(dlg);
    ASSERT_EQ(dlg.items.size(), 4u);

    const DialogItem& picture = dlg.items[0];
    EXPECT_TRUE(picture.windowClass.isOrdinal);
    EXPECT_EQ(picture.windowClass.ordinal, kStaticAtom);
    EXPECT_EQ(picture.style & SS_TYPEMASK, static_cast<uint32_t>(SS_ICON));
    EXPECT_TRUE(picture.title.isOrdinal);
    EXPECT_EQ(picture.title.ordinal, IDR_MAINFRAME);
    EXPECT_EQ((std::array<int, 4>{picture.x, picture.y, picture.cx, picture.cy}),
              (std::array<int, 4>{14, 14, 21, 20}));

    const DialogItem& version = dlg.items[1];
    EXPECT_EQ(version.title.text, "ZUQ_RGB_LED_Tool, Version " +
                                      std::to_string(GLINT_VERSION_MAJOR) + "." +
                                      std::to_string(GLINT_VERSION_MINOR));
    EXPECT_EQ((std::array<int, 4>{version.x, version.y, version.cx, version.cy}),
              (std::array<int, 4>{42, 14, 114, 8}));

    const DialogItem& second = dlg.items[2];
    EXPECT_FALSE(second.title.text.empty());
    EXPECT_EQ((std::array<int, 4>{second.x, second.y, second.cx, second.cy}),
              (std::array<int, 4>{42, 26, 114, 8}));

    const DialogItem& ok = dlg.items[3];
    EXPECT_EQ(ok.id, static_cast<uint32_t>(IDOK));
    EXPECT_EQ(ok.title.text, "OK");
    EXPECT_EQ(ok.windowClass.ordinal, kButtonAtom);
    EXPECT_EQ(ok.style & BS_TYPEMASK, static_cast<uint32_t>(BS_DEFPUSHBUTTON));
    EXPECT_EQ((std::array<int, 4>{ok.x, ok.y, ok.cx, ok.cy}),
              (std::array<int, 4>{113, 41, 50, 14}));
}

TEST(DialogTemplates, EveryTemplateCreatesItsWindow) {
    for (int id : {IDD_ABOUTBOX, IDD_MAIN, IDD_PWR_NOTIFY}) {
        HWND dlg = CreateTemplateWindow(id);
        EXPECT_NE(dlg, nullptr) << "template " << id;
        if (dlg != nullptr) {
            DestroyWindow(dlg);
        }
    }
}

TEST(ModuleResources, AboutMenuString) {
    char text[128] = {};
    int length = LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text);
    EXPECT_EQ(length, 26);
    EXPECT_STREQ(text, "&About ZUQ_RGB_LED_Tool...");
}

TEST(ModuleResources, ApplicationIconIsOne128PixelPngImage) {
    std::span<const uint8_t> group = ResourceBytes(IDR_MAINFRAME, MAKEINTRESOURCEA(14));
    // GRPICONDIR: reserved, type 1, count; then 14-byte entries (width, height, ...).
    ASSERT_GE(group.size(), 6u + 14u);
    EXPECT_EQ(group[4] | group[5] << 8, 1);
    EXPECT_EQ(group[6], 128);
    EXPECT_EQ(group[7], 128);
    EXPECT_EQ(group[6 + 6] | group[6 + 7] << 8, 32); // bits per pixel
    // Stored as PNG (a fifth of the uncompressed size); the load below proves it decodes.
    std::span<const uint8_t> image = ResourceBytes(group[6 + 12] | group[6 + 13] << 8,
                                                   MAKEINTRESOURCEA(3)); // RT_ICON
    constexpr std::array<uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(image.size(), kPngSignature.size());
    EXPECT_TRUE(std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin()));

    HICON icon = static_cast<HICON>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_EQ(info.xHotspot, 64u);
    EXPECT_EQ(info.yHotspot, 64u);
    BITMAP colour{};
    EXPECT_TRUE(GetObjectA(info.hbmColor, sizeof colour, &colour));
    EXPECT_EQ(colour.bmWidth, 128);
    EXPECT_EQ(colour.bmHeight, 128);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST(ModuleResources, BuiltInBackgroundIs1024By769At24Bits) {
    std::span<const uint8_t> raw = ResourceBytes(IDB_BUILTIN_BG, MAKEINTRESOURCEA(2));
    ASSERT_GE(raw.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header{};
    std::memcpy(&header, raw.data(), sizeof header);
    EXPECT_EQ(header.biWidth, 1024);
    EXPECT_EQ(header.biHeight, 769);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));

    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BUILTIN_BG),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, 1024);
    EXPECT_EQ(dib.dsBm.bmHeight, 769);
    EXPECT_EQ(dib.dsBmih.biBitCount, 24);
    DeleteObject(bitmap);
}

// Nothing the program shows needs the version-6 common controls, and binding them costs every
// start an assembly lookup: the manifest carries the execution level only.
TEST(ModuleResources, ManifestCarriesTheExecutionLevelOnly) {
    std::span<const uint8_t> manifest = ResourceBytes(1, MAKEINTRESOURCEA(24));
    std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
    EXPECT_EQ(text.find("<dependency"), std::string::npos);
    EXPECT_NE(text.find("version=\"" GLINT_VERSION_TEXT "\""), std::string::npos);
}

// The one project version reaches the version resource, numbers and texts alike.
TEST(ModuleResources, VersionResourceCarriesTheProjectVersion) {
    std::span<const uint8_t> bytes = ResourceBytes(1, MAKEINTRESOURCEA(16)); // RT_VERSION
    ASSERT_FALSE(bytes.empty());
    // VerQueryValue wants a buffer of its own; the compiled block is UTF-16.
    std::string copy(bytes.begin(), bytes.end());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(MAKELONG(GLINT_VERSION_MINOR, GLINT_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, GLINT_VERSION_PATCH)));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    for (const wchar_t* key : {L"FileVersion", L"ProductVersion"}) {
        wchar_t* text = nullptr;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + key;
        ASSERT_TRUE(
            VerQueryValueW(copy.data(), path.c_str(), reinterpret_cast<void**>(&text), &length));
        EXPECT_STREQ(text, L"" GLINT_VERSION_TEXT);
    }
}

} // namespace
