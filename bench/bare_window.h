// The start floor: a bare window shown with a message loop, built like the program.
#pragma once

#include <windows.h>

namespace quorvel::bench {

// Runs until the window is closed or the thread is told to quit. addChildren, when given,
// adds child windows to the window before it is shown.
int RunBareWindow(const wchar_t* caption, void (*addChildren)(HWND window) = nullptr);

}  // namespace quorvel::bench
