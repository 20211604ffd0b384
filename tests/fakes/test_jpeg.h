#pragma once

#include <string>

#include "base/bitmap.h"

namespace quorvel {

// A real JPEG made with the program's own decoder library, for tests that need skin files:
// the left half of every row in `left`, the right half in `right`.
std::string EncodeTestJpeg(int width, int height, Color left, Color right);

// A progressive JPEG of `scans` scans (at least 4): the DC scan, then the AC
// coefficients of the three components split into that many bands.
std::string EncodeProgressiveTestJpeg(int width, int height, int scans);

inline std::string EncodeTestJpeg(int width, int height, Color colour) {
    return EncodeTestJpeg(width, height, colour, colour);
}

}  // namespace quorvel
