#include "controls/xp_bit_btn.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/fake_text_rasterizer.h"

namespace quorvel {
namespace {

constexpr Color kBackground = Rgb(10, 20, 30);
constexpr Color kNavy = Rgb(0, 0, 128);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kMagenta = Rgb(255, 0, 255);
constexpr Color kOuterLeftTop = Rgb(90, 0, 0);
constexpr Color kOuterRightBottom = Rgb(0, 90, 0);
constexpr Color kFace = Rgb(212, 208, 200);
constexpr Color kInactiveBorder = Rgb(150, 151, 152);  // the classic value equals the face
constexpr Color kShadow = Rgb(128, 128, 128);
constexpr Color kGradientEnd = 13220020;
constexpr Color kFocusedStart = 12644862;
constexpr Color kFocusedEnd = 3652095;
constexpr Color kDefaultStart = 16771513;
constexpr Color kDefaultEnd = 16033024;
constexpr int kW = FakeTextRasterizer::kCharWidth;

// The colour of band i of `last` + 1 bands from s to e.
Color Band(Color s, Color e, int i, int last) {
    return Rgb(std::uint8_t(RedOf(s) + MulDiv(i, RedOf(e) - RedOf(s), last)),
               std::uint8_t(GreenOf(s) + MulDiv(i, GreenOf(e) - GreenOf(s), last)),
               std::uint8_t(BlueOf(s) + MulDiv(i, BlueOf(e) - BlueOf(s), last)));
}

SystemColors TestColors() {
    std::array<Color, SystemColors::kCount> values{};
    for (int i = 0; i < SystemColors::kCount; ++i) {
        values[i] = SystemColors::Classic().Resolve(SystemColor(i));
    }
    values[11] = kInactiveBorder;
    return SystemColors(values);
}

struct RecordingOwner : XPBitBtnOwner {
    void Invalidate() override { ++invalidations; }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void Clicked(int modalResult) override { clicks.push_back(modalResult); }
    int invalidations = 0;
    std::vector<int> clicks;
    std::vector<std::string> errors;
};

// A button as every window of the program has them: 89 × 25, rectangle style, radius 0.
class XPBitBtnPaint : public ::testing::Test {
  protected:
    void SetUp() override {
        button_.SetStyleButton(ButtonStyle::xpbbsbRectangle);
        button_.SetRadius(0);
        button_.SetSize(89, 25);
        button_.SetColorExternalFrameLeftTop(kOuterLeftTop);
        button_.SetColorExternalFrameRightBottom(kOuterRightBottom);
        Font font;
        font.color = kRed;
        button_.SetFont(font);
        Render();  // the first paint erases the background the style change asked for
        owner_.invalidations = 0;
    }

    Bitmap Render(ButtonDrawState state = {}) {
        Bitmap picture(button_.Width(), button_.Height(), kBackground);
        Canvas canvas(picture, &text_, colors_);
        button_.Paint(canvas, state);
        return picture;
    }

