#include "fakes/fake_text_rasterizer.h"

namespace quorvel {

int FakeTextRasterizer::Characters(std::string_view text) {
    int count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

TextMetrics FakeTextRasterizer::Metrics(const Font&) {
    return {kLineHeight, kAscent};
}

Size FakeTextRasterizer::Measure(const Font& font, std::string_view text) {
    measuredFonts.push_back(font);
    return {Characters(text) * kCharWidth, kLineHeight};
}

TextMask FakeTextRasterizer::Rasterize(const Font& font, std::string_view text) {
    drawnTexts.emplace_back(text);
    drawnFonts.push_back(font);
    TextMask mask;
    mask.width = Characters(text) * kCharWidth;
    mask.height = kLineHeight;
    mask.ink.assign(std::size_t(mask.width) * std::size_t(mask.height), 0);
    int cell = -1;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
        ++cell;
        if (c == ' ') continue;
        for (int y = kInkTop; y < kInkBottom; ++y) {
            for (int x = kInkLeft; x < kInkRight; ++x) {
                mask.ink[std::size_t(y) * std::size_t(mask.width) +
                         std::size_t(cell * kCharWidth + x)] = 1;
            }
        }
    }
    return mask;
}

}  // namespace quorvel
