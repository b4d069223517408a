#include "popup_probe.h"

#include "framework/owned_handle.h"
#include "res/resource.h"
#include "window_find.h"

namespace e2e {

namespace {

constexpr std::uint16_t kPowerLevelRegister = 0xC4FD;

INT_PTR CALLBACK IgnoreEverything(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

} // namespace

HWND FindPopup(const GlintProcess& glint) {
    return glint.FindWindowWhere([](HWND window) {
        return ClassName(window) == kDialogClass && ::GetDlgItem(window, IDC_PWR_TEXT) != nullptr;
    });
}

std::vector<HWND> VisibleMessageBoxes(const GlintProcess& glint) {
    return wintest::VisibleMessageBoxes(wintest::WindowOwner::Process(glint.Pid()));
}

std::wstring MessageBoxText(HWND box) {
    return wintest::ReadMessageBox(box).text;
}

int LevelPollsSince(GlintProcess& glint, std::uint64_t sinceNs, std::uint8_t value) {
    int polls = 0;
    for (const ecsim::EcAccess& access : glint.Ec().Accesses()) {
        if (access.pid == glint.Pid() && access.timeNs >= sinceNs &&
            access.access == ecsim::PortAccess::Read && access.address == kPowerLevelRegister &&
            access.value == value) {
            ++polls;
        }
    }
    return polls;
}

RECT ExpectedPopupRect(SIZE size, bool lowered) {
    const RECT desktop = WindowRect(::GetDesktopWindow());
    const int x = (desktop.right - desktop.left - size.cx) / 2;
    const int y = (desktop.bottom - desktop.top - size.cy) / 2 + (lowered ? size.cy / 2 : 0);
    return RECT{x, y, x + size.cx, y + size.cy};
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

SIZE PopupTemplateSize(const std::filesystem::path& program) {
    // Mapped only to read its resources.
    const OwnedModule module(::LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    HRSRC found = ::FindResourceA(module.Get(), MAKEINTRESOURCEA(IDD_PWR_NOTIFY), RT_DIALOG);
    HGLOBAL loaded = found != nullptr ? ::LoadResource(module.Get(), found) : nullptr;
    const auto* dialogTemplate =
        loaded != nullptr ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
    if (dialogTemplate == nullptr) {
        return SIZE{0, 0};
    }
    HWND probe = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate, nullptr,
                                              IgnoreEverything, 0);
    const SIZE size = SizeOf(WindowRect(probe));
    ::DestroyWindow(probe);
    return size;
}

double ShareOfColour(const Image& image, std::uint32_t colour, int tolerance) {
    if (image.Empty()) {
        return 0;
    }
    size_t matching = 0;
    for (std::uint32_t pixel : image.pixels) {
        matching += SameColour(pixel, colour, tolerance) ? 1 : 0;
    }
    return static_cast<double>(matching) / static_cast<double>(image.pixels.size());
}

Image Tiled(const Image& bitmap, int width, int height) {
    Image tiled;
    if (bitmap.Empty()) {
        return tiled;
    }
    tiled.width = width;
    tiled.height = height;
    tiled.pixels.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            tiled.pixels.push_back(bitmap.At(x % bitmap.width, y % bitmap.height));
        }
    }
    return tiled;
}

} // namespace e2e
