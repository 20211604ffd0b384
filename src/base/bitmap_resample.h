#pragma once

#include "base/bitmap.h"

namespace quorvel {

// The picture drawn at another size with a bilinear filter (each destination pixel's
// centre mapped into the source, edges clamped), or with an area filter when it shrinks
// (each destination pixel the mean of the source pixels it covers), so a scaled skin keeps
// smooth edges and no moire. The same size gives an exact copy.
Bitmap Resampled(const Bitmap& source, int width, int height);

}  // namespace quorvel
