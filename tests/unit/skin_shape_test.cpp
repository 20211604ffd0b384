#include "skin/skin_shape.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

const Color kKey = Rgb(100, 100, 100);
const Color kShown = Rgb(200, 30, 30);

TEST(SkinShape, TheKeyColourMatchesWithinTenPerChannel) {
    EXPECT_TRUE(ColoursMatch(10, kKey, Rgb(110, 90, 110)));
    EXPECT_FALSE(ColoursMatch(10, kKey, Rgb(111, 100, 100)));
    EXPECT_FALSE(ColoursMatch(10, kKey, Rgb(100, 100, 89)));
    EXPECT_TRUE(ColoursMatch(0, kShown, kShown));
}

TEST(SkinShape, RunsCoverExactlyTheShownPixelsOfEachRow) {
    Bitmap skin(6, 3, kKey);
    skin.SetPixel(1, 0, kShown);
    skin.SetPixel(2, 0, kShown);
    skin.SetPixel(4, 0, kShown);
    skin.SetPixel(3, 1, Rgb(109, 91, 100));  // JPEG noise around the key: still cut out
    skin.SetPixel(3, 2, Rgb(111, 100, 100));  // one step too far: shown, and reaches the edge
    skin.SetPixel(4, 2, kShown);
    skin.SetPixel(5, 2, kShown);
    const std::vector<RowRun> expected{{1, 0, 3}, {4, 0, 5}, {3, 2, 6}};
    EXPECT_EQ(RegionFromSkin(skin), expected);
}

TEST(SkinShape, AllKeyOrEmptySkinGivesNoShape) {
    EXPECT_TRUE(RegionFromSkin(Bitmap(4, 4, kKey)).empty());
    EXPECT_TRUE(RegionFromSkin(Bitmap()).empty());
}

TEST(SkinFog, CheckerboardStartsOnTheOddColumnOfTheFirstRow) {
    Bitmap picture(4, 3, kWhite);
    DrawFog({0, 0, 4, 3}, picture, kBlack, false);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(picture.Pixel(x, y), (x + y) % 2 ? kBlack : kWhite) << x << "," << y;
}

TEST(SkinFog, ParityFollowsTheRowsFromTheTopOfTheRectangle) {
    Bitmap picture(4, 4, kWhite);
    DrawFog({1, 1, 2, 2}, picture, kBlack, false);
    // Row y = 1 is row 0 of the fog: odd columns; row y = 2: even columns.
    EXPECT_EQ(picture.Pixel(1, 1), kBlack);
    EXPECT_EQ(picture.Pixel(2, 1), kWhite);
    EXPECT_EQ(picture.Pixel(2, 2), kBlack);
    EXPECT_EQ(picture.Pixel(1, 2), kWhite);
    EXPECT_EQ(picture.Pixel(0, 0), kWhite);
    EXPECT_EQ(picture.Pixel(3, 3), kWhite);
}

TEST(SkinFog, SwitchedOffOrUpsideDownLeavesThePictureAlone) {
    Bitmap picture(3, 3, kWhite);
    DrawFog({0, 0, 3, 3}, picture, kBlack, true);
    DrawFog({0, 2, 3, 1}, picture, kBlack, false);
    EXPECT_EQ(picture, Bitmap(3, 3, kWhite));
}

TEST(SkinFog, RectangleBeyondThePictureIsClipped) {
    Bitmap picture(2, 2, kWhite);
    DrawFog({-3, -3, 50, 50}, picture, kBlack, false);  // would overrun without clipping
    EXPECT_EQ(picture.Pixels().size(), 4u);
}

TEST(SkinFog, ColourIsTheCentrePixel) {
    Bitmap picture(5, 4, kWhite);
    picture.SetPixel(2, 2, kShown);
    EXPECT_EQ(FogColourOf(picture), kShown);
}

}  // namespace
}  // namespace quorvel
