#pragma once
// GoogleTest fixture over the harness: one program run per test, ended with the test.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "glint_process.h"
#include "image.h"
#include "paths.h"
#include "wait.h"

namespace e2e {

class GlintTest : public ::testing::Test {
protected:
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

    // Keeps a picture of the window under build/artifacts for people to look at.
    static void KeepScreenshot(HWND window, const std::string& name) {
        EXPECT_TRUE(SaveBmp(CaptureWindow(window), ArtifactPath(name + ".bmp"))) << name;
    }

    void TearDown() override { glint.reset(); }

    std::unique_ptr<GlintProcess> glint;
    HWND mainWindow = nullptr;
};

} // namespace e2e
