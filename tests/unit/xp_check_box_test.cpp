#include "controls/xp_check_box.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/bmp_file.h"
#include "fakes/fake_text_rasterizer.h"

namespace quorvel {
namespace {

constexpr Color kFace = Rgb(212, 208, 200);
constexpr Color kBoxFrame = Rgb(31, 80, 128);
constexpr Color kGreen = Rgb(33, 162, 33);
constexpr Color kDisabledGrey = Rgb(206, 203, 189);
const std::vector<std::string> kMarkShape = {"......X", ".....XX", "X...XXX", "XX.XXX.",
                                             "XXXXX..", ".XXX...", "..X...."};

TEST(CheckBoxPictures, SourcePicturesHaveTheirCornerColoursAndTheMarkItsShape) {
    const CheckBoxResources r = MakeCheckBoxResources();
    EXPECT_EQ(r.unpress.Pixel(0, 0), Rgb(222, 223, 214));
    EXPECT_EQ(r.unpress.Pixel(10, 10), kWhite);
    EXPECT_EQ(r.press.Pixel(0, 0), Rgb(181, 178, 165));
    EXPECT_EQ(r.press.Pixel(10, 10), Rgb(247, 239, 222));
    EXPECT_EQ(r.border.Pixel(0, 0), Rgb(255, 243, 206));
    EXPECT_EQ(r.border.Pixel(1, 9), r.border.Pixel(9, 1));
    EXPECT_EQ(r.border.Pixel(2, 2), kPictureTransparent);
    EXPECT_EQ(r.border.Pixel(8, 8), kPictureTransparent);
    EXPECT_NE(r.border.Pixel(9, 9), kPictureTransparent);
    EXPECT_EQ(r.grayed.Pixels(), std::vector<Color>(49, Rgb(115, 195, 115)));
    EXPECT_EQ(r.disGrayed.Pixels(), std::vector<Color>(49, kDisabledGrey));
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool mark = kMarkShape[y][x] == 'X';
            EXPECT_EQ(r.flag.Pixel(x, y), mark ? kGreen : kPictureTransparent) << x << "," << y;
            EXPECT_EQ(r.disFlag.Pixel(x, y), mark ? kDisabledGrey : kPictureTransparent);
        }
    }
    std::vector<std::string> names;
    for (const auto& [name, picture] : NamedResources(r)) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"CB_UNPRESS", "CB_PRESS", "CB_BORDER", "CB_FLAG",
                                               "CB_GRAYED", "CB_DISFLAG", "CB_DISGRAYED"}));
}

TEST(CheckBoxPictures, BoxesFrameTheirFaces) {
    const CheckBoxPictures p = BuildCheckBoxPictures(MakeCheckBoxResources());
    for (const Bitmap* box : {&p.normalBox, &p.pressedBox}) {
        EXPECT_EQ(box->Width(), 13);
        for (int i = 0; i < 13; ++i) {
            EXPECT_EQ(box->Pixel(i, 0), kBoxFrame);
            EXPECT_EQ(box->Pixel(12, i), kBoxFrame);
        }
    }
    EXPECT_EQ(p.normalBox.Pixel(1, 1), Rgb(222, 223, 214));
    EXPECT_EQ(p.normalBox.Pixel(11, 11), kWhite);
    EXPECT_EQ(p.pressedBox.Pixel(1, 1), Rgb(181, 178, 165));
    EXPECT_EQ(p.disabledBox.Pixel(0, 6), Rgb(207, 200, 191));
    EXPECT_EQ(p.disabledBox.Pixel(12, 12), Rgb(207, 200, 191));
    EXPECT_EQ(p.disabledBox.Pixel(6, 6), kWhite);
}

TEST(BmpFile, WritesA24BitPictureBottomRowFirstWithPaddedRows) {
    Bitmap picture(2, 2);
    picture.SetPixel(0, 0, Rgb(1, 2, 3));
    picture.SetPixel(1, 1, Rgb(4, 5, 6));
    const std::string bytes = EncodeBmp(picture);
    ASSERT_EQ(bytes.size(), 54u + 2 * 8);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(std::uint8_t(bytes[2]), 70);
    EXPECT_EQ(std::uint8_t(bytes[10]), 54);
    EXPECT_EQ(std::uint8_t(bytes[28]), 24);
    // Bottom row first, blue-green-red: (0, 1) white, (1, 1) = (4, 5, 6), two bytes padding.
    EXPECT_EQ(bytes.substr(54, 8), std::string("\xFF\xFF\xFF\x06\x05\x04\0\0", 8));
    EXPECT_EQ(bytes.substr(62, 3), "\x03\x02\x01");
}

