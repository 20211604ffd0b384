// Key presses made with SendInput reach the real program's combinations in background
// mode; the recording plug-in logs every Execute it gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#include "base/window_messages.h"
#include "hot_key_driver.h"
#include "program_driver.h"
#include "window_search.h"
#include "windows/main_window.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr UINT kOfferBackgroundMessage = 0x487;

class HotKeysTest : public ::testing::Test {
  protected:
    void Start(const std::vector<Combination>& combinations) {
        fs::create_directories(folder_.File("PLUGIN"));
        fs::copy_file(fs::path(QUORVEL_TEST_MODULES_DIR) / "qv_complete.dll",
                      folder_.File("PLUGIN\\rec.dll"));
        fs::copy_file(fs::path(QUORVEL_TEST_MODULES_DIR) / "qv_modal.dll",
                      folder_.File("PLUGIN\\modal.dll"));
        WriteTextFile(folder_.File("DATA\\BASE.INI"), ListFile(combinations));
        SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG", log_.wstring().c_str());
        program_.emplace(folder_);
        main_ = WaitForMainWindow(*program_);
        ASSERT_NE(main_, nullptr) << "the main window never appeared";
    }
    void EnterBackground() {
        SendMessageW(main_, kBackgroundModeMessage, 0, 0);
        ASSERT_FALSE(IsWindowVisible(main_));
        // The desktop settles (focus moves off the hidden window) before the first press.
        std::this_thread::sleep_for(300ms);
    }
    std::vector<std::string> LogLines() {
        std::ifstream in(log_, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }
    std::vector<std::string> Executes() {
        std::vector<std::string> lines = LogLines();
        std::erase_if(lines, [](const std::string& line) {
            return line.find(": Execute(") == std::string::npos;
        });
        return lines;
    }
    // Waits for that many runs; a few more presses' worth of time shows no extra run.
    std::vector<std::string> ExecutesAfter(std::size_t count) {
        WaitUntil([&] { return Executes().size() >= count; }, 5s);
        std::this_thread::sleep_for(300ms);
        return Executes();
    }
    std::string Run(int n, const std::string& hotKey, const std::string& tag = "complete") {
        return tag + ": Execute(\"" + hotKey + "\",\"cmd" + std::to_string(n) + "\"," +
               std::to_string(reinterpret_cast<std::uintptr_t>(main_)) + ")";
    }
    HWND WaitForBox(const wchar_t* caption) {
        HWND box = nullptr;
        WaitUntil(
            [&] { return (box = FindProgramWindow(program_->ProcessId(), caption)) != nullptr; });
        return box;
    }
    HWND WaitForWarning() { return WaitForBox(L"Warning"); }
    bool WaitForNoBox(const wchar_t* caption) {
        return WaitUntil(
            [&] { return FindProgramWindow(program_->ProcessId(), caption) == nullptr; }, 3s);
    }
    // Presses a button of the program's own message box, as a click would.
    static void Click(HWND box, int id) {
        HWND button = GetDlgItem(box, id);
        ASSERT_NE(button, nullptr) << "the box has no button " << id;
        ASSERT_TRUE(IsWindowVisible(button));
        PostMessageW(button, BM_CLICK, 0, 0);
    }

    ProgramFolder folder_;
    fs::path log_ = folder_.File("module.log");
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
};

TEST_F(HotKeysTest, APressRunsTheBoundActionOnceAndShiftCountsAsPartOfTheKey) {
    Start({{"Ctrl+Alt+Q"}, {"Shift+W"}, {"Ctrl+Alt+E", false}, {"F9"}});
    EnterBackground();
    // The switched-off combination was never taken from the system.
    EXPECT_TRUE(CanRegister(MOD_CONTROL | MOD_ALT, 'E'));
    EXPECT_FALSE(CanRegister(MOD_CONTROL | MOD_ALT, 'Q'));

    Press('Q', {VK_CONTROL, VK_MENU});
    EXPECT_EQ(ExecutesAfter(1), std::vector<std::string>{Run(1, "Ctrl+Alt+Q")});
    Press('W');
    Press('W', {VK_SHIFT});
    EXPECT_EQ(ExecutesAfter(2),
              (std::vector<std::string>{Run(1, "Ctrl+Alt+Q"), Run(2, "Shift+W")}));
    // A key alone, with no modifier.
    Press(VK_F9);
    EXPECT_EQ(ExecutesAfter(3),
              (std::vector<std::string>{Run(1, "Ctrl+Alt+Q"), Run(2, "Shift+W"), Run(4, "F9")}));
}

TEST_F(HotKeysTest, LeavingBackgroundModeReleasesEveryCombination) {
    Start({{"Ctrl+Alt+Q"}, {"Shift+W"}});
    EnterBackground();
    EXPECT_FALSE(CanRegister(MOD_SHIFT, 'W'));
    SendMessageW(main_, kBackgroundModeMessage, 1, 0);
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_TRUE(CanRegister(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_TRUE(CanRegister(MOD_SHIFT, 'W'));
}

TEST_F(HotKeysTest, ASecondPressConfirmsAndRunsOnce) {
    Start({{"Ctrl+Alt+Q", true, true}});
    EnterBackground();
    Press('Q', {VK_CONTROL, VK_MENU});
    ASSERT_NE(WaitForWarning(), nullptr) << "no confirmation request";
    EXPECT_TRUE(Executes().empty());
    Press('Q', {VK_CONTROL, VK_MENU});
    EXPECT_EQ(ExecutesAfter(1), std::vector<std::string>{Run(1, "Ctrl+Alt+Q")});
    EXPECT_TRUE(WaitUntil(
        [&] { return FindProgramWindow(program_->ProcessId(), L"Warning") == nullptr; }, 2s));
}

TEST_F(HotKeysTest, EscCancelsTheRequestAndIsFreeAfterwards) {
    Start({{"Ctrl+Alt+Q", true, true}});
    EnterBackground();
    Press('Q', {VK_CONTROL, VK_MENU});
    ASSERT_NE(WaitForWarning(), nullptr) << "no confirmation request";
    EXPECT_FALSE(CanRegister(0, VK_ESCAPE));
    Press(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil(
        [&] { return FindProgramWindow(program_->ProcessId(), L"Warning") == nullptr; }, 3s));
    EXPECT_TRUE(ExecutesAfter(0).empty());
    EXPECT_TRUE(CanRegister(0, VK_ESCAPE));
}

TEST_F(HotKeysTest, WithTheMasterSwitchOffAPressRunsNothingAndReleasesAll) {
    Start({{"Ctrl+Alt+Q"}, {"Ctrl+Alt+W"}});
    std::string options;
    {
        std::ifstream in(folder_.File("Option.ini"), std::ios::binary);
        options.assign(std::istreambuf_iterator<char>(in), {});
    }
    options.replace(options.find("ENABLE_ALL_HOT_KEY=-1"), 21, "ENABLE_ALL_HOT_KEY=0");
    WriteTextFile(folder_.File("Option.ini"), options);
    EnterBackground();
    EXPECT_FALSE(CanRegister(MOD_CONTROL | MOD_ALT, 'W'));
    Press('Q', {VK_CONTROL, VK_MENU});
    EXPECT_TRUE(WaitUntil([] { return CanRegister(MOD_CONTROL | MOD_ALT, 'W'); }, 3s));
    EXPECT_TRUE(CanRegister(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_TRUE(Executes().empty());
}

TEST_F(HotKeysTest, AHandEditOfTheListCountsAtTheNextPress) {
    Start({{"Ctrl+Alt+Q"}});
    EnterBackground();
    Press('Q', {VK_CONTROL, VK_MENU});
    ASSERT_EQ(ExecutesAfter(1).size(), 1u);
    Combination edited{"Ctrl+Alt+Q"};
    edited.plugin = "modal.dll";
    WriteTextFile(folder_.File("DATA\\BASE.INI"), ListFile({edited}));
    Press('Q', {VK_CONTROL, VK_MENU});
    const auto runs = ExecutesAfter(2);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1], Run(1, "Ctrl+Alt+Q", "modal"));
}

TEST_F(HotKeysTest, APressWhileAnActionRunsItsOwnLoopIsDropped) {
    Start({{"Ctrl+Alt+Q", true, false, "modal.dll"}, {"Ctrl+Alt+W"}});
    EnterBackground();
    Press('Q', {VK_CONTROL, VK_MENU});
    ASSERT_TRUE(WaitUntil([&] { return Executes().size() == 1; }, 5s));
    Press('W', {VK_CONTROL, VK_MENU});  // while the module's loop runs (500 ms)
    std::this_thread::sleep_for(1200ms);
    EXPECT_EQ(Executes(), std::vector<std::string>{Run(1, "Ctrl+Alt+Q", "modal")});
    Press('W', {VK_CONTROL, VK_MENU});
    EXPECT_EQ(ExecutesAfter(2).size(), 2u);
}

TEST_F(HotKeysTest, TheOfferToGoBackToBackgroundAsksOnlyWhenTheOptionIsOn) {
    Start({{"Ctrl+Alt+Q"}});
    PostMessageW(main_, kOfferBackgroundMessage, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        return (box = FindProgramWindow(program_->ProcessId(), L"Information")) != nullptr;
    })) << "no question";
    // Cancel enters background mode.
    SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main_); }, 3s));
    EXPECT_FALSE(CanRegister(MOD_CONTROL | MOD_ALT, 'Q'));
}

