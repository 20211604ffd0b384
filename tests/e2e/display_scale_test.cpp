// Each kind of window of the real program at 100 %, 150 % and 200 % (96, 144 and 192 DPI).
// A Wine prefix holds one DPI, so tests/e2e/run-scaled-test runs each scale in a fresh
// prefix of its own and picks that scale's instances; an instance of another scale skips.
// Each window is saved in build/artifacts/ and measured: no control touches the window's
// outline, and no caption is longer or taller than its control in the control's font.
#include "base/display_scale.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/window_messages.h"
#include "controls/flat_menu.h"
#include "controls/xp_bit_btn.h"
#include "hot_key_driver.h"
#include "program_driver.h"
#include "screen_capture.h"
#include "win32/test_hooks.h"
#include "window_search.h"
#include "windows/about_box.h"
#include "windows/combination_editor.h"
#include "windows/main_window.h"
#include "windows/options_dialog.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

BOOL CALLBACK AddVisible(HWND child, LPARAM found) {
    if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

std::vector<HWND> VisibleChildren(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, AddVisible, LPARAM(&children));
    return children;
}

// A child's rectangle in its window's coordinates (those of the window's shape).
RECT InWindow(HWND window, HWND child) {
    const RECT outer = WindowRect(window), r = WindowRect(child);
    return {r.left - outer.left, r.top - outer.top, r.right - outer.left, r.bottom - outer.top};
}

// The pixels of the ring one pixel around `r` that lie outside the window's shape (its
// region, or its rectangle when it has none).
int RingPixelsOutside(HWND window, const RECT& r) {
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window, shape) == ERROR) {
        const RECT outer = WindowRect(window);
        SetRectRgn(shape, 0, 0, outer.right - outer.left, outer.bottom - outer.top);
    }
    int outside = 0;
    for (int x = r.left - 1; x <= r.right; ++x)
        outside += !PtInRegion(shape, x, r.top - 1) + !PtInRegion(shape, x, r.bottom);
    for (int y = r.top; y < r.bottom; ++y)
        outside += !PtInRegion(shape, r.left - 1, y) + !PtInRegion(shape, r.right, y);
    DeleteObject(shape);
    return outside;
}

// The size a text takes in a font: on one line, or broken into lines `width` wide.
SIZE TextExtent(HFONT font, const std::wstring& text, int width = 0) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ kept = SelectObject(screen, font);
    RECT r{0, 0, width, 0};
    DrawTextW(screen, text.c_str(), int(text.size()), &r,
              DT_CALCRECT | (width ? DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX : DT_SINGLELINE));
    SelectObject(screen, kept);
    ReleaseDC(nullptr, screen);
    return {r.right, r.bottom};
}

// One of the system's fonts, at the display's scale.
HFONT SystemFont(LOGFONTW NONCLIENTMETRICSW::*which) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return CreateFontIndirectW(&(metrics.*which));
}

class ScaledWindowsTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        if (ScreenDpi() != GetParam())
            GTEST_SKIP() << "this Wine prefix is at " << ScreenDpi()
                         << " DPI; tests/e2e/run-scaled-test runs each scale in its own";
        program_.emplace(folder_);
        main_ = WaitForMainWindow(*program_);
        ASSERT_NE(main_, nullptr);
        // Drawn: the list box is white where its layout puts it.
        ASSERT_TRUE(WaitUntil(
            [&] { return (main_ && IsWindowVisible(Control(main_, kForm1Layout, "List"))); }));
    }
    void TearDown() override {
        if (!program_) return;
        PostMessageW(main_, WM_CLOSE, 0, 0);
        EXPECT_EQ(program_->WaitForExit(10s), 0u);
    }

    std::string Shot(const char* window) const {
        return "scale_" + std::to_string(GetParam()) + "_" + window;
    }

    // A control of a window where its design puts it at this scale.
    HWND Control(HWND window, const FormLayout& design, const char* name) const {
        ControlLayout scaled = LayoutOf(design, name);
        scaled.bounds = scale_.Of(scaled.bounds);
        return ControlAt(window, scaled);
    }

    // The window is as large as the skin at this scale (every window takes the skin's
    // size, which is the main window's design size), every control keeps off its outline
    // and every caption fits.
    void ExpectWholeAndUncut(HWND window, const FormLayout& design) {
        const RECT outer = WindowRect(window);
        EXPECT_EQ(outer.right - outer.left, scale_.Of(kForm1Layout.clientSize.width));
        EXPECT_EQ(outer.bottom - outer.top, scale_.Of(kForm1Layout.clientSize.height));
        for (HWND child : VisibleChildren(window)) {
            const RECT r = InWindow(window, child);
            if (r.right - r.left >= outer.right - outer.left) continue;  // the picture
            EXPECT_EQ(RingPixelsOutside(window, r), 0)
                << "the control " << std::string(ClassOf(child).begin(), ClassOf(child).end())
                << " at " << r.left << "," << r.top << " touches the outline";
        }
        for (const ControlLayout& control : design.controls) {
            if (control.kind != ControlKind::kPushButton && control.kind != ControlKind::kLabel)
                continue;
            HWND child = Control(window, design, std::string(control.name).c_str());
            if (!child || !IsWindowVisible(child)) continue;
            ExpectCaptionFits(child, control.font.name.empty() ? design.font : control.font);
        }
    }

    // The caption in the control's font (the design's font at this scale).
    void ExpectCaptionFits(HWND child, const FontSpec& designFont) {
        const std::wstring font(designFont.name.begin(), designFont.name.end());
        HFONT handle = CreateFontW(scale_.FontHeight(designFont.height), 0, 0, 0,
                                   designFont.bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                                   0, 0, NONANTIALIASED_QUALITY, 0, font.c_str());
        ExpectFits(child, handle);
        DeleteObject(handle);
    }

    // A static text is broken into lines as wide as itself; other captions keep one line.
    static void ExpectFits(HWND child, HFONT font) {
        const std::wstring caption = TextOf(child);
        RECT client{};
        GetClientRect(child, &client);
        const SIZE text = TextExtent(font, caption, ClassOf(child) == L"Static" ? client.right : 0);
        EXPECT_LE(text.cx, client.right)
            << "cut: \"" << std::string(caption.begin(), caption.end()) << "\"";
        EXPECT_LE(text.cy, client.bottom)
            << "cut: \"" << std::string(caption.begin(), caption.end()) << "\"";
    }

    HWND OpenDialog(const char* button, const FormLayout& design) {
        PostMessageW(Control(main_, kForm1Layout, button), BM_CLICK, 0, 0);
        HWND dialog = nullptr;
        const std::wstring caption(design.caption.begin(), design.caption.end());
        EXPECT_TRUE(WaitUntil([&] {
            dialog = FindProgramWindow(program_->ProcessId(), caption);
            return dialog && IsWindowVisible(dialog);
        }));
        return dialog;
    }
    void CloseDialog(HWND dialog, const FormLayout& design, const char* button) {
        PostMessageW(Control(dialog, design, button), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
    }

    DisplayScale scale_{GetParam()};
    ProgramFolder folder_;
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
};

TEST_P(ScaledWindowsTest, MainWindow) {
    ExpectWholeAndUncut(main_, kForm1Layout);
    // The help button's question mark (seven rows of the design) is drawn again at the scale.
    HWND help = Control(main_, kForm1Layout, "SpeedButton");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return InkHeight(help, kBlack) == scale_.Of(7); }))
        << InkHeight(help, kBlack);
    SaveScreenshot(Shot("main_window"));
}

TEST_P(ScaledWindowsTest, Editor) {
    HWND editor = OpenDialog("Button1", kForm2Layout);
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(Control(editor, kForm2Layout, "HotKey"), nullptr);
    ExpectWholeAndUncut(editor, kForm2Layout);
    SaveScreenshot(Shot("editor"));
    CloseDialog(editor, kForm2Layout, "Button2");
}

