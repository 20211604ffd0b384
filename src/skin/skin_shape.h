#pragma once

#include <vector>

#include "base/bitmap.h"
#include "base/geometry.h"

namespace quorvel {

// How far each of red, green and blue may differ for two colours to count as the same
// key colour (JPEG noise around the cut-out colour).
constexpr int kKeyColourTolerance = 10;

bool ColoursMatch(int tolerance, Color a, Color b);

// The window shape of a skin: every run of pixels that does not match the key colour
// (the pixel at (0, 0)), row by row, left to right. Empty when every pixel matches, which
// leaves the window its full rectangle. The list is made at its exact size, without
// regrowing: a full-size noise picture has millions of runs.
std::vector<RowRun> RegionFromSkin(const Bitmap& skin);

// The fog: a checkerboard of one colour over the picture, drawn while the application
// is inactive.
struct FogRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Sets every pixel of the (inclusive) rectangle whose column and row-from-top differ in
// parity. Pixels outside the picture are left alone. Nothing is drawn when the fog is
// switched off.
void DrawFog(const FogRect& rect, Bitmap& picture, Color colour, bool fogSwitchedOff);

// The fog colour: the picture's centre pixel.
Color FogColourOf(const Bitmap& picture);

}  // namespace quorvel