    RecordingOwner owner_;
    TXPBitBtn button_{&owner_};
    FakeTextRasterizer text_;
    SystemColors colors_ = TestColors();
};

TEST_F(XPBitBtnPaint, FramesShowTheirSecondColourOnlyOnTheRightAndBottom) {
    const Bitmap b = Render();
    EXPECT_EQ(b.Pixel(0, 0), kOuterLeftTop);
    EXPECT_EQ(b.Pixel(87, 0), kOuterLeftTop);
    EXPECT_EQ(b.Pixel(0, 23), kOuterLeftTop);
    EXPECT_EQ(b.Pixel(88, 0), kOuterRightBottom);
    EXPECT_EQ(b.Pixel(0, 24), kOuterRightBottom);
    EXPECT_EQ(b.Pixel(88, 24), kOuterRightBottom);
    for (Point p : {Point{1, 1}, Point{87, 1}, Point{1, 23}, Point{87, 23}, Point{44, 23}}) {
        EXPECT_EQ(b.Pixel(p.x, p.y), kNavy) << p.x << "," << p.y;
    }
}

TEST_F(XPBitBtnPaint, FaceHas21OneRowBandsReversedWhenPressed) {
    const Bitmap b = Render();
    for (int row = 2; row <= 22; ++row) {
        const Color band = Band(kWhite, kGradientEnd, row - 2, 20);
        EXPECT_EQ(b.Pixel(3, row), band) << row;
        EXPECT_EQ(b.Pixel(70, row), band) << row;
        EXPECT_EQ(b.Pixel(85, row), band) << row;
        // The ring just inside the frame keeps the inside-frame colours (white).
        EXPECT_EQ(b.Pixel(2, row), kWhite) << row;
        EXPECT_EQ(b.Pixel(86, row), kWhite) << row;
    }
    EXPECT_EQ(b.Pixel(70, 2), kWhite);
    EXPECT_EQ(b.Pixel(70, 22), kGradientEnd);

    const Bitmap pressed = Render({.selected = true});
    for (int row = 2; row <= 22; ++row) {
        EXPECT_EQ(pressed.Pixel(70, row), Band(kGradientEnd, kWhite, row - 2, 20)) << row;
    }
    // Down sinks the face without a press.
    button_.SetDown(true);
    EXPECT_EQ(Render().Pixel(70, 2), kGradientEnd);
}

TEST_F(XPBitBtnPaint, HoveringSwitchesTheRingToTheFocusedColoursAndBack) {
    button_.MouseEnter();
    EXPECT_TRUE(button_.Hot());
    EXPECT_EQ(owner_.invalidations, 1);
    const Bitmap hot = Render();
    EXPECT_EQ(hot.Pixel(40, 2), kFocusedStart);
    EXPECT_EQ(hot.Pixel(40, 22), kFocusedEnd);
    EXPECT_EQ(hot.Pixel(2, 10), Band(kFocusedStart, kFocusedEnd, 8, 20));
    EXPECT_EQ(hot.Pixel(3, 10), Band(kFocusedStart, kFocusedEnd, 8, 20));
    EXPECT_EQ(hot.Pixel(4, 10), kWhite);                              // inside frame
    EXPECT_EQ(hot.Pixel(83, 10), Band(kWhite, kGradientEnd, 6, 16));  // 17 rows from row 4
    EXPECT_EQ(hot.Pixel(84, 10), kWhite);

    // Hot and pressed: a white ring and the sunken face from row 3 to row 22.
    const Bitmap hotPressed = Render({.selected = true});
    EXPECT_EQ(hotPressed.Pixel(2, 10), kWhite);
    EXPECT_EQ(hotPressed.Pixel(40, 3), kGradientEnd);
    EXPECT_EQ(hotPressed.Pixel(40, 22), kWhite);
    EXPECT_EQ(hotPressed.Pixel(3, 10), Band(kGradientEnd, kWhite, 7, 19));

    button_.MouseLeave();
    EXPECT_FALSE(button_.Hot());
    EXPECT_EQ(owner_.invalidations, 2);
    EXPECT_EQ(Render().Pixel(2, 10), kWhite);
}

TEST_F(XPBitBtnPaint, DefaultButtonShowsTheDefaultRing) {
    button_.SetDefault(true);
    const Bitmap b = Render();
    EXPECT_EQ(b.Pixel(40, 2), kDefaultStart);
    EXPECT_EQ(b.Pixel(40, 3), Band(kDefaultStart, kDefaultEnd, 1, 20));
    EXPECT_EQ(b.Pixel(2, 10), Band(kDefaultStart, kDefaultEnd, 8, 20));
    EXPECT_EQ(b.Pixel(3, 10), kWhite);
    EXPECT_EQ(b.Pixel(4, 10), Band(kWhite, kGradientEnd, 6, 16));
    EXPECT_EQ(b.Pixel(40, 22), kDefaultEnd);
}

TEST_F(XPBitBtnPaint, FocusMarkIsADottedFrameFiveAndFourPixelsIn) {
    const Bitmap plain = Render();
    const Bitmap focused = Render({.focused = true});
    const PixelRect mark{5, 4, 84, 21};
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 89; ++x) {
            const bool onBorder = mark.Contains(x, y) && (x == mark.left || x == mark.right - 1 ||
                                                          y == mark.top || y == mark.bottom - 1);
            const Color expected =
                onBorder && (x + y) % 2 == 0 ? plain.Pixel(x, y) ^ 0xFFFFFFu : plain.Pixel(x, y);
            ASSERT_EQ(focused.Pixel(x, y), expected) << x << "," << y;
        }
    }

