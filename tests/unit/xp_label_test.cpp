#include "controls/xp_label.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_text_rasterizer.h"

namespace quorvel {
namespace {

constexpr Color kPage = Rgb(250, 250, 250);
constexpr Color kFore = Rgb(0, 0, 0);
constexpr Color kShade = Rgb(16, 28, 136);

struct RecordingOwner : XPLabelOwner {
    void Invalidate() override { ++invalidations; }
    void Resized(int width, int height) override { sizes.push_back({width, height}); }
    int invalidations = 0;
    std::vector<Size> sizes;
};

class XPLabelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        label_.SetForegroundColor(kFore);
        label_.SetCaption("Ab");
        owner_.invalidations = 0;
    }
    // Paints on a picture of the label's size, again when AutoSize changed it.
    Bitmap Render() {
        for (;;) {
            Bitmap picture(label_.Width(), label_.Height(), kPage);
            Canvas canvas(picture, &text_);
            const Size before{label_.Width(), label_.Height()};
            label_.Paint(canvas);
            if (before == Size{label_.Width(), label_.Height()}) return picture;
        }
    }
    // The leftmost column holding `colour`, or -1.
    static int LeftmostOf(const Bitmap& b, Color colour) {
        for (int x = 0; x < b.Width(); ++x) {
            for (int y = 0; y < b.Height(); ++y) {
                if (b.Pixel(x, y) == colour) return x;
            }
        }
        return -1;
    }

    RecordingOwner owner_;
    TXPLabel label_{&owner_};
    FakeTextRasterizer text_;
};

TEST_F(XPLabelTest, ShadowIsShiftedByTheOffsetUnderTheCaption) {
    label_.SetOffset(2);
    const Bitmap b = Render();
    EXPECT_EQ(b.Width(), 2 * FakeTextRasterizer::kCharWidth + 2);
    EXPECT_EQ(b.Height(), FakeTextRasterizer::kLineHeight + 2);
    EXPECT_EQ(b.Pixel(1, 2), kFore);
    EXPECT_EQ(b.Pixel(3, 4), kFore);    // the caption is drawn over its shadow
    EXPECT_EQ(b.Pixel(7, 12), kShade);  // the shadow's ink ends two further right and down
    EXPECT_EQ(b.Pixel(8, 12), kPage);
    EXPECT_EQ(b.Pixel(3, 10), kFore);
    EXPECT_EQ(b.Pixel(3, 11), kShade);
}

TEST_F(XPLabelTest, OffsetZeroShowsOnlyTheForeground) {
    label_.SetOffset(0);
    const Bitmap b = Render();
    EXPECT_EQ(LeftmostOf(b, kShade), -1);
    EXPECT_EQ(LeftmostOf(b, kFore), 1);
}

TEST_F(XPLabelTest, RightAndCentredCaptionsMoveLeftToMakeRoomForTheShadow) {
    label_.SetAutoSize(false);
    label_.SetSize(40, 15);
    label_.SetOffset(2);
    label_.SetCaptionAlignment(TCaptionAlignment::caRight);
    Bitmap b = Render();
    EXPECT_EQ(LeftmostOf(b, kFore), 40 - 2 - 14 + 1);
    EXPECT_EQ(b.Pixel(40 - 14 + 1 + 4, 4), kShade);

    label_.SetOffset(3);
    label_.SetCaptionAlignment(TCaptionAlignment::caCenter);
    b = Render();
    EXPECT_EQ(LeftmostOf(b, kFore), (-1 + 39 - 14) / 2 + 1);
    EXPECT_EQ(b.Pixel((3 + 40 - 14) / 2 + 5, 3 + 10), kShade);
}

TEST_F(XPLabelTest, AutoSizeFollowsTheCaptionAtTheNextPaint) {
    label_.SetOffset(1);
    Render();
    EXPECT_EQ(owner_.sizes.back(), (Size{15, 14}));
    label_.SetCaption("Abcd");
    EXPECT_EQ(label_.Width(), 15);
    Render();
    EXPECT_EQ(owner_.sizes.back(), (Size{4 * 7 + 1, 14}));
    EXPECT_EQ(label_.Width(), 29);
    // Measured in the label's own font, from the first paint on.
    Font courier;
    courier.name = "Courier New";
    courier.bold = true;
    TXPLabel fresh;
    fresh.SetFont(courier);
    text_.measuredFonts.clear();
    Bitmap picture(47, 14);
    Canvas canvas(picture, &text_);
    fresh.Paint(canvas);
    ASSERT_FALSE(text_.measuredFonts.empty());
    EXPECT_EQ(text_.measuredFonts.front().name, "Courier New");
    EXPECT_TRUE(text_.measuredFonts.front().bold);
}

TEST_F(XPLabelTest, CaptionAndFontRepaintAlwaysOtherPropertiesOnlyWhenChanged) {
    label_.SetCaption("Ab");
    label_.SetFont(label_.Font());
    EXPECT_EQ(owner_.invalidations, 2);
    label_.SetOffset(1);
    label_.SetForegroundColor(kFore);
    label_.SetCaptionAlignment(TCaptionAlignment::caLeft);
    EXPECT_EQ(owner_.invalidations, 2);
    label_.SetOffset(0);
    label_.SetBackgroundColor(kClWindow);
    EXPECT_EQ(owner_.invalidations, 4);
}

TEST(XPLabel, StartsWithTheDocumentedDefaults) {
    TXPLabel label;
    EXPECT_EQ(label.CaptionAlignment(), TCaptionAlignment::caLeft);
    EXPECT_EQ(label.ForegroundColor(), kWhite);
    EXPECT_EQ(label.BackgroundColor(), kShade);
    EXPECT_EQ(label.Offset(), 1);
    EXPECT_TRUE(label.AutoSize());
    EXPECT_EQ((Size{label.Width(), label.Height()}), (Size{47, 14}));
}

TEST(XPLabel, AcceleratorIsTheCharacterAfterASingleAmpersandInAnyCase) {
    TXPLabel label;
    label.SetCaption("&About");
    EXPECT_TRUE(label.IsAccelerator(U'a'));
    EXPECT_TRUE(label.IsAccelerator(U'A'));
    EXPECT_FALSE(label.IsAccelerator(U'b'));
    label.SetCaption("Save && &Quit");
    EXPECT_TRUE(label.IsAccelerator(U'q'));
    EXPECT_FALSE(label.IsAccelerator(U'&'));
    label.SetCaption("\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4 &\xD0\x92");  // "Выход &В"
    EXPECT_TRUE(label.IsAccelerator(U'\u0432'));
    EXPECT_TRUE(label.IsAccelerator(U'\u0412'));
    label.SetCaption("Quorvel 3.5");
    EXPECT_FALSE(label.IsAccelerator(U'q'));
    label.SetCaption("trailing &");
    EXPECT_FALSE(label.IsAccelerator(U'&'));
}

}  // namespace
}  // namespace quorvel
