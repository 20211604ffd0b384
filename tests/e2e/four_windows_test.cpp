// The four windows and the two menus of the real program, shown in turn under Wine: each
// is found where its layout puts it and saved as a screenshot in build/artifacts/. The
// dialogs are opened as a user opens them (the main window's buttons); the menus through
// the main window's popup-menu message (kPopupMenuMessage), since the tray icon that
// carries the tray menu appears only in background mode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/flat_menu.h"
#include "controls/xp_bit_btn.h"
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

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return color;
}

// Windows reach the screen a little after they become visible: poll what a user sees.
bool WaitForPixel(HWND window, int x, int y, bool white) {
    return WaitUntil([&] {
        const RECT r = WindowRect(window);
        return (ScreenPixel(r.left + x, r.top + y) == RGB(255, 255, 255)) == white;
    });
}

Color ShotPixel(const Screenshot& shot, int x, int y) {
    if (x < 0 || y < 0 || x >= shot.width || y >= shot.height) return kBlack;
    const std::size_t at = (std::size_t(y) * std::size_t(shot.width) + std::size_t(x)) * 3;
    return Rgb(shot.rgb[at], shot.rgb[at + 1], shot.rgb[at + 2]);
}

// The flat look of an open menu on the screen: the image column's colour runs down its left
// side beside each item that is not selected, and one item is framed in the selection
// colour across the menu's width (the longest run of that colour on one row).
struct FlatLook {
    int columnRun = 0;
    int frameRun = 0;
};

FlatLook FlatLookOf(const Screenshot& shot, const RECT& menu, const FlatMenuColors& colors) {
    FlatLook look;
    for (int x = menu.left; x < menu.left + 40; ++x) {
        int count = 0;
        for (int y = menu.top; y < menu.bottom; ++y)
            count += ShotPixel(shot, x, y) == colors.imageColumn;
        look.columnRun = std::max(look.columnRun, count);
    }
    for (int y = menu.top; y < menu.bottom; ++y) {
        int run = 0;
        for (int x = menu.left; x < menu.right; ++x) {
            run = ShotPixel(shot, x, y) == colors.selectedFrame ? run + 1 : 0;
            look.frameRun = std::max(look.frameRun, run);
        }
    }
    return look;
}

class FourWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main = WaitForMainWindow(program);
        ASSERT_NE(main, nullptr);
        // The main window's list is white where the dialogs show their picture.
        ASSERT_TRUE(WaitForPixel(main, 50, 60, true)) << "the main window was never drawn";
    }

    // Clicks a button of the main window and returns the dialog it opened.
    HWND OpenDialog(const char* button, const FormLayout& dialog) {
        HWND control = ControlAt(main, LayoutOf(kForm1Layout, button));
        EXPECT_NE(control, nullptr) << button;
        PostMessageW(control, BM_CLICK, 0, 0);
        HWND found = nullptr;
        const std::wstring caption(dialog.caption.begin(), dialog.caption.end());
        EXPECT_TRUE(WaitUntil([&] {
            return (found = FindProgramWindow(program.ProcessId(), caption));
        })) << "the dialog did not open";
        return found;
    }

    void CloseDialog(HWND dialog, const FormLayout& layout, const char* button) {
        PostMessageW(ControlAt(dialog, LayoutOf(layout, button)), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }));
        EXPECT_TRUE(WaitForPixel(main, 50, 60, true)) << "the main window was not shown again";
    }

    void ExpectOverTheMainWindow(HWND dialog) {
        const RECT a = WindowRect(dialog), b = WindowRect(main);
        EXPECT_EQ(a.left, b.left);
        EXPECT_EQ(a.top, b.top);
        EXPECT_EQ(a.right, b.right);
        EXPECT_EQ(a.bottom, b.bottom);
    }

    ProgramFolder folder;
    RunningProgram program{folder};
    HWND main = nullptr;
};

