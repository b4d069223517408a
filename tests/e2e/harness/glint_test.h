#pragma once
// GoogleTest fixture over the harness: one program run per test, ended with the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "glint_process.h"
#include "image.h"
#include "paths.h"
#include "popup_probe.h"
#include "program_copy.h"
#include "wait.h"
#include "window_find.h"

namespace e2e {

class GlintTest : public ::testing::Test {
protected:
    static constexpr wchar_t kStartFailureCaption[] = L"Glint Controls";

    // Starts the program and waits for its main window; a fatal failure when it does not come.
    // Call through ASSERT_NO_FATAL_FAILURE.
    void StartGlint(const LaunchOptions& options = {}) {
        Launch(options);
        mainWindow = glint->WaitForMainWindow();
        ASSERT_NE(mainWindow, nullptr) << "no main window";
    }

    // Starts the program without waiting for any window.
    void Launch(const LaunchOptions& options = {}) {
        glint = std::make_unique<GlintProcess>(options);
        ASSERT_TRUE(glint->Started()) << glint->Error();
    }

    // Starts the program copied where it finds no way to the ports and waits for its start-failure
    // box (see WaitForStartFailureBox). Call through ASSERT_NO_FATAL_FAILURE.
    void LaunchWithoutPortAccess(const ProgramCopy& copy, std::wstring& text) {
        LaunchOptions options;
        options.program = copy.Program();
        ASSERT_NO_FATAL_FAILURE(Launch(options));
        ASSERT_NO_FATAL_FAILURE(WaitForStartFailureBox(text));
    }

    // A start that cannot reach the EC: waits for its one message box and returns its text,
    // failing the test if any other dialog of the program (its main window, the popup) became
    // visible meanwhile. The box is left open. Call through ASSERT_NO_FATAL_FAILURE.
    void WaitForStartFailureBox(std::wstring& text) {
        HWND box = nullptr;
        std::wstring otherWindows;
        WaitUntil(
            [&] {
                const std::vector<HWND> boxes = VisibleMessageBoxes(*glint);
                for (HWND window : glint->TopLevelWindows()) {
                    // The box itself may show a moment before its text control is found.
                    const bool isBox = (!boxes.empty() && window == boxes.front()) ||
                                       WindowText(window) == kStartFailureCaption;
                    if (::IsWindowVisible(window) && !isBox && ClassName(window) == kDialogClass) {
                        otherWindows += L" [" + ClassName(window) + L"] " + WindowText(window);
                    }
                }
                box = boxes.empty() ? nullptr : boxes.front();
                return box != nullptr || !glint->IsRunning();
            },
            kStartTimeout);
        ASSERT_NE(box, nullptr) << "no message box; exit code "
                                << glint->WaitForExit(0ms).value_or(259);
        EXPECT_TRUE(otherWindows.empty()) << "windows besides the message box:"
                                          << std::string(otherWindows.begin(), otherWindows.end());
        EXPECT_EQ(VisibleMessageBoxes(*glint).size(), 1u);
        text = MessageBoxText(box);
        startFailureBox = box;
    }

    // The one message box of a start that cannot reach the EC says the reasons; once it is
    // dismissed the program ends with exit code 1, having written nothing to the EC. Call
    // through ASSERT_NO_FATAL_FAILURE.
    void ExpectStartFailure(std::initializer_list<std::wstring_view> reasons,
                            const std::string& screenshot) {
        std::wstring text;
        ASSERT_NO_FATAL_FAILURE(WaitForStartFailureBox(text));
        for (std::wstring_view reason : reasons) {
            EXPECT_NE(text.find(reason), std::wstring::npos)
                << std::string(reason.begin(), reason.end()) << " not in\n"
                << std::string(text.begin(), text.end());
        }
        KeepBoxScreenshot(startFailureBox, screenshot);
        EXPECT_TRUE(glint->IsRunning()) << "the box is modal";
        DismissMessageBox(startFailureBox);
        EXPECT_EQ(glint->WaitForExit(), DWORD{1});
        EXPECT_EQ(glint->WaitForMainWindow(0ms), nullptr);
        EXPECT_TRUE(glint->Ec().WritesSince(0).empty());
    }

    static int Grey(std::uint32_t pixel) {
        return ((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF)) / 3;
    }

    // Keeps a picture of the window under build/artifacts for people to look at.
    static void KeepScreenshot(HWND window, const std::string& name) {
        EXPECT_TRUE(SaveBmp(CaptureWindow(window), ArtifactPath(name + ".bmp"))) << name;
    }

    // KeepScreenshot of a message box, once it is painted and stays so: mostly its light face,
    // with text.
    static void KeepBoxScreenshot(HWND box, const std::string& name) {
        Image previous;
        WaitUntil([&] {
            Image shown = CaptureWindow(box);
            const auto light =
                std::count_if(shown.pixels.begin(), shown.pixels.end(),
                              [](std::uint32_t pixel) { return Grey(pixel) > 0xC0; });
            const auto dark = std::count_if(shown.pixels.begin(), shown.pixels.end(),
                                            [](std::uint32_t pixel) { return Grey(pixel) < 0x60; });
            const bool settled = shown.pixels == previous.pixels;
            previous = std::move(shown);
            return settled && light * 2 > static_cast<std::ptrdiff_t>(previous.pixels.size()) &&
                   dark > 50;
        });
        KeepScreenshot(box, name);
    }

    void TearDown() override { glint.reset(); }

    std::unique_ptr<GlintProcess> glint;
    HWND mainWindow = nullptr;
    HWND startFailureBox = nullptr;
};

} // namespace e2e