    // No mark on a hot, default or flat button, nor with MarkBtnFocused off.
    button_.SetMarkBtnFocused(false);
    EXPECT_EQ(Render({.focused = true}), plain);
    button_.SetMarkBtnFocused(true);
    button_.MouseEnter();
    EXPECT_EQ(Render({.focused = true}), Render());
    button_.MouseLeave();
    button_.SetDefault(true);
    EXPECT_EQ(Render({.focused = true}), Render());
}

TEST_F(XPBitBtnPaint, EllipseFocusMarkIsFurtherIn) {
    button_.SetStyleButton(ButtonStyle::xpbbsbEllipse);
    Render();
    const Bitmap plain = Render();
    const Bitmap focused = Render({.focused = true});
    // 5 + 89 / 6 = 19 from the left, 4 + 25 / 6 = 8 from the top.
    EXPECT_EQ(focused.Pixel(19, 9), plain.Pixel(19, 9) ^ 0xFFFFFFu);
    EXPECT_EQ(focused.Pixel(5, 5), plain.Pixel(5, 5));
}

TEST_F(XPBitBtnPaint, CaptionIsCentredInTheFontAndShiftedWhenPressed) {
    button_.SetCaption("OK");
    const Bitmap b = Render();
    // "OK" is 14 × 13: placed at ((89 - 14 + 1) div 2, (25 - 13 + 1) div 2) = (38, 6).
    EXPECT_EQ(b.Pixel(38 + 1, 6 + 2), kRed);
    EXPECT_NE(b.Pixel(38, 6 + 2), kRed);
    EXPECT_EQ(b.Pixel(38 + 2 * kW - 2, 6 + 10), kRed);
    const Bitmap pressed = Render({.selected = true});
    EXPECT_EQ(pressed.Pixel(40, 9), kRed);
    EXPECT_NE(pressed.Pixel(39, 8), kRed);
}

TEST_F(XPBitBtnPaint, DisabledButtonHasGreyFramesNoFaceAndACaptionDrawnTwice) {
    button_.SetCaption("OK");
    button_.SetEnabled(false);
    text_.drawnTexts.clear();
    const Bitmap b = Render({.focused = true});
    EXPECT_EQ(b.Pixel(0, 0), kOuterLeftTop);
    EXPECT_EQ(b.Pixel(88, 24), kOuterRightBottom);
    EXPECT_EQ(b.Pixel(1, 10), kInactiveBorder);
    EXPECT_EQ(b.Pixel(87, 10), kFace);
    EXPECT_EQ(b.Pixel(86, 10), kInactiveBorder);
    EXPECT_EQ(b.Pixel(2, 10), kFace);
    EXPECT_EQ(b.Pixel(70, 10), kFace);
    // Highlight one pixel right and down, then the shadow in place.
    EXPECT_EQ(text_.drawnTexts, (std::vector<std::string>{"OK", "OK"}));
    EXPECT_EQ(b.Pixel(39, 8), kShadow);
    EXPECT_EQ(b.Pixel(40, 9), kShadow);
    EXPECT_EQ(b.Pixel(44, 17), kWhite);
    EXPECT_EQ(b.Pixel(39, 17), kFace);
}