TEST_F(HotKeysTest, TheOfferIsNotMadeWhenTheOptionIsOffAndYesChangesNothing) {
    folder_.SetOption(L"MESSAGE", L"DISABLE_FONE_MODES", L"0");
    Start({{"Ctrl+Alt+Q"}});
    // Handled at once, with no question to wait for.
    DWORD_PTR ignored = 0;
    ASSERT_NE(
        SendMessageTimeoutW(main_, kOfferBackgroundMessage, 0, 0, SMTO_NORMAL, 5000, &ignored), 0)
        << "the program stopped at the message";
    EXPECT_EQ(FindProgramWindow(program_->ProcessId(), L"Information"), nullptr);
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_TRUE(CanRegister(MOD_CONTROL | MOD_ALT, 'Q'));

    folder_.SetOption(L"MESSAGE", L"DISABLE_FONE_MODES", L"-1");
    PostMessageW(main_, kOfferBackgroundMessage, 0, 0);
    HWND box = WaitForBox(L"Information");
    ASSERT_NE(box, nullptr) << "no question once the option is on";
    Click(box, IDYES);
    EXPECT_TRUE(WaitForNoBox(L"Information"));
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_TRUE(CanRegister(MOD_CONTROL | MOD_ALT, 'Q'));
}

TEST_F(HotKeysTest, ABuiltInActionRunsInActionsDllWithItsNumber) {
    fs::copy_file(fs::path(QUORVEL_TEST_MODULES_DIR) / "qv_builtin.dll",
                  folder_.File("actions.dll"), fs::copy_options::overwrite_existing);
    Combination builtin{"Ctrl+Alt+Q"};
    builtin.plugin = "actions.dll,2";
    Start({{"Ctrl+Alt+W"}, builtin});
    EnterBackground();
    const std::size_t before = LogLines().size();
    Press('Q', {VK_CONTROL, VK_MENU});
    // Its number comes after the hot-key text, the command text and the main window.
    const std::string main = std::to_string(reinterpret_cast<std::uintptr_t>(main_));
    ASSERT_EQ(ExecutesAfter(1),
              std::vector<std::string>{"builtin: Execute(\"Ctrl+Alt+Q\",\"cmd2\"," + main + ",2)"});
    // Loaded for this run only, told the program's places first.
    std::vector<std::string> run = LogLines();
    run.erase(run.begin(), run.begin() + std::ptrdiff_t(before));
    ASSERT_EQ(run.size(), 4u);
    EXPECT_EQ(run[0], "builtin: attach");
    const std::string at = folder_.Path().string() + "\\";
    const std::string places = "builtin: ExpansionI(\"" + at + "quorvel.exe\",\"" + at + "\",\"" +
                               at + "PLUGIN\\\",\"" + at + "LANGUAGE\\\",\"" + at +
                               "Option.ini\",\"" + at + "DATA\\BASE.INI\",\"" + at + "Blue.jpg\",";
    EXPECT_EQ(run[1].rfind(places, 0), 0u) << run[1];
    EXPECT_NE(run[1].find(",0," + main + ","), std::string::npos) << run[1];
    EXPECT_EQ(run[3], "builtin: detach");
}

