#include "win32/win32_text_rasterizer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/canvas.h"

namespace quorvel::win32 {
namespace {

int InkCount(const TextMask& mask) {
    return int(std::count(mask.ink.begin(), mask.ink.end(), std::uint8_t(1)));
}

TEST(Win32TextRasterizer, MeasuresAndDrawsLatinText) {
    Win32TextRasterizer text;
    Font font;
    const Size size = text.Measure(font, "Options");
    EXPECT_GT(size.width, 10);
    EXPECT_GT(size.height, 5);
    const TextMetrics metrics = text.Metrics(font);
    EXPECT_EQ(metrics.height, size.height);
    EXPECT_GT(metrics.ascent, 0);
    EXPECT_LE(metrics.ascent, metrics.height);

    const TextMask mask = text.Rasterize(font, "Options");
    EXPECT_GE(mask.width, size.width);
    EXPECT_EQ(mask.height, size.height);
    EXPECT_GT(InkCount(mask), 20);
    // Not antialiased: ink never fills the whole cell.
    EXPECT_LT(InkCount(mask), mask.width * mask.height / 2);
    EXPECT_EQ(text.Measure(font, "").width, 0);
    EXPECT_EQ(InkCount(text.Rasterize(font, "")), 0);
}

TEST(Win32TextRasterizer, CyrillicMeasuresAndRenders) {
    Win32TextRasterizer text;
    Font font;
    font.name = "Tahoma";
    font.charset = 204;                                                       // Russian
    const std::string exitWord = "\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4";  // five letters
    const Size size = text.Measure(font, exitWord);
    EXPECT_GT(size.width, 15);
    const TextMask mask = text.Rasterize(font, exitWord);
    EXPECT_GT(InkCount(mask), 20);
}

TEST(Win32TextRasterizer, BoldIsWiderAndACanvasCompositesTheInk) {
    Win32TextRasterizer text;
    Font regular;
    regular.name = "Tahoma";
    Font bold = regular;
    bold.bold = true;
    EXPECT_GT(text.Measure(bold, "WWWWWWWW").width, text.Measure(regular, "WWWWWWWW").width);

    Bitmap picture(80, 20, kWhite);
    Canvas canvas(picture, &text);
    regular.color = Rgb(0, 0, 255);
    canvas.SetFont(regular);
    canvas.SetBrushStyle(BrushStyle::kClear);
    canvas.WriteText(2, 2, "Hello");
    const auto& pixels = picture.Pixels();
    EXPECT_GT(std::count(pixels.begin(), pixels.end(), Rgb(0, 0, 255)), 10);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), Rgb(0, 0, 255)) +
                  std::count(pixels.begin(), pixels.end(), kWhite),
              std::ptrdiff_t(pixels.size()));
}

}  // namespace
}  // namespace quorvel::win32
