#pragma once

#include "base/bitmap.h"
#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// Copies a picture to a device context at (x, y), pixel for pixel.
void DrawBitmap(HDC dc, const Bitmap& bitmap, int x, int y);

// An icon of the picture; pixels of the transparent colour are see-through.
UniqueIcon IconFromBitmap(const Bitmap& bitmap, Color transparent);

}  // namespace quorvel::win32