TEST_F(HotKeysTest, YesOnTheRequestRunsOnceAndAbortRunsNothing) {
    Start({{"Ctrl+Alt+Q", true, true}});
    EnterBackground();
    Press('Q', {VK_CONTROL, VK_MENU});
    HWND box = WaitForWarning();
    ASSERT_NE(box, nullptr) << "no confirmation request";
    wchar_t className[64] = {};
    GetClassNameW(box, className, 64);
    EXPECT_STREQ(className, L"QuorvelMessageBox");
    Click(box, IDABORT);
    EXPECT_TRUE(WaitForNoBox(L"Warning"));
    EXPECT_TRUE(WaitUntil([] { return CanRegister(0, VK_ESCAPE); }, 3s));
    EXPECT_TRUE(ExecutesAfter(0).empty());

    // Abort left no request behind: the next press asks again, and Yes runs it once.
    Press('Q', {VK_CONTROL, VK_MENU});
    box = WaitForWarning();
    ASSERT_NE(box, nullptr) << "no request after an aborted one";
    Click(box, IDYES);
    EXPECT_EQ(ExecutesAfter(1), std::vector<std::string>{Run(1, "Ctrl+Alt+Q")});
    EXPECT_TRUE(WaitForNoBox(L"Warning"));
    EXPECT_TRUE(WaitUntil([] { return CanRegister(0, VK_ESCAPE); }, 3s));
}

