#include "base/bitmap.h"

#include <gtest/gtest.h>

#include "base/error.h"

namespace quorvel {
namespace {

TEST(Bitmap, AccessOutsideThePictureIsHarmless) {
    Bitmap picture(3, 2, kWhite);
    picture.SetPixel(-1, 0, kBlack);
    picture.SetPixel(3, 1, kBlack);
    picture.SetPixel(0, 2, kBlack);
    EXPECT_EQ(picture.Pixels(), std::vector<Color>(6, kWhite));
    EXPECT_EQ(picture.Pixel(3, 0), kBlack);
    EXPECT_EQ(picture.Pixel(0, -1), kBlack);
}

TEST(Bitmap, ColourChannelsKeepTheSystemLayout) {
    const Color navy = 8388608;  // the system's value of navy
    EXPECT_EQ(Rgb(0, 0, 128), navy);
    EXPECT_EQ(RedOf(Rgb(1, 2, 3)), 1);
    EXPECT_EQ(GreenOf(Rgb(1, 2, 3)), 2);
    EXPECT_EQ(BlueOf(Rgb(1, 2, 3)), 3);
}

TEST(Bitmap, NegativeSizeGivesAnEmptyPicture) {
    Bitmap picture(-5, 4);
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(picture.Pixels().empty());
}

TEST(ErrorText, FillsTheFirstPlaceholderOnly) {
    EXPECT_EQ(FormatText("'%s' is not a valid boolean value", "yes"),
              "'yes' is not a valid boolean value");
    EXPECT_EQ(FormatText("%s and %s", "a"), "a and %s");
    EXPECT_EQ(FormatText("no placeholder", "a"), "no placeholder");
}

}  // namespace
}  // namespace quorvel