TEST_F(XPBitBtnPaint, GlyphSitsBesideTheCaptionGreyUntilHovered) {
    Bitmap glyph(16, 16, kRed);
    glyph.SetPixel(0, 15, kMagenta);  // bottom-left: the transparent colour
    glyph.SetPixel(5, 0, kMagenta);
    glyph.SetPixel(6, 0, kFace);
    button_.SetGlyph(glyph);
    button_.SetCaption("OK");
    // 16 + 4 + 14 = 34 wide, centred: glyph at x 28, caption at 48; glyph one row up.
    const Bitmap b = Render();
    const Color grey = Rgb(76, 76, 76);  // 77 × 255 div 256
    EXPECT_EQ(b.Pixel(28, 4), grey);
    EXPECT_EQ(b.Pixel(27, 4), Band(kWhite, kGradientEnd, 2, 20));
    EXPECT_EQ(b.Pixel(33, 4), Band(kWhite, kGradientEnd, 2, 20));  // transparent
    EXPECT_EQ(b.Pixel(34, 4), kFace);
    EXPECT_EQ(b.Pixel(43, 19), grey);
    EXPECT_EQ(b.Pixel(49, 8), kRed);  // caption ink
    EXPECT_NE(b.Pixel(48, 8), kRed);

    button_.MouseEnter();
    EXPECT_EQ(Render().Pixel(28, 4), kRed);
    button_.MouseLeave();
    button_.SetGrayInactive(false);
    EXPECT_EQ(Render().Pixel(28, 4), kRed);
    // Pressed: one right, one down from the unshifted place (28, 5).
    const Bitmap pressed = Render({.selected = true});
    EXPECT_EQ(pressed.Pixel(29, 5), kRed);
    EXPECT_NE(pressed.Pixel(28, 5), kRed);

    button_.SetEnabled(false);
    const Bitmap disabled = Render();
    EXPECT_EQ(disabled.Pixel(28, 4), kShadow);
    EXPECT_EQ(disabled.Pixel(44, 20), kWhite);
    EXPECT_EQ(disabled.Pixel(28, 19), kFace);  // transparent corner left out
}

TEST_F(XPBitBtnPaint, EqualGradientColoursPaintOneSolidFace) {
    button_.SetGradientStart(kRed);
    button_.SetGradientEnd(kRed);
    const Bitmap b = Render();
    for (int y = 2; y <= 22; ++y) {
        for (int x = 3; x <= 85; ++x) ASSERT_EQ(b.Pixel(x, y), kRed) << x << "," << y;
    }
}

TEST_F(XPBitBtnPaint, RoundCornersOnlyWhereTheHeightAllowsThem) {
    button_.SetStyleButton(ButtonStyle::xpbbsbRoundRect);
    Render();  // erases once after the style change
    button_.SetRadius(10);
    EXPECT_TRUE(owner_.errors.empty());
    Bitmap b = Render();
    EXPECT_EQ(b.Pixel(0, 0), kBackground);
    EXPECT_EQ(b.Pixel(1, 3), kBackground);
    EXPECT_EQ(b.Pixel(44, 0), kOuterLeftTop);
    EXPECT_EQ(b.Pixel(0, 12), kOuterLeftTop);
    EXPECT_EQ(b.Pixel(88, 24), kBackground);
    for (int height : {4, 5}) {
        button_.SetSize(89, height);
        b = Render();
        EXPECT_EQ(b.Pixel(0, 0), kOuterLeftTop) << height;
        EXPECT_EQ(b.Pixel(88, height - 1), kOuterRightBottom) << height;
    }
}

TEST_F(XPBitBtnPaint, ChangingTheStyleErasesTheBackgroundOnce) {
    button_.SetStyleButton(ButtonStyle::xpbbsbRoundRect);
    EXPECT_TRUE(button_.EraseBackground());
    EXPECT_EQ(button_.Radius(), 2);
    EXPECT_EQ(Render().Pixel(0, 0), kFace);
    EXPECT_FALSE(button_.EraseBackground());
    EXPECT_EQ(Render().Pixel(0, 0), kBackground);
}

TEST_F(XPBitBtnPaint, FlatButtonShowsFramesAndFaceOnlyUnderTheMouse) {
    button_.SetFlat(true);
    const Bitmap flat = Render({.focused = true});
    EXPECT_EQ(flat.Pixels(), std::vector<Color>(89 * 25, kFace));
    button_.MouseEnter();
    const Bitmap hot = Render();
    EXPECT_EQ(hot.Pixel(0, 0), kOuterLeftTop);
    EXPECT_EQ(hot.Pixel(40, 2), kFocusedStart);
}

