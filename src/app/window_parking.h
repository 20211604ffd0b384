#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/geometry.h"
#include "platform/message_dialogs.h"
#include "platform/parking_system.h"

namespace quorvel {

// Other programs' windows parked behind tray icons of their own: 51 slots, each a hidden
// window and the icon that brings it back. The menu commands act on the current slot,
// the one whose icon spoke last.
class WindowParking {
  public:
    static constexpr int kSlots = 51;
    static constexpr std::size_t kTipLength = 63;
    static constexpr const char* kNoCaptionTip = "Pardon, caption text not detected";

    // `popupMenu2` opens the parked icon's menu (Menu2) at a screen position.
    WindowParking(ParkingSystem& system, MessageDialogs& dialogs,
                  std::function<void(Point)> popupMenu2)
        : system_(system), dialogs_(dialogs), popupMenu2_(std::move(popupMenu2)) {}

    // The park message: hides the window behind an icon in the highest free slot.
    void ParkWindow(std::uintptr_t window);
    // The parked-icon message from the icon of `slot`.
    void IconMessage(std::uintptr_t slot, unsigned mouseMessage);

    // Menu2's commands on the current slot.
    void RestoreParked();
    void ParkedToTaskbar();
    void CloseParked();

    // The task bar restarted and took every icon with it: add the parked ones again.
    void AddIconsAgain();
    // The program ends: no window stays hidden with nobody to bring it back.
    void ShowAllAgain();

  private:
    struct Slot {
        std::uintptr_t window = 0;
        std::uintptr_t icon = 0;
        std::string tip;
    };

    std::optional<int> FreeSlot() const;
    std::string TipOf(std::uintptr_t window);
    std::uintptr_t IconOf(std::uintptr_t window);
    // The current slot's window when there is one still alive; a window that has gone
    // since it was parked loses its icon and its slot here.
    std::optional<std::uintptr_t> CurrentWindow();
    void Free(int slot);

    ParkingSystem& system_;
    MessageDialogs& dialogs_;
    std::function<void(Point)> popupMenu2_;
    std::array<Slot, kSlots> slots_{};
    std::optional<int> current_;
};

}  // namespace quorvel
