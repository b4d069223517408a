#pragma once
#include <cstdint>

namespace glint::button {

// A rectangle in client coordinates; right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// Where the image stands beside the caption.
enum ImageAlign : std::uint8_t {
    kImageLeft = 0,  // image left of the caption
    kImageAbove = 1, // image above the caption
    kImageRight = 2, // image right of the caption
};

struct ImagePlacement {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t align = kImageLeft;
    bool hasCaption = false;
    bool pressed = false;
    bool checkBox = false; // a check box does not shift its image when pressed
    Rect item;             // the item rectangle the system passed (never the deflated one)
    Rect client;           // the button's client rectangle
};

// Returns the image rectangle (only its left and top are placed; right and bottom stay the item
// rectangle's) and moves the caption rectangle aside to make room for the image.
Rect PlaceImage(const ImagePlacement& placement, Rect& caption);

} // namespace glint::button
