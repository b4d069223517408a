#include "widgets/button/core/image_placement.h"

namespace glint::button {
namespace {

// Start of an extent of `size` centred in [low, high); halves truncate toward zero, so an image
// larger than the space starts before it (48 in 41 starts at -3).
std::int32_t Centre(std::int32_t low, std::int32_t high, std::uint32_t size) {
    const std::int64_t spare = static_cast<std::int64_t>(high) - low - size;
    return static_cast<std::int32_t>(low + spare / 2);
}

} // namespace

Rect PlaceImage(const ImagePlacement& p, Rect& caption) {
    Rect image = p.item;
    const auto width = static_cast<std::int32_t>(p.width);
    const auto height = static_cast<std::int32_t>(p.height);
    const auto centreHorizontally = [&] {
        image.left = Centre(image.left, image.right, p.width);
    };
    const auto centreVertically = [&] {
        image.top = Centre(image.top, image.bottom, p.height);
    };

    switch (p.align) {
    case kImageLeft:
        if (p.hasCaption) {
            image.left += 3;
            caption.left += width + 3;
        } else {
            centreHorizontally();
        }
        centreVertically();
        break;
    case kImageAbove:
        centreHorizontally();
        if (p.hasCaption) {
            image.top = 3;
            caption.top += height;
        } else {
            centreVertically();
        }
        break;
    case kImageRight:
        if (p.hasCaption) {
            caption.right = caption.right - caption.left - width - 3;
            caption.left = 3;
            image.left = p.client.right - width - 3;
        } else {
            centreHorizontally();
        }
        // Centred vertically with or without a caption, like the other alignments.
        centreVertically();
        break;
    default:
        break;
    }

    if (p.pressed && !p.checkBox) {
        image.left += 1;
        image.top += 1;
        image.right += 1;
        image.bottom += 1;
    }
    return image;
}

} // namespace glint::button
