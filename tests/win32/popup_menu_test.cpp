// The program's popup menus under Wine: items measured in the system's menu font and the
// open menu painted in the flat style (checked on the screen, pixel by pixel).
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "controls/flat_menu.h"
#include "controls/xp_bit_btn.h"
#include "gui_test_support.h"
#include "support/window_wait.h"
#include "win32/win32_form.h"
#include "win32/win32_popup_menu.h"

namespace quorvel::win32 {
namespace {

using namespace flat_menu;
using namespace std::chrono_literals;

constexpr FormLayout kOwnerLayout{.name = "Owner",
                                  .caption = "Menu owner",
                                  .clientSize = {120, 80},
                                  .font = {"MS Sans Serif", -11},
                                  .centred = true};
constexpr MenuItemLayout kItems[] = {
    {.name = "N1", .caption = "Show main window", .imageIndex = 0, .isDefault = true},
    {.name = "N2", .caption = "Setting", .imageIndex = 3},
    {.name = "N5", .separator = true},
    {.name = "N14", .caption = "Quorvel to Web", .imageIndex = 4},
    {.name = "N7", .caption = "Справка", .imageIndex = 7, .parent = "N14"},
    {.name = "N4", .caption = "Exit", .imageIndex = 5},
};
constexpr MenuLayout kMenu{.name = "Menu1", .items = kItems};
enum Position : UINT { kShow, kSetting, kSeparator, kWeb, kExit };

const FlatMenuColors kColors = FlatMenuColors::Of(TXPBitBtn{});

// A caption's size in the system's menu font.
Size TextSize(const std::wstring& text, bool bold) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), int(text.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return {size.cx, size.cy};
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return color;
}

BOOL CALLBACK MatchOpenMenu(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
        !GetClassNameW(window, name, 16) || std::wstring(name) != L"#32768")
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The window of this program's open popup menu, if one is open.
HWND OpenMenuWindow() {
    HWND found = nullptr;
    EnumWindows(MatchOpenMenu, LPARAM(&found));
    return found;
}

class PopupMenuTest : public ::testing::Test {
  protected:
    PopupMenuTest() { menu.SetImages(toolkit.ProgramImageList()); }

    HWND Owner() const { return reinterpret_cast<HWND>(form->Handle()); }

    // What the owner window answers to the system's WM_MEASUREITEM for an item.
    Size Measured(HMENU container, UINT position) const {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_ID;
        GetMenuItemInfoW(container, position, TRUE, &info);
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, info.wID, 0, 0, info.dwItemData};
        if (!SendMessageW(Owner(), WM_MEASUREITEM, 0, LPARAM(&measure))) return {};
        return {int(measure.itemWidth), int(measure.itemHeight)};
    }

    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    std::unique_ptr<Form> form = toolkit.CreateForm(kOwnerLayout);
    Win32PopupMenu menu{dynamic_cast<Win32Form&>(*form), kMenu};
};

TEST_F(PopupMenuTest, ItemsMeasureToTheirCaptionsInTheSystemMenuFont) {
    const Size setting = TextSize(L"Setting", false);
    EXPECT_EQ(Measured(menu.Menu(), kSetting),
              (Size{kImageColumnWidth + kTextGap + setting.width + kArrowColumnWidth,
                    std::max(kMinItemHeight, setting.height + 2 * kTextPadding)}));
    const Size show = TextSize(L"Show main window", false);
    EXPECT_GT(Measured(menu.Menu(), kShow).width,
              kImageColumnWidth + kTextGap + show.width + kArrowColumnWidth)
        << "the default item is measured in bold";
    const Size separator = Measured(menu.Menu(), kSeparator);
    EXPECT_GT(separator.height, 0);
    EXPECT_LT(separator.height, Measured(menu.Menu(), kExit).height);

    // The Cyrillic caption of the submenu is measured as its own characters.
    const Size help = Measured(GetSubMenu(menu.Menu(), kWeb), 0);
    EXPECT_EQ(help.width,
              kImageColumnWidth + kTextGap + TextSize(L"Справка", false).width + kArrowColumnWidth);
    for (UINT position : {kShow, kSetting, kWeb, kExit}) {
        const Size size = Measured(menu.Menu(), position);
        EXPECT_GE(size.height, kMinItemHeight) << position;
        EXPECT_LT(size.height, 48) << position;
        EXPECT_LT(size.width, 400) << position;
    }

    // A menu item of no menu of the program's is left to the system.
    MEASUREITEMSTRUCT foreign{ODT_MENU, 0, 1, 0, 0, 12345};
    EXPECT_EQ(SendMessageW(Owner(), WM_MEASUREITEM, 0, LPARAM(&foreign)), 0);
}

