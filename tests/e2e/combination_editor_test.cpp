// The combination editor of the real program, driven by the real mouse and keyboard:
// creating a combination that then fires in background mode, updating one, deleting one
// with its question, and a module's settings that are cancelled.
#include "windows/combination_editor.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "hot_key_driver.h"
#include "program_driver.h"
#include "screen_capture.h"
#include "window_search.h"
#include "windows/main_window.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::wstring Wide(std::string_view text) {
    return std::wstring(text.begin(), text.end());
}

class EditorFlowTest : public ::testing::Test {
  protected:
    // Starts the program with these plug-ins (file name -> test module) and combinations.
    void Start(const std::vector<std::pair<const char*, const char*>>& plugins,
               const std::vector<Combination>& combinations) {
        fs::create_directories(folder_.File("PLUGIN"));
        for (const auto& [file, module] : plugins)
            fs::copy_file(fs::path(QUORVEL_TEST_MODULES_DIR) / module,
                          folder_.File(std::string("PLUGIN\\") + file),
                          fs::copy_options::overwrite_existing);
        WriteTextFile(folder_.File("DATA\\BASE.INI"), ListFile(combinations));
        SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG", log_.wstring().c_str());
        program_.emplace(folder_);
        main_ = WaitForMainWindow(*program_);
        ASSERT_NE(main_, nullptr) << "the main window never appeared";
        list_ = ControlAt(main_, LayoutOf(kForm1Layout, "List"));
        ASSERT_NE(list_, nullptr);
        // Clicks land only once the window has taken its place and drawn itself.
        ASSERT_TRUE(WaitUntil([&] {
            const RECT r = WindowRect(list_);
            HDC screen = GetDC(nullptr);
            const COLORREF pixel = GetPixel(screen, r.right - 20, r.bottom - 5);
            ReleaseDC(nullptr, screen);
            return pixel == RGB(255, 255, 255);
        })) << "the main window was never drawn";
    }

    // Clicks a button of the main window; the editor opens over it.
    void OpenEditor(const char* button) {
        ClickCentre(ControlAt(main_, LayoutOf(kForm1Layout, button)));
        ASSERT_TRUE(WaitUntil([&] {
            return (editor_ = FindProgramWindow(program_->ProcessId(),
                                                Wide(kForm2Layout.caption))) != nullptr ||
                   (editor_ = FindProgramWindow(program_->ProcessId(), L"Update hot key"));
        })) << "the editor did not open";
    }
    HWND EditorControl(const char* name) {
        return ControlAt(editor_, LayoutOf(kForm2Layout, name));
    }
    HWND Focus() {
        GUITHREADINFO info{.cbSize = sizeof(GUITHREADINFO)};
        GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info);
        return info.hwndFocus;
    }
    // Clicks a control and waits until it has the keyboard focus.
    void FocusByClick(HWND control) {
        ClickCentre(control);
        ASSERT_TRUE(WaitUntil([&] { return Focus() == control; }));
    }
    // Clicks into the hot-key field and presses the combination there; the field then
    // shows `shown`.
    void EnterHotKey(WORD key, std::initializer_list<WORD> modifiers, const std::wstring& shown) {
        HWND hotKey = EditorControl("HotKey");
        FocusByClick(hotKey);
        Press(key, modifiers);
        ASSERT_TRUE(WaitUntil([&] { return TextOf(hotKey) == shown; }))
            << "the field shows " << std::string(TextOf(hotKey).begin(), TextOf(hotKey).end());
    }
    // Waits for the hot-key field's balloon with this text.
    bool WaitForBalloon(const std::wstring& text) {
        return WaitUntil([&] {
            const auto texts = VisibleTooltipTexts();
            return std::find(texts.begin(), texts.end(), text) != texts.end();
        });
    }
    // Moves the focus on to the action list with Tab and picks the action `expected`, as a
    // user does: typing its first letter again moves on to the next action with that letter.
    void PickAction(char letter, const std::wstring& expected) {
        HWND plugin = EditorControl("Plugin");
        ASSERT_TRUE(WaitUntil(
            [&] {
                if (Focus() == plugin) return true;
                Press(VK_TAB);
                return WaitUntil([&] { return Focus() == plugin; }, 300ms);
            },
            5s));
        ASSERT_TRUE(WaitUntil(
            [&] {
                Press(WORD(letter));
                return WaitUntil([&] { return TextOf(plugin) == expected; }, 500ms);
            },
            10s))
            << "no action " << std::string(expected.begin(), expected.end());
    }
    void WaitForEditorClosed() {
        // The editor is hidden during a module's settings too; the main window takes input
        // again only once the editor has closed.
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(editor_) && IsWindowEnabled(main_); }))
            << "still open";
    }
    HWND WaitForBox(const wchar_t* caption) {
        HWND box = nullptr;
        WaitUntil(
            [&] { return (box = FindProgramWindow(program_->ProcessId(), caption)) != nullptr; });
        return box;
    }
    void ClickBoxButton(HWND box, int id) {
        HWND button = GetDlgItem(box, id);
        ASSERT_NE(button, nullptr);
        ClickCentre(button);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(box); }));
    }
    std::wstring Selected() {
        const LRESULT index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
        if (index < 0) return L"";
        wchar_t text[256] = {};
        SendMessageW(list_, LB_GETTEXT, WPARAM(index), LPARAM(text));
        return text;
    }
    std::string Stored(const std::string& section, const std::string& key) {
        char value[512] = {};
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "n/a", value, sizeof value,
                                 folder_.File("DATA\\BASE.INI").string().c_str());
        return value;
    }
    std::vector<std::string> LogLines(std::string_view containing) {
        std::ifstream in(log_, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.find(containing) != std::string::npos) lines.push_back(line);
        }
        return lines;
    }
    std::string Handle(HWND window) {
        return std::to_string(reinterpret_cast<std::uintptr_t>(window));
    }

    ProgramFolder folder_;
    fs::path log_ = folder_.File("module.log");
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
    HWND list_ = nullptr;
    HWND editor_ = nullptr;
};

