// The options dialog of the real program, used from the keyboard: "Run at Startup" writes the
// logon autorun value when Ok is pressed and removes it again.
#include "windows/options_dialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "hot_key_driver.h"
#include "program_driver.h"
#include "window_search.h"
#include "windows/main_window.h"

namespace quorvel::e2e {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::wstring> AutorunValue() {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Quorvel", RRF_RT_REG_SZ, nullptr, data,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return data;
}

class OptionsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Quorvel");
        main_ = WaitForMainWindow(program_);
        ASSERT_NE(main_, nullptr);
    }
    void TearDown() override { RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Quorvel"); }

    // Opens the dialog with the main window's Setting button.
    HWND OpenOptions() {
        PostMessageW(ControlAt(main_, LayoutOf(kForm1Layout, "Button4")), BM_CLICK, 0, 0);
        HWND dialog = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            dialog = FindProgramWindow(program_.ProcessId(), L"Option");
            return dialog && IsWindowVisible(dialog) && GetForegroundWindow() == dialog;
        }));
        return dialog;
    }
    // Tab reaches the first check box, "Run at Startup", and Space toggles it; Tab goes on
    // through the page's four other boxes to Ok, and Space presses it.
    void ToggleRunAtStartupAndPressOk(HWND dialog) {
        Press(VK_TAB);
        Press(VK_SPACE);
        for (int i = 0; i < 5; ++i) Press(VK_TAB);
        Press(VK_SPACE);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); })) << "Ok did not close";
    }

    ProgramFolder folder_;
    RunningProgram program_{folder_};
    HWND main_ = nullptr;
};

TEST_F(OptionsDialogTest, RunAtStartupWritesAndClearsTheAutorunValue) {
    folder_.SetOption(L"PROGRAM", L"AUTORUN", L"0");
    ToggleRunAtStartupAndPressOk(OpenOptions());
    ASSERT_TRUE(WaitUntil([&] { return AutorunValue().has_value(); }));
    // The program's own full path in quotes, then AUTO.
    const std::wstring value = *AutorunValue();
    const std::wstring tail = folder_.Path().filename().wstring() + L"\\quorvel.exe\" AUTO";
    EXPECT_EQ(value.front(), L'"') << value.c_str();
    ASSERT_GE(value.size(), tail.size());
    EXPECT_EQ(value.substr(value.size() - tail.size()), tail) << value.c_str();
    EXPECT_EQ(folder_.Option(L"PROGRAM", L"AUTORUN"), L"-1");

    ToggleRunAtStartupAndPressOk(OpenOptions());
    EXPECT_TRUE(WaitUntil([&] { return !AutorunValue().has_value(); }));
    EXPECT_EQ(folder_.Option(L"PROGRAM", L"AUTORUN"), L"0");
}

}  // namespace
}  // namespace quorvel::e2e
