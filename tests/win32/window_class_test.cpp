// The one window procedure of the program's classes at the boundary with the system: a
// paint that throws is reported by the toolkit's error report, draws nothing, and the
// window goes on answering; a paint that throws every time, also under the report's own
// dialog, is reported once.
#include "win32/window_class.h"

#include <gtest/gtest.h>

#include <atomic>

#include "base/error.h"
#include "gui_test_support.h"

namespace quorvel::win32 {
namespace {

constexpr wchar_t kTestClass[] = L"QuorvelPaintTest";

// A window whose paint fails while told to.
class Painter final : public WindowObject {
  public:
    std::optional<LRESULT> OnMessage(const WindowMessage& message) override {
        if (message.message != WM_PAINT) return std::nullopt;
        const PaintScope paint(message.window);
        ++attempts;
        if (failing) throw Error("The skin picture cannot be drawn");
        ++paints;
        return 0;
    }

    std::atomic<bool> failing{true};
    std::atomic<int> attempts{0};
    std::atomic<int> paints{0};
};

class WindowClassTest : public ::testing::Test {
  protected:
    WindowClassTest() {
        RegisterWindowClass(GetModuleHandleW(nullptr), {.name = kTestClass});
        window = CreateObjectWindow({.className = kTestClass,
                                     .title = L"Paint test",
                                     .style = WS_POPUP | WS_VISIBLE,
                                     .x = 20,
                                     .y = 20,
                                     .width = 120,
                                     .height = 80,
                                     .instance = GetModuleHandleW(nullptr)},
                                    &painter, "the test window");
    }
    // The number of message dialogs open now.
    static int OpenDialogs() {
        int count = 0;
        for (HWND box = FindWindowExW(nullptr, nullptr, Win32MessageDialogs::kClassName, nullptr);
             box; box = FindWindowExW(nullptr, box, Win32MessageDialogs::kClassName, nullptr))
            ++count;
        return count;
    }

    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    Painter painter;
    UniqueWindow window;
};

TEST_F(WindowClassTest, APaintThatThrowsIsReportedAndTheNextPaintDraws) {
    painter.failing = true;
    std::wstring reported;
    bool validated = false;
    UserThread user([&] {
        HWND box = WaitForWindow(Win32MessageDialogs::kClassName, L"Error");
        if (!box) return;
        reported = StaticTexts(box);
        // The failed paint is not asked for again and again.
        validated = GetUpdateRect(window.Get(), nullptr, FALSE) == FALSE;
        painter.failing = false;
        PressButton(box, IDOK);
        WaitUntilGone(box);
        InvalidateRect(window.Get(), nullptr, FALSE);
    });
    InvalidateRect(window.Get(), nullptr, FALSE);
    EXPECT_TRUE(PumpUntil(toolkit, [&] { return painter.paints >= 1; }))
        << "the window did not paint again after the report";
    EXPECT_EQ(reported, L"The skin picture cannot be drawn");
    EXPECT_TRUE(validated);
    EXPECT_EQ(SendMessageW(window.Get(), WM_NULL, 0, 0), 0) << "the window still answers";
}

TEST_F(WindowClassTest, APaintThatThrowsEveryTimeIsReportedOnceWhileTheReportIsShown) {
    painter.failing = true;
    std::wstring reported;
    int dialogs = 0;
    int failedPaints = 0;
    UserThread user([&] {
        HWND box = WaitForWindow(Win32MessageDialogs::kClassName, L"Error");
        if (!box) return;
        reported = StaticTexts(box);
        // The window is asked to paint again while the report is up, and fails again.
        const int before = painter.attempts;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (painter.attempts < before + 5 && std::chrono::steady_clock::now() < deadline) {
            InvalidateRect(window.Get(), nullptr, FALSE);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        failedPaints = painter.attempts - before;
        dialogs = OpenDialogs();
        painter.failing = false;
        PressButton(box, IDOK);
        WaitUntilGone(box);
        InvalidateRect(window.Get(), nullptr, FALSE);
    });
    InvalidateRect(window.Get(), nullptr, FALSE);
    EXPECT_TRUE(PumpUntil(toolkit, [&] { return painter.paints >= 1; }));
    EXPECT_EQ(reported, L"The skin picture cannot be drawn");
    EXPECT_GE(failedPaints, 5);
    EXPECT_EQ(dialogs, 1) << "a report over the report";
}

TEST(WindowClass, AWindowThatCannotBeMadeSaysWhatAndWhy) {
    try {
        CreateObjectWindow(
            {.className = L"QuorvelNoSuchClass", .instance = GetModuleHandleW(nullptr)}, nullptr,
            "the timer's window");
        FAIL() << "no error";
    } catch (const Error& error) {
        const std::string text = error.what();
        const std::string named = "Cannot create the timer's window (system error ";
        EXPECT_EQ(text.substr(0, named.size()), named);
        EXPECT_NE(text, named + "0)") << "the system's reason";
    }
}

}  // namespace
}  // namespace quorvel::win32
