// The about box of the real program on each shipped skin: it opens exactly over a main
// window that was dragged elsewhere, its name line is the styled caption label sized to
// its text, and it fogs while another window is active and clears when it is again.
#include "windows/about_box.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "helper_window.h"
#include "hot_key_driver.h"
#include "program_driver.h"
#include "screen_capture.h"
#include "window_search.h"
#include "windows/main_window.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;

std::vector<std::uint8_t> Shown(HWND window) {
    return CaptureRect(WindowRect(window)).rgb;
}

// How many colour bytes of two pictures of the same window differ noticeably.
std::size_t Differences(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += std::abs(int(a[i]) - int(b[i])) > 8;
    return count;
}

bool Placed(HWND window, const RECT& where) {
    const RECT r = WindowRect(window);
    return r.left == where.left && r.top == where.top && r.right == where.right &&
           r.bottom == where.bottom;
}

TEST(AboutBox, OpensOverTheDraggedMainWindowAndFogsWhileInactiveOnEachSkin) {
    for (const wchar_t* skin : {L"Blue", L"Graphite", L"Sand"}) {
        const std::wstring name(skin);
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        ProgramFolder folder;
        folder.SetOption(L"PROGRAM", L"FILE_SKIN", (name + L".jpg").c_str());
        RunningProgram program(folder);
        HWND main = WaitForMainWindow(program);
        ASSERT_NE(main, nullptr);

        // Dragged by its picture 40 pixels right and down.
        HWND picture = FindWindowExW(main, nullptr, L"QuorvelPicture", nullptr);
        RECT moved = WindowRect(main);
        OffsetRect(&moved, 40, 40);
        PostMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 5));
        PostMessageW(picture, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 45));
        PostMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(100, 45));
        ASSERT_TRUE(WaitUntil([&] { return Placed(main, moved); })) << "the drag did not move it";

        PostMessageW(ControlAt(main, LayoutOf(kForm1Layout, "Button5")), BM_CLICK, 0, 0);
        HWND about = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            about = FindProgramWindow(program.ProcessId(), L"About");
            return about && IsWindowVisible(about) && GetForegroundWindow() == about;
        }));
        EXPECT_TRUE(Placed(about, moved)) << "not over the main window";
        HWND label = FindWindowExW(about, nullptr, L"QuorvelLabel", nullptr);
        ASSERT_NE(label, nullptr);
        const RECT line = WindowRect(label);
        EXPECT_LT(line.right - line.left, LayoutOf(kForm4Layout, "XPLabel1").bounds.width)
            << "the name line is not sized to its text";
        SaveScreenshot("about-" + std::string(name.begin(), name.end()));

        if (name == L"Blue") {
            const std::vector<std::uint8_t> clear = Shown(about);
            HelperWindow other(L"Another program");
            SetForegroundWindow(other.Handle());
            EXPECT_TRUE(WaitUntil([&] { return Differences(Shown(about), clear) > 600; }))
                << "not fogged while another window is active";
            ClickAt({(moved.left + moved.right) / 2, moved.top + 8});
            EXPECT_TRUE(WaitUntil([&] { return Differences(Shown(about), clear) < 150; }))
                << "still fogged once active again";
        }
        PostMessageW(ControlAt(about, LayoutOf(kForm4Layout, "XPBitBtn1")), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(10s), 0u);
    }
}

}  // namespace
}  // namespace quorvel::e2e