struct RecordingOwner : XPCheckBoxOwner {
    void RedrawBox() override { ++boxRedraws; }
    void Invalidate() override { ++invalidations; }
    void TakeFocus() override {
        ++focusRequests;
        if (box) box->Enter();
    }
    void Raise(XPCheckBoxEvent event) override {
        events.push_back(event);
        if (onEvent) onEvent(event);
    }
    TXPCheckBox* box = nullptr;
    int boxRedraws = 0;
    int invalidations = 0;
    int focusRequests = 0;
    std::vector<XPCheckBoxEvent> events;
    std::function<void(XPCheckBoxEvent)> onEvent;
};

using E = XPCheckBoxEvent;

class XPCheckBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { owner_.box = &box_; }

    Bitmap Render() {
        Bitmap picture(box_.Width(), box_.Height(), Rgb(1, 1, 1));
        Canvas canvas(picture, &text_);
        box_.Paint(canvas);
        return picture;
    }
    void Click() {
        box_.MouseDown(MouseButton::kLeft);
        box_.MouseUp(MouseButton::kLeft);
    }

    RecordingOwner owner_;
    TXPCheckBox box_{&owner_};
    FakeTextRasterizer text_;
    CheckBoxPictures pictures_ = BuildCheckBoxPictures(MakeCheckBoxResources());
};

TEST_F(XPCheckBoxTest, SettingCheckedRaisesOnClickOnlyWhenItChanges) {
    box_.SetChecked(true);
    EXPECT_EQ(box_.State(), TXPCheckBoxState::cbChecked);
    EXPECT_EQ(owner_.events, (std::vector<E>{E::kClick}));
    EXPECT_EQ(owner_.boxRedraws, 1);
    box_.SetChecked(true);
    box_.SetState(TXPCheckBoxState::cbChecked);
    EXPECT_EQ(owner_.events.size(), 1u);
    box_.SetState(TXPCheckBoxState::cbGrayed);
    EXPECT_FALSE(box_.Checked());
    EXPECT_EQ(owner_.events.size(), 2u);
}

TEST_F(XPCheckBoxTest, LeftClickChecksAndRaisesOnClickTwice) {
    Click();
    EXPECT_TRUE(box_.Checked());
    EXPECT_EQ(owner_.focusRequests, 1);
    EXPECT_TRUE(box_.Focused());
    EXPECT_EQ(owner_.events,
              (std::vector<E>{E::kEnter, E::kMouseDown, E::kClick, E::kMouseUp, E::kClick}));
    // With the focus already there, the press redraws the box instead.
    const int redraws = owner_.boxRedraws;
    box_.MouseDown(MouseButton::kLeft);
    EXPECT_TRUE(box_.Pressed());
    EXPECT_EQ(owner_.boxRedraws, redraws + 1);
    EXPECT_EQ(owner_.focusRequests, 1);
}

TEST_F(XPCheckBoxTest, OtherButtonsDoNotToggleButStillRaiseOnClick) {
    box_.MouseDown(MouseButton::kRight);
    box_.MouseUp(MouseButton::kRight);
    EXPECT_FALSE(box_.Checked());
    EXPECT_FALSE(box_.Pressed());
    EXPECT_EQ(owner_.events, (std::vector<E>{E::kMouseDown, E::kMouseUp, E::kClick}));
}

TEST_F(XPCheckBoxTest, WithAllowGrayedClicksCycleThroughTheThreeStates) {
    box_.SetAllowGrayed(true);
    Click();
    EXPECT_EQ(box_.State(), TXPCheckBoxState::cbGrayed);
    Click();
    EXPECT_EQ(box_.State(), TXPCheckBoxState::cbChecked);
    Click();
    EXPECT_EQ(box_.State(), TXPCheckBoxState::cbUnchecked);
    box_.SetAllowGrayed(false);
    box_.SetState(TXPCheckBoxState::cbGrayed);
    box_.Toggle();
    EXPECT_EQ(box_.State(), TXPCheckBoxState::cbChecked);
}

