#pragma once

#include <algorithm>

namespace quorvel {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// One horizontal run of a window's shape: columns [left, right) of row y.
struct RowRun {
    int left;
    int y;
    int right;
    bool operator==(const RowRun&) const = default;
};

// A rectangle as the system describes one: the right column and the bottom row are
// outside it, so (0, 0, 3, 2) covers three columns and two rows.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }

    // Grows by dx on the left and right and by dy on the top and bottom (shrinks when negative).
    PixelRect Inflated(int dx, int dy) const {
        return {left - dx, top - dy, right + dx, bottom + dy};
    }
    PixelRect Offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    PixelRect Intersect(const PixelRect& other) const {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }

    bool operator==(const PixelRect&) const = default;
};

// A rectangle as the layouts give it: left, top, width, height.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const LayoutRect&) const = default;
};

}  // namespace quorvel