TEST_F(EditorFlowTest, ACreatedWindowsKeyCombinationIsStoredSelectedAndRunsInBackgroundMode) {
    Start({{"rec.dll", "qv_complete.dll"}}, {});
    OpenEditor("Button1");
    EnterHotKey(VK_F8, {VK_LWIN, VK_MENU}, L"Win+Alt+F8");
    PickAction('C', L"Complete action");
    Press(VK_RETURN);  // Next
    WaitForEditorClosed();

    // The module's settings ran with the editor hidden; their answer is the command.
    EXPECT_EQ(LogLines(": Setting("),
              std::vector<std::string>{"complete: Setting(" + Handle(editor_) +
                                       ",\"Win+Alt+F8\",null) editor hidden picture alive"});
    EXPECT_EQ(Stored("Base", "Index"), "1");
    EXPECT_EQ(Stored("HOT1", "HotKey"), "Win+Alt+F8");
    EXPECT_EQ(Stored("HOT1", "Plugin"), "rec.dll");
    EXPECT_EQ(Stored("HOT1", "Command"), "Win+Alt+F8|new");
    EXPECT_EQ(Selected(), L"Win+Alt+F8");

    ClickCentre(ControlAt(main_, LayoutOf(kForm1Layout, "Button6")));  // Minimized
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main_); }));
    ASSERT_TRUE(WaitUntil([&] { return !CanRegister(MOD_WIN | MOD_ALT, VK_F8); }));
    Press(VK_F8, {VK_LWIN, VK_MENU});
    const std::string run =
        "complete: Execute(\"Win+Alt+F8\",\"Win+Alt+F8|new\"," + Handle(main_) + ")";
    EXPECT_TRUE(WaitUntil([&] { return LogLines(": Execute(") == std::vector{run}; }, 5s));
}

// While the editor is open, each combination pressed into the field is told about in a
// balloon on it: one that another program holds (this test program), and a stored one.
TEST_F(EditorFlowTest, TheHotKeyFieldTellsAtOnceWhetherACombinationIsTakenOrStored) {
    Start({{"rec.dll", "qv_complete.dll"}}, {{.hotKey = "Ctrl+Alt+Q", .comment = "mail"}});
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x7002, MOD_CONTROL | MOD_ALT, VK_F9));
    OpenEditor("Button1");
    EnterHotKey(VK_F9, {VK_CONTROL, VK_MENU}, L"Ctrl+Alt+F9");
    EXPECT_TRUE(
        WaitForBalloon(L"Not available: Ctrl+Alt+F9 \u2014 used by Windows or another program"));
    EnterHotKey('Q', {VK_CONTROL, VK_MENU}, L"Ctrl+Alt+Q");
    EXPECT_TRUE(WaitForBalloon(L"Already stored: Ctrl+Alt+Q - Complete action\r\nmail"));
    EnterHotKey(VK_F11, {VK_CONTROL, VK_MENU}, L"Ctrl+Alt+F11");
    EXPECT_TRUE(WaitForBalloon(L"Free: Ctrl+Alt+F11"));
    EXPECT_TRUE(CanRegister(MOD_CONTROL | MOD_ALT, VK_F11)) << "the trial was not released";
    UnregisterHotKey(nullptr, 0x7002);
}

