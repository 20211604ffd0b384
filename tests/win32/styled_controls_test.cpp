// The gradient push button and the flat check box as real windows: they click with the
// space bar and the mouse, and the check box's bitmap resources are the core's pictures.
// (What they show in each state is checked in styled_control_states_test.cpp.)
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "base/bmp_file.h"
#include "gui_test_support.h"
#include "win32/check_box_resources.h"
#include "win32/win32_check_box.h"
#include "win32/win32_form.h"
#include "win32/win32_glyph_button.h"
#include "win32/win32_push_button.h"

namespace quorvel::win32 {
namespace {

constexpr ControlLayout kControls[] = {
    {.name = "Image1", .kind = ControlKind::kPicture, .bounds = {0, 0, 202, 183}, .autoSize = true},
    {.name = "Button1",
     .kind = ControlKind::kPushButton,
     .bounds = {20, 20, 89, 25},
     .text = "Create",
     .tabOrder = 0},
    {.name = "Box",
     .kind = ControlKind::kCheckBox,
     .bounds = {20, 60, 120, 17},
     .text = "Fog",
     .tabOrder = 1},
};
constexpr FormLayout kLayout{.name = "TForm1",
                             .caption = "Styled controls",
                             .clientSize = {202, 183},
                             .font = {"MS Sans Serif", -11},
                             .centred = true,
                             .controls = kControls};

// What the window shows at its client point.
COLORREF ShownPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

class StyledControlsTest : public ::testing::Test {
  protected:
    StyledControlsTest() : form(toolkit.CreateForm(kLayout)) {
        // The picture last, beneath the controls, as the windows make it.
        button = toolkit.CreatePushButton(*form, kControls[1]);
        box = toolkit.CreateCheckBox(*form, kControls[2]);
        picture = toolkit.CreatePicture(*form, kControls[0]);
        picture->SetImage(Bitmap(202, 183, Rgb(40, 90, 160)));
        button->SetOnClick([this] { ++clicks; });
        form->Show();
        PumpUntil(
            toolkit, [] { return false; }, std::chrono::milliseconds(200));
    }
    HWND ButtonWindow() { return dynamic_cast<Win32PushButton&>(*button).Hwnd(); }
    HWND BoxWindow() { return dynamic_cast<Win32CheckBox&>(*box).Hwnd(); }
    void Settle() {
        PumpUntil(
            toolkit, [] { return false; }, std::chrono::milliseconds(150));
    }

    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    std::unique_ptr<Form> form;
    std::unique_ptr<Picture> picture;
    std::unique_ptr<PushButton> button;
    std::unique_ptr<CheckBox> box;
    int clicks = 0;
};

TEST_F(StyledControlsTest, TheSpaceBarPressesOnDownAndClicksOnRelease) {
    SetFocus(ButtonWindow());
    Settle();
    const COLORREF up = ShownPixel(ButtonWindow(), 44, 3);
    PostMessageW(ButtonWindow(), WM_KEYDOWN, VK_SPACE, 0);
    Settle();
    EXPECT_EQ(clicks, 0);
    EXPECT_NE(ShownPixel(ButtonWindow(), 44, 3), up) << "no pressed face";
    PostMessageW(ButtonWindow(), WM_KEYUP, VK_SPACE, 0xC0000001);
    Settle();
    EXPECT_EQ(clicks, 1);
}

TEST_F(StyledControlsTest, AMouseClickCountsOnlyWhenReleasedOverTheButton) {
    PostMessageW(ButtonWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(ButtonWindow(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    Settle();
    EXPECT_EQ(clicks, 1);
    PostMessageW(ButtonWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(ButtonWindow(), WM_LBUTTONUP, 0, MAKELPARAM(200, 10));
    Settle();
    EXPECT_EQ(clicks, 1);
}

// A quick second click reaches an owner-drawn button as a double click.
TEST_F(StyledControlsTest, AGlyphButtonCountsAQuickSecondClick) {
    const ControlLayout layout{
        .name = "S2", .kind = ControlKind::kGlyphButton, .bounds = {150, 20, 20, 20}};
    std::unique_ptr<GlyphButton> next = toolkit.CreateGlyphButton(*form, layout);
    int steps = 0;
    next->SetOnClick([&] { ++steps; });
    const HWND window = dynamic_cast<Win32GlyphButton&>(*next).Hwnd();
    for (UINT down : {UINT(WM_LBUTTONDOWN), UINT(WM_LBUTTONDBLCLK)}) {
        PostMessageW(window, down, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    Settle();
    EXPECT_EQ(steps, 2);
}

TEST_F(StyledControlsTest, TheCheckBoxTogglesByMouseAndSpaceBarAndDrawsItsMark) {
    int boxClicks = 0;
    box->SetOnClick([&] { ++boxClicks; });
    PostMessageW(BoxWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    PostMessageW(BoxWindow(), WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    Settle();
    EXPECT_TRUE(box->Checked());
    EXPECT_GT(boxClicks, 0);
    // The check mark's green at the box's inside (box at (0, 2), mark at +3, +3).
    const CheckBoxResources pictures = MakeCheckBoxResources();
    bool markShown = false;
    for (int y = 0; y < kCheckMarkSize; ++y)
        for (int x = 0; x < kCheckMarkSize; ++x)
            if (pictures.flag.Pixel(x, y) != kPictureTransparent &&
                ShownPixel(BoxWindow(), 3 + x, 2 + 3 + y) == COLORREF(pictures.flag.Pixel(x, y)))
                markShown = true;
    EXPECT_TRUE(markShown);

    SetFocus(BoxWindow());
    PostMessageW(BoxWindow(), WM_KEYDOWN, VK_SPACE, 0);
    PostMessageW(BoxWindow(), WM_KEYUP, VK_SPACE, 0xC0000001);
    Settle();
    EXPECT_FALSE(box->Checked());
}

TEST(CheckBoxResources, TheEmbeddedBitmapsAreTheCorePictures) {
    const CheckBoxResources core = MakeCheckBoxResources();
    for (const auto& [name, picture] : NamedResources(core)) {
        const std::wstring wide(name.begin(), name.end());
        const auto loaded = LoadBitmapResource(wide.c_str());
        ASSERT_TRUE(loaded.has_value()) << name;
        ASSERT_EQ(loaded->Width(), picture->Width()) << name;
        ASSERT_EQ(loaded->Height(), picture->Height()) << name;
        EXPECT_EQ(loaded->Pixels(), picture->Pixels()) << name;
    }
}

TEST_F(StyledControlsTest, AScreenshotOfTheStyledControls) {
    box->SetChecked(true);
    SetFocus(ButtonWindow());
    Settle();
    RECT r{};
    GetWindowRect(reinterpret_cast<HWND>(form->Handle()), &r);
    Bitmap shot(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            shot.SetPixel(x, y, GetPixel(screen, r.left + x, r.top + y) & 0xFFFFFF);
    ReleaseDC(nullptr, screen);
    std::filesystem::create_directories(QUORVEL_ARTIFACTS_DIR);
    std::ofstream out(std::filesystem::path(QUORVEL_ARTIFACTS_DIR) / "styled_controls.bmp",
                      std::ios::binary);
    out << EncodeBmp(shot);
    EXPECT_TRUE(out.good());
}

}  // namespace
}  // namespace quorvel::win32
