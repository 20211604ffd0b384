#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/window_messages.h"
#include "hotkeys/combination_store.h"
#include "hotkeys/held_key_watch.h"
#include "hotkeys/shortcut_text.h"
#include "platform/form.h"
#include "platform/system_hot_keys.h"
#include "platform/tray_icon.h"
#include "settings/options.h"

namespace quorvel {

// The hot key that cancels a confirmation request: Esc with no modifier.
constexpr int kCancelHotKeyId = 0;
constexpr unsigned kEscapeKey = 0x1B;

struct HotKeySplit {
    unsigned modifiers;
    unsigned virtualKey;
};
// A shortcut value as the system takes it for a hot key; never any other flag.
HotKeySplit ShortCutToModifiers(Shortcut value);

// Background mode and the system-wide hot keys of the stored combinations: registering
// them, and deciding on each press whether its action runs. What was registered is
// remembered, so leaving background mode releases exactly that without reading the list
// file, whatever a hand edit did to it meanwhile.
class HotKeyDispatcher {
  public:
    struct Hooks {
        std::function<void()> activateKeyboardLayout;
        // The disc watch, when the program has one.
        std::function<void()> startDiscWatch;
        std::function<void()> stopDiscWatch;
    };

    HotKeyDispatcher(CombinationStore& store, const Options& options, KeyNames& keyNames,
                     SystemHotKeys& hotKeys, FocusKeeper& focus, MessageDialogs& dialogs,
                     ModuleHost& host, TextLookup text, Form& mainWindow, TrayIcon& tray,
                     std::unique_ptr<Timer> heldKeyTimer, Hooks hooks);

    // Registers every enabled combination, after releasing what an earlier call registered.
    // A list that cannot be read releases whatever was registered before the fault and
    // raises it.
    void RegisterAllCombinations();
    void UnregisterAllCombinations();
    // The hot-key texts of the combinations the last registration could not take (another
    // program or the system holds them).
    const std::vector<std::string>& Unavailable() const { return unavailable_; }
    void OnFonMode();
    void OffFonMode();

    void OnHotKey(int id);
    void OnOfferBackground();

    // The main window's messages this owns; nothing for the others.
    std::optional<std::intptr_t> HandleMessage(unsigned message, std::uintptr_t wParam,
                                               std::intptr_t lParam);

    bool ConfirmationPending() const { return pending_; }

  private:
    void Run(int id);
    void EndRequest();
    void RememberFocus();
    void RestoreFocus();
    void TellUnavailable();

    CombinationStore& store_;
    const Options& options_;
    KeyNames& keyNames_;
    SystemHotKeys& hotKeys_;
    FocusKeeper& focus_;
    MessageDialogs& dialogs_;
    ModuleHost& host_;
    TextLookup text_;
    Form& mainWindow_;
    TrayIcon& tray_;
    HeldKeyWatch heldKey_;
    Hooks hooks_;

    std::map<int, HotKeySplit> registered_;
    std::vector<std::string> unavailable_;

    bool pending_ = false;
    // A combination pressed while the request showed; it runs once the request is gone.
    std::optional<int> pressedDuringRequest_;
    std::uint32_t focusThread_ = 0;
    std::uintptr_t focusWindow_ = 0;
};

}  // namespace quorvel
