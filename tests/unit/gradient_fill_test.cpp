#include "controls/gradient_fill.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

constexpr Color kBack = Rgb(1, 2, 3);
constexpr Color kStart = Rgb(0, 0, 0);
constexpr Color kEnd = Rgb(200, 100, 50);

Color Channelwise(int i, int last) {
    return Rgb(std::uint8_t(MulDiv(i, 200, last)), std::uint8_t(MulDiv(i, 100, last)),
               std::uint8_t(MulDiv(i, 50, last)));
}

TEST(MulDiv, RoundsHalvesAwayFromZeroAndRejectsZeroDivisor) {
    EXPECT_EQ(MulDiv(1, 255, 2), 128);
    EXPECT_EQ(MulDiv(1, -255, 2), -128);
    EXPECT_EQ(MulDiv(-1, 255, -2), 128);
    EXPECT_EQ(MulDiv(2, 10, 3), 7);
    EXPECT_EQ(MulDiv(2000000000, 2, 4), 1000000000);
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

TEST(GradientFill, BandsRunFromStartToEndWithTheRemainderInTheEndColour) {
    // 10 rows in 3 bands of 3 rows; the tenth row takes the end colour.
    Bitmap b(4, 12, kBack);
    Canvas canvas(b);
    GradientParams p;
    p.steps = 3;
    GradientFill(canvas, {0, 1, 4, 11}, kStart, kEnd, p);
    EXPECT_EQ(b.Pixel(0, 0), kBack);
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(b.Pixel(2, row), kStart) << row;
    for (int row = 4; row <= 6; ++row) EXPECT_EQ(b.Pixel(2, row), Channelwise(1, 2)) << row;
    for (int row = 7; row <= 10; ++row) EXPECT_EQ(b.Pixel(3, row), kEnd) << row;
    EXPECT_EQ(b.Pixel(0, 11), kBack);

    // Sunken, the order turns round: the end colour on top, the remainder in the start colour.
    Bitmap sunken(4, 10, kBack);
    Canvas c2(sunken);
    p.sunken = true;
    GradientFill(c2, {0, 0, 4, 10}, kStart, kEnd, p);
    EXPECT_EQ(sunken.Pixel(0, 0), kEnd);
    EXPECT_EQ(sunken.Pixel(0, 6), kStart);
    EXPECT_EQ(sunken.Pixel(0, 9), kStart);
}

TEST(GradientFill, HorizontalModesFillColumnsAndReverseModesStartFromTheEnd) {
    Bitmap b(5, 2, kBack);
    Canvas canvas(b);
    GradientParams p;
    p.mode = GradientMode::fdLeftToRight;
    GradientFill(canvas, {0, 0, 5, 2}, kStart, kEnd, p);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(b.Pixel(x, 1), Channelwise(x, 4)) << x;

    p.mode = GradientMode::fdRightToLeft;
    GradientFill(canvas, {0, 0, 5, 2}, kStart, kEnd, p);
    EXPECT_EQ(b.Pixel(0, 0), kEnd);
    EXPECT_EQ(b.Pixel(4, 0), kStart);

    // Fewer than two steps still means two bands: 5 columns = 2 × 2 and one of end colour.
    p.mode = GradientMode::fdLeftToRight;
    p.steps = 0;
    GradientFill(canvas, {0, 0, 5, 2}, kStart, kEnd, p);
    EXPECT_EQ(b.Pixel(1, 0), kStart);
    EXPECT_EQ(b.Pixel(2, 0), kEnd);
    EXPECT_EQ(b.Pixel(4, 0), kEnd);
}

TEST(GradientFill, EqualColoursOrNoGradientGiveOneSolidShape) {
    Bitmap b(8, 8, kBack);
    Canvas canvas(b);
    GradientParams p;
    p.style = ButtonStyle::xpbbsbRoundRect;
    p.cornerSize = 6;
    GradientFill(canvas, {0, 0, 8, 8}, kEnd, kEnd, p);
    EXPECT_EQ(b.Pixel(0, 0), kBack);  // rounded corner
    EXPECT_EQ(b.Pixel(4, 0), kEnd);
    EXPECT_EQ(b.Pixel(4, 4), kEnd);

    p.gradient = false;
    p.style = ButtonStyle::xpbbsbRectangle;
    GradientFill(canvas, {0, 0, 8, 8}, kStart, kEnd, p);
    EXPECT_EQ(b.Pixels(), std::vector<Color>(64, Rgb(100, 50, 25)));
}

TEST(GradientFill, RoundedBandsStayInsideTheRoundedOutline) {
    Bitmap b(12, 12, kBack);
    Canvas canvas(b);
    GradientParams p;
    p.style = ButtonStyle::xpbbsbRoundRect;
    p.cornerSize = 8;
    GradientFill(canvas, {0, 0, 12, 12}, kStart, kEnd, p);
    for (int y = 0; y < 12; ++y) {
        const auto span = RoundRectSpan({0, 0, 12, 12}, 8, 8, y);
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(b.Pixel(x, y) != kBack, x >= span.first && x < span.second) << x << "," << y;
        }
    }
    EXPECT_EQ(b.Pixel(6, 0), kStart);
    EXPECT_EQ(b.Pixel(6, 11), kEnd);
}

TEST(GradientFill, EllipseRunsFromStartOutsideToEndInside) {
    Bitmap b(21, 21, kBack);
    Canvas canvas(b);
    GradientParams p;
    p.style = ButtonStyle::xpbbsbEllipse;
    p.effectEllipse = 0;
    GradientFill(canvas, {0, 0, 21, 21}, kStart, kEnd, p);
    EXPECT_EQ(b.Pixel(0, 0), kBack);
    EXPECT_EQ(b.Pixel(10, 0), kStart);
    EXPECT_EQ(b.Pixel(10, 10), kEnd);
    // Each ring one pixel further in is one step further along.
    EXPECT_EQ(b.Pixel(10, 1), Channelwise(1, 9));

    p.sunken = true;
    GradientFill(canvas, {0, 0, 21, 21}, kStart, kEnd, p);
    EXPECT_EQ(b.Pixel(10, 0), kEnd);
    EXPECT_EQ(b.Pixel(10, 10), kStart);

    // A larger effect keeps more of the middle in the end colour.
    p.sunken = false;
    p.effectEllipse = 5;
    GradientFill(canvas, {0, 0, 21, 21}, kStart, kEnd, p);
    EXPECT_EQ(b.Pixel(10, 5), kEnd);
    EXPECT_EQ(b.Pixel(10, 0), kStart);
}

}  // namespace
}  // namespace quorvel
