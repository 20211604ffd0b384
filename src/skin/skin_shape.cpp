#include "skin/skin_shape.h"

#include <algorithm>
#include <cstdlib>

namespace quorvel {

bool ColoursMatch(int tolerance, Color a, Color b) {
    if (a == b) return true;
    return std::abs(int(RedOf(a)) - int(RedOf(b))) <= tolerance &&
           std::abs(int(GreenOf(a)) - int(GreenOf(b))) <= tolerance &&
           std::abs(int(BlueOf(a)) - int(BlueOf(b))) <= tolerance;
}

namespace {

// Calls `run` for every run of shown pixels, row by row, left to right.
template <typename OnRun>
void ScanRuns(const Bitmap& skin, OnRun run) {
    const Color key = skin.Pixel(0, 0);
    const int width = skin.Width();
    for (int y = 0; y < skin.Height(); ++y) {
        int start = -1;
        for (int x = 0; x < width; ++x) {
            const bool shown = !ColoursMatch(kKeyColourTolerance, skin.Pixel(x, y), key);
            if (start < 0 && shown) {
                start = x;
            } else if (start >= 0 && !shown) {
                run(RowRun{start, y, x});
                start = -1;
            }
        }
        if (start >= 0) run(RowRun{start, y, width});
    }
}

}  // namespace

std::vector<RowRun> RegionFromSkin(const Bitmap& skin) {
    std::vector<RowRun> runs;
    if (skin.Empty()) return runs;
    std::size_t count = 0;
    ScanRuns(skin, [&count](const RowRun&) { ++count; });
    runs.reserve(count);
    ScanRuns(skin, [&runs](const RowRun& run) { runs.push_back(run); });
    return runs;
}

void DrawFog(const FogRect& rect, Bitmap& picture, Color colour, bool fogSwitchedOff) {
    if (fogSwitchedOff || rect.bottom < rect.top) return;
    // Clip to the picture: the rectangle reaches one row and column past it.
    const int top = std::max(rect.top, 0);
    const int bottom = std::min(rect.bottom, picture.Height() - 1);
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.right, picture.Width() - 1);
    for (int y = top; y <= bottom; ++y) {
        const int k = y - rect.top;
        for (int x = left; x <= right; ++x) {
            if ((x % 2 != 0) != (k % 2 != 0)) picture.SetPixel(x, y, colour);
        }
    }
}

Color FogColourOf(const Bitmap& picture) {
    return picture.Pixel(picture.Width() / 2, picture.Height() / 2);
}

}  // namespace quorvel