TEST_F(XPCheckBoxTest, SpaceBarShowsThePressedFaceAndTogglesOnRelease) {
    box_.Enter();
    owner_.events.clear();
    std::vector<bool> allowedDuringEvents;
    owner_.onEvent = [&](E) { allowedDuringEvents.push_back(box_.PaintingAllowed()); };

    box_.KeyDown(kVkSpace, 0);
    EXPECT_TRUE(box_.Pressed());
    EXPECT_FALSE(box_.Checked());
    Bitmap picture(97, 17);
    Canvas canvas(picture, &text_);
    box_.DrawBox(canvas);
    EXPECT_EQ(picture.Pixel(1, 3), Rgb(181, 178, 165));  // pressed face at box (0, 2)

    box_.KeyUp(kVkSpace, 0);
    EXPECT_FALSE(box_.Pressed());
    EXPECT_TRUE(box_.Checked());
    EXPECT_EQ(owner_.events, (std::vector<E>{E::kKeyDown, E::kClick, E::kKeyUp, E::kClick}));
    EXPECT_EQ(allowedDuringEvents, std::vector<bool>(4, false));
    EXPECT_TRUE(box_.PaintingAllowed());

    // Shifted space does not press; other keys raise their events only.
    box_.KeyDown(kVkSpace, key_modifier::kShift);
    box_.KeyDown('A', 0);
    EXPECT_FALSE(box_.Pressed());
}

TEST_F(XPCheckBoxTest, PaintRequestedDuringKeyHandlingDrawsNothingAndFollowsAfterwards) {
    const Bitmap before = Render();
    Bitmap duringPaint(97, 17, Rgb(1, 1, 1));
    bool painted = true;
    owner_.onEvent = [&](E event) {
        if (event != E::kKeyDown) return;
        Canvas canvas(duringPaint, &text_);
        painted = box_.Paint(canvas);
    };
    const int invalidations = owner_.invalidations;
    box_.KeyDown(kVkSpace, 0);
    EXPECT_FALSE(painted);
    EXPECT_EQ(duringPaint.Pixels(), std::vector<Color>(97 * 17, Rgb(1, 1, 1)));
    EXPECT_EQ(owner_.invalidations, invalidations + 1);
    EXPECT_NE(Render(), before);  // painting works again: the pressed face shows
}

TEST_F(XPCheckBoxTest, BoxSitsAtTheEdgeWithTheMarkThreePixelsIn) {
    box_.SetChecked(true);
    for (auto alignment : {TXPCheckBoxAlign::taLeft, TXPCheckBoxAlign::taRight}) {
        box_.SetAlignment(alignment);
        const int x = alignment == TXPCheckBoxAlign::taLeft ? 0 : 97 - 13;
        const int y = 17 / 2 - 13 / 2;
        EXPECT_EQ(box_.BoxRect(), (PixelRect{x, y, x + 13, y + 13}));
        const Bitmap b = Render();
        EXPECT_EQ(b.Pixel(x, y), kBoxFrame);
        EXPECT_EQ(b.Pixel(x + 12, y + 12), kBoxFrame);
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 7; ++column) {
                const Color expected = kMarkShape[row][column] == 'X'
                                           ? kGreen
                                           : pictures_.normalBox.Pixel(column + 3, row + 3);
                EXPECT_EQ(b.Pixel(x + 3 + column, y + 3 + row), expected) << column << "," << row;
            }
        }
    }
}

TEST_F(XPCheckBoxTest, HotFramePressedFaceAndGrayedMark) {
    box_.MouseEnter();
    EXPECT_EQ(owner_.events, (std::vector<E>{E::kMouseEnter}));
    Bitmap hot = Render();
    EXPECT_EQ(hot.Pixel(1, 3), Rgb(255, 243, 206));               // hot frame at box + (1, 1)
    EXPECT_EQ(hot.Pixel(4, 6), pictures_.normalBox.Pixel(4, 4));  // inside the ring: the face
    box_.MouseDown(MouseButton::kLeft);
    EXPECT_EQ(Render().Pixel(1, 3), Rgb(181, 178, 165));  // pressed: no hot frame
    box_.MouseLeave();
    box_.MouseUp(MouseButton::kLeft);
    EXPECT_EQ(Render().Pixel(1, 3), Rgb(222, 223, 214));

    box_.SetState(TXPCheckBoxState::cbGrayed);
    const Bitmap grayed = Render();
    EXPECT_EQ(grayed.Pixel(3, 5), Rgb(115, 195, 115));
    EXPECT_EQ(grayed.Pixel(9, 11), Rgb(115, 195, 115));
}

