#include "skin_checks.h"

#include "input.h"
#include "program_copy.h"
#include "res/resource.h"
#include "res/skin_files.h"
#include "wait.h"
#include "window_find.h"

namespace e2e {

namespace {

constexpr int kFrameMargin = 2;

Image CaptureControl(HWND dialog, int controlId) {
    return CaptureScreen(ControlRect(dialog, controlId));
}

} // namespace

std::filesystem::path BuiltSkinFile(const std::string& skin, const std::string& file) {
    return BuiltProgramFolder() / skin / file;
}

double ButtonMatchesIcon(HWND dialog, int controlId, const std::filesystem::path& iconFile) {
    const Image shown = CaptureControl(dialog, controlId);
    const Image expected = RenderIconAsButton(iconFile, shown.width, shown.height);
    return MatchRatio(shown, expected, kFrameMargin);
}

std::string ButtonsWithoutTheirPlainIcons(HWND mainWindow, const std::string& skin) {
    std::string failures;
    for (const skin_files::ButtonIcons& button : skin_files::kButtonIcons) {
        if (button.control == IDC_STATIC_TEST) {
            continue;
        }
        double match = 0;
        if (!WaitUntil([&] {
                match = ButtonMatchesIcon(mainWindow, button.control,
                                          BuiltSkinFile(skin, button.plain));
                return match > 0.97;
            })) {
            failures += std::string(button.plain) + " matches " + std::to_string(match) + "; ";
        }
    }
    return failures;
}

double ButtonIsPlainFace(HWND dialog, int controlId) {
    const Image shown = CaptureControl(dialog, controlId);
    Image face = shown;
    const COLORREF system = ::GetSysColor(COLOR_BTNFACE);
    face.pixels.assign(face.pixels.size(),
                       Rgb(GetRValue(system), GetGValue(system), GetBValue(system)));
    return MatchRatio(shown, face, kFrameMargin, 0);
}

BackgroundSamples CompareBackground(HWND window, const Image& bitmap, int tolerance) {
    BackgroundSamples result;
    if (bitmap.Empty()) {
        return result;
    }
    const Image shown = CaptureWindow(window);
    const RECT frame = WindowRect(window);
    const std::vector<RECT> controls = VisibleChildRects(window);
    constexpr int kStep = 23;
    for (int y = 1; y < shown.height; y += kStep) {
        for (int x = 1; x < shown.width; x += kStep) {
            const POINT screen{frame.left + x, frame.top + y};
            bool onControl = false;
            for (const RECT& control : controls) {
                const RECT around{control.left - 2, control.top - 2, control.right + 2,
                                  control.bottom + 2};
                onControl = onControl || Contains(around, screen);
            }
            if (onControl) {
                continue;
            }
            ++result.samples;
            if (SameColour(shown.At(x, y), bitmap.At(x % bitmap.width, y % bitmap.height),
                           tolerance)) {
                ++result.matching;
            }
        }
    }
    return result;
}

void MoveMouseAway() {
    MoveMouseTo({::GetSystemMetrics(SM_CXSCREEN) - 5, ::GetSystemMetrics(SM_CYSCREEN) - 5});
}

BackgroundSamples WaitForBackground(HWND window, const Image& bitmap) {
    BackgroundSamples samples;
    WaitUntil([&] {
        samples = CompareBackground(window, bitmap);
        return samples.AllMatch();
    });
    return samples;
}

} // namespace e2e
