#include "widgets/button/core/button_look.h"

namespace glint::button {

bool IsDrawnPressed(bool checkBox, bool selected, bool checked, bool menuOpen) {
    if (checkBox) {
        return selected || checked;
    }
    return selected || menuOpen;
}

int ImageSlot(bool hasRestImage, const LookState& state) {
    const bool active = state.pressed || (!state.checkBox && state.hover);
    return hasRestImage && !active ? 1 : 0;
}

std::uint32_t FaceColour(const FaceColours& colours, const LookState& state) {
    if (state.hover || state.pressed) {
        return colours.in;
    }
    return state.focused ? colours.focus : colours.out;
}

} // namespace glint::button
