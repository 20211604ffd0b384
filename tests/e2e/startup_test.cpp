#include <gtest/gtest.h>

#include "program_driver.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;

TEST(Startup, ShowsTheMainWindowAndEndsWithCodeZeroWhenItIsClosed) {
    ProgramFolder folder;
    RunningProgram program(folder);

    HWND main = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        return (main = FindProgramWindow(program.ProcessId(), L"ZORIZED3"));
    })) << "the main window never appeared";

    PostMessageW(main, WM_CLOSE, 0, 0);
    const auto code = program.WaitForExit(10s);
    ASSERT_TRUE(code.has_value()) << "the program did not end after its window was closed";
    EXPECT_EQ(*code, 0u);
}

struct WindowCount {
    DWORD processId;
    const wchar_t* caption;
    int count;
};

BOOL CALLBACK CountIfMatching(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowCount*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    if (owner == search.processId && std::wstring(text) == search.caption) ++search.count;
    return TRUE;
}

// The windows of a process, visible or not, with this caption.
int CountWindows(DWORD processId, const wchar_t* caption) {
    WindowCount search{processId, caption, 0};
    EnumWindows(CountIfMatching, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

TEST(Startup, ASecondStartEndsAtOnceAndLeavesTheFirstRunning) {
    ProgramFolder folder;
    RunningProgram first(folder);
    ASSERT_TRUE(WaitUntil([&] { return FindProgramWindow(first.ProcessId(), L"ZORIZED3"); }));

    RunningProgram second(folder);
    const auto code = second.WaitForExit(10s);
    ASSERT_TRUE(code.has_value()) << "the second instance kept running";
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(CountWindows(second.ProcessId(), L"ZORIZED3"), 0);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(FindProgramWindow(first.ProcessId(), L"ZORIZED3"));

    // Once the first has ended, a new start is a first instance again.
    first.Kill();
    RunningProgram third(folder);
    EXPECT_TRUE(WaitUntil([&] { return FindProgramWindow(third.ProcessId(), L"ZORIZED3"); }));
}

}  // namespace
}  // namespace quorvel::e2e
