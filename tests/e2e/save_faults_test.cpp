// Saves of the real program when their file cannot be written: read-only, locked by another
// process, on a full disc, deleted, or replaced by a folder. Each save reports an error that
// names the file, the file stays as it was, the program goes on, and once the fault is gone
// the same save works.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include "hot_key_driver.h"
#include "program_driver.h"
#include "win32/test_hooks.h"
#include "window_search.h"
#include "windows/main_window.h"
#include "windows/options_dialog.h"

namespace quorvel::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The text with the value after `key` (a "KEY=" of the file) replaced.
std::string WithValue(std::string text, const std::string& key, const std::string& value) {
    const auto at = text.find(key) + key.size();
    text.replace(at, text.find_first_of("\r\n", at) - at, value);
    return text;
}

// The captions of the program's visible windows, to say what it shows instead.
std::string VisibleCaptions(DWORD processId) {
    std::string captions;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != processId || !IsWindowVisible(window)) continue;
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        captions += std::string("[") + text + "] ";
    }
    return captions;
}

// A fault that a save meets, and how it is taken away again.
struct Fault {
    const char* name;
    std::function<void(const fs::path&, HWND main)> make;
    std::function<void(const fs::path&, HWND main)> end;
};

class SaveFaultsTest : public ::testing::Test {
  protected:
    std::vector<Fault> Faults() {
        return {
            {"locked by another process",
             [this](const fs::path& file, HWND) {
                 // The program itself may be reading the file for a moment.
                 ASSERT_TRUE(WaitUntil([&] {
                     lock_ = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
                     return lock_ != INVALID_HANDLE_VALUE;
                 }));
             },
             [this](const fs::path&, HWND) { CloseHandle(lock_); }},
            {"read-only",
             [](const fs::path& file, HWND) {
                 SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
             },
             [](const fs::path& file, HWND) {
                 SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
             }},
            {"on a full disc",
             [](const fs::path&, HWND main) { SendMessageW(main, win32::kFullDiscMessage, 1, 0); },
             [](const fs::path&, HWND main) { SendMessageW(main, win32::kFullDiscMessage, 0, 0); }},
            {"deleted", [](const fs::path& file, HWND) { fs::remove(file); },
             [this](const fs::path& file, HWND) { WriteTextFile(file, before_); }},
            {"replaced by a folder",
             [](const fs::path& file, HWND) {
                 fs::remove(file);
                 fs::create_directory(file);
             },
             [this](const fs::path& file, HWND) {
                 fs::remove(file);
                 WriteTextFile(file, before_);
             }},
        };
    }

    // Runs `save` with the fault in place: an error box naming the file, closed with OK,
    // the program still running and the file as it was once the fault is gone.
    void SaveMeets(const Fault& fault, const fs::path& file, const std::string& name,
                   const std::function<void()>& save) {
        SCOPED_TRACE(fault.name);
        before_ = Bytes(file);
        fault.make(file, main_);
        // Ended also when a check fails, so no fault outlives the test.
        struct Ending {
            std::function<void()> end;
            ~Ending() {
                if (end) end();
            }
        } ending{[&] { fault.end(file, main_); }};
        save();
        HWND box = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            return (box = FindProgramWindow(program_->ProcessId(), L"Error")) != nullptr;
        })) << "no error; the program shows: "
            << VisibleCaptions(program_->ProcessId()) << " responds: "
            << SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, nullptr);
        std::string text;
        for (HWND child = FindWindowExW(box, nullptr, L"STATIC", nullptr); child;
             child = FindWindowExW(box, child, L"STATIC", nullptr)) {
            char line[512] = {};
            GetWindowTextA(child, line, sizeof line);
            text += line;
        }
        EXPECT_EQ(text.find("Unable to write to "), 0u) << text;
        EXPECT_NE(text.find(name), std::string::npos) << text;
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
        EXPECT_TRUE(program_->Running());
        std::exchange(ending.end, nullptr)();
        EXPECT_EQ(Bytes(file), before_) << "the file was changed";
    }

    // How the program names a file of its folder, from the folder on.
    std::string NameInFolder(const char* relative) {
        return folder_.Path().filename().string() + "\\" + relative;
    }

    void SetUp() override {
        folder_.SetOption(L"MESSAGE", L"DELETE_HOT_KEY", L"0");
        std::string list = "[Base]\r\nIndex=6\r\n";
        for (int n = 1; n <= 6; ++n) {
            list += "[HOT" + std::to_string(n) + "]\r\nHotKey=Ctrl+Alt+" + std::to_string(n) +
                    "\r\nPlugin=actions.dll,1\r\nChecked=-1\r\nCommand=\r\nWarning=0\r\n"
                    "Comment=\r\n";
        }
        WriteTextFile(folder_.File("DATA\\BASE.INI"), list);
        program_.emplace(folder_);
        main_ = WaitForMainWindow(*program_);
        ASSERT_NE(main_, nullptr);
    }

    ProgramFolder folder_;
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
    HANDLE lock_ = INVALID_HANDLE_VALUE;
    std::string before_;
};

TEST_F(SaveFaultsTest, OkOfTheOptionsDialog) {
    const fs::path file = folder_.File("Option.ini");
    for (const Fault& fault : Faults()) {
        // A hand edit the dialog reads as on and saves as -1, so every save changes the file.
        // (Made on the bytes: the system's profile functions in this process keep a copy of
        // the file that may predate the program's last save.)
        WriteTextFile(file, WithValue(Bytes(file), "FASTOPEN=", "1"));
        PostMessageW(ControlAt(main_, LayoutOf(kForm1Layout, "Button4")), BM_CLICK, 0, 0);
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            return (dialog = FindProgramWindow(program_->ProcessId(), L"Option")) != nullptr;
        }));
        HWND ok = ControlAt(dialog, LayoutOf(kForm3Layout, "Button1"));
        SaveMeets(fault, file, NameInFolder("Option.ini"),
                  [&] { PostMessageW(ok, BM_CLICK, 0, 0); });
        EXPECT_TRUE(IsWindowVisible(dialog)) << fault.name << ": the dialog keeps its values";
        PostMessageW(ok, BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); })) << fault.name;
        // The dialog also stores the CD drive it lists first, whichever the machine has.
        EXPECT_EQ(WithValue(Bytes(file), "\nDRIVE=", ""),
                  WithValue(WithValue(before_, "FASTOPEN=", "-1"), "\nDRIVE=", ""))
            << fault.name;
    }
}

TEST_F(SaveFaultsTest, DeleteOfACombination) {
    const fs::path file = folder_.File("DATA\\BASE.INI");
    HWND list = ControlAt(main_, LayoutOf(kForm1Layout, "List"));
    HWND deleteButton = ControlAt(main_, LayoutOf(kForm1Layout, "Button2"));
    int entries = 6;
    for (const Fault& fault : Faults()) {
        SaveMeets(fault, file, NameInFolder("DATA\\BASE.INI"),
                  [&] { PostMessageW(deleteButton, BM_CLICK, 0, 0); });
        PostMessageW(deleteButton, BM_CLICK, 0, 0);
        --entries;
        EXPECT_TRUE(WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == entries; }))
            << fault.name;
        EXPECT_NE(Bytes(file).find("Index=" + std::to_string(entries)), std::string::npos)
            << fault.name;
    }
}

}  // namespace
}  // namespace quorvel::e2e
