// Scaling the 96-DPI design to a display: the one rounding rule, the resampling of
// pictures, and windows built from their layouts at 150 %.
#include "base/display_scale.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "base/bitmap_resample.h"
#include "controls/button_glyph.h"
#include "fakes/fake_services.h"
#include "fakes/fake_toolkit.h"

namespace quorvel {
namespace {

TEST(DisplayScale, AtTheDesignDpiEveryFigureStaysAndOtherwiseHalvesRoundAwayFromZero) {
    const DisplayScale design;
    for (int figure : {-15, -11, 0, 1, 13, 202, 4096}) EXPECT_EQ(design.Of(figure), figure);

    const DisplayScale oneAndAHalf{144};
    EXPECT_EQ(oneAndAHalf.Of(LayoutRect{5, 37, 13, 25}), (LayoutRect{8, 56, 20, 38}));
    // An 11-pixel font (8 points) becomes 16.5 pixels: 17, as the system's own font does.
    EXPECT_EQ(oneAndAHalf.FontHeight(-11), -17);
    EXPECT_EQ(oneAndAHalf.FontHeight(0), 0);  // the default font stays the default
    EXPECT_EQ(DisplayScale{192}.Of(Size{203, 185}), (Size{406, 370}));
    EXPECT_EQ(oneAndAHalf.ToDesign(oneAndAHalf.Of(101)), 101);

    // A display that reports no DPI is taken as the design's.
    EXPECT_EQ(DisplayScale::ForDpi(0), DisplayScale{});
}

TEST(Resampled, TheSameSizeIsAnExactCopyAndGrowingKeepsTheCornersAndBlendsOnlyAtEdges) {
    Bitmap picture(4, 2, Rgb(10, 20, 30));
    picture.SetPixel(2, 0, Rgb(200, 0, 0));
    EXPECT_EQ(Resampled(picture, 4, 2), picture);

    Bitmap halves(4, 4, kBlack);
    for (int y = 0; y < 4; ++y)
        for (int x = 2; x < 4; ++x) halves.SetPixel(x, y, kWhite);
    const Bitmap grown = Resampled(halves, 8, 8);
    ASSERT_EQ(grown.Width(), 8);
    EXPECT_EQ(grown.Pixel(0, 0), kBlack);  // the key colour of a skin survives exactly
    EXPECT_EQ(grown.Pixel(7, 7), kWhite);
    EXPECT_EQ(grown.Pixel(2, 5), kBlack);
    EXPECT_EQ(grown.Pixel(5, 5), kWhite);
    // Only the two columns at the seam are mixtures.
    EXPECT_EQ(grown.Pixel(3, 0), Rgb(64, 64, 64));
    EXPECT_EQ(grown.Pixel(4, 0), Rgb(191, 191, 191));
}

TEST(Resampled, ShrinkingAveragesWhatEachPixelCoversSoAFinePatternTurnsEven) {
    Bitmap checks(6, 6, kBlack);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            if ((x + y) % 2) checks.SetPixel(x, y, kWhite);
    const Bitmap shrunk = Resampled(checks, 3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(shrunk.Pixel(x, y), Rgb(128, 128, 128));
}

TEST(ScaledGlyph, EachPixelBecomesItsScaledCellInItsOwnColourAndTheDesignStaysAtNinetySix) {
    constexpr Color kKey = Rgb(255, 0, 255);
    Bitmap glyph(3, 2, kKey);
    glyph.SetPixel(0, 0, kBlack);
    glyph.SetPixel(1, 1, kBlack);
    glyph.SetPixel(2, 1, kWhite);
    EXPECT_EQ(ScaledGlyph(glyph, {}), glyph);

    // At 150 % the cells' edges fall on 0, 2, 3, 5: cells of two and one pixels, no blend.
    const Bitmap scaled = ScaledGlyph(glyph, {144});
    ASSERT_EQ(scaled.Width(), 5);
    ASSERT_EQ(scaled.Height(), 3);
    const char* expected[] = {"XX...", "XX...", "..XWW"};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            const char c = expected[y][x];
            EXPECT_EQ(scaled.Pixel(x, y), c == 'X'   ? kBlack
                                          : c == 'W' ? kWhite
                                                     : kKey)
                << x << "," << y;
        }
    }
    EXPECT_EQ(ScaledGlyph(glyph, {192}).Width(), 6);
}

TEST(ScaledWindows, EveryWindowAndControlIsBuiltAtTheDisplaysScaleFromItsDesign) {
    FakeToolkit toolkit;
    toolkit.scale = {144};
    FakeServices fake;
    Program program{toolkit, fake.services};

    const LayoutForm& editor = program.Form2();
    EXPECT_EQ(editor.Window().ClientSize(), (Size{305, 278}));
    EXPECT_EQ(editor.DesignLayout().clientSize, (Size{203, 185}));
    for (const ControlLayout& design : editor.DesignLayout().controls) {
        SCOPED_TRACE(std::string(design.name));
        const Control* control = editor.FindControl(design.name);
        ASSERT_NE(control, nullptr);
        if (design.kind != ControlKind::kPicture) {
            EXPECT_EQ(control->Bounds(), toolkit.scale.Of(design.bounds));
        }
    }
    for (std::size_t i = 0; i < editor.Layout().controls.size(); ++i) {
        EXPECT_EQ(editor.Layout().controls[i].font.height,
                  toolkit.scale.FontHeight(editor.DesignLayout().controls[i].font.height));
    }
}

// The dialogs are made as they are first opened: one made after the windows moved to a
// denser display comes up at that display's scale, as if it had been re-laid with them.
TEST(ScaledWindows, ADialogMadeAfterAScaleChangeComesUpAtTheNewScale) {
    FakeToolkit toolkit;
    FakeServices fake;
    Program program{toolkit, fake.services};
    program.Run();
    dynamic_cast<FakeForm&>(program.Form1().Window()).ChangeScale({144});

    const TForm3& options = program.Form3();
    EXPECT_EQ(options.Scale(), (DisplayScale{144}));
    for (const ControlLayout& design : options.DesignLayout().controls) {
        if (design.kind == ControlKind::kPicture) continue;
        EXPECT_EQ(options.FindControl(design.name)->Bounds(), DisplayScale{144}.Of(design.bounds))
            << design.name;
    }
    EXPECT_EQ(options.Window().ClientSize(), program.Form1().Window().ClientSize());
}

}  // namespace
}  // namespace quorvel
