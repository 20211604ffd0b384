#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "app/single_instance.h"
#include "base/window_messages.h"
#include "hot_key_driver.h"
#include "program_driver.h"
#include "win32/icon_checksum.h"
#include "win32/test_hooks.h"
#include "window_search.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::wstring TitleOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The program's icon as quorvel.exe carries it, at the size of a window's big icon.
std::uint32_t ProgramIconChecksum(const ProgramFolder& folder) {
    const std::wstring file = folder.File("quorvel.exe").wstring();
    HMODULE program = LoadLibraryExW(file.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!program) return 0;
    auto icon =
        static_cast<HICON>(LoadImageW(program, L"APP_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                      GetSystemMetrics(SM_CYICON), 0));
    const std::uint32_t checksum = win32::IconChecksum(icon);
    if (icon) DestroyIcon(icon);
    FreeLibrary(program);
    return checksum;
}

bool LogHas(const fs::path& log, const std::string& text) {
    std::ifstream in(log, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str().find(text) != std::string::npos;
}

std::string Describe(const std::vector<HWND>& windows) {
    std::string text = std::to_string(windows.size()) + " task-bar window(s):";
    for (HWND window : windows) {
        const std::wstring title = TitleOf(window);
        text += " \"" + std::string(title.begin(), title.end()) + "\"";
    }
    return text;
}

TEST(Startup, ShowsTheMainWindowAndEndsWithCodeZeroWhenItIsClosed) {
    ProgramFolder folder;
    RunningProgram program(folder);

    HWND main = WaitForMainWindow(program);
    ASSERT_NE(main, nullptr) << "the main window never appeared";

    PostMessageW(main, WM_CLOSE, 0, 0);
    const auto code = program.WaitForExit(10s);
    ASSERT_TRUE(code.has_value()) << "the program did not end after its window was closed";
    EXPECT_EQ(*code, 0u);
}

// The task bar and Alt+Tab show the program's title and icon, not the main window's
// caption (a name for finding it), and nothing while the program hides in the tray.
TEST(Startup, TheTaskBarShowsTheProgramTitleAndIconWhileTheMainWindowShows) {
    ProgramFolder folder;
    RunningProgram program(folder);
    HWND main = WaitForMainWindow(program);
    ASSERT_NE(main, nullptr) << "the main window never appeared";
    std::vector<HWND> buttons;
    auto oneTitledButton = [&] {
        buttons = TaskBarWindows(program.ProcessId());
        return buttons.size() == 1 && TitleOf(buttons[0]) == L"Quorvel 3.5";
    };
    ASSERT_TRUE(WaitUntil(oneTitledButton)) << Describe(buttons);
    const std::uint32_t programIcon = ProgramIconChecksum(folder);
    ASSERT_NE(programIcon, 0u) << "quorvel.exe carries no APP_ICON";
    EXPECT_EQ(std::uint32_t(SendMessageW(main, win32::kIconChecksumMessage, WPARAM(buttons[0]), 0)),
              programIcon)
        << "the task-bar window does not carry the program's icon";

    SendMessageW(main, kBackgroundModeMessage, 0, 0);
    EXPECT_TRUE(
        WaitUntil([&] { return (buttons = TaskBarWindows(program.ProcessId())).empty(); }, 5s))
        << "in background mode: " << Describe(buttons);
    SendMessageW(main, kBackgroundModeMessage, 1, 0);
    EXPECT_TRUE(WaitUntil(oneTitledButton, 5s))
        << "back from background mode: " << Describe(buttons);
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

// A second start asks the running instance to come forward and ends with code 0. When the
// running instance is frozen (its action sleeps, as a hung one would), the second start
// waits no longer than its time-out and gives up.
TEST(Startup, ASecondStartEndsAtOnceAndLeavesTheFirstRunningEvenWhenItIsFrozen) {
    constexpr auto kWakeTimeout = std::chrono::milliseconds(kWakeTimeoutMilliseconds);
    // Outlasts the second start's time-out and its own start-up by a clear margin.
    constexpr auto kFreeze = 4 * kWakeTimeout + 2s;
    ProgramFolder folder;
    const fs::path log = folder.File("module.log");
    fs::create_directories(folder.File("PLUGIN"));
    fs::copy_file(fs::path(QUORVEL_TEST_MODULES_DIR) / "qv_sleep.dll",
                  folder.File("PLUGIN\\sleep.dll"));
    WriteTextFile(folder.File("DATA\\BASE.INI"),
                  ListFile({{.hotKey = "Ctrl+Alt+Q",
                             .plugin = "sleep.dll",
                             .command = std::to_string(kFreeze.count())}}));
    SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG", log.wstring().c_str());
    RunningProgram first(folder);
    HWND main = WaitForMainWindow(first);
    ASSERT_NE(main, nullptr);

    RunningProgram second(folder);
    const auto code = second.WaitForExit(10s);
    ASSERT_TRUE(code.has_value()) << "the second instance kept running";
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(CountWindows(second.ProcessId(), L"ZORIZED3"), 0);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(FindProgramWindow(first.ProcessId(), L"ZORIZED3"));

    // The combination works in background mode only; a press that the desktop missed
    // (focus still moving off the hidden window) is made again.
    SendMessageW(main, kBackgroundModeMessage, 0, 0);
    ASSERT_FALSE(IsWindowVisible(main));
    bool frozen = false;
    for (int attempt = 0; attempt < 3 && !frozen; ++attempt) {
        Press('Q', {VK_CONTROL, VK_MENU});
        frozen = WaitUntil([&] { return LogHas(log, "sleep: Execute("); }, 2s);
    }
    ASSERT_TRUE(frozen) << "the sleeping action never ran";

    RunningProgram whileFrozen(folder);
    const auto frozenCode = whileFrozen.WaitForExit(kWakeTimeout + 4s);
    ASSERT_TRUE(frozenCode.has_value()) << "the second start waited for the frozen first one";
    EXPECT_EQ(*frozenCode, 0u);
    EXPECT_FALSE(LogHas(log, "sleep: Execute done")) << "the first woke too early to tell";
    // The first outlives the request it could not answer.
    EXPECT_TRUE(WaitUntil([&] { return LogHas(log, "sleep: Execute done"); }, kFreeze + 5s));
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(WaitUntil([&] {
        return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &ignored) != 0;
    })) << "the first did not answer again once it woke";
    EXPECT_TRUE(first.Running());

    // Once the first has ended, a new start is a first instance again.
    first.Kill();
    RunningProgram third(folder);
    EXPECT_NE(WaitForMainWindow(third), nullptr);
}

}  // namespace
}  // namespace quorvel::e2e
