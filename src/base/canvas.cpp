#include "base/canvas.h"

#include <algorithm>
#include <cstdlib>

namespace quorvel {

namespace {

// Keeps the corner arithmetic inside 64 bits; no real control comes near this size.
constexpr int kMaxCornerSize = 30000;

bool InSpan(const std::pair<int, int>& span, int x) {
    return x >= span.first && x < span.second;
}

}  // namespace

std::pair<int, int> RoundRectSpan(const PixelRect& r, int cornerWidth, int cornerHeight, int row) {
    if (r.IsEmpty() || row < r.top || row >= r.bottom) return {r.left, r.left};
    const int w = std::min({cornerWidth, r.Width(), kMaxCornerSize});
    const int h = std::min({cornerHeight, r.Height(), kMaxCornerSize});
    if (w <= 1 || h <= 1) return {r.left, r.right};

    // Work in half pixels so every centre and distance is an integer.
    const long long centreY = 2LL * row + 1;
    const long long topCorner = 2LL * r.top + h;
    const long long bottomCorner = 2LL * r.bottom - h;
    long long dy = 0;
    if (centreY < topCorner) {
        dy = centreY - topCorner;
    } else if (centreY > bottomCorner) {
        dy = centreY - bottomCorner;
    } else {
        return {r.left, r.right};
    }
    const long long w2 = 1LL * w * w;
    const long long h2 = 1LL * h * h;
    int inset = 0;
    for (;; ++inset) {
        const long long dx = 2LL * inset + 1 - w;
        if (dx >= 0 || dx * dx * h2 + dy * dy * w2 <= w2 * h2) break;
    }
    return {r.left + inset, std::max(r.left + inset, r.right - inset)};
}

Canvas::Canvas(Bitmap& target, TextRasterizer* text, const SystemColors& colors)
    : target_(target), text_(text), colors_(colors) {}

void Canvas::FillRect(const PixelRect& r) {
    if (brush_.style == BrushStyle::kClear) return;
    FillRect(r, brush_.color);
}

void Canvas::FillRect(const PixelRect& r, Color c) {
    const PixelRect area = r.Intersect(Bounds());
    if (area.IsEmpty()) return;
    const Color rgb = Resolve(c);
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) target_.SetPixel(x, y, rgb);
    }
}

void Canvas::Rectangle(const PixelRect& r) {
    FillShape(r, 0, 0);
}

void Canvas::RoundRect(const PixelRect& r, int cornerWidth, int cornerHeight) {
    FillShape(r, cornerWidth, cornerHeight);
}

void Canvas::Ellipse(const PixelRect& r) {
    FillShape(r, r.Width(), r.Height());
}

void Canvas::FillShape(const PixelRect& r, int cornerWidth, int cornerHeight) {
    const bool outline = pen_.style == PenStyle::kSolid;
    const bool fill = brush_.style == BrushStyle::kSolid;
    const PixelRect shape = outline ? r : PixelRect{r.left, r.top, r.right - 1, r.bottom - 1};
    if (shape.IsEmpty() || (!outline && !fill)) return;
    const Color penRgb = Resolve(pen_.color);
    const Color brushRgb = Resolve(brush_.color);

    const int firstRow = std::max(shape.top, 0);
    const int lastRow = std::min(shape.bottom, Height());
    for (int y = firstRow; y < lastRow; ++y) {
        const auto span = RoundRectSpan(shape, cornerWidth, cornerHeight, y);
        const auto above = RoundRectSpan(shape, cornerWidth, cornerHeight, y - 1);
        const auto below = RoundRectSpan(shape, cornerWidth, cornerHeight, y + 1);
        const int from = std::max(span.first, 0);
        const int to = std::min(span.second, Width());
        for (int x = from; x < to; ++x) {
            // The outline is every pixel of the shape that touches the outside.
            const bool edge =
                x == span.first || x == span.second - 1 || !InSpan(above, x) || !InSpan(below, x);
            if (outline && edge) {
                target_.SetPixel(x, y, penRgb);
            } else if (fill) {
                target_.SetPixel(x, y, brushRgb);
            }
        }
    }
}

void Canvas::LineTo(int x, int y) {
    const Point from = penPosition_;
    penPosition_ = {x, y};
    if (pen_.style == PenStyle::kClear) return;
    const Color rgb = Resolve(pen_.color);
    const int dx = std::abs(x - from.x);
    const int dy = -std::abs(y - from.y);
    const int stepX = from.x < x ? 1 : -1;
    const int stepY = from.y < y ? 1 : -1;
    int error = dx + dy;
    Point p = from;
    while (p.x != x || p.y != y) {
        target_.SetPixel(p.x, p.y, rgb);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
}

void Canvas::Draw(int x, int y, const Bitmap& picture) {
    for (int row = 0; row < picture.Height(); ++row) {
        for (int column = 0; column < picture.Width(); ++column) {
            target_.SetPixel(x + column, y + row, picture.Pixel(column, row));
        }
    }
}

void Canvas::DrawTransparent(int x, int y, const Bitmap& picture, Color transparent) {
    const Color key = Resolve(transparent);
    for (int row = 0; row < picture.Height(); ++row) {
        for (int column = 0; column < picture.Width(); ++column) {
            const Color c = picture.Pixel(column, row);
            if ((c & 0x00FFFFFFu) != key) target_.SetPixel(x + column, y + row, c);
        }
    }
}

void Canvas::DrawFocusRect(const PixelRect& r) {
    if (r.IsEmpty()) return;
    auto invert = [this](int x, int y) {
        if ((x + y) % 2 == 0 && target_.Contains(x, y)) {
            target_.SetPixel(x, y, target_.Pixel(x, y) ^ 0x00FFFFFFu);
        }
    };
    for (int x = r.left; x < r.right; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 > r.top) invert(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        invert(r.left, y);
        if (r.right - 1 > r.left) invert(r.right - 1, y);
    }
}

}  // namespace quorvel
