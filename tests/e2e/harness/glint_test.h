#pragma once
// GoogleTest fixture over the harness: one program run per test, ended with the test.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "glint_process.h"
#include "image.h"
#include "paths.h"
#include "popup_probe.h"
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

    // Keeps a picture of the window under build/artifacts for people to look at.
    static void KeepScreenshot(HWND window, const std::string& name) {
        EXPECT_TRUE(SaveBmp(CaptureWindow(window), ArtifactPath(name + ".bmp"))) << name;
    }

    void TearDown() override { glint.reset(); }

    std::unique_ptr<GlintProcess> glint;
    HWND mainWindow = nullptr;
    HWND startFailureBox = nullptr;
};

} // namespace e2e
