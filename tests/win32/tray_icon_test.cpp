// The program's tray icon in Wine's notification area: shown only while active, and its
// mouse messages reported as click and double click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "base/error.h"
#include "gui_test_support.h"
#include "import_hook.h"
#include "platform/controls.h"
#include "win32/win32_tray_icon.h"

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

TEST(TrayIcon, AnErrorFromAClickIsReportedAndTheIconStillAnswers) {
    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    auto tray = toolkit.CreateTrayIcon();
    tray->SetImages({Bitmap(16, 16, Rgb(40, 90, 200))});
    tray->SetImageIndex(0);
    int clicks = 0;
    tray->SetOnClick([&] {
        if (++clicks == 1) throw Error("The action module cannot be loaded");
    });
    tray->SetActive(true);
    ASSERT_TRUE(WaitForTrayIcon(toolkit, true));
    HWND icon = TrayIconWindow();
    auto click = [icon] {
        PostMessageW(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
        PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    };

    std::wstring reported;
    UserThread user([&] {
        click();
        HWND box = WaitForWindow(Win32MessageDialogs::kClassName, L"Error");
        if (!box) return;
        reported = StaticTexts(box);
        PressButton(box, IDOK);
        WaitUntilGone(box);
        click();
    });
    EXPECT_TRUE(PumpUntil(toolkit, [&] { return clicks == 2; }))
        << "the icon did not answer after the report";
    EXPECT_EQ(reported, L"The action module cannot be loaded");
    tray->SetActive(false);
}

// What the program asked of the notification area, call by call.
struct NotifyCall {
    DWORD operation;
    HWND window;
    UINT id;
    HICON icon;
    std::wstring tip;
};
std::vector<NotifyCall> notifyCalls;
using ShellNotifyIconFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
ShellNotifyIconFunction realShellNotifyIcon = nullptr;

BOOL WINAPI RecordingShellNotifyIcon(DWORD operation, PNOTIFYICONDATAW data) {
    notifyCalls.push_back({operation, data->hWnd, data->uID, data->hIcon, data->szTip});
    return realShellNotifyIcon(operation, data);
}

// The alpha values of an icon's colour pixels.
std::vector<std::uint8_t> AlphaOf(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    BITMAP format{};
    GetObjectW(info.hbmColor, sizeof format, &format);
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = format.bmWidth;
    request.bmiHeader.biHeight = -format.bmHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(std::size_t(format.bmWidth) * std::size_t(format.bmHeight));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, UINT(format.bmHeight), pixels.data(), &request,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    std::vector<std::uint8_t> alpha;
    for (std::uint32_t pixel : pixels) alpha.push_back(std::uint8_t(pixel >> 24));
    return alpha;
}

bool HasSoftEdges(HICON icon) {
    for (std::uint8_t alpha : AlphaOf(icon))
        if (alpha > 0 && alpha < 255) return true;
    return false;
}

class TrayIconShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        notifyCalls.clear();
        ASSERT_TRUE(hook_.Installed()) << "the program does not import Shell_NotifyIconW";
        realShellNotifyIcon = reinterpret_cast<ShellNotifyIconFunction>(hook_.Original());
        tray->SetHint("Quorvel 3.5");
    }
    void TearDown() override { tray->SetActive(false); }

    std::vector<NotifyCall> CallsOf(DWORD operation) const {
        std::vector<NotifyCall> calls;
        for (const NotifyCall& call : notifyCalls)
            if (call.operation == operation) calls.push_back(call);
        return calls;
    }
    HWND TrayWindow() { return dynamic_cast<Win32TrayIcon&>(*tray).Hwnd(); }

    ImportHook hook_{"shell32.dll", "Shell_NotifyIconW",
                     reinterpret_cast<void*>(&RecordingShellNotifyIcon)};
    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    std::unique_ptr<TrayIcon> tray = toolkit.CreateTrayIcon();
};