TEST_F(HotKeysTest, AnotherCombinationAnswersTheRequestAndRunsWithoutItsOwn) {
    Start({{"Ctrl+Alt+Q", true, true}, {"Ctrl+Alt+W", true, true}});
    EnterBackground();
    Press('Q', {VK_CONTROL, VK_MENU});
    ASSERT_NE(WaitForWarning(), nullptr) << "no confirmation request";
    Press('W', {VK_CONTROL, VK_MENU});
    EXPECT_EQ(ExecutesAfter(1), std::vector<std::string>{Run(2, "Ctrl+Alt+W")});
    EXPECT_TRUE(WaitForNoBox(L"Warning"));
    EXPECT_TRUE(WaitUntil([] { return CanRegister(0, VK_ESCAPE); }, 3s));
    // Both still fire, each with its own question again.
    Press('W', {VK_CONTROL, VK_MENU});
    HWND box = WaitForWarning();
    ASSERT_NE(box, nullptr) << "no request for the second combination's own press";
    Press(VK_ESCAPE);
    EXPECT_TRUE(WaitForNoBox(L"Warning"));
    EXPECT_EQ(ExecutesAfter(1).size(), 1u);
}

TEST_F(HotKeysTest, EscPressedTwiceQuicklyEndsTheRequestQuietly) {
    Start({{"Ctrl+Alt+Q", true, true}});
    EnterBackground();
    Press('Q', {VK_CONTROL, VK_MENU});
    ASSERT_NE(WaitForWarning(), nullptr) << "no confirmation request";
    // Both presses reach the system before the program has handled the first.
    INPUT inputs[4] = {};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = VK_ESCAPE;
        inputs[i].ki.dwFlags = i % 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, inputs, sizeof(INPUT));
    EXPECT_TRUE(WaitForNoBox(L"Warning"));
    // Presses are handled in order: once the next request shows, the second Esc is done.
    Press('Q', {VK_CONTROL, VK_MENU});
    ASSERT_NE(WaitForWarning(), nullptr) << "no request after the double Esc";
    HWND error = FindProgramWindow(program_->ProcessId(), L"Error");
    if (error) {
        std::string text;
        for (HWND child = FindWindowExW(error, nullptr, L"STATIC", nullptr); child;
             child = FindWindowExW(error, child, L"STATIC", nullptr)) {
            char line[256] = {};
            GetWindowTextA(child, line, 256);
            text += line;
        }
        ADD_FAILURE() << "the second Esc showed an error: " << text;
    }
    Press(VK_ESCAPE);
    EXPECT_TRUE(WaitForNoBox(L"Warning"));
    EXPECT_TRUE(ExecutesAfter(0).empty());
}

TEST_F(HotKeysTest, AHeldCombinationAsksOnceAndRunsOnlyAtARealSecondPress) {
    Start({{"Ctrl+Alt+Q", true, true}});
    EnterBackground();
    // Held for a second: the keyboard sends the key's down event at its repeat rate.
    SendKey(VK_CONTROL, false);
    SendKey(VK_MENU, false);
    for (int i = 0; i < 30; ++i) {
        SendKey('Q', false);
        std::this_thread::sleep_for(33ms);
    }
    HWND box = WaitForWarning();
    ASSERT_NE(box, nullptr) << "no confirmation request";
    for (WORD key : {WORD('Q'), WORD(VK_MENU), WORD(VK_CONTROL)}) SendKey(key, true);
    EXPECT_TRUE(ExecutesAfter(0).empty()) << "the held key confirmed its own request";
    EXPECT_TRUE(IsWindowVisible(box));

    Press('Q', {VK_CONTROL, VK_MENU});
    EXPECT_EQ(ExecutesAfter(1), std::vector<std::string>{Run(1, "Ctrl+Alt+Q")});
    EXPECT_TRUE(WaitForNoBox(L"Warning"));
}

