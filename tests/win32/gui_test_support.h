#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

// What the user does, done from a second thread while the GUI thread sits in a modal
// loop: find a window, press its buttons, read its texts.
class UserThread {
  public:
    explicit UserThread(std::function<void()> actions) : thread_(std::move(actions)) {}
    ~UserThread() { thread_.join(); }
    UserThread(const UserThread&) = delete;
    UserThread& operator=(const UserThread&) = delete;

  private:
    std::thread thread_;
};

// A visible top-level window of this process with the class and caption; null after the
// time is up.
HWND WaitForWindow(const wchar_t* className, const std::wstring& caption,
                   std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Waits until the window is gone (destroyed or hidden); false when it stays.
bool WaitUntilGone(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Presses a button of a window (by control id) as a click would.
void PressButton(HWND window, int id);

// A key pressed while the window's focused control (or the window) has the focus.
void PressKey(HWND window, UINT virtualKey);

std::wstring TextOf(HWND window);

// The texts of the window's static (label) children, joined by "|".
std::wstring StaticTexts(HWND window);

// Runs the toolkit's loop until the condition holds or the time is up; true when it held.
bool PumpUntil(Win32Toolkit& toolkit, const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace quorvel::win32
