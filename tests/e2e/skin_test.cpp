// The skins on the real program under Wine: shaped main windows for every shipped skin,
// the fog while the application is inactive, dragging the picture, and a damaged skin
// file at start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "program_driver.h"
#include "screen_capture.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;

void StoreSkin(const ProgramFolder& folder, const wchar_t* skin) {
    ASSERT_TRUE(WritePrivateProfileStringW(L"PROGRAM", L"FILE_SKIN", skin,
                                           folder.File("Option.ini").wstring().c_str()));
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The window's rectangle as the screen shows it, row by row.
std::vector<COLORREF> Shown(HWND window) {
    const RECT r = WindowRect(window);
    std::vector<COLORREF> pixels;
    HDC screen = GetDC(nullptr);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::size_t Differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) count += a[i] != b[i];
    return count;
}

// Waits until the window's centre is drawn (not the black of the empty screen).
bool WaitForPaint(HWND window) {
    return WaitUntil([&] {
        const RECT r = WindowRect(window);
        return ScreenPixel((r.left + r.right) / 2, r.top + 8) != RGB(0, 0, 0);
    });
}

HWND PictureOf(HWND window) {
    return FindWindowExW(window, nullptr, L"QuorvelPicture", nullptr);
}

TEST(Skins, EachShippedSkinCutsTheMainWindowsCorners) {
    for (const wchar_t* skin : {L"Blue.jpg", L"Graphite.jpg", L"Sand.jpg"}) {
        const std::wstring name(skin);
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        ProgramFolder folder;
        StoreSkin(folder, skin);
        RunningProgram program(folder);
        HWND main = WaitForMainWindow(program);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitForPaint(main));
        const RECT r = WindowRect(main);
        // The root window (black) shows through every corner; the middle is the skin.
        EXPECT_EQ(ScreenPixel(r.left, r.top), RGB(0, 0, 0));
        EXPECT_EQ(ScreenPixel(r.right - 1, r.top), RGB(0, 0, 0));
        EXPECT_EQ(ScreenPixel(r.left, r.bottom - 1), RGB(0, 0, 0));
        EXPECT_EQ(ScreenPixel(r.right - 1, r.bottom - 1), RGB(0, 0, 0));
        EXPECT_NE(ScreenPixel((r.left + r.right) / 2, r.top + 8), RGB(0, 0, 0));
        SaveScreenshot("skin_" + std::string(name.begin(), name.end() - 4));
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.WaitForExit(10s).has_value());
    }
}

// A window of the test program: giving it the foreground deactivates the program.
class OtherWindow {
  public:
    OtherWindow() {
        window_ = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~OtherWindow() { DestroyWindow(window_); }
    HWND Get() const { return window_; }

  private:
    HWND window_;
};

void PumpFor(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    MSG message;
    while (std::chrono::steady_clock::now() < end) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        std::this_thread::sleep_for(20ms);
    }
}

TEST(Skins, DeactivatingTheProgramFogsItsWindowAndActivatingRestoresIt) {
    ProgramFolder folder;
    RunningProgram program(folder);
    HWND main = WaitForMainWindow(program);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitForPaint(main));
    // The pointer away from the window: a button under it would light up and differ.
    SetCursorPos(0, 0);
    SetForegroundWindow(main);
    PumpFor(500ms);
    const std::vector<COLORREF> clear = Shown(main);

    OtherWindow other;
    SetForegroundWindow(other.Get());
    PumpFor(300ms);
    EXPECT_TRUE(WaitUntil([&] { return Differences(Shown(main), clear) > 200; }))
        << "the window was not fogged";
    SaveScreenshot("skin_fogged");

    SetForegroundWindow(main);
    EXPECT_TRUE(WaitUntil([&] { return Differences(Shown(main), clear) < 50; }))
        << "the window was not restored";
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.WaitForExit(10s);
}

TEST(Skins, DraggingThePictureMovesTheWindow) {
    ProgramFolder folder;
    RunningProgram program(folder);
    HWND main = WaitForMainWindow(program);
    ASSERT_NE(main, nullptr);
    HWND picture = PictureOf(main);
    ASSERT_NE(picture, nullptr);
    const RECT before = WindowRect(main);

    // The right button does not drag.
    PostMessageW(picture, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(60, 5));
    PostMessageW(picture, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(90, 25));
    PostMessageW(picture, WM_RBUTTONUP, 0, MAKELPARAM(90, 25));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(WindowRect(main).left, before.left);

    PostMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 5));
    PostMessageW(picture, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(90, 25));
    PostMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(90, 25));
    EXPECT_TRUE(WaitUntil([&] {
        const RECT after = WindowRect(main);
        return after.left == before.left + 30 && after.top == before.top + 20;
    })) << "the window did not follow the picture";
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.WaitForExit(10s);
}

TEST(Skins, ADamagedSkinIsReportedAndThePlainSkinUsed) {
    ProgramFolder folder;
    {
        std::ifstream in(folder.File("Blue.jpg"), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GT(bytes.size(), 1000u);
        std::ofstream out(folder.File("Broken.jpg"), std::ios::binary);
        out << bytes.substr(0, bytes.size() / 4);
    }
    StoreSkin(folder, L"Broken.jpg");
    RunningProgram program(folder);

    HWND error = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        return (error = FindProgramWindow(program.ProcessId(), L"Error")) != nullptr;
    })) << "no error was reported";
    SaveScreenshot("skin_damaged_error");
    PostMessageW(error, WM_CLOSE, 0, 0);

    HWND main = WaitForMainWindow(program);
    ASSERT_NE(main, nullptr);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 202);
    EXPECT_EQ(client.bottom, 183);
    const RECT r = WindowRect(main);
    EXPECT_TRUE(WaitUntil([&] {
        return ScreenPixel(r.left + 150, r.top + 10) == RGB(212, 208, 200);
    })) << "the plain skin is not shown";
    PostMessageW(main, WM_CLOSE, 0, 0);
    program.WaitForExit(10s);
}

}  // namespace
}  // namespace quorvel::e2e
