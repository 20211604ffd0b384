#pragma once

// The window messages the main window answers, in one place: other programs (a second
// start, action modules) and the program's own dialogs send them by number.
namespace quorvel {

// The system's hot-key message.
inline constexpr unsigned kHotKeyMessage = 0x312;
// WParam 0 fogs the main window's picture, anything else draws it again with the title;
// the dialogs send it as they open and close.
inline constexpr unsigned kFogMessage = 0x485;
// WParam 0 enters background mode, anything else leaves it (a second start sends 1).
inline constexpr unsigned kBackgroundModeMessage = 0x486;
// Sent by action modules: offer to enter background mode again.
inline constexpr unsigned kOfferBackgroundMessage = 0x487;

// Sent by action modules: park the window in WParam behind a tray icon of its own.
inline constexpr unsigned kParkWindowMessage = 0x54D;
// The callback of a parked window's tray icon: WParam the slot, LParam the mouse message.
inline constexpr unsigned kParkedIconMessage = 0x54E;
// The mouse messages a tray icon reports.
inline constexpr unsigned kLeftButtonDownMessage = 0x201;
inline constexpr unsigned kRightButtonDownMessage = 0x204;

}  // namespace quorvel
