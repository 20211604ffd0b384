#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/font.h"
#include "base/geometry.h"

namespace quorvel {

// The vertical measures of a font: the height of a line of text and the distance from
// its top to the baseline.
struct TextMetrics {
    int height = 0;
    int ascent = 0;
};

// Which pixels a line of text covers, top row first, one byte per pixel (1 = ink).
// Its top-left corner is the text's origin; it may reach past the measured size (the
// overhang of italic letters).
struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink;

    bool Ink(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height &&
               ink[std::size_t(y) * std::size_t(width) + std::size_t(x)] != 0;
    }
};

// Measures and draws single lines of text in a font without antialiasing, so a canvas can
// lay text out and composite it in any colour. Texts are program texts (UTF-8, or ANSI
// bytes when they are not valid UTF-8); the font's colour is ignored here.
class TextRasterizer {
  public:
    virtual ~TextRasterizer() = default;

    virtual TextMetrics Metrics(const Font& font) = 0;

    // The size the text takes on one line: its advance width and the line height (also
    // for an empty text, whose width is 0).
    virtual Size Measure(const Font& font, std::string_view text) = 0;

    virtual TextMask Rasterize(const Font& font, std::string_view text) = 0;
};

}  // namespace quorvel
