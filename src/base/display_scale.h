#pragma once

#include <span>

#include "base/geometry.h"
#include "base/mul_div.h"

namespace quorvel {

// The program's windows are designed at 96 dots per inch. Every design figure (position,
// size, font height in pixels) is scaled to a display by one rule: MulDiv(figure, dpi, 96),
// so at 96 DPI each figure stays exactly what the design says.
struct DisplayScale {
    static constexpr int kDesignDpi = 96;

    int dpi = kDesignDpi;

    constexpr int Of(int designFigure) const { return MulDiv(designFigure, dpi, kDesignDpi); }
    constexpr Point Of(Point p) const { return {Of(p.x), Of(p.y)}; }
    constexpr Size Of(Size s) const { return {Of(s.width), Of(s.height)}; }
    constexpr LayoutRect Of(LayoutRect r) const {
        return {Of(r.left), Of(r.top), Of(r.width), Of(r.height)};
    }
    // A font height as the system gives it (negative: character height, positive: cell
    // height, 0: the default). Scaling the pixel height at 96 DPI is the same as scaling
    // its point size (a 96-DPI pixel is 3/4 of a point).
    constexpr int FontHeight(int designHeight) const { return Of(designHeight); }

    // A length on this display in design figures (for centring in design units).
    constexpr int ToDesign(int pixels) const { return MulDiv(pixels, kDesignDpi, dpi); }

    // A picture that comes in a few ready-drawn sizes (`sizes`, ascending): the smallest
    // that is not smaller than the design size at this scale, so it is drawn at its own
    // size, never stretched; the largest where none is that large.
    constexpr int PictureSize(int designSize, std::span<const int> sizes) const {
        const int wanted = Of(designSize);
        for (int size : sizes)
            if (size >= wanted) return size;
        return sizes.empty() ? wanted : sizes.back();
    }

    // A display that reports nothing usable is taken as the design's.
    static constexpr DisplayScale ForDpi(int dpi) { return {dpi > 0 ? dpi : kDesignDpi}; }

    bool operator==(const DisplayScale&) const = default;
};

}  // namespace quorvel
