#pragma once

#include <cstdint>
#include <string>

#include "base/geometry.h"

namespace quorvel {

// Where a parked window's tray icon picture may come from, in the order they are tried.
enum class IconSource {
    kWindowSmall,    // the window's own small icon
    kWindowBig,      // the window's own big icon
    kClassSmall,     // its window class's small icon
    kClass,          // its window class's icon
    kSystemDefault,  // the system's default window icon
};

enum class WindowShow { kHide, kShow, kRestore, kMinimize };

// What parking another program's top-level window behind a tray icon needs from the system.
// Windows are the system's handles, as a module passes them. The icons belong to the main
// window: their mouse messages reach it as the parked-icon message, WParam the slot.
class ParkingSystem {
  public:
    virtual ~ParkingSystem() = default;

    // The task bar's window, or 0 when there is none.
    virtual std::uintptr_t TaskBarWindow() = 0;
    virtual bool WindowExists(std::uintptr_t window) = 0;
    // The caption's length as the window reports it, and the caption read with that length.
    virtual int CaptionLength(std::uintptr_t window) = 0;
    virtual std::string Caption(std::uintptr_t window, int length) = 0;
    // The icon from one source, or 0 when that source has none.
    virtual std::uintptr_t Icon(std::uintptr_t window, IconSource source) = 0;

    // Adds the tray icon of a slot; false when the shell refuses it.
    virtual bool AddIcon(int slot, std::uintptr_t icon, const std::string& tip) = 0;
    virtual void RemoveIcon(int slot) = 0;

    virtual void ShowWindow(std::uintptr_t window, WindowShow how) = 0;
    virtual void BringToForeground(std::uintptr_t window) = 0;
    // Asks the window to close as its own close button would; its program may ask its user
    // first or refuse. Does not wait for the answer.
    virtual void AskToClose(std::uintptr_t window) = 0;
    virtual Point CursorPosition() = 0;
};

}  // namespace quorvel