TEST_F(XPBitBtnPaint, InvisibleButtonPaintsNothing) {
    button_.SetVisible(false);
    EXPECT_EQ(Render().Pixels(), std::vector<Color>(89 * 25, kBackground));
}

TEST(XPBitBtn, StartsWithTheDocumentedDefaults) {
    TXPBitBtn button;
    EXPECT_EQ(button.StyleButton(), ButtonStyle::xpbbsbRoundRect);
    EXPECT_EQ(button.Radius(), 2);
    EXPECT_EQ(button.GradientSteps(), 255);
    EXPECT_EQ(button.GradientKindEllipse(), GradientKind::gkSmallAxis);
    EXPECT_EQ(button.ColorExternalFrameLeftTop(), SystemColor(16));
    EXPECT_EQ(button.ColorExternalFrameRightBottom(), SystemColor(22));
    EXPECT_EQ(button.ColorFrameLeftTop(), kNavy);
    EXPECT_EQ(button.GradientEnd(), Color(13220020));
    EXPECT_FALSE(button.Default());
    EXPECT_FALSE(button.Cancel());
    EXPECT_EQ(button.ModalResult(), 0);
}

TEST(XPBitBtn, ClickHandsTheModalResultToTheForm) {
    RecordingOwner owner;
    TXPBitBtn button(&owner);
    button.Click();
    button.SetModalResult(2);
    button.Click();
    EXPECT_EQ(owner.clicks, (std::vector<int>{0, 2}));
}

TEST(XPBitBtn, InvalidGradientStepsAndRadiusAreReportedWithTheComponentTexts) {
    RecordingOwner owner;
    TXPBitBtn button(&owner);
    button.SetSize(89, 25);
    button.SetGradientSteps(256);
    button.SetGradientSteps(-1);
    EXPECT_EQ(button.GradientSteps(), 255);
    EXPECT_EQ(owner.invalidations, 1);  // only the size change
    const std::string stepsError =
        "Значение GradientSteps должно\rнаходиться в пределах от 0 до 255";
    EXPECT_EQ(owner.errors, (std::vector<std::string>{stepsError, stepsError}));
    button.SetGradientSteps(0);
    EXPECT_EQ(button.GradientSteps(), 0);

    owner.errors.clear();
    button.SetRadius(11);  // (25 div 2) - 2 = 10
    EXPECT_EQ(owner.errors, (std::vector<std::string>{
                                "Значение Radius не должно\rпревышать велечину (Height div 2)-2"}));
    EXPECT_EQ(button.Radius(), 10);
    button.SetRadius(10);
    EXPECT_EQ(owner.errors.size(), 1u);
}

TEST(XPBitBtn, StyleDecidesTheRadius) {
    RecordingOwner owner;
    TXPBitBtn button(&owner);
    button.SetStyleButton(ButtonStyle::xpbbsbEllipse);
    EXPECT_EQ(button.Radius(), 0);
    button.SetRadius(5);
    EXPECT_EQ(button.Radius(), 0);
    button.SetStyleButton(ButtonStyle::xpbbsbRoundRect);
    EXPECT_EQ(button.Radius(), 2);
    button.SetRadius(6);
    button.SetStyleButton(ButtonStyle::xpbbsbRectangle);
    EXPECT_EQ(button.Radius(), 0);
    EXPECT_TRUE(owner.errors.empty());
}

TEST(XPBitBtn, PropertyChangesRepaintOnlyWhenTheValueDiffers) {
    RecordingOwner owner;
    TXPBitBtn button(&owner);
    button.SetGradient(true);
    button.SetColorFrameLeftTop(kNavy);
    button.SetCaption("");
    EXPECT_EQ(owner.invalidations, 0);
    button.SetGradient(false);
    button.SetColorFrameLeftTop(kRed);
    button.SetCaption("Ok");
    button.SetGradientMode(GradientMode::fdLeftToRight);
    button.FocusChanged();
    EXPECT_EQ(owner.invalidations, 5);
}

}  // namespace
}  // namespace quorvel
