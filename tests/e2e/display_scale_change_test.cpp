// The main window dragged onto a display of another scale and back. Wine gives every
// monitor one DPI and never sends WM_DPICHANGED, so the test program sends it to itself
// (kDisplayScaleMessage): the message's rectangle must lie in the program's own memory.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "base/display_scale.h"
#include "controls/flat_menu.h"
#include "controls/xp_bit_btn.h"
#include "program_driver.h"
#include "screen_capture.h"
#include "win32/test_hooks.h"
#include "window_search.h"
#include "windows/main_window.h"

namespace quorvel::e2e {
namespace {

std::vector<std::uint8_t> Shown(HWND window) {
    return CaptureRect(WindowRect(window)).rgb;
}

// The main window's list box where its design puts it at `scale`.
HWND ListAt(HWND main, DisplayScale scale) {
    ControlLayout list = LayoutOf(kForm1Layout, "List");
    list.bounds = scale.Of(list.bounds);
    return ControlAt(main, list);
}

Size ClientSizeOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

TEST(DisplayScaleChange, TheMainWindowLaysItselfOutAtTheNewScaleAndComesBackPixelForPixel) {
    // The pointer away from where the window opens: a button it lit would go dark during
    // the test and differ.
    SetCursorPos(0, 0);
    ProgramFolder folder;
    RunningProgram program(folder);
    HWND main = WaitForMainWindow(program);
    ASSERT_NE(main, nullptr);
    HDC screen = GetDC(nullptr);
    const DisplayScale first{GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    const DisplayScale moved{first.dpi == 144 ? 192 : 144};
    ASSERT_NE(ListAt(main, first), nullptr);
    // Drawn to the end: the list box is white on the screen and two pictures in a row agree.
    std::vector<std::uint8_t> before;
    ASSERT_TRUE(WaitUntil([&] {
        const RECT list = WindowRect(ListAt(main, first));
        const Screenshot centre =
            CaptureRect({(list.left + list.right) / 2, (list.top + list.bottom) / 2,
                         (list.left + list.right) / 2 + 1, (list.top + list.bottom) / 2 + 1});
        std::vector<std::uint8_t> now = Shown(main);
        const bool settled =
            centre.rgb == std::vector<std::uint8_t>{255, 255, 255} && now == before;
        before = std::move(now);
        return settled;
    }));
    const RECT placed = WindowRect(main);

    SendMessageW(main, win32::kDisplayScaleMessage, WPARAM(moved.dpi), 0);
    // The skin is the main window's design size.
    EXPECT_EQ(ClientSizeOf(main), moved.Of(kForm1Layout.clientSize));
    EXPECT_NE(ListAt(main, moved), nullptr);
    SaveScreenshot("scale_change_" + std::to_string(moved.dpi));
    // The tray menu's pictures follow: in their version drawn for the new scale.
    PostMessageW(main, win32::kPopupMenuMessage, 1, MAKELPARAM(placed.right + 8, placed.top));
    std::vector<HWND> menus;
    ASSERT_TRUE(WaitUntil([&] { return (menus = VisibleMenus(program.ProcessId())).size() == 1; }));
    const int picture =
        TallestMenuPicture(menus[0], FlatMenuColors::Of(TXPBitBtn{}).imageColumn, moved.Of(12));
    EXPECT_GT(picture, moved.Of(12));
    EXPECT_LE(picture, moved.Of(16));
    PostMessageW(menus[0], WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(main, WM_CANCELMODE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return VisibleMenus(program.ProcessId()).empty(); }));

    SendMessageW(main, win32::kDisplayScaleMessage, WPARAM(first.dpi), 0);
    EXPECT_EQ(ClientSizeOf(main), first.Of(kForm1Layout.clientSize));
    EXPECT_NE(ListAt(main, first), nullptr);
    const RECT back = WindowRect(main);
    EXPECT_TRUE(EqualRect(&placed, &back));
    const bool same = WaitUntil([&] { return Shown(main) == before; });
    if (!same) SaveScreenshot("scale_change_back");
    EXPECT_TRUE(same) << "the window is not drawn as it was before the move";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(std::chrono::seconds(10)).has_value());
}

}  // namespace
}  // namespace quorvel::e2e
