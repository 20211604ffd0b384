#pragma once

#include <string>

#include "base/bitmap.h"

namespace quorvel {

// The picture as the bytes of a 24-bit uncompressed .bmp file (bottom row first, rows
// padded to four bytes), the form the resource compiler takes bitmap resources in.
std::string EncodeBmp(const Bitmap& picture);

}  // namespace quorvel
