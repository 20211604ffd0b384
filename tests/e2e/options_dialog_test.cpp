// The options dialog of the real program, used with real input: options on three pages saved
// by Ok and left alone by Cancel (opened from the main window and from the tray), the
// language and the skin applied at once, and "Run at Startup" writing the logon autorun
// value. Every page is photographed into build/artifacts.
#include "windows/options_dialog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "base/window_messages.h"
#include "fakes/test_jpeg.h"
#include "hot_key_driver.h"
#include "program_driver.h"
#include "screen_capture.h"
#include "window_search.h"
#include "windows/about_box.h"
#include "windows/main_window.h"

namespace quorvel::e2e {
namespace {

constexpr UINT kTrayNotification = WM_APP + 1;
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

SIZE ClientSizeOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

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
    HWND Control(HWND dialog, const char* name) {
        return ControlAt(dialog, LayoutOf(kForm3Layout, name));
    }
    // Next or Back, clicked with the mouse, until the new page shows its first control.
    void Step(HWND dialog, const char* button, const char* firstControl) {
        ClickCentre(Control(dialog, button));
        HWND control = Control(dialog, firstControl);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(control); }))
            << button << " did nothing";
    }
    // Tab from the page button to the page's first control, where the keys go next.
    void TabTo(HWND dialog, const char* name) {
        HWND control = Control(dialog, name);
        Press(VK_TAB);
        EXPECT_TRUE(WaitUntil([&] {
            GUITHREADINFO info{.cbSize = sizeof info};
            return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) &&
                   info.hwndFocus == control;
        })) << "Tab did not reach "
            << name;
    }
    void WaitClosed(HWND dialog) {
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); })) << "still open";
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

TEST_F(OptionsDialogTest, OkSavesThePagesOptionsAndCancelFromTheTrayWritesNothing) {
    HWND dialog = OpenOptions();
    ASSERT_NE(dialog, nullptr);
    SaveScreenshot("options-page-1");
    Press(VK_TAB);
    Press(VK_TAB);
    Press(VK_SPACE);  // "Enable hot key" off
    Step(dialog, "S2", "C7");
    ClickCentre(Control(dialog, "C7"));  // "Disable fast call" on
    SaveScreenshot("options-page-2");
    Step(dialog, "S2", "Box");
    SaveScreenshot("options-page-3");
    Step(dialog, "S2", "ListSkin");
    SaveScreenshot("options-page-4");
    Step(dialog, "S2", "C6");
    // The folder box (the dialog's one edit box; the language list lies at the same place)
    // is off while the program's own folder is used.
    HWND folderEdit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    EXPECT_FALSE(IsWindowEnabled(folderEdit));
    ClickCentre(Control(dialog, "C6"));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(folderEdit); }));
    SaveScreenshot("options-page-5");
    Press(VK_RETURN);
    WaitClosed(dialog);
    EXPECT_EQ(folder_.Option(L"PROGRAM", L"ENABLE_ALL_HOT_KEY"), L"0");
    EXPECT_EQ(folder_.Option(L"TRAY", L"FASTOPEN"), L"-1");
    EXPECT_EQ(folder_.Option(L"MODULES", L"AUTO_PLUGIN_FOLDER"), L"0");

    const std::string before = FileBytes(folder_.File("Option.ini"));
    PostMessageW(main_, kBackgroundModeMessage, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main_); }));
    HWND tray = FindProgramWindowOfClass(program_.ProcessId(), L"QuorvelTrayIcon");
    ASSERT_NE(tray, nullptr);
    const bool opened = ChooseFromMenu(
        program_.ProcessId(), [&] { PostMessageW(tray, kTrayNotification, 0, WM_RBUTTONUP); }, 2,
        [&] { return (dialog = FindProgramWindow(program_.ProcessId(), L"Option")); });
    ASSERT_TRUE(opened) << "Setting in the tray menu did not open the dialog";
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
    Press(VK_TAB);
    Press(VK_SPACE);
    Press(VK_ESCAPE);
    WaitClosed(dialog);
    EXPECT_EQ(FileBytes(folder_.File("Option.ini")), before);
}

TEST_F(OptionsDialogTest, LoadLanguageRedrawsPageThreeAndTheMainWindowInTheNewLanguage) {
    HWND button1 = ControlAt(main_, LayoutOf(kForm1Layout, "Button1"));
    const std::wstring mainCaption = TextOf(button1);
    HWND dialog = OpenOptions();
    ASSERT_NE(dialog, nullptr);
    Step(dialog, "S2", "C7");
    Step(dialog, "S2", "Box");
    TabTo(dialog, "Box");
    const std::wstring languageButton = TextOf(Control(dialog, "Button3"));
    HWND box = Control(dialog, "Box");
    const std::wstring shown = TextOf(box);
    Press(VK_END);  // the last language listed: Russian
    ASSERT_TRUE(WaitUntil([&] { return TextOf(box) != shown; }));
    Press(VK_TAB);
    Press(VK_SPACE);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(button1) != mainCaption; }))
        << "the main window kept its captions";
    EXPECT_NE(TextOf(Control(dialog, "Button3")), languageButton);
    EXPECT_EQ(folder_.Option(L"PROGRAM", L"FILE_LANGUAGE"), L"Russian.TXT");
    SaveScreenshot("options-page-3-russian");
    Press(VK_ESCAPE);
    WaitClosed(dialog);
    EXPECT_EQ(folder_.Option(L"PROGRAM", L"FILE_LANGUAGE"), L"Russian.TXT") << "kept by Cancel";
}

TEST_F(OptionsDialogTest, LoadSkinResizesAndReshapesEveryWindow) {
    // A skin of another size than the shipped ones, so the change shows in every window.
    WriteTextFile(folder_.File("Wide.jpg"),
                  EncodeTestJpeg(260, 200, Rgb(60, 60, 70), Rgb(150, 150, 160)));
    HWND dialog = OpenOptions();
    ASSERT_NE(dialog, nullptr);
    for (const char* next : {"C7", "Box", "ListSkin"}) Step(dialog, "S2", next);
    TabTo(dialog, "ListSkin");
    Press(VK_END);  // Blue, Graphite, Sand, Wide
    Press(VK_TAB);
    Press(VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] { return ClientSizeOf(main_).cx == 260; })) << "not resized";
    EXPECT_EQ(ClientSizeOf(dialog).cx, 260);
    EXPECT_EQ(ClientSizeOf(dialog).cy, 200);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(main_, shape), ERROR);
    RECT box{};
    GetRgnBox(shape, &box);
    DeleteObject(shape);
    EXPECT_EQ(box.right, 260) << "the main window's shape is the new skin's";
    EXPECT_EQ(box.bottom, 200);
    EXPECT_EQ(folder_.Option(L"PROGRAM", L"FILE_SKIN"), L"Wide.jpg");
    SaveScreenshot("options-page-4-new-skin");
    Press(VK_ESCAPE);
    WaitClosed(dialog);

    PostMessageW(ControlAt(main_, LayoutOf(kForm1Layout, "Button5")), BM_CLICK, 0, 0);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        about = FindProgramWindow(program_.ProcessId(), L"About");
        return about && IsWindowVisible(about);
    }));
    EXPECT_EQ(ClientSizeOf(about).cx, 260);
    Press(VK_ESCAPE);
}

}  // namespace
}  // namespace quorvel::e2e
