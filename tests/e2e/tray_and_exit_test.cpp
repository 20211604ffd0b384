// The real program between its window and the tray: the first activation with "AUTO",
// a second start bringing the first back, tray clicks with their options, the minimise
// button, and the exit question reached from the tray menu.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <thread>

#include "base/window_messages.h"
#include "hot_key_driver.h"
#include "program_driver.h"
#include "window_search.h"
#include "windows/main_window.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// What the shell sends the program's tray icon window about the mouse on the icon.
constexpr UINT kTrayNotification = WM_APP + 1;
constexpr const wchar_t* kFormClass = L"QuorvelForm";

class TrayAndExitTest : public ::testing::Test {
  protected:
    void Start(const std::wstring& arguments = L"") {
        program_.emplace(folder_, arguments);
        // The program's title says its start-up has finished.
        ASSERT_TRUE(WaitUntil([&] { return (main_ = MainWindow()) && StartedUp(); }))
            << "the program never finished starting";
    }
    bool StartedUp() const {
        return FindProgramWindowOfClass(program_->ProcessId(), L"QuorvelApplication",
                                        L"Quorvel 3.5") != nullptr;
    }
    // The main window, shown or hidden.
    HWND MainWindow() const {
        return FindProgramWindowOfClass(program_->ProcessId(), kFormClass, L"ZORIZED3");
    }
    void EnterBackground() {
        SendMessageW(main_, kBackgroundModeMessage, 0, 0);
        ASSERT_FALSE(IsWindowVisible(main_));
    }
    // The mouse on the tray icon, as the shell reports it.
    void Tray(std::initializer_list<UINT> mouse) {
        HWND tray = FindProgramWindowOfClass(program_->ProcessId(), L"QuorvelTrayIcon");
        ASSERT_NE(tray, nullptr);
        for (UINT message : mouse) PostMessageW(tray, kTrayNotification, 0, LPARAM(message));
    }
    void Click() { Tray({WM_LBUTTONDOWN, WM_LBUTTONUP}); }
    // Opens the tray menu with a right click and picks its n-th item by the keyboard:
    // Show main window, Setting, Quorvel to Web, About, Exit.
    void ChooseFromTrayMenu(int n, const std::function<bool()>& chosen) {
        if (!ChooseFromMenu(
                program_->ProcessId(), [&] { Tray({WM_RBUTTONUP}); }, n, chosen))
            ADD_FAILURE() << "item " << n << " of the tray menu did nothing";
    }
    HWND WaitForBox(const wchar_t* caption) {
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindProgramWindow(program_->ProcessId(), caption)); });
        return box;
    }
    // Nothing more happens for a while: what a user would wait before deciding.
    static void Settle() { std::this_thread::sleep_for(500ms); }

    ProgramFolder folder_;
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
};

TEST_F(TrayAndExitTest, ASecondStartBringsTheFirstBackFromBackgroundModeAndEndsWithZero) {
    Start();
    EnterBackground();
    RunningProgram second(folder_);
    const auto code = second.WaitForExit(10s);
    ASSERT_TRUE(code.has_value()) << "the second start kept running";
    EXPECT_EQ(*code, 0u);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, 5s));
    // Back from background mode: the combinations' keys are free again.
    EXPECT_TRUE(program_->Running());
    // The finished start-up carries the program's title for later starts to find.
    HWND application = FindWindowW(L"QuorvelApplication", L"Quorvel 3.5");
    ASSERT_NE(application, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(application, &owner);
    EXPECT_EQ(owner, program_->ProcessId());
}

