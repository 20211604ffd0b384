#include "base/canvas.h"

#include <gtest/gtest.h>

#include "fakes/fake_text_rasterizer.h"

namespace quorvel {
namespace {

constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kGreen = Rgb(0, 255, 0);

// Rows of a picture as characters: '.' for `background`, '#' for `ink`, '?' otherwise.
std::vector<std::string> Rows(const Bitmap& b, Color background, Color ink) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) {
            const Color c = b.Pixel(x, y);
            row += c == background ? '.' : c == ink ? '#' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

bool MirrorSymmetric(const Bitmap& b) {
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            if (b.Pixel(x, y) != b.Pixel(b.Width() - 1 - x, y)) return false;
            if (b.Pixel(x, y) != b.Pixel(x, b.Height() - 1 - y)) return false;
        }
    }
    return true;
}

TEST(Canvas, RectangleTakesPenOutlineAndBrushFillAndExcludesRightAndBottom) {
    Bitmap b(6, 5, kWhite);
    Canvas canvas(b);
    canvas.SetPen(kRed);
    canvas.SetBrush(kBlue);
    canvas.Rectangle({1, 1, 5, 4});
    EXPECT_EQ(Rows(b, kWhite, kRed), (std::vector<std::string>{
                                         "......",
                                         ".####.",
                                         ".#??#.",
                                         ".####.",
                                         "......",
                                     }));
    EXPECT_EQ(b.Pixel(2, 2), kBlue);

    // A clear pen fills one column and one row less; a clear brush leaves the inside.
    Bitmap clearPen(6, 5, kWhite);
    Canvas c2(clearPen);
    c2.SetPen(kRed, PenStyle::kClear);
    c2.SetBrush(kBlue);
    c2.Rectangle({1, 1, 5, 4});
    EXPECT_EQ(Rows(clearPen, kWhite, kBlue)[1], ".###..");
    EXPECT_EQ(Rows(clearPen, kWhite, kBlue)[3], "......");

    Bitmap clearBrush(6, 5, kWhite);
    Canvas c3(clearBrush);
    c3.SetPen(kRed);
    c3.SetBrush(kBlue, BrushStyle::kClear);
    c3.Rectangle({1, 1, 5, 4});
    EXPECT_EQ(Rows(clearBrush, kWhite, kRed)[2], ".#..#.");
}

TEST(Canvas, DrawingOutsideThePictureIsClippedAndHarmless) {
    Bitmap b(4, 3, kWhite);
    Canvas canvas(b);
    canvas.FillRect({-5, -5, 2, 100}, kRed);
    canvas.SetPen(kGreen);
    canvas.SetBrush(kBlue);
    canvas.Ellipse({-50, -50, 50, 50});
    canvas.MoveTo(-10, 1);
    canvas.LineTo(100, 1);
    canvas.DrawFocusRect({-3, -3, 10, 10});
    canvas.Draw(2, 2, Bitmap(10, 10, kGreen));
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Pixel(0, 0), kBlue);  // inside the ellipse that covers the picture
    EXPECT_EQ(b.Pixel(3, 2), kGreen);
}

TEST(Canvas, RoundRectCutsSymmetricCornersAndKeepsTheSidesStraight) {
    Bitmap b(12, 9, kWhite);
    Canvas canvas(b);
    canvas.SetPen(kRed);
    canvas.SetBrush(kRed);
    canvas.RoundRect({0, 0, 12, 9}, 6, 6);
    EXPECT_TRUE(MirrorSymmetric(b));
    EXPECT_EQ(b.Pixel(0, 0), kWhite);
    EXPECT_EQ(b.Pixel(0, 4), kRed);  // middle of the left side
    EXPECT_EQ(b.Pixel(5, 0), kRed);  // middle of the top side
    EXPECT_EQ(b.Pixel(11, 8), kWhite);

    // Corner size 0 or 1 is a plain rectangle; corner size 4 cuts exactly the corner pixel.
    for (int corner : {0, 1}) {
        Bitmap plain(5, 4, kWhite);
        Canvas c(plain);
        c.SetPen(kRed);
        c.SetBrush(kRed);
        c.RoundRect({0, 0, 5, 4}, corner, corner);
        EXPECT_EQ(plain.Pixels(), std::vector<Color>(20, kRed)) << corner;
    }
    Bitmap small(6, 6, kWhite);
    Canvas c(small);
    c.SetPen(kRed);
    c.SetBrush(kRed);
    c.RoundRect({0, 0, 6, 6}, 4, 4);
    EXPECT_EQ(Rows(small, kWhite, kRed), (std::vector<std::string>{
                                             ".####.",
                                             "######",
                                             "######",
                                             "######",
                                             "######",
                                             ".####.",
                                         }));
}

