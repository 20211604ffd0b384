#include "controls/flat_menu.h"

#include <gtest/gtest.h>

#include "controls/xp_bit_btn.h"

namespace quorvel {
namespace {

using namespace flat_menu;

const FlatMenuColors kColors = FlatMenuColors::Of(TXPBitBtn{});
constexpr PixelRect kItem{0, 0, 120, 22};

// The fills of a plan painted as the menu paints them (picture and caption left out).
Bitmap Render(const FlatMenuPaint& paint, const PixelRect& bounds = kItem) {
    Bitmap out(bounds.right, bounds.bottom, Rgb(1, 2, 3));
    for (const FlatMenuPaint::Fill& fill : paint.fills)
        for (int y = fill.rect.top; y < fill.rect.bottom; ++y)
            for (int x = fill.rect.left; x < fill.rect.right; ++x) out.SetPixel(x, y, fill.color);
    return out;
}

int Brightness(Color c) {
    return RedOf(c) + GreenOf(c) + BlueOf(c);
}

TEST(FlatMenu, ThePaletteIsTheButtonsLightFaceDarkerColumnAndFramedHotColour) {
    EXPECT_EQ(kColors.selectedFrame, Rgb(0, 0, 128)) << "the button's navy frame";
    EXPECT_EQ(kColors.selectedFill, Rgb(254, 241, 192)) << "the button's hot colour";
    EXPECT_GT(Brightness(kColors.face), Brightness(kColors.imageColumn));
    EXPECT_GT(Brightness(kColors.imageColumn), Brightness(kColors.separator));
    EXPECT_GT(Brightness(kColors.face), 3 * 235) << "a light face";
    EXPECT_EQ(kColors.text, kBlack);
    EXPECT_EQ(kColors.disabledText, Rgb(128, 128, 128));
}

TEST(FlatMenu, ItemsMakeRoomForPictureCaptionAndArrowAndGrowWithTheFont) {
    const Size small = FlatMenuItemSize({}, {60, 13});
    EXPECT_EQ(small, (Size{kImageColumnWidth + kTextGap + 60 + kArrowColumnWidth, 22}));
    EXPECT_EQ(FlatMenuItemSize({}, {60, 24}).height, 30) << "a large menu font is not cut";
    const Size separator = FlatMenuItemSize({.separator = true}, {60, 13});
    EXPECT_LT(separator.height, small.height);
    EXPECT_LE(separator.width, small.width) << "a separator never widens the menu";
}

TEST(FlatMenu, AnItemShowsItsPictureOnTheImageColumnAndItsCaptionAfterIt) {
    const FlatMenuPaint paint = PlanFlatMenuItem({.hasImage = true}, kItem, kColors);
    const Bitmap shown = Render(paint);
    EXPECT_EQ(shown.Pixel(0, 0), kColors.imageColumn);
    EXPECT_EQ(shown.Pixel(kImageColumnWidth - 1, 21), kColors.imageColumn);
    EXPECT_EQ(shown.Pixel(kImageColumnWidth, 0), kColors.face);
    EXPECT_EQ(shown.Pixel(119, 21), kColors.face);
    EXPECT_EQ(paint.image, (PixelRect{4, 3, 20, 19})) << "centred in the column";
    EXPECT_FALSE(paint.imageGrayed);
    EXPECT_EQ(paint.text.left, kImageColumnWidth + kTextGap);
    EXPECT_EQ(paint.text.right, 120 - kArrowColumnWidth);
    EXPECT_EQ(paint.textColor, kColors.text);
    EXPECT_FALSE(paint.bold);
    EXPECT_TRUE(paint.arrowColumn.IsEmpty());

    EXPECT_TRUE(PlanFlatMenuItem({}, kItem, kColors).image.IsEmpty());
    EXPECT_TRUE(PlanFlatMenuItem({.isDefault = true}, kItem, kColors).bold);
}

TEST(FlatMenu, TheSelectedItemIsFramedInTheButtonsFrameColourOverItsWholeWidth) {
    const Bitmap shown =
        Render(PlanFlatMenuItem({.selected = true, .hasImage = true}, kItem, kColors));
    for (const auto& [x, y] : {std::pair{0, 0}, {119, 0}, {0, 21}, {119, 21}, {60, 0}, {0, 11}})
        EXPECT_EQ(shown.Pixel(x, y), kColors.selectedFrame) << x << "," << y;
    EXPECT_EQ(shown.Pixel(1, 1), kColors.selectedFill) << "the image column is selected too";
    EXPECT_EQ(shown.Pixel(118, 20), kColors.selectedFill);

    // A disabled item can be selected by the keyboard: framed, but not lit.
    const FlatMenuPaint disabled =
        PlanFlatMenuItem({.enabled = false, .selected = true, .hasImage = true}, kItem, kColors);
    EXPECT_EQ(Render(disabled).Pixel(0, 0), kColors.selectedFrame);
    EXPECT_EQ(Render(disabled).Pixel(60, 10), kColors.face);
    EXPECT_EQ(disabled.textColor, kColors.disabledText);
    EXPECT_TRUE(disabled.imageGrayed);
}

TEST(FlatMenu, ASeparatorIsOneThinLineRightOfTheImageColumn) {
    const PixelRect bounds{0, 0, 120, kSeparatorHeight};
    const FlatMenuPaint paint = PlanFlatMenuItem({.separator = true}, bounds, kColors);
    const Bitmap shown = Render(paint, bounds);
    const int middle = kSeparatorHeight / 2;
    EXPECT_EQ(shown.Pixel(kImageColumnWidth + kTextGap, middle), kColors.separator);
    EXPECT_EQ(shown.Pixel(119, middle), kColors.separator);
    EXPECT_EQ(shown.Pixel(60, middle - 1), kColors.face);
    EXPECT_EQ(shown.Pixel(60, middle + 1), kColors.face);
    EXPECT_EQ(shown.Pixel(2, middle), kColors.imageColumn) << "the column runs through";
    EXPECT_TRUE(paint.text.IsEmpty());
    EXPECT_TRUE(paint.image.IsEmpty());
    EXPECT_EQ(
        Render(PlanFlatMenuItem({.separator = true, .selected = true}, bounds, kColors), bounds)
            .Pixel(60, 0),
        kColors.face)
        << "a separator is never lit";
}

TEST(FlatMenu, ASubmenuItemDrawsARightPointingArrowInItsOwnColumn) {
    const FlatMenuPaint paint = PlanFlatMenuItem({.hasSubmenu = true}, kItem, kColors);
    EXPECT_EQ(paint.arrowColumn, (PixelRect{120 - kArrowColumnWidth, 0, 120, 22}));
    EXPECT_EQ(paint.text.right, paint.arrowColumn.left) << "the caption stops before the arrow";
    const Bitmap shown = Render(paint);
    // Count the arrow's pixels per row: widest in the middle, one at the tips.
    std::vector<int> widths;
    int leftmost = 120;
    for (int y = 0; y < 22; ++y) {
        int width = 0;
        for (int x = paint.arrowColumn.left; x < 120; ++x) {
            if (shown.Pixel(x, y) != kColors.text) continue;
            ++width;
            leftmost = std::min(leftmost, x);
        }
        if (width) widths.push_back(width);
    }
    EXPECT_EQ(widths, (std::vector<int>{1, 2, 3, 4, 3, 2, 1}));
    EXPECT_GT(leftmost, paint.arrowColumn.left);

    const FlatMenuPaint disabled =
        PlanFlatMenuItem({.enabled = false, .hasSubmenu = true}, kItem, kColors);
    EXPECT_EQ(disabled.fills.back().color, kColors.disabledText) << "a disabled arrow is grey";
}

TEST(FlatMenu, AtEachScaleThePictureTakesItsReadyDrawnSizeAndTheItemGrowsByTheOneRule) {
    EXPECT_EQ(FlatMenuMetrics::At({96}), FlatMenuMetrics{}) << "the design, exactly";
    // The smallest ready-drawn size not smaller than 16 pixels scaled; the largest beyond.
    for (const auto& [dpi, size] : {std::pair{120, 20}, {144, 24}, {168, 32}, {192, 32}, {288, 32}})
        EXPECT_EQ(FlatMenuMetrics::At({dpi}).imageSize, size) << dpi;

    const FlatMenuMetrics at200 = FlatMenuMetrics::At({192});
    EXPECT_EQ(FlatMenuItemSize({}, {60, 26}, at200), (Size{48 + 12 + 60 + 32, 44}));
    const PixelRect item{0, 0, 240, 44};
    const FlatMenuPaint paint =
        PlanFlatMenuItem({.hasImage = true, .hasSubmenu = true}, item, kColors, at200);
    EXPECT_EQ(paint.image, (PixelRect{8, 6, 40, 38})) << "32 pixels, centred in the column";
    EXPECT_EQ(paint.text.left, 48 + 12);
    // The arrow keeps its shape at twice the size: one more row keeps a single tip.
    std::vector<int> widths;
    for (const FlatMenuPaint::Fill& fill : paint.fills)
        if (fill.color == kColors.text) widths.push_back(fill.rect.Width());
    EXPECT_EQ(widths, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1}));

    // A separator's line is as thick as the scale makes one pixel.
    const FlatMenuPaint separator =
        PlanFlatMenuItem({.separator = true}, {0, 0, 240, 14}, kColors, at200);
    EXPECT_EQ(separator.fills.back().rect, (PixelRect{60, 6, 240, 8}));
}

TEST(FlatMenu, AGrayedPictureKeepsItsShapeAndShadingInLightGrey) {
    constexpr Color kKey = Rgb(255, 0, 255);
    Bitmap picture(3, 1, kKey);
    picture.SetPixel(0, 0, Rgb(20, 20, 160));
    picture.SetPixel(1, 0, Rgb(250, 240, 120));
    const Bitmap grayed = GrayedPicture(picture, kKey);
    EXPECT_EQ(grayed.Pixel(2, 0), kKey);
    for (int x : {0, 1}) {
        const Color c = grayed.Pixel(x, 0);
        EXPECT_TRUE(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c)) << x;
        EXPECT_GE(RedOf(c), 128);
    }
    EXPECT_LT(RedOf(grayed.Pixel(0, 0)), RedOf(grayed.Pixel(1, 0))) << "dark stays darker";
}

}  // namespace
}  // namespace quorvel
