#pragma once

#include <string>

#include "base/shortcut.h"
#include "platform/key_names.h"

namespace quorvel {

// The modifier bit of a modifier key's virtual-key code (either side), 0 for other keys.
Shortcut ModifierOfKey(unsigned virtualKey);

// The editor's hot-key field: what each key pressed in it does to the recorded combination,
// and the text it shows. It behaves as the system's hot-key control does, and records the
// Windows key too: a modifier pressed starts a new combination, shown as pending ("Ctrl+")
// while it is held and as "None" when it is let go alone; a key pressed with the modifiers
// held records the combination; Backspace alone clears. The window side passes each key
// with the modifiers held at that moment.
class HotKeyRecorder {
  public:
    enum class Outcome {
        kIgnored,   // nothing changed
        kPending,   // modifiers held, no key yet
        kRecorded,  // a whole combination
        kCleared,   // no combination
        kRefused,   // a combination Windows keeps for itself; the field keeps what it held
    };

    static constexpr char kNoneText[] = "None";

    explicit HotKeyRecorder(KeyNames& keyNames) : keyNames_(keyNames) {}

    // 0 while only modifiers are held.
    Shortcut Value() const { return pending_ ? kNoShortcut : value_; }
    void SetValue(Shortcut value);
    // The combination the last refused key would have made.
    Shortcut Refused() const { return refused_; }

    // Whether the field takes the key rather than the window: Tab and Shift+Tab move on,
    // Enter and Esc are the window's (Next, Cancel), everything else is recorded.
    static bool TakesKey(unsigned virtualKey, Shortcut held);
    // Whether the field takes a key going down before anything else sees it, a hot key of
    // another program included: every key it takes but the modifiers, which reach it as
    // usual (the combination another program holds is never a modifier alone).
    static bool TakesFirst(unsigned virtualKey, Shortcut held) {
        return ModifierOfKey(virtualKey) == 0 && TakesKey(virtualKey, held);
    }
    // `held` holds the kShortcut* bits of the modifiers down as the key event arrives.
    Outcome KeyDown(unsigned virtualKey, Shortcut held);
    Outcome KeyUp(unsigned virtualKey, Shortcut held);
    // The focus went elsewhere: modifiers released there are never seen here.
    Outcome FocusLost();

    std::string Text() const;

  private:
    KeyNames& keyNames_;
    Shortcut value_ = kNoShortcut;
    // Modifiers held while no key has come yet; `pending_` says whether a combination is
    // being started.
    bool pending_ = false;
    Shortcut heldModifiers_ = 0;
    Shortcut refused_ = 0;
};

}  // namespace quorvel
