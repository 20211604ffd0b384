#pragma once

#include "base/canvas.h"
#include "base/mul_div.h"

namespace quorvel {

enum class ButtonStyle { xpbbsbRectangle = 0, xpbbsbRoundRect = 1, xpbbsbEllipse = 2 };
enum class GradientMode {
    fdTopToBottom = 0,
    fdBottomToTop = 1,
    fdLeftToRight = 2,
    fdRightToLeft = 3
};
enum class GradientKind { gkBigAxis = 0, gkSmallAxis = 1 };

struct GradientParams {
    bool sunken = false;
    GradientMode mode = GradientMode::fdTopToBottom;
    int steps = 255;
    int cornerSize = 0;  // D: twice the corner radius
    ButtonStyle style = ButtonStyle::xpbbsbRectangle;
    int effectEllipse = 3;
    GradientKind kindEllipse = GradientKind::gkSmallAxis;
    bool gradient = true;  // off: one solid shape in the colour halfway between
};

// Fills `r` with colour bands running from `start` to `end` in the direction of the mode
// (reversed when sunken). Rectangular styles: up to `steps` bands of equal size, the rows
// or columns left over at the far end in the far colour; for a rounded rectangle every
// band keeps inside the rounded outline of `r`. Ellipse style: concentric ellipses, one
// pixel smaller on every side each, from `start` outside to `end` inside; the innermost
// `effectEllipse` of them keep `end`, so a larger effect gives a larger solid core.
void GradientFill(Canvas& canvas, const PixelRect& r, Color start, Color end,
                  const GradientParams& p);

}  // namespace quorvel
