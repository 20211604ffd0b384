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

}  // namespace
}  // namespace quorvel::e2e