TEST(Canvas, EllipseIsInscribedAndItsOutlineEnclosesTheFill) {
    Bitmap b(11, 7, kWhite);
    Canvas canvas(b);
    canvas.SetPen(kRed);
    canvas.SetBrush(kBlue);
    canvas.Ellipse({0, 0, 11, 7});
    EXPECT_TRUE(MirrorSymmetric(b));
    EXPECT_EQ(b.Pixel(5, 0), kRed);
    EXPECT_EQ(b.Pixel(0, 3), kRed);
    EXPECT_EQ(b.Pixel(0, 0), kWhite);
    EXPECT_EQ(b.Pixel(5, 3), kBlue);
    // No fill pixel touches the outside.
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 11; ++x) {
            if (b.Pixel(x, y) != kBlue) continue;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                EXPECT_NE(b.Pixel(x + dx, y + dy), kWhite) << x << "," << y;
            }
        }
    }
}

TEST(Canvas, LinesLeaveOutTheirLastPoint) {
    Bitmap b(5, 3, kWhite);
    Canvas canvas(b);
    canvas.SetPen(kRed);
    canvas.MoveTo(0, 1);
    canvas.LineTo(4, 1);
    EXPECT_EQ(Rows(b, kWhite, kRed)[1], "####.");
    canvas.MoveTo(4, 0);
    canvas.LineTo(4, 3);
    EXPECT_EQ(b.Pixel(4, 2), kRed);
}

TEST(Canvas, PicturesCopyWithOrWithoutATransparentColour) {
    Bitmap picture(2, 1);
    picture.SetPixel(0, 0, Rgb(255, 0, 255));
    picture.SetPixel(1, 0, kGreen);
    Bitmap b(3, 1, kWhite);
    Canvas canvas(b);
    canvas.DrawTransparent(0, 0, picture, Rgb(255, 0, 255));
    EXPECT_EQ(b.Pixel(0, 0), kWhite);
    EXPECT_EQ(b.Pixel(1, 0), kGreen);
    canvas.Draw(1, 0, picture);
    EXPECT_EQ(b.Pixel(1, 0), Rgb(255, 0, 255));
}

TEST(Canvas, SystemColoursResolveThroughTheClassicTable) {
    Bitmap b(2, 1, kBlack);
    Canvas canvas(b);
    canvas.FillRect({0, 0, 1, 1}, kClBtnFace);
    canvas.SetPixel(1, 0, kClBtnShadow);
    EXPECT_EQ(b.Pixel(0, 0), Rgb(212, 208, 200));
    EXPECT_EQ(b.Pixel(1, 0), Rgb(128, 128, 128));
    EXPECT_EQ(canvas.Resolve(kClBtnHighlight), kWhite);
    EXPECT_EQ(canvas.Resolve(kCl3DLight), Rgb(212, 208, 200));
    EXPECT_EQ(canvas.Resolve(kClInactiveBorder), Rgb(212, 208, 200));
    EXPECT_EQ(canvas.Resolve(SystemColor(200)), kBlack);
    EXPECT_EQ(canvas.Resolve(0x02123456u), 0x00123456u);
}

TEST(Canvas, FocusRectInvertsAlternatePixelsOfTheBorderAndUndoesItself) {
    Bitmap b(6, 5, kWhite);
    Canvas canvas(b);
    canvas.DrawFocusRect({0, 0, 6, 5});
    EXPECT_EQ(Rows(b, kWhite, kBlack), (std::vector<std::string>{
                                           "#.#.#.",
                                           ".....#",
                                           "#.....",
                                           ".....#",
                                           "#.#.#.",
                                       }));
    canvas.DrawFocusRect({0, 0, 6, 5});
    EXPECT_EQ(b.Pixels(), std::vector<Color>(30, kWhite));
}

class CanvasText : public ::testing::Test {
  protected:
    static constexpr int kW = FakeTextRasterizer::kCharWidth;
    static constexpr int kH = FakeTextRasterizer::kLineHeight;

    Bitmap bitmap_{60, 40, kWhite};
    FakeTextRasterizer text_;
    Canvas canvas_{bitmap_, &text_};

    void SetUp() override {
        Font font;
        font.color = kRed;
        canvas_.SetFont(font);
        canvas_.SetBrushStyle(BrushStyle::kClear);
    }
    // The first column and row holding ink, or (-1, -1).
    Point FirstInk() const {
        for (int y = 0; y < bitmap_.Height(); ++y) {
            for (int x = 0; x < bitmap_.Width(); ++x) {
                if (bitmap_.Pixel(x, y) == kRed) return {x, y};
            }
        }
        return {-1, -1};
    }
    int InkLeft() const {
        for (int x = 0; x < bitmap_.Width(); ++x) {
            for (int y = 0; y < bitmap_.Height(); ++y) {
                if (bitmap_.Pixel(x, y) == kRed) return x;
            }
        }
        return -1;
    }
};

TEST_F(CanvasText, TextOutPaintsTheCellOnlyWithASolidBrush) {
    canvas_.WriteText(3, 4, "ab");
    EXPECT_EQ(FirstInk(), (Point{4, 6}));
    EXPECT_EQ(bitmap_.Pixel(3, 4), kWhite);

    canvas_.SetBrush(kBlue);
    canvas_.WriteText(20, 20, "a");
    EXPECT_EQ(bitmap_.Pixel(20, 20), kBlue);
    EXPECT_EQ(bitmap_.Pixel(20 + kW - 1, 20 + kH - 1), kBlue);
    EXPECT_EQ(bitmap_.Pixel(20 + kW, 20), kWhite);
    EXPECT_EQ(bitmap_.Pixel(21, 22), kRed);
}

