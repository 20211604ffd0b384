// Drawn texts, the tinted button frame and the window shape as the form takes it.
#include "skin/skin_drawing.h"

#include <gtest/gtest.h>

#include "controls/program_buttons.h"
#include "fakes/fake_text_rasterizer.h"

namespace quorvel {
namespace {

TEST(SkinDrawingTest, TheButtonFrameTakesThePixelOneBeyondTheBottomRightCorner) {
    Bitmap picture(40, 30, kWhite);
    picture.SetPixel(5, 6, Rgb(1, 2, 3));                    // the button's top-left corner
    picture.SetPixel(5 + 20 - 1, 6 + 10 - 1, Rgb(9, 9, 9));  // its own last pixel
    picture.SetPixel(5 + 20, 6 + 10, Rgb(4, 5, 6));          // just outside it
    TXPBitBtn button;
    BlendButtonFrame(button, {5, 6, 20, 10}, picture);
    EXPECT_EQ(button.ColorExternalFrameLeftTop(), Rgb(1, 2, 3));
    EXPECT_EQ(button.ColorExternalFrameRightBottom(), Rgb(4, 5, 6));
}

TEST(SkinDrawingTest, TransparentTextKeepsTheBackgroundAndTheBrushStyle) {
    FakeTextRasterizer text;
    Bitmap picture(40, 20, Rgb(10, 200, 10));
    Canvas canvas(picture, &text);
    canvas.SetFontColor(kBlack);
    canvas.SetBrush(kWhite, BrushStyle::kSolid);
    DrawTransparentText(canvas, 3, 2, "A");
    EXPECT_EQ(picture.Pixel(3 + 1, 2 + 2), kBlack);    // ink
    EXPECT_EQ(picture.Pixel(3, 2), Rgb(10, 200, 10));  // the cell is not filled
    EXPECT_EQ(canvas.CurrentBrush().style, BrushStyle::kSolid);
}

TEST(SkinDrawingTest, CentredTextHalvesBothWidthsTowardZero) {
    FakeTextRasterizer text;
    Bitmap picture(1, 1);
    Canvas canvas(picture, &text);
    // 202 / 2 - 21 / 2 = 101 - 10.
    EXPECT_EQ(CentredTextX("abc", canvas, 202), 91);
    EXPECT_EQ(CentredTextX("", canvas, 201), 100);
}

TEST(SkinDrawingTest, ProgramButtonsAreSquareRectanglesAndOnlyOneHidesItsFocus) {
    TXPBitBtn ok, load;
    ApplyProgramButtonStyle(ok, "TForm1", "Button4");
    ApplyProgramButtonStyle(load, "TForm3", "Button4");
    EXPECT_EQ(ok.StyleButton(), ButtonStyle::xpbbsbRectangle);
    EXPECT_EQ(ok.Radius(), 0);
    EXPECT_TRUE(ok.MarkBtnFocused());
    EXPECT_FALSE(load.MarkBtnFocused());
}

TEST(SkinDrawingTest, ALayoutWithoutItsOwnFontTakesTheWindows) {
    const Font own = FontOfLayout({"Courier New", -15, true}, {"MS Sans Serif", -11, false});
    EXPECT_EQ(own.name, "Courier New");
    EXPECT_EQ(own.height, -15);
    EXPECT_TRUE(own.bold);
    const Font window = FontOfLayout({}, {"Tahoma", -11, false});
    EXPECT_EQ(window.name, "Tahoma");
}

}  // namespace
}  // namespace quorvel