TEST_F(FourWindowsTest, MainWindowShowsItsControlsWhereTheLayoutPutsThem) {
    HWND create = ControlAt(main, LayoutOf(kForm1Layout, "Button1"));
    ASSERT_NE(create, nullptr);
    EXPECT_EQ(TextOf(create), L"Create");
    HWND list = ControlAt(main, LayoutOf(kForm1Layout, "List"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ClassOf(list), L"ListBox");
    EXPECT_FALSE(IsWindowEnabled(ControlAt(main, LayoutOf(kForm1Layout, "Button2"))))
        << "Delete needs a selected combination";
    const RECT r = WindowRect(main);
    EXPECT_EQ(r.right - r.left, 202);
    EXPECT_EQ(r.bottom - r.top, 183);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    // The title "Quorvel" is drawn in black on the skin at (37, 2); the skin has no black.
    int titlePixels = 0;
    for (int y = 2; y < 16; ++y)
        for (int x = 37; x < 90; ++x) titlePixels += ScreenPixel(r.left + x, r.top + y) == 0;
    EXPECT_GT(titlePixels, 20) << "no title on the picture";
    for (int x = 120; x < 150; ++x) EXPECT_NE(ScreenPixel(r.left + x, r.top + 8), 0u);
    SaveScreenshot("main_window");

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

TEST_F(FourWindowsTest, EachDialogOpensExactlyOverTheMainWindowWithItsControls) {
    struct Case {
        const char* button;
        const FormLayout* layout;
        const char* control;  // one control to find
        const wchar_t* controlClass;
        const char* closer;
        const char* screenshot;
        int probeX, probeY;  // a point where the dialog differs from the main window
        bool probeWhite;
    } cases[] = {
        {"Button1", &kForm2Layout, "HotKey", L"QuorvelHotKeyEdit", "Button2", "editor", 150, 45,
         true},
        {"Button4", &kForm3Layout, "C1", L"QuorvelCheckBox", "Button2", "options", 50, 60, false},
        {"Button5", &kForm4Layout, "XPBitBtn1", L"QuorvelButton", "XPBitBtn1", "about", 50, 60,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screenshot);
        HWND dialog = OpenDialog(c.button, *c.layout);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(WaitForPixel(dialog, c.probeX, c.probeY, c.probeWhite)) << "never drawn";
        ExpectOverTheMainWindow(dialog);
        HWND control = ControlAt(dialog, LayoutOf(*c.layout, c.control));
        ASSERT_NE(control, nullptr) << c.control << " is not at its layout position";
        EXPECT_EQ(ClassOf(control), c.controlClass);
        EXPECT_FALSE(IsWindowEnabled(main)) << "the dialog is modal";
        SaveScreenshot(c.screenshot);
        CloseDialog(dialog, *c.layout, c.closer);
        EXPECT_TRUE(IsWindowEnabled(main));
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

TEST_F(FourWindowsTest, TheMenusShowTheirCyrillicCaptions) {
    const RECT r = WindowRect(main);
    const LPARAM at = MAKELPARAM(r.right + 8, r.top);

    // The parking menu: all three items are Cyrillic.
    PostMessageW(main, win32::kPopupMenuMessage, 2, at);
    std::vector<HWND> menus;
    ASSERT_TRUE(WaitUntil([&] { return (menus = VisibleMenus(program.ProcessId())).size() == 1; }));
    SaveScreenshot("menu_parking");
    PostMessageW(menus[0], WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntil([&] { return VisibleMenus(program.ProcessId()).empty(); }));

    // The tray menu with its web submenu open: down to "Quorvel to Web", then right.
    PostMessageW(main, win32::kPopupMenuMessage, 1, at);
    ASSERT_TRUE(WaitUntil([&] { return (menus = VisibleMenus(program.ProcessId())).size() == 1; }));
    for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT})
        PostMessageW(menus[0], WM_KEYDOWN, key, 0);
    EXPECT_TRUE(WaitUntil([&] { return VisibleMenus(program.ProcessId()).size() == 2; }))
        << "the submenu did not open";
    SaveScreenshot("menu_tray");
    // Both menus are drawn flat: the tray menu with "Quorvel to Web" selected, the submenu
    // with its first item selected.
    const Screenshot shot = CaptureScreen();
    const FlatMenuColors colors = FlatMenuColors::Of(TXPBitBtn{});
    for (HWND menu : VisibleMenus(program.ProcessId())) {
        const RECT box = WindowRect(menu);
        const FlatLook look = FlatLookOf(shot, box, colors);
        EXPECT_GE(look.columnRun, flat_menu::kMinItemHeight) << "no image column";
        EXPECT_GT(look.frameRun, (box.right - box.left) * 3 / 4) << "no framed selection";
    }
    for (HWND menu : VisibleMenus(program.ProcessId()))
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(main, WM_CANCELMODE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return VisibleMenus(program.ProcessId()).empty(); }));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(10s), 0u);
}

TEST(Manifest, TheProgramCarriesItsManifest) {
    const std::wstring exe = (std::filesystem::path(QUORVEL_DIST_DIR) / "quorvel.exe").wstring();
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(resource, nullptr) << "no manifest resource 1";
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    const std::string manifest(data, SizeofResource(module, resource));
    FreeLibrary(module);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(manifest.find(">true/pm<"), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("<activeCodePage"), std::string::npos);
    EXPECT_NE(manifest.find(">UTF-8<"), std::string::npos);
}

BOOL CALLBACK FirstIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    *reinterpret_cast<std::wstring*>(found) = IS_INTRESOURCE(name) ? L"#" : name;
    return FALSE;
}

TEST(Manifest, TheProgramFileShowsItsOwnIconAndCarriesItsPictures) {
    const std::wstring exe = (std::filesystem::path(QUORVEL_DIST_DIR) / "quorvel.exe").wstring();
    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    // Explorer shows the first icon group of the file.
    std::wstring first;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14), FirstIconGroup, LONG_PTR(&first));
    EXPECT_EQ(first, L"APP_ICON");
    for (const wchar_t* name : {L"IMAGE_0", L"IMAGE_8", L"TRAY_ANIM_00", L"TRAY_ANIM_23"})
        EXPECT_NE(FindResourceW(module, name, MAKEINTRESOURCEW(14)), nullptr) << name;
    EXPECT_NE(FindResourceW(module, L"IMAGELIST", MAKEINTRESOURCEW(2)), nullptr);
    FreeLibrary(module);
}

}  // namespace
}  // namespace quorvel::e2e
