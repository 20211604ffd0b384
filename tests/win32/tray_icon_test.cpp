// The program's tray icon in Wine's notification area: shown only while active, and its
// mouse messages reported as click and double click.
#include <gtest/gtest.h>

#include "base/bitmap.h"
#include "gui_test_support.h"

namespace quorvel::win32 {
namespace {

// Wine's stand-alone tray shows each icon as a child window of this class.
HWND TrayIconWindow() {
    HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    return tray ? FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr) : nullptr;
}

bool WaitForTrayIcon(Win32Toolkit& toolkit, bool shown,
                     std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    return PumpUntil(
        toolkit, [&] { return (TrayIconWindow() != nullptr) == shown; }, timeout);
}

TEST(TrayIcon, AppearsWhileActiveAndReportsClicksAndDoubleClicks) {
    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    auto tray = toolkit.CreateTrayIcon();
    tray->SetImages({Bitmap(16, 16, Rgb(40, 90, 200)), Bitmap(16, 16, Rgb(200, 40, 40))});
    tray->SetImageIndex(0);
    tray->SetHint("Quorvel 3.5");
    int clicks = 0, doubleClicks = 0;
    tray->SetOnClick([&] { ++clicks; });
    tray->SetOnDoubleClick([&] { ++doubleClicks; });
    EXPECT_FALSE(WaitForTrayIcon(toolkit, true, std::chrono::seconds(1)))
        << "an inactive icon is not shown";

    tray->SetActive(true);
    ASSERT_TRUE(WaitForTrayIcon(toolkit, true));
    HWND icon = TrayIconWindow();
    PostMessageW(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    EXPECT_TRUE(PumpUntil(toolkit, [&] { return clicks == 1; }));
    PostMessageW(icon, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, 8));
    PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    EXPECT_TRUE(PumpUntil(toolkit, [&] { return doubleClicks == 1; }));
    EXPECT_EQ(clicks, 1) << "the release that ends a double click is no click of its own";

    tray->SetImageIndex(1);
    tray->SetAnimated(true);
    EXPECT_TRUE(tray->Animated());
    tray->SetActive(false);
    EXPECT_TRUE(WaitForTrayIcon(toolkit, false));
}

}  // namespace
}  // namespace quorvel::win32
