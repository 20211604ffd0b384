#include "controls/button_glyph.h"

#include "base/system_colors.h"

namespace quorvel {

ButtonContentPlace PlaceButtonContent(Canvas& canvas, const PixelRect& client,
                                      std::string_view caption, Size glyphSize, ButtonLayout layout,
                                      int margin, int spacing) {
    const Size clientSize{client.Width(), client.Height()};
    Size textSize;
    if (!caption.empty()) {
        PixelRect bounds{0, 0, clientSize.width, 0};
        canvas.WriteTextIn(caption, bounds, text_format::kCalcRect);
        textSize = {bounds.Width(), bounds.Height()};
    }
    const bool horizontal =
        layout == ButtonLayout::blGlyphLeft || layout == ButtonLayout::blGlyphRight;
    // Positions along the layout's axis use these; across it, both are centred.
    const int room = horizontal ? clientSize.width : clientSize.height;
    const int glyphLength = horizontal ? glyphSize.width : glyphSize.height;
    const int textLength = horizontal ? textSize.width : textSize.height;

    Point glyph;
    Point text;
    if (horizontal) {
        glyph.y = (clientSize.height - glyphSize.height + 1) / 2;
        text.y = (clientSize.height - textSize.height + 1) / 2;
    } else {
        glyph.x = (clientSize.width - glyphSize.width + 1) / 2;
        text.x = (clientSize.width - textSize.width + 1) / 2;
    }

    if (textSize.width == 0 || glyphSize.width == 0) spacing = 0;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (room - (glyphLength + textLength)) / 3;
            spacing = margin;
        } else {
            margin = (room - (glyphLength + spacing + textLength) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (room - (margin + glyphLength) - textLength) / 2;
    }

    switch (layout) {
        case ButtonLayout::blGlyphLeft:
            glyph.x = margin;
            text.x = glyph.x + glyphSize.width + spacing;
            break;
        case ButtonLayout::blGlyphRight:
            glyph.x = clientSize.width - margin - glyphSize.width;
            text.x = glyph.x - spacing - textSize.width;
            break;
        case ButtonLayout::blGlyphTop:
            glyph.y = margin;
            text.y = glyph.y + glyphSize.height + spacing;
            break;
        case ButtonLayout::blGlyphBottom:
            glyph.y = clientSize.height - margin - glyphSize.height;
            text.y = glyph.y - spacing - textSize.height;
            break;
    }
    const int left = client.left + text.x;
    const int top = client.top + text.y;
    return {{client.left + glyph.x, client.top + glyph.y},
            {left, top, left + textSize.width, top + textSize.height}};
}

Bitmap ScaledGlyph(const Bitmap& glyph, DisplayScale scale) {
    if (scale == DisplayScale{}) return glyph;
    Bitmap scaled(scale.Of(glyph.Width()), scale.Of(glyph.Height()));
    for (int y = 0; y < glyph.Height(); ++y) {
        for (int x = 0; x < glyph.Width(); ++x) {
            const Color cell = glyph.Pixel(x, y);
            for (int sy = scale.Of(y); sy < scale.Of(y + 1); ++sy)
                for (int sx = scale.Of(x); sx < scale.Of(x + 1); ++sx)
                    scaled.SetPixel(sx, sy, cell);
        }
    }
    return scaled;
}

Color GlyphTransparentColor(const Bitmap& glyph) {
    return glyph.Empty() ? kBlack : glyph.Pixel(0, glyph.Height() - 1);
}

Bitmap GreyGlyph(const Bitmap& glyph, Color transparent, Color face) {
    Bitmap grey = glyph;
    for (Color& c : grey.Pixels()) {
        if (c == transparent || c == face) continue;
        const auto value = std::uint8_t((77 * RedOf(c) + 150 * GreenOf(c) + 29 * BlueOf(c)) / 256);
        c = Rgb(value, value, value);
    }
    return grey;
}

void DrawDisabledGlyph(Canvas& canvas, Point at, const Bitmap& glyph, bool transparent) {
    const Color key = GlyphTransparentColor(glyph);
    auto etched = [&](int x, int y) {
        const Color c = glyph.Pixel(x, y);
        return c != kWhite && !(transparent && c == key);
    };
    for (Color colour : {kClBtnHighlight, kClBtnShadow}) {
        const int shift = colour == kClBtnHighlight ? 1 : 0;
        for (int y = 0; y < glyph.Height(); ++y) {
            for (int x = 0; x < glyph.Width(); ++x) {
                if (etched(x, y)) canvas.SetPixel(at.x + x + shift, at.y + y + shift, colour);
            }
        }
    }
}

}  // namespace quorvel
