#include "win32/window_region.h"

#include <gtest/gtest.h>

namespace quorvel::win32 {
namespace {

// A ring-shaped skin: the key colour in the corners and in a hole in the middle.
std::vector<RowRun> RingRuns() {
    Bitmap skin(30, 20, kBlack);
    for (int y = 2; y < 18; ++y)
        for (int x = 3; x < 27; ++x)
            if (!(x >= 10 && x < 20 && y >= 8 && y < 12)) skin.SetPixel(x, y, kWhite);
    return RegionFromSkin(skin);
}

TEST(WindowRegion, OneCallRegionEqualsTheRunByRunRegion) {
    const auto runs = RingRuns();
    UniqueRegion fast = RegionFromRuns(runs);
    UniqueRegion slow = RegionFromRunsOneByOne(runs);
    ASSERT_TRUE(fast && slow);
    EXPECT_TRUE(EqualRgn(fast.Get(), slow.Get()));
    EXPECT_TRUE(PtInRegion(fast.Get(), 3, 2));
    EXPECT_FALSE(PtInRegion(fast.Get(), 2, 2));
    EXPECT_FALSE(PtInRegion(fast.Get(), 15, 10));  // the hole
    EXPECT_FALSE(PtInRegion(fast.Get(), 27, 17));  // right edge is exclusive
    RECT box{};
    GetRgnBox(fast.Get(), &box);
    EXPECT_EQ(box.left, 3);
    EXPECT_EQ(box.top, 2);
    EXPECT_EQ(box.right, 27);
    EXPECT_EQ(box.bottom, 18);
}

TEST(WindowRegion, ManyBlocksMergeIntoTheSameShape) {
    // Enough runs for several blocks, and an odd number of them, so merging is exercised.
    Bitmap skin(157, 61, kBlack);
    for (int y = 0; y < 61; ++y)
        for (int x = 1; x < 157; ++x)
            if ((x / 3 + y) % 4 != 0) skin.SetPixel(x, y, kWhite);
    const auto runs = RegionFromSkin(skin);
    ASSERT_GT(runs.size(), 64u * 5);
    UniqueRegion merged = RegionFromRuns(runs);
    UniqueRegion single = RegionFromRunsInOneCall(runs);
    UniqueRegion slow = RegionFromRunsOneByOne(runs);
    EXPECT_TRUE(EqualRgn(merged.Get(), slow.Get()));
    EXPECT_TRUE(EqualRgn(single.Get(), slow.Get()));
}

TEST(WindowRegion, NoRunsGivesNoRegion) {
    EXPECT_FALSE(RegionFromRuns({}));
}

}  // namespace
}  // namespace quorvel::win32