TEST_F(HotKeysTest, ACombinationHeldElsewhereIsNamedAndMarkedUntilItCanBeRegistered) {
    Start({{"Ctrl+Alt+Q"}, {"Ctrl+Alt+F9"}});
    HWND list = ControlAt(main_, LayoutOf(kForm1Layout, "List"));
    // This test program is the other program that holds the combination.
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x7001, MOD_CONTROL | MOD_ALT, VK_F9));
    EnterBackground();
    const std::wstring named =
        L"Not available: Ctrl+Alt+F9 \u2014 used by Windows or another program";
    EXPECT_TRUE(WaitUntil([&] {
        const auto texts = VisibleTooltipTexts();
        return std::find(texts.begin(), texts.end(), named) != texts.end();
    })) << "no balloon names the combination";
    EXPECT_TRUE(FindProgramWindow(program_->ProcessId(), L"Error") == nullptr);
    SendMessageW(main_, kBackgroundModeMessage, 1, 0);
    EXPECT_EQ(ListEntries(list), (std::vector<std::wstring>{L"Ctrl+Alt+F9 (!)", L"Ctrl+Alt+Q"}));

    UnregisterHotKey(nullptr, 0x7001);
    EnterBackground();
    Press(VK_F9, {VK_CONTROL, VK_MENU});
    EXPECT_EQ(ExecutesAfter(1), std::vector<std::string>{Run(2, "Ctrl+Alt+F9")});
    SendMessageW(main_, kBackgroundModeMessage, 1, 0);
    EXPECT_EQ(ListEntries(list), (std::vector<std::wstring>{L"Ctrl+Alt+F9", L"Ctrl+Alt+Q"}));
}

TEST_F(HotKeysTest, PointingAtTheListShowsTheSelectedCombinationAsItsHint) {
    Start({{.hotKey = "Ctrl+Alt+Q", .comment = "Opens the log"}});
    HWND list = ControlAt(main_, LayoutOf(kForm1Layout, "List"));
    const RECT r = WindowRect(list);
    MoveMouseTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    EXPECT_TRUE(WaitUntil([&] {
        for (const std::wstring& text : VisibleTooltipTexts())
            if (text.starts_with(L"Ctrl+Alt+Q - ") && text.ends_with(L"Opens the log"))
                return true;
        return false;
    })) << "no hint over the list";
}

// Polls like WaitUntil while this thread's windows keep answering: the program attaches
// to this thread's input to note and restore its focus.
bool PumpUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    return WaitUntil(
        [&] {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            return condition();
        },
        timeout);
}

// A window of this process with two edit boxes, the second one focused.
class FocusedWindow {
  public:
    FocusedWindow() {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"QuorvelFocusTest";
        RegisterClassExW(&windowClass);
        top_ =
            CreateWindowExW(0, L"QuorvelFocusTest", L"Focus test", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            100, 100, 320, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
        CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 200, 24, top_,
                        nullptr, windowClass.hInstance, nullptr);
        edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 50, 200, 24,
                                top_, nullptr, windowClass.hInstance, nullptr);
        SetForegroundWindow(top_);
        SetFocus(edit_);
    }
    ~FocusedWindow() { DestroyWindow(top_); }
    HWND Top() const { return top_; }
    HWND Edit() const { return edit_; }

  private:
    HWND top_ = nullptr;
    HWND edit_ = nullptr;
};

TEST_F(HotKeysTest, AfterTheRequestTheFocusIsBackWhereItWas) {
    Start({{"Ctrl+Alt+Q", true, true}});
    EnterBackground();
    FocusedWindow window;
    ASSERT_TRUE(PumpUntil(
        [&] { return GetForegroundWindow() == window.Top() && GetFocus() == window.Edit(); }));

    Press('Q', {VK_CONTROL, VK_MENU});
    ASSERT_TRUE(
        PumpUntil([&] { return FindProgramWindow(program_->ProcessId(), L"Warning") != nullptr; }));
    Press(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil(
        [&] { return FindProgramWindow(program_->ProcessId(), L"Warning") == nullptr; }, 3s));
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == window.Edit(); }, 3s))
        << "foreground " << GetForegroundWindow() << " (ours " << window.Top() << "), focus "
        << GetFocus() << " (edit " << window.Edit() << ")";
}

}  // namespace
}  // namespace quorvel::e2e
