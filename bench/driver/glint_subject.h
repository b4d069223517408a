#pragma once
#include "launch.h"
#include "subject_ec.h"

#include <optional>
#include <string>

// glint.exe under test: started from its own folder with a fresh simulated EC there.
struct GlintSubject {
    std::string label;
    SubjectEc ec;
    Launched app;

    HWND Button(int id) const { return GetDlgItem(app.mainWindow, id); }
};

std::optional<GlintSubject> StartGlint(const std::string& label, const std::string& exe);

// A click the way the button's own code takes it (BM_CLICK: press and release), sent and
// waited for; false when the program did not answer within timeoutMs.
bool ClickAndWait(HWND button, UINT timeoutMs = 10000);

// A mouse click on the button's centre, posted to its queue as real input would arrive.
void PostClick(HWND button);

// Whether the program's thread takes a sent message within timeoutMs: it is not hung, and the
// handler it was in has returned.
bool Responds(HWND mainWindow, UINT timeoutMs = 10000);
