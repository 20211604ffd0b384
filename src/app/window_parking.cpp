#include "app/window_parking.h"

#include "base/window_messages.h"

namespace quorvel {

namespace {

// Cut at a byte limit without splitting a UTF-8 sequence (the program's code page).
std::string CutText(std::string text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.resize(cut);
    return text;
}

}  // namespace

// The highest free slot: the first window parked takes the last slot.
std::optional<int> WindowParking::FreeSlot() const {
    for (int slot = kSlots - 1; slot >= 0; --slot)
        if (slots_[std::size_t(slot)].window == 0) return slot;
    return std::nullopt;
}

std::string WindowParking::TipOf(std::uintptr_t window) {
    const int length = system_.CaptionLength(window) + 1;
    if (length <= 1) return kNoCaptionTip;
    return CutText(system_.Caption(window, length), kTipLength);
}

std::uintptr_t WindowParking::IconOf(std::uintptr_t window) {
    for (IconSource source : {IconSource::kWindowSmall, IconSource::kWindowBig,
                              IconSource::kClassSmall, IconSource::kClass})
        if (std::uintptr_t icon = system_.Icon(window, source)) return icon;
    return system_.Icon(window, IconSource::kSystemDefault);
}

void WindowParking::ParkWindow(std::uintptr_t window) {
    if (window == system_.TaskBarWindow()) return;
    const std::optional<int> slot = FreeSlot();
    if (!slot) {
        // Every slot holds a window: say so and leave the window as it is.
        dialogs_.Beep();
        return;
    }
    Slot parked{.window = window, .icon = IconOf(window), .tip = TipOf(window)};
    // Hidden only with an icon to bring it back.
    if (!system_.AddIcon(*slot, parked.icon, parked.tip)) return;
    slots_[std::size_t(*slot)] = std::move(parked);
    system_.ShowWindow(window, WindowShow::kHide);
}

void WindowParking::IconMessage(std::uintptr_t slot, unsigned mouseMessage) {
    if (slot >= std::uintptr_t(kSlots)) return;
    current_ = int(slot);
    if (mouseMessage == kLeftButtonDownMessage) {
        RestoreParked();
    } else if (mouseMessage == kRightButtonDownMessage) {
        if (CurrentWindow()) popupMenu2_(system_.CursorPosition());
    }
}

std::optional<std::uintptr_t> WindowParking::CurrentWindow() {
    if (!current_) return std::nullopt;
    const std::uintptr_t window = slots_[std::size_t(*current_)].window;
    if (window == 0) return std::nullopt;
    if (!system_.WindowExists(window)) {
        Free(*current_);
        return std::nullopt;
    }
    return window;
}

void WindowParking::Free(int slot) {
    system_.RemoveIcon(slot);
    slots_[std::size_t(slot)] = {};
}

void WindowParking::RestoreParked() {
    const std::optional<std::uintptr_t> window = CurrentWindow();
    if (!window) return;
    system_.BringToForeground(*window);
    system_.ShowWindow(*window, WindowShow::kRestore);
    system_.ShowWindow(*window, WindowShow::kShow);
    Free(*current_);
}

void WindowParking::ParkedToTaskbar() {
    const std::optional<std::uintptr_t> window = CurrentWindow();
    if (!window) return;
    system_.ShowWindow(*window, WindowShow::kRestore);
    system_.ShowWindow(*window, WindowShow::kMinimize);
    Free(*current_);
}

// Close, not destroy: the window's program may still ask to save its user's work. It is
// shown first, so a window that asks or refuses is not left hidden without an icon.
void WindowParking::CloseParked() {
    const std::optional<std::uintptr_t> window = CurrentWindow();
    if (!window) return;
    system_.ShowWindow(*window, WindowShow::kShow);
    system_.AskToClose(*window);
    Free(*current_);
}

void WindowParking::AddIconsAgain() {
    for (int slot = 0; slot < kSlots; ++slot) {
        const Slot& parked = slots_[std::size_t(slot)];
        if (parked.window != 0) system_.AddIcon(slot, parked.icon, parked.tip);
    }
}

void WindowParking::ShowAllAgain() {
    for (int slot = 0; slot < kSlots; ++slot) {
        const std::uintptr_t window = slots_[std::size_t(slot)].window;
        if (window == 0) continue;
        if (system_.WindowExists(window)) system_.ShowWindow(window, WindowShow::kShow);
        Free(slot);
    }
}

}  // namespace quorvel