TEST_F(TrayAndExitTest, AutoAsksTheInformationFirstAndNoKeepsTheBoxAwayNextTime) {
    folder_.SetOption(L"PROGRAM", L"INFORMATION_SHOW", L"-1");
    Start(L"auto");
    HWND box = WaitForBox(L"Quorvel");
    ASSERT_NE(box, nullptr) << "no information box";
    EXPECT_EQ(ClassOf(box), L"QuorvelMessageBox");
    EXPECT_TRUE(IsWindowVisible(main_));
    SendMessageW(box, WM_COMMAND, IDNO, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main_); }, 5s))
        << "AUTO did not go to background mode";
    EXPECT_EQ(folder_.Option(L"PROGRAM", L"INFORMATION_SHOW"), L"0");
    program_->Kill();

    Start(L"AUTO");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main_); }, 5s));
    EXPECT_EQ(FindProgramWindow(program_->ProcessId(), L"Quorvel"), nullptr);
    program_->Kill();

    // Any other first argument starts shown.
    Start(L"autorun");
    Settle();
    EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(TrayAndExitTest, TrayClicksFollowFastOpenAndTheQuestionAboutLeaving) {
    folder_.SetOption(L"MESSAGE", L"DISABLE_FONE_MODES", L"0");
    folder_.SetOption(L"TRAY", L"FASTOPEN", L"0");
    Start();
    EnterBackground();
    Click();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, 5s))
        << "a click did not show the window";

    // FASTOPEN: a single click does nothing, a double click opens.
    folder_.SetOption(L"TRAY", L"FASTOPEN", L"-1");
    EnterBackground();
    Click();
    Settle();
    EXPECT_FALSE(IsWindowVisible(main_));
    Tray({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, 5s))
        << "a double click did not show the window";
    EnterBackground();
    ChooseFromTrayMenu(1, [&] { return IsWindowVisible(main_) != FALSE; });  // Show main window

    // The question: Cancel stays in background mode, with the combinations working.
    folder_.SetOption(L"TRAY", L"FASTOPEN", L"0");
    folder_.SetOption(L"MESSAGE", L"DISABLE_FONE_MODES", L"-1");
    std::ofstream(folder_.File("DATA\\BASE.INI"), std::ios::binary)
        << "[Base]\r\nIndex=1\r\n[HOT1]\r\nHotKey=Ctrl+Alt+J\r\nPlugin=none.dll\r\n"
           "Checked=-1\r\nCommand=\r\nWarning=0\r\nComment=\r\n";
    EnterBackground();
    EXPECT_FALSE(CanRegister(MOD_CONTROL | MOD_ALT, 'J'));
    Click();
    HWND box = WaitForBox(L"Information");
    ASSERT_NE(box, nullptr) << "no question";
    SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    Settle();
    EXPECT_FALSE(IsWindowVisible(main_));
    EXPECT_FALSE(CanRegister(MOD_CONTROL | MOD_ALT, 'J'));
    Click();
    box = WaitForBox(L"Information");
    ASSERT_NE(box, nullptr);
    SendMessageW(box, WM_COMMAND, IDYES, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, 5s));
    EXPECT_TRUE(CanRegister(MOD_CONTROL | MOD_ALT, 'J'));
}

// Hand edits of the list made in background mode: the click brings the window back all the
// same, frees every key that was taken, and a fault of the file is reported once.
TEST_F(TrayAndExitTest, TheTrayClickShowsTheWindowWhateverBecameOfTheListFile) {
    folder_.SetOption(L"MESSAGE", L"DISABLE_FONE_MODES", L"0");
    const fs::path list = folder_.File("DATA\\BASE.INI");
    const std::string good = ListFile({{"Ctrl+Alt+J"}, {"Ctrl+Alt+K"}});
    WriteTextFile(list, good);
    Start();
    struct Case {
        const char* name;
        std::function<void()> spoil;
        bool reported;
    };
    const Case cases[] = {
        {"deleted", [&] { fs::remove(list); }, false},
        {"count broken", [&] { WriteTextFile(list, "[Base]\r\nIndex=lots\r\n"); }, true},
        {"Checked spoiled",
         [&] {
             std::string spoiled = good;
             spoiled.replace(spoiled.find("Checked=-1"), 10, "Checked=maybe");
             WriteTextFile(list, spoiled);
         },
         true},
    };
    for (const Case& c : cases) {
        WriteTextFile(list, good);
        EnterBackground();
        ASSERT_FALSE(CanRegister(MOD_CONTROL | MOD_ALT, 'K')) << c.name;
        c.spoil();
        Click();
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, 5s))
            << c.name << ": the window did not come back";
        EXPECT_TRUE(CanRegister(MOD_CONTROL | MOD_ALT, 'J')) << c.name;
        EXPECT_TRUE(CanRegister(MOD_CONTROL | MOD_ALT, 'K')) << c.name;
        if (c.reported) {
            HWND box = WaitForBox(L"Error");
            ASSERT_NE(box, nullptr) << c.name << ": not reported";
            SendMessageW(box, WM_COMMAND, IDOK, 0);
        }
        Settle();
        EXPECT_EQ(FindProgramWindow(program_->ProcessId(), L"Error"), nullptr)
            << c.name << ": reported more than once";
        EXPECT_TRUE(program_->Running());
    }
}

TEST_F(TrayAndExitTest, TheMinimiseButtonHidesAndExitFromTheTrayMenuAsksFirst) {
    folder_.SetOption(L"MESSAGE", L"EXIT_PROGRAM", L"-1");
    Start();
    HWND minimise = ControlAt(main_, LayoutOf(kForm1Layout, "Button6"));
    ASSERT_NE(minimise, nullptr);
    PostMessageW(minimise, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main_); }, 5s));
    Settle();  // the activation moves off the hidden window

    auto exitQuestion = [&] { return FindProgramWindow(program_->ProcessId(), L"Warning"); };
    ChooseFromTrayMenu(5, [&] { return exitQuestion() != nullptr; });  // Exit
    HWND box = exitQuestion();
    ASSERT_NE(box, nullptr) << "no exit question";
    SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    Settle();
    EXPECT_TRUE(program_->Running());
    EXPECT_FALSE(IsWindowVisible(main_));  // still in background mode

    ChooseFromTrayMenu(5, [&] { return exitQuestion() != nullptr; });
    box = exitQuestion();
    ASSERT_NE(box, nullptr);
    SendMessageW(box, WM_COMMAND, IDYES, 0);
    const auto code = program_->WaitForExit(10s);
    ASSERT_TRUE(code.has_value()) << "Yes did not end the program";
    EXPECT_EQ(*code, 0u);
}

}  // namespace
}  // namespace quorvel::e2e
