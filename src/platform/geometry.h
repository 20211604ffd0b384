#pragma once

#include "base/geometry.h"

namespace quorvel {

// A rectangle as the layouts give it: left, top, width, height. (The drawing rectangle,
// base/geometry.h's PixelRect, gives right and bottom instead.)
struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

}  // namespace quorvel
