#pragma once
#include <cstdint>

namespace glint::button {

// The visible state of one draw of a button.
struct LookState {
    bool hover = false;
    bool pressed = false;
    bool focused = false;
    bool checkBox = false;
};

// Whether a button draws pressed: a check box while selected or checked; a push button while
// selected or while its drop-down menu is open.
bool IsDrawnPressed(bool checkBox, bool selected, bool checked, bool menuOpen);

// Which image of a pair is drawn: the rest image (1) when there is one and the button is neither
// pressed nor, outside check-box mode, hovered; the active image (0) otherwise.
int ImageSlot(bool hasRestImage, const LookState& state);

struct FaceColours {
    std::uint32_t in = 0;    // hovered or pressed
    std::uint32_t out = 0;   // at rest
    std::uint32_t focus = 0; // focused and neither hovered nor pressed
};

std::uint32_t FaceColour(const FaceColours& colours, const LookState& state);

} // namespace glint::button