TEST_P(ScaledWindowsTest, OptionsPages) {
    HWND options = OpenDialog("Button4", kForm3Layout);
    ASSERT_NE(options, nullptr);
    // Each page shows a control of its own first: Next until the last page.
    // (Drop-down lists are as high as their font makes them, so none is looked for.)
    const char* firstControls[] = {"C1", "C7", "Button3", "ListSkin", "C6"};
    HWND next = Control(options, kForm3Layout, "S2");
    ASSERT_NE(next, nullptr);
    for (int page = 1; page <= TForm3::kPageCount; ++page) {
        SCOPED_TRACE(page);
        HWND first = Control(options, kForm3Layout, firstControls[page - 1]);
        ASSERT_NE(first, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(first); }));
        ExpectWholeAndUncut(options, kForm3Layout);
        SaveScreenshot(Shot(("options_page" + std::to_string(page)).c_str()));
        // Paged by the button's own click: what is measured here is each page, not the mouse.
        if (page < TForm3::kPageCount) PostMessageW(next, BM_CLICK, 0, 0);
    }
    CloseDialog(options, kForm3Layout, "Button2");
}

TEST_P(ScaledWindowsTest, AboutBox) {
    HWND about = OpenDialog("Button5", kForm4Layout);
    ASSERT_NE(about, nullptr);
    ExpectWholeAndUncut(about, kForm4Layout);
    SaveScreenshot(Shot("about"));
    CloseDialog(about, kForm4Layout, "XPBitBtn1");
}

TEST_P(ScaledWindowsTest, MessageDialog) {
    // The question before background mode, switched on.
    folder_.SetOption(L"MESSAGE", L"DISABLE_FONE_MODES", L"-1");
    PostMessageW(main_, kOfferBackgroundMessage, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        box = FindProgramWindow(program_->ProcessId(), L"Information");
        return box != nullptr;
    }));
    // Its texts are in the system's message font (another process's controls do not
    // answer which font they hold).
    HFONT font = SystemFont(&NONCLIENTMETRICSW::lfMessageFont);
    int buttons = 0;
    for (HWND child : VisibleChildren(box)) {
        const RECT r = InWindow(box, child);
        EXPECT_EQ(RingPixelsOutside(box, r), 0);
        if (TextOf(child).empty()) continue;  // the icon
        ExpectFits(child, font);
        buttons += ClassOf(child) == L"Button";
    }
    DeleteObject(font);
    EXPECT_EQ(buttons, 2);
    SaveScreenshot(Shot("message_box"));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
}

TEST_P(ScaledWindowsTest, TrayMenu) {
    SetCursorPos(0, 0);  // no item lit under the pointer
    const RECT r = WindowRect(main_);
    PostMessageW(main_, win32::kPopupMenuMessage, 1, MAKELPARAM(r.right + 8, r.top));
    std::vector<HWND> menus;
    ASSERT_TRUE(
        WaitUntil([&] { return (menus = VisibleMenus(program_->ProcessId())).size() == 1; }));
    // Its captions are drawn in the system's menu font, which the system scales: the menu
    // is wider than its longest caption in that font.
    HFONT font = SystemFont(&NONCLIENTMETRICSW::lfMenuFont);
    const SIZE caption = TextExtent(font, L"Quorvel to Web");
    DeleteObject(font);
    const RECT menu = WindowRect(menus[0]);
    EXPECT_GT(menu.right - menu.left, caption.cx);
    // Its pictures in their version drawn for the scale: 16, 24 or 32 pixels.
    const int picture =
        TallestMenuPicture(menus[0], FlatMenuColors::Of(TXPBitBtn{}).imageColumn, scale_.Of(12));
    EXPECT_GT(picture, scale_.Of(12));
    EXPECT_LE(picture, scale_.Of(16));
    SaveScreenshot(Shot("tray_menu"));
    PostMessageW(menus[0], WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(main_, WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return VisibleMenus(program_->ProcessId()).empty(); }));
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledWindowsTest, ::testing::Values(96, 144, 192),
                         [](const auto& info) { return std::to_string(info.param); });

}  // namespace
}  // namespace quorvel::e2e
