#pragma once

#include <string>

// What the mode controller needs of the main window: give one of its buttons a new icon.
class ModeButtonView {
public:
    virtual ~ModeButtonView() = default;

    // Loads the icon file at iconPath at the size the file gives and hands it to the button with
    // that control id as its only icon; a file that cannot be loaded leaves the button without an
    // image.
    virtual void SetButtonIcon(int controlId, const std::string& iconPath) = 0;
};
