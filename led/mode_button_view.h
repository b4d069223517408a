#pragma once

#include <string>

#include "led/led_mode.h"

// What the mode controller needs of the main window: give one of its buttons a new icon.
class ModeButtonView {
public:
    virtual ~ModeButtonView() = default;

    // Loads the icon file at iconPath at the size the file gives and hands it to the button as
    // its only icon; a file that cannot be loaded leaves the button without an image.
    virtual void SetButtonIcon(ModeButton button, const std::string& iconPath) = 0;
};
