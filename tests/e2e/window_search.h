#pragma once

// Finding the real program's windows, controls and menus from the test process.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/layout.h"

namespace quorvel::e2e {

std::wstring ClassOf(HWND window);
// A window's text as the window itself answers it (also another process's control, such
// as the shown entry of a drop-down list).
std::wstring TextOf(HWND window);
RECT WindowRect(HWND window);

// The child control whose rectangle (in the window's client coordinates) is the layout's.
HWND ControlAt(HWND window, const ControlLayout& layout);
const ControlLayout& LayoutOf(const FormLayout& form, std::string_view name);

// The program's popup menus on the screen (a submenu is a window of its own).
std::vector<HWND> VisibleMenus(DWORD processId);

// Opens a popup menu of the process with `open` and picks its n-th item (separators are
// skipped) by the keyboard until `chosen` holds. The keys go one by one once the menu's own
// loop runs. Under Wine a menu opened right after a window hid can be closed at once by the
// activation moving on, or miss keys sent before its loop runs; like a user, it is then
// opened again. False when three tries did nothing.
bool ChooseFromMenu(DWORD processId, const std::function<void()>& open, int n,
                    const std::function<bool()>& chosen);

// A hidden or visible top-level window of the process with this class (and this title,
// when one is given), or null.
HWND FindProgramWindowOfClass(DWORD processId, const wchar_t* className,
                              const wchar_t* title = nullptr);

// The process's windows that the task bar and Alt+Tab list: visible top-level windows with
// no owner that are not tool windows (or are marked as application windows).
std::vector<HWND> TaskBarWindows(DWORD processId);

// The icons of the notification area, oldest first (under Wine: the child windows of its
// stand-alone tray window).
std::vector<HWND> TrayIconWindows();

}  // namespace quorvel::e2e