TEST_F(TrayIconShellTest, TheProgramsPicturesReachTheTrayAsIconsWithSoftEdges) {
    const std::vector<Bitmap> images = toolkit.ProgramImageList();
    const std::vector<Bitmap> frames = toolkit.TrayAnimationFrames();
    ASSERT_EQ(images.size(), 9u);
    ASSERT_EQ(frames.size(), 24u);
    // The pictures the core gets: 16 x 16, see-through around the disc and in its hole.
    for (const Bitmap& image : images)
        EXPECT_EQ((Size{image.Width(), image.Height()}), (Size{16, 16}));
    EXPECT_EQ(images[1].Pixel(0, 0), kGlyphTransparent);
    EXPECT_EQ(images[1].Pixel(8, 8), kGlyphTransparent);
    EXPECT_NE(images[1].Pixel(8, 3), kGlyphTransparent);
    EXPECT_EQ(frames[5].Pixel(8, 8), kGlyphTransparent);
    EXPECT_NE(frames[0], frames[1]) << "the disc turns from frame to frame";
    EXPECT_NE(images[0], images[1]);

    tray->SetImages(images);
    tray->SetImageIndex(2);
    tray->SetActive(true);
    ASSERT_EQ(CallsOf(NIM_ADD).size(), 1u);
    EXPECT_TRUE(HasSoftEdges(CallsOf(NIM_ADD)[0].icon))
        << "the icon resource's alpha, not the keyed picture";

    // The animation shows the frames' own icons, one after the other.
    int asked = 0;
    tray->SetAnimationImages([&] {
        ++asked;
        return frames;
    });
    EXPECT_EQ(asked, 0) << "the frames are made as the animation first runs, not before";
    tray->SetAnimated(true);
    EXPECT_EQ(asked, 1);
    std::vector<HICON> shown;
    PumpUntil(toolkit, [&] {
        for (const NotifyCall& call : CallsOf(NIM_MODIFY))
            if (std::find(shown.begin(), shown.end(), call.icon) == shown.end())
                shown.push_back(call.icon);
        return shown.size() >= 3;
    });
    ASSERT_GE(shown.size(), 3u);
    for (HICON icon : shown) EXPECT_TRUE(HasSoftEdges(icon));
    tray->SetAnimated(false);

    // Any other picture: its transparent colour see-through, nothing half-transparent.
    Bitmap square(16, 16, kGlyphTransparent);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) square.SetPixel(x, y, Rgb(200, 40, 40));
    tray->SetImages({square});
    tray->SetImageIndex(0);
    const std::vector<std::uint8_t> alpha = AlphaOf(CallsOf(NIM_MODIFY).back().icon);
    ASSERT_EQ(alpha.size(), 256u);
    EXPECT_EQ(alpha[0], 0);
    EXPECT_EQ(alpha[8 * 16 + 8], 255);
}

TEST_F(TrayIconShellTest, AnActiveIconComesBackWhenTheTaskBarRestarts) {
    tray->SetImages(toolkit.ProgramImageList());
    tray->SetImageIndex(0);
    int clicks = 0;
    tray->SetOnClick([&] { ++clicks; });
    tray->SetActive(true);
    ASSERT_TRUE(WaitForTrayIcon(toolkit, true));
    const NotifyCall added = CallsOf(NIM_ADD).at(0);

    // The task bar goes and takes the icon with it; the new one announces itself to every
    // top-level window.
    NOTIFYICONDATAW gone{};
    gone.cbSize = sizeof gone;
    gone.hWnd = TrayWindow();
    gone.uID = Win32TrayIcon::kIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    ASSERT_TRUE(WaitForTrayIcon(toolkit, false));
    notifyCalls.clear();
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    PostMessageW(HWND_BROADCAST, taskbarCreated, 0, 0);
    ASSERT_TRUE(WaitForTrayIcon(toolkit, true)) << "the icon was not added again";
    ASSERT_EQ(CallsOf(NIM_ADD).size(), 1u);
    EXPECT_EQ(CallsOf(NIM_ADD)[0].icon, added.icon) << "the same picture";
    EXPECT_EQ(CallsOf(NIM_ADD)[0].tip, L"Quorvel 3.5");
    EXPECT_TRUE(tray->Active());

    HWND icon = TrayIconWindow();
    PostMessageW(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    EXPECT_TRUE(PumpUntil(toolkit, [&] { return clicks == 1; })) << "clicks still arrive";

    // An inactive icon stays away.
    tray->SetActive(false);
    ASSERT_TRUE(WaitForTrayIcon(toolkit, false));
    notifyCalls.clear();
    SendMessageW(TrayWindow(), taskbarCreated, 0, 0);
    EXPECT_FALSE(WaitForTrayIcon(toolkit, true, std::chrono::milliseconds(500)));
    EXPECT_TRUE(CallsOf(NIM_ADD).empty());
}

}  // namespace
}  // namespace quorvel::win32
