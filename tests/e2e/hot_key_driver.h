#pragma once

#include <windows.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace quorvel::e2e {

// One stored combination as a test writes it into DATA\BASE.INI; its command text is
// the one given, or "cmd" followed by its number.
struct Combination {
    std::string hotKey;
    bool checked = true;
    bool warning = false;
    std::string plugin = "rec.dll";
    std::string command{};
    std::string comment{};
};

// The whole combination list file for these combinations, numbered from 1.
std::string ListFile(const std::vector<Combination>& combinations);

void WriteTextFile(const std::filesystem::path& path, const std::string& text);

// One key pressed and released with its modifiers around it, in one SendInput call;
// every modifier is released first.
void Press(WORD key, std::initializer_list<WORD> modifiers = {});

// One key event, as the keyboard sends it: a key held down sends its down event again and
// again until it is let go.
void SendKey(WORD key, bool up);

// The real mouse moved to a screen position (returns once the pointer is there), or
// clicked with the left button there or at the centre of a window.
void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
void ClickCentre(HWND window);

// Whether this process could take the key combination, i.e. nobody holds it.
bool CanRegister(UINT modifiers, UINT key);

}  // namespace quorvel::e2e