TEST_F(XPCheckBoxTest, DisabledBoxIsWhiteWithALightFrameAndGreyMarks) {
    box_.SetChecked(true);
    box_.SetEnabled(false);
    Bitmap b = Render();
    EXPECT_EQ(b.Pixel(0, 2), Rgb(207, 200, 191));
    EXPECT_EQ(b.Pixel(1, 3), kWhite);
    EXPECT_EQ(b.Pixel(3 + 6, 2 + 3), kDisabledGrey);  // top-right pixel of the mark
    EXPECT_EQ(b.Pixel(3, 2 + 3), kWhite);
    box_.SetState(TXPCheckBoxState::cbGrayed);
    b = Render();
    EXPECT_EQ(b.Pixel(3, 5), kDisabledGrey);
    EXPECT_EQ(b.Pixel(10, 11), kWhite);
}

TEST_F(XPCheckBoxTest, CaptionBesideTheBoxAndTheFocusFrameAroundIt) {
    Font font;
    font.color = Rgb(200, 0, 0);
    box_.SetFont(font);
    box_.SetCaption("Abc");
    Bitmap b = Render();
    EXPECT_EQ(b.Pixel(60, 16), kFace);
    // T = 13: the caption's rectangle starts at row (8 - 6) - 1 = 1, column 18.
    EXPECT_EQ(b.Pixel(18 + 1, 1 + 2), Rgb(200, 0, 0));
    EXPECT_NE(b.Pixel(18, 1 + 2), Rgb(200, 0, 0));
    Canvas canvas(b, &text_);
    EXPECT_EQ(box_.CaptionRect(canvas), (PixelRect{18, 1, 97, 14}));
    EXPECT_EQ(box_.FocusRect(canvas), (PixelRect{17, 1, 13 + 21 + 6, 14}));

    box_.SetAlignment(TXPCheckBoxAlign::taRight);
    b = Render();
    EXPECT_EQ(b.Pixel(2 + 1, 1 + 2), Rgb(200, 0, 0));
    EXPECT_EQ(box_.CaptionRect(canvas), (PixelRect{2, 1, 97 - 18, 14}));
    EXPECT_EQ(box_.FocusRect(canvas), (PixelRect{0, 1, 25, 14}));

    // Drawn only with the focus; kept inside a control too small for the caption.
    box_.Enter();
    const Bitmap focused = Render();
    EXPECT_EQ(focused.Pixel(0, 3), b.Pixel(0, 3));
    EXPECT_EQ(focused.Pixel(0, 2), b.Pixel(0, 2) ^ 0xFFFFFFu);
    EXPECT_EQ(focused.Pixel(24, 2), b.Pixel(24, 2) ^ 0xFFFFFFu);
    EXPECT_EQ(focused.Pixel(25, 2), b.Pixel(25, 2));
    box_.SetAlignment(TXPCheckBoxAlign::taLeft);
    box_.SetSize(30, 12);
    EXPECT_EQ(box_.FocusRect(canvas), (PixelRect{17, 0, 30, 12}));
}

TEST_F(XPCheckBoxTest, ChangesRepaintTheRightAmount) {
    box_.SetAlignment(TXPCheckBoxAlign::taLeft);
    EXPECT_EQ(owner_.invalidations, 0);
    box_.SetAlignment(TXPCheckBoxAlign::taRight);
    box_.SetCaption("x");
    box_.SetSize(100, 20);
    box_.Exit();
    EXPECT_EQ(owner_.invalidations, 4);
    box_.SetEnabled(false);
    EXPECT_EQ(owner_.boxRedraws, 1);
    EXPECT_EQ(owner_.invalidations, 4);
}

}  // namespace
}  // namespace quorvel
