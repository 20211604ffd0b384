#pragma once

#include <string>

#include "base/bitmap.h"

namespace quorvel {

// A real JPEG made with the program's own decoder library, for tests that need skin files:
// the left half of every row in `left`, the right half in `right`.
std::string EncodeTestJpeg(int width, int height, Color left, Color right);

inline std::string EncodeTestJpeg(int width, int height, Color colour) {
    return EncodeTestJpeg(width, height, colour, colour);
}

}  // namespace quorvel
