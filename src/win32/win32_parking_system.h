#pragma once

#include <map>

#include "platform/parking_system.h"
#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// Other programs' windows and the parked icons, which belong to the main window: the shell
// reports their mouse messages to it as the parked-icon message.
class Win32ParkingSystem : public ParkingSystem {
  public:
    explicit Win32ParkingSystem(HWND mainWindow);
    ~Win32ParkingSystem() override;
    Win32ParkingSystem(const Win32ParkingSystem&) = delete;
    Win32ParkingSystem& operator=(const Win32ParkingSystem&) = delete;

    std::uintptr_t TaskBarWindow() override;
    bool WindowExists(std::uintptr_t window) override;
    int CaptionLength(std::uintptr_t window) override;
    std::string Caption(std::uintptr_t window, int length) override;
    std::uintptr_t Icon(std::uintptr_t window, IconSource source) override;
    bool AddIcon(int slot, std::uintptr_t icon, const std::string& tip) override;
    void RemoveIcon(int slot) override;
    void ShowWindow(std::uintptr_t window, WindowShow how) override;
    void BringToForeground(std::uintptr_t window) override;
    void AskToClose(std::uintptr_t window) override;
    Point CursorPosition() override;

  private:
    HWND mainWindow_;
    // Each icon shown keeps a copy of its picture: the parked window's program may destroy
    // its own while the task bar could still ask for it again.
    std::map<int, UniqueIcon> icons_;
};

}  // namespace quorvel::win32
