// The window that carries the program's task-bar button, against the real API: it owns the
// main window, hands its activation on, and lets the main window decide about closing.
#include "win32/application_window.h"

#include <gtest/gtest.h>

#include "gui_test_support.h"

namespace quorvel::win32 {
namespace {

class ApplicationWindowTest : public ::testing::Test {
  protected:
    HINSTANCE instance_ = GetModuleHandleW(nullptr);
    Win32Toolkit toolkit_{instance_};  // only its message loop
    ApplicationWindow application_{instance_};
    // A stand-in main window; a static control ends itself on WM_CLOSE.
    UniqueWindow main_{CreateWindowExW(0, L"STATIC", L"Main", WS_POPUP, 40, 40, 120, 80, nullptr,
                                       nullptr, instance_, nullptr)};
};

TEST_F(ApplicationWindowTest, IsAnUnownedButtonWindowThatOwnsTheMainWindowUntilLetGo) {
    ASSERT_TRUE(application_.Handle());
    application_.SetTitle("Quorvel 3.5");
    EXPECT_EQ(TextOf(application_.Handle()), L"Quorvel 3.5");
    EXPECT_EQ(GetWindow(application_.Handle(), GW_OWNER), nullptr);
    EXPECT_FALSE(GetWindowLongPtrW(application_.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_NE(GetClassLongPtrW(application_.Handle(), GCLP_HICON), 0) << "no program icon";
    RECT r{};
    GetWindowRect(application_.Handle(), &r);
    EXPECT_EQ(r.right - r.left, 0);
    EXPECT_EQ(r.bottom - r.top, 0);

    application_.Adopt(main_.Get());
    EXPECT_EQ(GetWindow(main_.Get(), GW_OWNER), application_.Handle());
    application_.ShowButton(true);
    EXPECT_TRUE(IsWindowVisible(application_.Handle()));
    application_.ShowButton(false);
    EXPECT_FALSE(IsWindowVisible(application_.Handle()));
    application_.Adopt(nullptr);
    EXPECT_EQ(GetWindow(main_.Get(), GW_OWNER), nullptr);
}

TEST_F(ApplicationWindowTest, ItsActivationGoesOnToTheMainWindowAndClosingClosesThat) {
    application_.Adopt(main_.Get());
    ShowWindow(main_.Get(), SW_SHOW);
    application_.ShowButton(true);
    // As a click on the task-bar button does.
    SetForegroundWindow(application_.Handle());
    EXPECT_TRUE(PumpUntil(
        toolkit_, [&] { return GetActiveWindow() == main_.Get(); }, std::chrono::seconds(5)))
        << "the activation stayed with the application window";

    PostMessageW(application_.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil(
        toolkit_, [&] { return !IsWindow(main_.Get()); }, std::chrono::seconds(5)))
        << "the main window was not asked to close";
    EXPECT_TRUE(IsWindow(application_.Handle()));
    main_.Release();  // already gone
}

}  // namespace
}  // namespace quorvel::win32
