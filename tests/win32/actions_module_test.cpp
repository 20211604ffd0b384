// The real actions.dll, loaded through the module loader as the program loads it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "support/window_wait.h"
#include "win32/text_conversion.h"
#include "win32/win32_module_loader.h"

namespace quorvel::win32 {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kCommandEdit = 100;  // the command dialog's edit box

std::unique_ptr<LoadedModule> LoadActions() {
    return Win32ModuleLoader().Load(fs::path(QUORVEL_ACTIONS_DLL).string());
}

// Answers the first visible dialog with this caption from another thread, as a user would.
class DialogAnswerer {
  public:
    DialogAnswerer(const wchar_t* caption, std::function<void(HWND)> answer)
        : thread_([this, caption, answer] {
              HWND dialog = nullptr;
              found_ = test_support::WaitUntil([&] {
                  dialog = FindWindowW(L"#32770", caption);
                  return dialog && IsWindowVisible(dialog);
              });
              if (found_) answer(dialog);
          }) {}
    ~DialogAnswerer() {
        if (thread_.joinable()) thread_.join();
    }
    bool Found() {
        thread_.join();
        thread_ = std::thread();
        return found_;
    }

  private:
    std::atomic<bool> found_{false};
    std::thread thread_;
};

std::wstring EditText(HWND dialog) {
    wchar_t text[512] = {};
    GetDlgItemTextW(dialog, kCommandEdit, text, 512);
    return text;
}

TEST(ActionsModule, ListsItsActionsWithTheInterfaceExports) {
    auto module = LoadActions();
    ASSERT_TRUE(module);
    for (ModuleExport which :
         {ModuleExport::kInformation, ModuleExport::kExpansionA, ModuleExport::kSetting,
          ModuleExport::kCommand, ModuleExport::kExecute}) {
        EXPECT_TRUE(module->Has(which)) << ExportName(which);
    }
    module->ExpansionA("English");
    EXPECT_EQ(module->Information(),
              "9,Run,Lock computer,Turn off monitor,Mute sound,Volume up,Volume down,Play/Pause,"
              "Minimize window,Park window in tray");
}

TEST(ActionsModule, RunAsksForTheTextToOpen) {
    auto module = LoadActions();
    ASSERT_TRUE(module);
    std::wstring shown;
    DialogAnswerer answer(L"Run", [&](HWND dialog) {
        shown = EditText(dialog);
        SetDlgItemTextW(dialog, kCommandEdit, L"\"C:\\Program Files\\t\u00e9st.exe\" /x");
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    module->Setting(0, "Ctrl+R", "notepad.exe", 1);
    EXPECT_TRUE(answer.Found());
    EXPECT_EQ(shown, L"notepad.exe");
    EXPECT_EQ(module->Command(), "\"C:\\Program Files\\t\xC3\xA9st.exe\" /x");
    EXPECT_EQ(module->Command(), "\"C:\\Program Files\\t\xC3\xA9st.exe\" /x");
}

TEST(ActionsModule, RunCancelledOrLeftEmpty) {
    auto module = LoadActions();
    ASSERT_TRUE(module);
    bool stayedOpen = false;
    {
        DialogAnswerer answer(L"Run", [&](HWND dialog) {
            // OK with no text keeps the dialog open; Cancel then ends it.
            SetDlgItemTextW(dialog, kCommandEdit, L"");
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            stayedOpen = IsWindowVisible(dialog);
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        module->Setting(0, "Ctrl+R", "", 1);
        EXPECT_TRUE(answer.Found());
    }
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(module->Command(), "NOCOMMAND");

    // Actions without a text ask nothing and give an empty command text.
    module->Setting(0, "Ctrl+M", "stale", 4);
    EXPECT_EQ(module->Command(), "");
}

TEST(ActionsModule, RunOpensAProgramWithItsArguments) {
    fs::path marker = fs::temp_directory_path() /
                      ("quorvel-run-" + std::to_string(GetCurrentProcessId()) + ".txt");
    fs::remove(marker);
    auto module = LoadActions();
    ASSERT_TRUE(module);
    module->Execute("Ctrl+R", "cmd.exe /c echo ran> \"" + marker.string() + "\"", 0, 1);
    EXPECT_TRUE(test_support::WaitUntil([&] { return fs::exists(marker); }));
    std::error_code ignored;
    fs::remove(marker, ignored);
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM text) {
    wchar_t name[16] = {}, buffer[512] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextW(child, buffer, 512) > 0) {
        *reinterpret_cast<std::wstring*>(text) += buffer;
    }
    return TRUE;
}

TEST(ActionsModule, RunReportsWhatCannotBeOpened) {
    auto module = LoadActions();
    ASSERT_TRUE(module);
    std::wstring text;
    DialogAnswerer answer(L"Run", [&](HWND box) {
        // The message box's text is its static control (whose identifier differs by system).
        EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    module->Execute("Ctrl+R", "C:\\no\\such\\program.exe", 0, 1);
    EXPECT_TRUE(answer.Found());
    EXPECT_THAT(text, testing::StartsWith(L"Could not open \"C:\\no\\such\\program.exe\"."));
}

TEST(ActionsModule, MinimizesTheForegroundWindow) {
    HWND window = CreateWindowExW(0, L"STATIC", L"Foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  100, 100, 200, 150, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(window);
    ASSERT_TRUE(test_support::WaitUntil([&] { return GetForegroundWindow() == window; }));
    auto module = LoadActions();
    ASSERT_TRUE(module);
    module->Execute("Ctrl+N", "", 0, 8);
    EXPECT_TRUE(test_support::WaitUntil([&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        return IsIconic(window) != FALSE;
    }));
    DestroyWindow(window);
}

}  // namespace
}  // namespace quorvel::win32
