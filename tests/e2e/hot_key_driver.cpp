#include "hot_key_driver.h"

#include <chrono>
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
             << "\r\nWarning=" << (c.warning ? "-1" : "0") << "\r\nComment=" << c.comment << "\r\n";
    }
    return text.str();
}

void WriteTextFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
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

void ClickCentre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

namespace {

INPUT MouseInput(POINT screen, DWORD flags) {
    // Absolute mouse positions run from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((screen.x * 65536 + width / 2) / width);
    input.mi.dy = LONG((screen.y * 65536 + height / 2) / height);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

}  // namespace

void MoveMouseTo(POINT screen) {
    INPUT move = MouseInput(screen, MOUSEEVENTF_MOVE);
    SendInput(1, &move, sizeof(INPUT));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    POINT at{};
    while (GetCursorPos(&at) && (at.x != screen.x || at.y != screen.y) &&
           std::chrono::steady_clock::now() < deadline)
        Sleep(5);
}

void ClickAt(POINT screen) {
    // The button goes down only once the pointer is there, so the press lands on the
    // window under it.
    MoveMouseTo(screen);
    INPUT click[2] = {MouseInput(screen, MOUSEEVENTF_LEFTDOWN),
                      MouseInput(screen, MOUSEEVENTF_LEFTUP)};
    SendInput(2, click, sizeof(INPUT));
}

bool CanRegister(UINT modifiers, UINT key) {
    if (!RegisterHotKey(nullptr, 0x7000, modifiers, key)) return false;
    UnregisterHotKey(nullptr, 0x7000);
    return true;
}

}  // namespace quorvel::e2e
