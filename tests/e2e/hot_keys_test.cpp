// Key presses made with SendInput reach the real program's combinations in background
// mode; the recording plug-in logs every Execute it gets.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "program_driver.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr UINT kBackgroundMessage = 0x486;
constexpr UINT kOfferBackgroundMessage = 0x487;

struct Combination {
    std::string hotKey;
    bool checked = true;
    bool warning = false;
    std::string plugin = "rec.dll";
};

std::string ListFile(const std::vector<Combination>& combinations) {
    std::ostringstream text;
    text << "[Base]\r\nIndex=" << combinations.size() << "\r\n";
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        const Combination& c = combinations[i];
        text << "[HOT" << i + 1 << "]\r\nHotKey=" << c.hotKey << "\r\nPlugin=" << c.plugin
             << "\r\nChecked=" << (c.checked ? "-1" : "0") << "\r\nCommand=cmd" << i + 1
             << "\r\nWarning=" << (c.warning ? "-1" : "0") << "\r\nComment=\r\n";
    }
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// One key, pressed and released with its modifiers around it.
void Press(WORD key, std::initializer_list<WORD> modifiers = {}) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    // A modifier left down by an earlier test would make this a different combination.
    for (WORD m : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN}) add(m, true);
    for (WORD m : modifiers) add(m, false);
    add(key, false);
    add(key, true);
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) add(*m, true);
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The free-ness of a key combination: this process can take it when nobody holds it.
bool CanRegister(UINT modifiers, UINT key) {
    if (!RegisterHotKey(nullptr, 0x7000, modifiers, key)) return false;
    UnregisterHotKey(nullptr, 0x7000);
    return true;
}

class HotKeysTest : public ::testing::Test {
  protected:
    void Start(const std::vector<Combination>& combinations) {
        fs::create_directories(folder_.File("PLUGIN"));
        fs::copy_file(fs::path(QUORVEL_TEST_MODULES_DIR) / "qv_complete.dll",
                      folder_.File("PLUGIN\\rec.dll"));
        fs::copy_file(fs::path(QUORVEL_TEST_MODULES_DIR) / "qv_modal.dll",
                      folder_.File("PLUGIN\\modal.dll"));
        WriteFile(folder_.File("DATA\\BASE.INI"), ListFile(combinations));
        SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG", log_.wstring().c_str());
        program_.emplace(folder_);
        ASSERT_TRUE(WaitUntil([&] {
            return (main_ = FindProgramWindow(program_->ProcessId(), L"ZORIZED3")) != nullptr;
        })) << "the main window never appeared";
    }
    void EnterBackground() {
        SendMessageW(main_, kBackgroundMessage, 0, 0);
        ASSERT_FALSE(IsWindowVisible(main_));
        // The desktop settles (focus moves off the hidden window) before the first press.
        std::this_thread::sleep_for(300ms);
    }
    std::vector<std::string> Executes() {
        std::ifstream in(log_, std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.find(": Execute(") != std::string::npos) lines.push_back(line);
        }
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
    HWND WaitForWarning() {
        HWND box = nullptr;
        WaitUntil([&] {
            return (box = FindProgramWindow(program_->ProcessId(), L"Warning")) != nullptr;
        });
        return box;
    }

    ProgramFolder folder_;
    fs::path log_ = folder_.File("module.log");
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
};

TEST_F(HotKeysTest, APressRunsTheBoundActionOnceAndShiftCountsAsPartOfTheKey) {
    Start({{"Ctrl+Alt+Q"}, {"Shift+W"}, {"Ctrl+Alt+E", false}});
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
}

TEST_F(HotKeysTest, LeavingBackgroundModeReleasesEveryCombination) {
    Start({{"Ctrl+Alt+Q"}, {"Shift+W"}});
    EnterBackground();
    EXPECT_FALSE(CanRegister(MOD_SHIFT, 'W'));
    SendMessageW(main_, kBackgroundMessage, 1, 0);
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
    WriteFile(folder_.File("Option.ini"), options);
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
    WriteFile(folder_.File("DATA\\BASE.INI"), ListFile({edited}));
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

}  // namespace
}  // namespace quorvel::e2e
