#pragma once

#include <string>
#include <vector>

#include "base/text_rasterizer.h"

namespace quorvel {

// Fixed metrics for tests: every character (a UTF-8 sequence counts as one) is a
// kCharWidth × kLineHeight cell whose ink is the block of columns 1..5 and rows 2..10 of
// the cell; a space has no ink. So text placed at (x, y) has its first ink pixel at
// (x + 1, y + 2).
class FakeTextRasterizer : public TextRasterizer {
  public:
    static constexpr int kCharWidth = 7;
    static constexpr int kLineHeight = 13;
    static constexpr int kAscent = 10;
    static constexpr int kInkLeft = 1;
    static constexpr int kInkRight = 6;  // exclusive
    static constexpr int kInkTop = 2;
    static constexpr int kInkBottom = 11;  // exclusive

    TextMetrics Metrics(const Font& font) override;
    Size Measure(const Font& font, std::string_view text) override;
    TextMask Rasterize(const Font& font, std::string_view text) override;

    static int Characters(std::string_view text);

    // Fonts of every measurement, in order.
    std::vector<Font> measuredFonts;
    // Every text rasterised, with its font, in order.
    std::vector<std::string> drawnTexts;
    std::vector<Font> drawnFonts;
};

}  // namespace quorvel
