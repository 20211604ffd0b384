#pragma once

#include <string_view>

#include "base/canvas.h"
#include "base/display_scale.h"

namespace quorvel {

enum class ButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

struct ButtonContentPlace {
    Point glyph;     // top-left corner of the glyph
    PixelRect text;  // the caption's own rectangle (its size as formatted text)
};

// Places glyph and caption as a bitmap button does. Along the layout's axis: a margin of
// -1 centres the pair (with a spacing of -1 too, margin and spacing each take a third of
// the free room); a spacing of -1 puts the caption halfway between the glyph and the far
// edge. Across the axis both are centred. The spacing is 0 when either is missing, so a
// lone caption is centred. The canvas must hold the caption's font.
ButtonContentPlace PlaceButtonContent(Canvas& canvas, const PixelRect& client,
                                      std::string_view caption, Size glyphSize, ButtonLayout layout,
                                      int margin, int spacing);

// A glyph drawn for 96 DPI, drawn again at `scale`: each of its pixels is a cell whose
// edges are scaled by the one rule, filled in the cell's colour. Strokes stay solid and
// edges sharp (no colour is blended) at every scale, and at 96 DPI it is the glyph itself.
Bitmap ScaledGlyph(const Bitmap& glyph, DisplayScale scale);

// The colour a glyph treats as transparent: its bottom-left pixel.
Color GlyphTransparentColor(const Bitmap& glyph);

// A grey copy of the glyph: every pixel that is neither `transparent` nor `face` becomes
// the grey of value (77 × red + 150 × green + 29 × blue) div 256.
Bitmap GreyGlyph(const Bitmap& glyph, Color transparent, Color face);

// The glyph of a disabled button, etched into the surface: each pixel of the glyph that is
// neither white nor transparent (when `transparent` applies) is drawn one pixel right and
// down in the button-highlight colour, then in place in the button-shadow colour.
void DrawDisabledGlyph(Canvas& canvas, Point at, const Bitmap& glyph, bool transparent);

}  // namespace quorvel
