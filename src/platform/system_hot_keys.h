#pragma once

#include <cstdint>

namespace quorvel {

// Modifier flags as the system takes them for a hot key.
constexpr unsigned kModAlt = 1;
constexpr unsigned kModControl = 2;
constexpr unsigned kModShift = 4;
constexpr unsigned kModWin = 8;
// A held key fires once, not at the keyboard's repeat rate.
constexpr unsigned kModNoRepeat = 0x4000;

// System-wide hot keys registered on the main window; a press arrives there as the
// hot-key message with the identifier.
class SystemHotKeys {
  public:
    virtual ~SystemHotKeys() = default;
    // False when the system refuses (another program holds the keys, the identifier is
    // taken); the caller decides whether that matters.
    virtual bool Register(int id, unsigned modifiers, unsigned virtualKey) = 0;
    virtual bool Unregister(int id) = 0;
    // Whether the key is down at this moment.
    virtual bool KeyDown(unsigned virtualKey) = 0;
};

// Moving the keyboard focus back to where it was before the program asked a question.
class FocusKeeper {
  public:
    virtual ~FocusKeeper() = default;
    // The thread of the current foreground window (0 when there is none).
    virtual std::uint32_t ForegroundThread() = 0;
    virtual std::uint32_t OwnThread() = 0;
    // Attaches (or detaches) the program's input to a thread; true when it worked.
    virtual bool AttachInput(std::uint32_t thread, bool attach) = 0;
    virtual std::uintptr_t FocusedWindow() = 0;
    virtual void SetFocus(std::uintptr_t window) = 0;
};

}  // namespace quorvel