TEST_F(EditorFlowTest, UpdateChangesTheActionAndTheComment) {
    Start({{"rec.dll", "qv_complete.dll"}, {"plain.dll", "qv_no_setting.dll"}}, {{"Ctrl+Alt+Q"}});
    ASSERT_EQ(Selected(), L"Ctrl+Alt+Q");
    OpenEditor("Button3");
    ClickCentre(EditorControl("Speed2"));
    HWND comment = EditorControl("Comment");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(comment); }));
    FocusByClick(comment);
    for (char c : std::string("NOTE")) Press(WORD(c));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(comment) == L"note"; }));
    // Tab moves on from the comment to the action list.
    PickAction('P', L"Plain action");
    ClickCentre(EditorControl("Button1"));          // Next
    ClickBoxButton(WaitForBox(L"Warning"), IDYES);  // "Update combination ?"
    WaitForEditorClosed();

    EXPECT_EQ(Stored("Base", "Index"), "1");
    EXPECT_EQ(Stored("HOT1", "HotKey"), "Ctrl+Alt+Q");
    EXPECT_EQ(Stored("HOT1", "Plugin"), "plain.dll");
    EXPECT_EQ(Stored("HOT1", "Command"), "NOSUPPORTCOMMAND");
    EXPECT_EQ(Stored("HOT1", "Comment"), "note");
}

TEST_F(EditorFlowTest, DeleteAsksAndOnlyYesDeletesAndClosesTheGap) {
    folder_.SetOption(L"MESSAGE", L"DELETE_HOT_KEY", L"-1");
    Start({{"rec.dll", "qv_complete.dll"}}, {{"Ctrl+Alt+A"}, {"Ctrl+Alt+B"}, {"Ctrl+Alt+C"}});
    // The first entry is selected at start; a click on the second selects it.
    RECT item{};
    SendMessageW(list_, LB_GETITEMRECT, 1, LPARAM(&item));
    ASSERT_GT(item.bottom, item.top);
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list_, &centre);
    ClickAt(centre);
    ASSERT_TRUE(WaitUntil([&] { return Selected() == L"Ctrl+Alt+B"; }))
        << "selected: " << SendMessageW(list_, LB_GETCURSEL, 0, 0) << " item " << item.left << ","
        << item.top << "," << item.right << "," << item.bottom;

    ClickCentre(ControlAt(main_, LayoutOf(kForm1Layout, "Button2")));
    ClickBoxButton(WaitForBox(L"Warning"), IDCANCEL);
    EXPECT_EQ(Stored("Base", "Index"), "3");
    // The main window takes clicks again only once the box has ended.
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_); }));

    ClickCentre(ControlAt(main_, LayoutOf(kForm1Layout, "Button2")));
    ClickBoxButton(WaitForBox(L"Warning"), IDYES);
    ASSERT_TRUE(WaitUntil([&] { return Stored("Base", "Index") == "2"; }));
    EXPECT_EQ(Stored("HOT1", "HotKey"), "Ctrl+Alt+A");
    EXPECT_EQ(Stored("HOT2", "HotKey"), "Ctrl+Alt+C");
    EXPECT_EQ(Stored("HOT2", "Command"), "cmd3");
    EXPECT_EQ(Stored("HOT3", "HotKey"), "n/a");
    EXPECT_TRUE(WaitUntil([&] { return Selected() == L"Ctrl+Alt+C"; }));
}

TEST_F(EditorFlowTest, CancelInTheModulesSettingsClosesTheEditorWithNothingSaved) {
    Start({{"cancel.dll", "qv_cancel.dll"}}, {});
    OpenEditor("Button1");
    EnterHotKey(VK_F8, {VK_CONTROL, VK_SHIFT}, L"Shift+Ctrl+F8");
    PickAction('C', L"Cancelling action");
    Press(VK_RETURN);
    WaitForEditorClosed();
    EXPECT_EQ(LogLines(": Setting(").size(), 1u);
    EXPECT_EQ(Stored("Base", "Index"), "0");
    EXPECT_EQ(Stored("HOT1", "HotKey"), "n/a");
    EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(EditorFlowTest, TheEditorOnEachSkinWithTheCommentHiddenAndShown) {
    for (const wchar_t* skin : {L"Blue", L"Graphite", L"Sand"}) {
        const std::string name(skin, skin + wcslen(skin));
        SCOPED_TRACE(name);
        folder_.SetOption(L"PROGRAM", L"FILE_SKIN", (std::wstring(skin) + L".jpg").c_str());
        program_.reset();
        Start({{"rec.dll", "qv_complete.dll"}}, {});
        OpenEditor("Button1");
        HWND comment = EditorControl("Comment");
        FocusByClick(EditorControl("HotKey"));  // the editor is up and takes input
        SaveScreenshot("editor_" + name + "_comment_hidden");
        ClickCentre(EditorControl("Speed2"));
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(comment); }));
        SaveScreenshot("editor_" + name + "_comment_shown");
        Press(VK_ESCAPE);
        WaitForEditorClosed();
        program_->Kill();
    }
}

}  // namespace
}  // namespace quorvel::e2e
