#include "widgets/menu/core/check_box_position.h"

#include <algorithm>

int CenteredBoxOffset(int span, int boxSize) {
    return std::max(0, static_cast<int>((span - boxSize) * 0.5 + 0.5));
}
