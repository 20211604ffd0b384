#pragma once

#include "base/geometry.h"  // Point and Size

namespace quorvel {

// A rectangle as the layouts give it: left, top, width, height.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

}  // namespace quorvel
