#include "controls/gradient_fill.h"

#include <algorithm>

namespace quorvel {

namespace {

Color Blend(Color base, Color other, int index, int last) {
    auto channel = [&](int b, int o) { return std::clamp(b + MulDiv(index, o - b, last), 0, 255); };
    return Rgb(std::uint8_t(channel(RedOf(base), RedOf(other))),
               std::uint8_t(channel(GreenOf(base), GreenOf(other))),
               std::uint8_t(channel(BlueOf(base), BlueOf(other))));
}

Color Halfway(Color a, Color b) {
    return Rgb(std::uint8_t((RedOf(a) + RedOf(b)) / 2), std::uint8_t((GreenOf(a) + GreenOf(b)) / 2),
               std::uint8_t((BlueOf(a) + BlueOf(b)) / 2));
}

void SolidShape(Canvas& canvas, const PixelRect& r, Color c, const GradientParams& p) {
    canvas.SetPen(c);
    canvas.SetBrush(c);
    if (p.style == ButtonStyle::xpbbsbEllipse) {
        canvas.Ellipse(r);
    } else if (p.style == ButtonStyle::xpbbsbRoundRect) {
        canvas.RoundRect(r, p.cornerSize, p.cornerSize);
    } else {
        canvas.Rectangle(r);
    }
}

// A band of a rounded face: only the part inside the rounded outline of the whole face.
void FillBand(Canvas& canvas, const PixelRect& band, const PixelRect& face, Color c,
              const GradientParams& p) {
    if (p.style != ButtonStyle::xpbbsbRoundRect || p.cornerSize <= 1) {
        canvas.FillRect(band, c);
        return;
    }
    for (int y = std::max(band.top, face.top); y < std::min(band.bottom, face.bottom); ++y) {
        const auto span = RoundRectSpan(face, p.cornerSize, p.cornerSize, y);
        canvas.FillRect(
            {std::max(span.first, band.left), y, std::min(span.second, band.right), y + 1}, c);
    }
}

void EllipseFill(Canvas& canvas, const PixelRect& r, Color start, Color end,
                 const GradientParams& p) {
    if (p.sunken) std::swap(start, end);
    const int axis = p.kindEllipse == GradientKind::gkBigAxis ? std::max(r.Width(), r.Height())
                                                              : std::min(r.Width(), r.Height());
    const int count = std::max(1, axis / 2);
    const int ramp = std::max(1, count - std::max(0, p.effectEllipse));
    for (int i = 0; i < count; ++i) {
        const PixelRect ring = r.Inflated(-i, -i);
        if (ring.IsEmpty()) break;
        const Color c =
            ramp == 1 ? (i == 0 ? start : end) : Blend(start, end, std::min(i, ramp - 1), ramp - 1);
        canvas.SetPen(c);
        canvas.SetBrush(c);
        canvas.Ellipse(ring);
    }
}

}  // namespace

void GradientFill(Canvas& canvas, const PixelRect& r, Color start, Color end,
                  const GradientParams& p) {
    const Color s = canvas.Resolve(start);
    const Color e = canvas.Resolve(end);
    if (!p.gradient) {
        SolidShape(canvas, r, Halfway(s, e), p);
        return;
    }
    if (s == e) {
        SolidShape(canvas, r, s, p);
        return;
    }
    if (p.style == ButtonStyle::xpbbsbEllipse) {
        EllipseFill(canvas, r, s, e, p);
        return;
    }

    GradientMode mode = p.mode;
    if (p.sunken) {
        switch (mode) {
            case GradientMode::fdTopToBottom:
                mode = GradientMode::fdBottomToTop;
                break;
            case GradientMode::fdBottomToTop:
                mode = GradientMode::fdTopToBottom;
                break;
            case GradientMode::fdLeftToRight:
                mode = GradientMode::fdRightToLeft;
                break;
            case GradientMode::fdRightToLeft:
                mode = GradientMode::fdLeftToRight;
                break;
        }
    }
    if (r.IsEmpty()) return;

    const bool vertical =
        mode == GradientMode::fdTopToBottom || mode == GradientMode::fdBottomToTop;
    const bool reverse = mode == GradientMode::fdBottomToTop || mode == GradientMode::fdRightToLeft;
    const Color base = reverse ? e : s;
    const Color other = reverse ? s : e;
    const int extent = vertical ? r.Height() : r.Width();
    const int count = std::max(2, std::min(p.steps, extent));
    const int band = extent / count;
    const int origin = vertical ? r.top : r.left;

    auto slice = [&](int from, int to) {
        return vertical ? PixelRect{r.left, from, r.right, to}
                        : PixelRect{from, r.top, to, r.bottom};
    };
    if (band > 0) {
        for (int i = 0; i < count; ++i) {
            FillBand(canvas, slice(origin + i * band, origin + (i + 1) * band), r,
                     Blend(base, other, i, count - 1), p);
        }
    }
    const int remainder = extent % count;
    if (remainder > 0) {
        FillBand(canvas, slice(origin + extent - remainder, origin + extent), r, reverse ? s : e,
                 p);
    }
}

}  // namespace quorvel