TEST_F(CanvasText, DrawTextAlignsEachLineAndClipsToTheRectangle) {
    PixelRect centred{0, 0, 31, 20};
    canvas_.WriteTextIn("ab", centred, text_format::kCenter);
    EXPECT_EQ(FirstInk(), (Point{(0 + 31 - 2 * kW) / 2 + 1, 2}));

    bitmap_ = Bitmap(60, 40, kWhite);
    PixelRect right{0, 0, 50, 40};
    canvas_.WriteTextIn("ab", right,
                        text_format::kRight | text_format::kVCenter | text_format::kSingleLine);
    EXPECT_EQ(FirstInk(), (Point{50 - 2 * kW + 1, 40 / 2 - kH / 2 + 2}));

    // Clipped: nothing right of or below the rectangle.
    bitmap_ = Bitmap(60, 40, kWhite);
    PixelRect clip{0, 0, 10, 5};
    canvas_.WriteTextIn("abc", clip, text_format::kLeft);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (bitmap_.Pixel(x, y) == kRed) {
                EXPECT_TRUE(clip.Contains(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(FirstInk(), (Point{1, 2}));
}

TEST_F(CanvasText, LinesBreakAtCarriageReturnAndLineFeed) {
    PixelRect r{0, 0, 60, 40};
    PixelRect measured = r;
    EXPECT_EQ(canvas_.WriteTextIn("ab\r\ncde", measured, text_format::kCalcRect), 2 * kH);
    EXPECT_EQ(measured, (PixelRect{0, 0, 3 * kW, 2 * kH}));
    EXPECT_TRUE(text_.drawnTexts.empty());

    canvas_.WriteTextIn("a\ncde", r, text_format::kCenter);
    EXPECT_EQ(text_.drawnTexts, (std::vector<std::string>{"a", "cde"}));
    EXPECT_EQ(InkLeft(), (60 - 3 * kW) / 2 + 1);

    PixelRect single{0, 0, 60, 40};
    canvas_.WriteTextIn("a\nb", single, text_format::kSingleLine | text_format::kCalcRect);
    EXPECT_EQ(single.Width(), 3 * kW);
    EXPECT_EQ(single.Height(), kH);

    // Only the lines that start inside the rectangle are drawn.
    text_.drawnTexts.clear();
    PixelRect shortRect{0, 0, 60, kH + 1};
    canvas_.WriteTextIn("1\n2\n3", shortRect, 0);
    EXPECT_EQ(text_.drawnTexts, (std::vector<std::string>{"1", "2"}));
}

TEST_F(CanvasText, AmpersandUnderlinesTheNextCharacter) {
    PixelRect r{0, 0, 60, 40};
    canvas_.WriteTextIn("a&bc", r, 0);
    EXPECT_EQ(text_.drawnTexts.back(), "abc");
    const int underline = FakeTextRasterizer::kAscent + 1;
    EXPECT_EQ(bitmap_.Pixel(kW - 1, underline), kWhite);
    EXPECT_EQ(bitmap_.Pixel(kW, underline), kRed);
    EXPECT_EQ(bitmap_.Pixel(2 * kW - 2, underline), kRed);
    EXPECT_EQ(bitmap_.Pixel(2 * kW - 1, underline), kWhite);

    canvas_.WriteTextIn("x&&y", r, 0);
    EXPECT_EQ(text_.drawnTexts.back(), "x&y");
    canvas_.WriteTextIn("a&b", r, text_format::kNoPrefix);
    EXPECT_EQ(text_.drawnTexts.back(), "a&b");
    // A Cyrillic accelerator is underlined as one character.
    bitmap_ = Bitmap(60, 40, kWhite);
    canvas_.WriteTextIn("&\xD0\x92\xD1\x8B", r, 0);
    EXPECT_EQ(bitmap_.Pixel(kW - 2, underline), kRed);
    EXPECT_EQ(bitmap_.Pixel(kW - 1, underline), kWhite);
}

TEST_F(CanvasText, EmptyTextsDrawNothingAndMeasureEmpty) {
    PixelRect r{5, 5, 50, 30};
    EXPECT_EQ(canvas_.WriteTextIn("", r, text_format::kCalcRect), kH);
    EXPECT_EQ(r, (PixelRect{5, 5, 5, 5}));
    EXPECT_EQ(canvas_.TextExtent(""), (Size{0, kH}));
    Bitmap b(4, 4);
    Canvas noText(b);
    EXPECT_EQ(noText.TextExtent("abc"), (Size{0, 0}));
    noText.WriteText(0, 0, "abc");
    EXPECT_EQ(b.Pixels(), std::vector<Color>(16, kWhite));
}

}  // namespace
}  // namespace quorvel
