#include "hot_key_driver.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace quorvel::e2e {

std::string ListFile(const std::vector<Combination>& combinations) {
    std::ostringstream text;
    text << "[Base]\r\nIndex=" << combinations.size() << "\r\n";
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        const Combination& c = combinations[i];
        const std::string command = c.command.empty() ? "cmd" + std::to_string(i + 1) : c.command;
        text << "[HOT" << i + 1 << "]\r\nHotKey=" << c.hotKey << "\r\nPlugin=" << c.plugin
             << "\r\nChecked=" << (c.checked ? "-1" : "0") << "\r\nCommand=" << command
             << "\r\nWarning=" << (c.warning ? "-1" : "0") << "\r\nComment=\r\n";
    }
    return text.str();
}

void WriteTextFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void Press(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    // A modifier left down by an earlier press would make this a different combination.
    for (WORD m : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN}) add(m, true);
    for (WORD m : modifiers) add(m, false);
    add(key, false);
    add(key, true);
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m) add(*m, true);
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool CanRegister(UINT modifiers, UINT key) {
    if (!RegisterHotKey(nullptr, 0x7000, modifiers, key)) return false;
    UnregisterHotKey(nullptr, 0x7000);
    return true;
}

}  // namespace quorvel::e2e