TEST_F(PopupMenuTest, TheOpenMenuIsFlatWithItsImageColumnAndAFramedSelection) {
    menu.SetEnabled("N4", false);
    struct Seen {
        bool opened = false;
        RECT show{}, setting{}, separator{}, web{}, exit{};
        COLORREF showCorner = 0, showInside = 0, settingColumn = 0, settingFace = 0,
                 separatorLine = 0, exitText = 0;
        int settingPicturePixels = 0;
        int webArrowMismatches = -1;
    } seen;

    {
        UserThread user([&] {
            HWND window = nullptr;
            if (!test_support::WaitUntil([&] { return (window = OpenMenuWindow()) != nullptr; }))
                return;
            seen.opened = true;
            PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);  // selects the first item
            HMENU handle = menu.Menu();
            GetMenuItemRect(nullptr, handle, kShow, &seen.show);
            GetMenuItemRect(nullptr, handle, kSetting, &seen.setting);
            GetMenuItemRect(nullptr, handle, kSeparator, &seen.separator);
            GetMenuItemRect(nullptr, handle, kWeb, &seen.web);
            GetMenuItemRect(nullptr, handle, kExit, &seen.exit);
            const RECT& show = seen.show;
            test_support::WaitUntil(
                [&] { return ScreenPixel(show.left, show.top) == kColors.selectedFrame; });
            std::this_thread::sleep_for(200ms);  // the rest of the paint lands
            seen.showCorner = ScreenPixel(show.left, show.top);
            seen.showInside = ScreenPixel(show.left + 2, show.top + 2);
            const RECT& setting = seen.setting;
            seen.settingColumn = ScreenPixel(setting.left + 1, setting.top + 1);
            seen.settingFace = ScreenPixel(setting.left + kImageColumnWidth + 2, setting.top + 1);
            const int pictureLeft = setting.left + (kImageColumnWidth - kImageSize) / 2;
            const int pictureTop = setting.top + (setting.bottom - setting.top - kImageSize) / 2;
            seen.settingPicturePixels = 0;
            for (int y = 0; y < kImageSize; ++y)
                for (int x = 0; x < kImageSize; ++x)
                    if (ScreenPixel(pictureLeft + x, pictureTop + y) != kColors.imageColumn)
                        ++seen.settingPicturePixels;
            const RECT& line = seen.separator;
            seen.separatorLine = ScreenPixel(line.left + kImageColumnWidth + kTextGap + 4,
                                             line.top + (line.bottom - line.top) / 2);
            // The submenu item's arrow column holds exactly the arrow the program paints.
            const RECT& web = seen.web;
            const PixelRect local{0, 0, web.right - web.left, web.bottom - web.top};
            const FlatMenuPaint plan =
                PlanFlatMenuItem({.hasImage = true, .hasSubmenu = true}, local, kColors);
            seen.webArrowMismatches = 0;
            for (int y = plan.arrowColumn.top; y < plan.arrowColumn.bottom; ++y) {
                for (int x = plan.arrowColumn.left; x < plan.arrowColumn.right; ++x) {
                    COLORREF expected = kColors.face;
                    for (const FlatMenuPaint::Fill& fill : plan.fills)
                        if (fill.rect.Contains(x, y)) expected = fill.color;
                    if (ScreenPixel(web.left + x, web.top + y) != expected)
                        ++seen.webArrowMismatches;
                }
            }
            // The disabled item's caption is grey: some pixel of it has the grey-text colour.
            const RECT& exit = seen.exit;
            for (int y = exit.top; y < exit.bottom && !seen.exitText; ++y)
                for (int x = exit.left + kImageColumnWidth + kTextGap; x < exit.left + 70; ++x)
                    if (ScreenPixel(x, y) == kColors.disabledText)
                        seen.exitText = kColors.disabledText;
            PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
        });
        menu.Popup({200, 150});
    }  // the user's thread has ended: everything seen is in

    ASSERT_TRUE(seen.opened) << "the menu never opened";
    EXPECT_EQ(seen.showCorner, kColors.selectedFrame)
        << "the selected item's frame at " << seen.show.left << "," << seen.show.top;
    EXPECT_EQ(seen.showInside, kColors.selectedFill);
    EXPECT_EQ(seen.settingColumn, kColors.imageColumn);
    EXPECT_EQ(seen.settingFace, kColors.face);
    EXPECT_GT(seen.settingPicturePixels, 60) << "the gear is drawn on the column";
    EXPECT_EQ(seen.separatorLine, kColors.separator);
    EXPECT_EQ(seen.webArrowMismatches, 0) << "the system's own arrow shows through";
    EXPECT_EQ(seen.exitText, kColors.disabledText);
    EXPECT_LT(seen.separator.bottom - seen.separator.top, seen.setting.bottom - seen.setting.top);
}

}  // namespace
}  // namespace quorvel::win32
