// The gradient push button and the flat check box as the screen shows them in each of their
// states, reached through real input (SendInput mouse and keys, EnableWindow, SetFocus), pixel
// for pixel against the core control drawn alone in the same state. Both sides draw text with
// the same GDI rasteriser, so every pixel is compared, frames, gradient rows, marks and
// caption alike. Each state's screenshot goes to the artifacts folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/bmp_file.h"
#include "base/canvas.h"
#include "controls/program_buttons.h"
#include "controls/xp_check_box.h"
#include "gui_test_support.h"
#include "win32/win32_check_box.h"
#include "win32/win32_form.h"
#include "win32/win32_push_button.h"
#include "win32/win32_text_rasterizer.h"

namespace quorvel::win32 {
namespace {

constexpr LayoutRect kButtonBounds{20, 20, 89, 25};
constexpr LayoutRect kBoxBounds{20, 60, 120, 17};
constexpr ControlLayout kControls[] = {
    {.name = "Image1", .kind = ControlKind::kPicture, .bounds = {0, 0, 202, 183}, .autoSize = true},
    {.name = "Button1",
     .kind = ControlKind::kPushButton,
     .bounds = kButtonBounds,
     .text = "Create",
     .tabOrder = 0},
    {.name = "C1",
     .kind = ControlKind::kCheckBox,
     .bounds = kBoxBounds,
     .text = "Fog",
     .tabOrder = 1},
};
constexpr FormLayout kLayout{.name = "TForm1",
                             .caption = "Styled control states",
                             .clientSize = {202, 183},
                             .font = {"MS Sans Serif", -11},
                             .centred = true,
                             .controls = kControls};

// A picture in which no two pixels share a colour, so a control painted from the wrong part
// of it, or with its frame taken from the wrong corner, shows.
Bitmap Backdrop() {
    Bitmap picture(202, 183);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.SetPixel(x, y, Rgb(std::uint8_t(x), std::uint8_t(y), 96));
    return picture;
}

Bitmap Crop(const Bitmap& picture, const LayoutRect& r) {
    Bitmap part(r.width, r.height);
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) part.SetPixel(x, y, picture.Pixel(r.left + x, r.top + y));
    return part;
}

// What the screen shows of a window's client area, read back from the screen.
Bitmap Shown(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const int width = client.right;
    const int height = client.bottom;
    Bitmap shot(width, height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const UniqueWindowDc screen = WindowDcOf(nullptr);
    void* bits = nullptr;
    UniqueBitmap dib(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return shot;
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
    const SelectionScope selected(memory.Get(), dib.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
            shot.SetPixel(x, y, Rgb(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)));
        }
    return shot;
}

void SaveArtifact(const std::string& name, const Bitmap& picture) {
    std::filesystem::create_directories(QUORVEL_ARTIFACTS_DIR);
    std::ofstream out(std::filesystem::path(QUORVEL_ARTIFACTS_DIR) / (name + ".bmp"),
                      std::ios::binary);
    out << EncodeBmp(picture);
}

std::string Hex(Color c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06X", unsigned(c & 0xFFFFFF));
    return text;
}

// The pixels that differ, the first few with their place; empty when none does.
std::string Differences(const Bitmap& shown, const Bitmap& expected) {
    if (shown.Width() != expected.Width() || shown.Height() != expected.Height())
        return "sizes differ";
    std::ostringstream out;
    int count = 0;
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            if (shown.Pixel(x, y) != expected.Pixel(x, y) && ++count <= 8)
                out << " (" << x << "," << y << ") shown " << Hex(shown.Pixel(x, y)) << " want "
                    << Hex(expected.Pixel(x, y)) << ";";
    if (count == 0) return {};
    return std::to_string(count) + " pixels differ:" + out.str();
}

// Real input, as the system queues it from a mouse or keyboard.
void MoveMouse(POINT at) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((at.x * 65536LL + width - 1) / width);
    input.mi.dy = LONG((at.y * 65536LL + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void LeftButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

void Key(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

void SpaceBar(bool down) {
    Key(VK_SPACE, down);
}

void PressTab() {
    Key(VK_TAB, true);
    Key(VK_TAB, false);
}

// Far from the window, which stands in the middle of the screen.
POINT Away() {
    return {GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5};
}

struct ButtonLook {
    bool enabled = true;
    bool hot = false;
    bool pressed = false;
    bool focused = false;
};

struct BoxLook {
    TXPCheckBoxState state = TXPCheckBoxState::cbUnchecked;
    bool enabled = true;
    bool hot = false;
    bool pressed = false;
    bool focused = false;
};

class StyledControlStatesTest : public ::testing::Test {
  protected:
    StyledControlStatesTest() : backdrop(Backdrop()), form(toolkit.CreateForm(kLayout)) {
        // Whatever an earlier program left under the pointer or held down is let go first.
        LeftButton(false);
        SpaceBar(false);
        MoveMouse(Away());
        button = toolkit.CreatePushButton(*form, kControls[1]);
        box = toolkit.CreateCheckBox(*form, kControls[2]);
        picture = toolkit.CreatePicture(*form, kControls[0]);
        picture->SetImage(backdrop);
        button->SetOnClick([this] { ++clicks; });
        form->Show();
        SetForegroundWindow(FormWindow());
        Settle();
    }
    ~StyledControlStatesTest() override {
        LeftButton(false);
        SpaceBar(false);
        MoveMouse(Away());
    }

    HWND FormWindow() { return reinterpret_cast<HWND>(form->Handle()); }
    HWND ButtonWindow() { return dynamic_cast<Win32PushButton&>(*button).Hwnd(); }
    HWND BoxWindow() { return dynamic_cast<Win32CheckBox&>(*box).Hwnd(); }
    TXPCheckBox& BoxCore() { return dynamic_cast<Win32CheckBox&>(*box).Core(); }
    void Pump(std::chrono::milliseconds time) {
        PumpUntil(
            toolkit, [] { return false; }, time);
    }
    void Settle() { Pump(std::chrono::milliseconds(100)); }

    // Moves the mouse pointer over the control's client point.
    void PointAt(HWND control, int x, int y) {
        POINT at{x, y};
        ClientToScreen(control, &at);
        MoveMouse(at);
        POINT now{};
        GetCursorPos(&now);
        EXPECT_EQ(now.x, at.x);
        EXPECT_EQ(now.y, at.y);
    }

    // The button of the window drawn by the core alone, over the same picture.
    Bitmap ExpectedButton(const ButtonLook& look) {
        TXPBitBtn core;
        core.SetSize(kButtonBounds.width, kButtonBounds.height);
        core.SetCaption("Create");
        core.SetFont(FontOfLayout({}, kLayout.font));
        ApplyProgramButtonStyle(core, "TForm1", "Button1");
        // The outer frame takes the picture's colours at the button's top-left corner and
        // just past its bottom-right one.
        core.SetColorExternalFrameLeftTop(backdrop.Pixel(kButtonBounds.left, kButtonBounds.top));
        core.SetColorExternalFrameRightBottom(backdrop.Pixel(
            kButtonBounds.left + kButtonBounds.width, kButtonBounds.top + kButtonBounds.height));
        core.SetEnabled(look.enabled);
        if (look.hot) core.MouseEnter();
        Bitmap expected = Crop(backdrop, kButtonBounds);
        Canvas canvas(expected, &text);
        core.Paint(canvas, {.selected = look.pressed, .focused = look.focused});
        return expected;
    }

    // The check box of the window drawn by the core alone, on the picture's colour at its
    // left edge half way down.
    Bitmap ExpectedBox(const BoxLook& look) {
        TXPCheckBox core;
        core.SetSize(kBoxBounds.width, kBoxBounds.height);
        core.SetCaption("Fog");
        core.SetFont(FontOfLayout({}, kLayout.font));
        core.SetColor(backdrop.Pixel(kBoxBounds.left, kBoxBounds.top + kBoxBounds.height / 2));
        core.SetState(look.state);
        if (look.hot) core.MouseEnter();
        if (look.pressed) core.MouseDown(MouseButton::kLeft);
        if (look.focused) core.Enter();
        core.SetEnabled(look.enabled);
        Bitmap expected(kBoxBounds.width, kBoxBounds.height);
        Canvas canvas(expected, &text);
        core.Paint(canvas);
        return expected;
    }

    // Waits for the control to show `expected` (a repaint follows input a little later),
    // saves the form as the screen shows it and checks every pixel of the control.
    void ExpectShows(HWND control, const Bitmap& expected, const std::string& name) {
        PumpUntil(
            toolkit, [&] { return Shown(control) == expected; }, std::chrono::seconds(3));
        const Bitmap shown = Shown(control);
        SaveArtifact("styled_" + name, Shown(FormWindow()));
        const std::string differences = Differences(shown, expected);
        if (!differences.empty()) SaveArtifact("styled_" + name + "_expected", expected);
        EXPECT_EQ(differences, "") << name;
    }

    Win32TextRasterizer text;
    Bitmap backdrop;
    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    std::unique_ptr<Form> form;
    std::unique_ptr<Picture> picture;
    std::unique_ptr<PushButton> button;
    std::unique_ptr<CheckBox> box;
    int clicks = 0;
};

TEST_F(StyledControlStatesTest, TheButtonAtRestAndWithTheFocusMark) {
    SetFocus(BoxWindow());
    ExpectShows(ButtonWindow(), ExpectedButton({}), "button_normal");
    PressTab();  // the button follows the check box, the last tab stop
    ExpectShows(ButtonWindow(), ExpectedButton({.focused = true}), "button_focused");
    EXPECT_EQ(GetFocus(), ButtonWindow());
}

TEST_F(StyledControlStatesTest, TheMouseOverTheButtonGivesItTheHotRingUntilItLeaves) {
    SetFocus(BoxWindow());
    PointAt(ButtonWindow(), 8, 12);
    ExpectShows(ButtonWindow(), ExpectedButton({.hot = true}), "button_hot");
    // The focus mark is left out while the mouse is over the button.
    SetFocus(ButtonWindow());
    ExpectShows(ButtonWindow(), ExpectedButton({.hot = true, .focused = true}),
                "button_hot_focused");
    MoveMouse(Away());
    ExpectShows(ButtonWindow(), ExpectedButton({.focused = true}), "button_left");
}

TEST_F(StyledControlStatesTest, TheButtonHeldByTheMouseOrTheSpaceBarShowsThePressedFace) {
    PointAt(ButtonWindow(), 8, 12);
    LeftButton(true);
    ExpectShows(ButtonWindow(), ExpectedButton({.hot = true, .pressed = true, .focused = true}),
                "button_pressed_by_mouse");
    EXPECT_EQ(clicks, 0);
    LeftButton(false);
    ExpectShows(ButtonWindow(), ExpectedButton({.hot = true, .focused = true}), "button_released");
    EXPECT_EQ(clicks, 1);

    MoveMouse(Away());
    SetFocus(ButtonWindow());
    Settle();
    SpaceBar(true);
    ExpectShows(ButtonWindow(), ExpectedButton({.pressed = true, .focused = true}),
                "button_pressed_by_space");
    EXPECT_EQ(clicks, 1);
    SpaceBar(false);
    ExpectShows(ButtonWindow(), ExpectedButton({.focused = true}), "button_space_released");
    EXPECT_EQ(clicks, 2);
}

TEST_F(StyledControlStatesTest, ADisabledButtonShowsOnlyItsGreyFrames) {
    SetFocus(BoxWindow());
    EnableWindow(ButtonWindow(), FALSE);
    ExpectShows(ButtonWindow(), ExpectedButton({.enabled = false}), "button_disabled");
    // Under the mouse it stays as it is; a disabled button is never hot.
    PointAt(ButtonWindow(), 8, 12);
    Pump(std::chrono::milliseconds(300));
    ExpectShows(ButtonWindow(), ExpectedButton({.enabled = false}), "button_disabled_hovered");
    LeftButton(true);
    LeftButton(false);
    Settle();
    EXPECT_EQ(clicks, 0);
    MoveMouse(Away());
    EnableWindow(ButtonWindow(), TRUE);
    ExpectShows(ButtonWindow(), ExpectedButton({}), "button_enabled_again");
}

TEST_F(StyledControlStatesTest, MouseClicksTakeTheCheckBoxThroughItsThreeStates) {
    BoxCore().SetAllowGrayed(true);
    SetFocus(ButtonWindow());
    ExpectShows(BoxWindow(), ExpectedBox({}), "box_unchecked");
    const struct {
        TXPCheckBoxState state;
        const char* name;
    } clicksInTurn[] = {{TXPCheckBoxState::cbGrayed, "box_grayed"},
                        {TXPCheckBoxState::cbChecked, "box_checked"},
                        {TXPCheckBoxState::cbUnchecked, "box_unchecked_again"}};
    for (const auto& step : clicksInTurn) {
        PointAt(BoxWindow(), 5, 8);
        LeftButton(true);
        LeftButton(false);
        ExpectShows(BoxWindow(), ExpectedBox({.state = step.state, .hot = true, .focused = true}),
                    std::string(step.name) + "_hot_focused");
        MoveMouse(Away());
        SetFocus(ButtonWindow());
        ExpectShows(BoxWindow(), ExpectedBox({.state = step.state}), step.name);
    }
}

TEST_F(StyledControlStatesTest, TheMouseOverTheCheckBoxShowsTheHotFrame) {
    SetFocus(ButtonWindow());
    box->SetChecked(true);
    PointAt(BoxWindow(), 60, 8);
    ExpectShows(BoxWindow(), ExpectedBox({.state = TXPCheckBoxState::cbChecked, .hot = true}),
                "box_hot");
    MoveMouse(Away());
    ExpectShows(BoxWindow(), ExpectedBox({.state = TXPCheckBoxState::cbChecked}), "box_left");
}

TEST_F(StyledControlStatesTest, TheCheckBoxHeldByTheMouseOrTheSpaceBarShowsThePressedBox) {
    SetFocus(ButtonWindow());
    PointAt(BoxWindow(), 5, 8);
    LeftButton(true);
    ExpectShows(BoxWindow(), ExpectedBox({.hot = true, .pressed = true, .focused = true}),
                "box_pressed_by_mouse");
    EXPECT_FALSE(box->Checked());
    LeftButton(false);
    ExpectShows(BoxWindow(),
                ExpectedBox({.state = TXPCheckBoxState::cbChecked, .hot = true, .focused = true}),
                "box_released");

    MoveMouse(Away());
    Settle();
    SpaceBar(true);
    ExpectShows(
        BoxWindow(),
        ExpectedBox({.state = TXPCheckBoxState::cbChecked, .pressed = true, .focused = true}),
        "box_pressed_by_space");
    EXPECT_TRUE(box->Checked());
    SpaceBar(false);
    ExpectShows(BoxWindow(), ExpectedBox({.focused = true}), "box_space_released");
    EXPECT_FALSE(box->Checked());
}

TEST_F(StyledControlStatesTest, AReleaseOutsideTheCheckBoxStillEndsItsPress) {
    SetFocus(ButtonWindow());
    PointAt(BoxWindow(), 5, 8);
    LeftButton(true);
    Settle();
    // Dragged off while held: the box keeps the mouse, so the release reaches it.
    MoveMouse(Away());
    LeftButton(false);
    ExpectShows(BoxWindow(), ExpectedBox({.state = TXPCheckBoxState::cbChecked, .focused = true}),
                "box_released_outside");
    EXPECT_TRUE(box->Checked());
}

TEST_F(StyledControlStatesTest, TheFocusedCheckBoxFramesItsCaption) {
    SetFocus(ButtonWindow());
    PressTab();
    ExpectShows(BoxWindow(), ExpectedBox({.focused = true}), "box_focused");
    EXPECT_EQ(GetFocus(), BoxWindow());
}

TEST_F(StyledControlStatesTest, ADisabledCheckBoxShowsGreyMarksOnAWhiteBox) {
    SetFocus(ButtonWindow());
    const struct {
        TXPCheckBoxState state;
        const char* name;
    } states[] = {{TXPCheckBoxState::cbUnchecked, "box_disabled_unchecked"},
                  {TXPCheckBoxState::cbChecked, "box_disabled_checked"},
                  {TXPCheckBoxState::cbGrayed, "box_disabled_grayed"}};
    for (const auto& step : states) {
        BoxCore().SetState(step.state);
        EnableWindow(BoxWindow(), FALSE);
        ExpectShows(BoxWindow(), ExpectedBox({.state = step.state, .enabled = false}), step.name);
        // Not even the mouse over it makes it hot.
        PointAt(BoxWindow(), 5, 8);
        Pump(std::chrono::milliseconds(200));
        ExpectShows(BoxWindow(), ExpectedBox({.state = step.state, .enabled = false}),
                    std::string(step.name) + "_hovered");
        MoveMouse(Away());
        EnableWindow(BoxWindow(), TRUE);
        ExpectShows(BoxWindow(), ExpectedBox({.state = step.state}),
                    std::string(step.name) + "_enabled_again");
    }
}

}  // namespace
}  // namespace quorvel::win32
