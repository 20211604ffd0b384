#include "hotkeys/dispatch.h"

#include "hotkeys/unavailable_keys.h"
#include "settings/value_text.h"

namespace quorvel {

HotKeySplit ShortCutToModifiers(Shortcut value) {
    unsigned modifiers = 0;
    if (value & kShortcutAlt) modifiers |= kModAlt;
    if (value & kShortcutCtrl) modifiers |= kModControl;
    if (value & kShortcutShift) modifiers |= kModShift;
    if (value & kShortcutWin) modifiers |= kModWin;
    return {modifiers, unsigned(value & kShortcutKeyMask)};
}

HotKeyDispatcher::HotKeyDispatcher(CombinationStore& store, const Options& options,
                                   KeyNames& keyNames, SystemHotKeys& hotKeys, FocusKeeper& focus,
                                   MessageDialogs& dialogs, ModuleHost& host, TextLookup text,
                                   Form& mainWindow, TrayIcon& tray,
                                   std::unique_ptr<Timer> heldKeyTimer, Hooks hooks)
    : store_(store),
      options_(options),
      keyNames_(keyNames),
      hotKeys_(hotKeys),
      focus_(focus),
      dialogs_(dialogs),
      host_(host),
      text_(std::move(text)),
      mainWindow_(mainWindow),
      tray_(tray),
      heldKey_(hotKeys, std::move(heldKeyTimer)),
      hooks_(std::move(hooks)) {}

void HotKeyDispatcher::RegisterAllCombinations() {
    // Registering twice would fail for every identifier still held from the last time.
    UnregisterAllCombinations();
    std::vector<std::string> unavailable;
    try {
        const int count = store_.StoredCount();
        for (int n = 1; n <= count; ++n) {
            if (!ParseBoolean(store_.ReadValue(n, "Checked"))) continue;
            const std::string text = store_.ReadValue(n, "HotKey");
            const auto split = ShortCutToModifiers(TextToShortCut(text, keyNames_));
            // A key another program holds does not fire; it is named, not kept quiet.
            if (hotKeys_.Register(n, split.modifiers | kModNoRepeat, split.virtualKey))
                registered_[n] = split;
            else
                unavailable.push_back(text);
        }
    } catch (...) {
        UnregisterAllCombinations();
        throw;
    }
    unavailable_ = std::move(unavailable);
    store_.MarkUnavailable(unavailable_);
}

void HotKeyDispatcher::UnregisterAllCombinations() {
    for (const auto& [n, keys] : registered_) hotKeys_.Unregister(n);
    registered_.clear();
}

void HotKeyDispatcher::OnFonMode() {
    if (hooks_.activateKeyboardLayout) hooks_.activateKeyboardLayout();
    // A list that cannot be read leaves the program shown, with nothing registered.
    RegisterAllCombinations();
    // Hidden, the main window has no task-bar button; the tray icon stands for it.
    mainWindow_.Hide();
    tray_.SetActive(true);
    tray_.SetImageIndex(0);
    TellUnavailable();
    if (hooks_.startDiscWatch && options_.Read(option::kDiskInDrive)) hooks_.startDiscWatch();
}

void HotKeyDispatcher::TellUnavailable() {
    if (unavailable_.empty()) return;
    tray_.ShowBalloon(kUnavailableTitle, UnavailableBalloonText(unavailable_));
}

void HotKeyDispatcher::OffFonMode() {
    // Nothing before the window is back reads a file: the way back cannot fail.
    UnregisterAllCombinations();
    tray_.SetActive(false);
    if (hooks_.stopDiscWatch) hooks_.stopDiscWatch();
    tray_.SetImageIndex(0);
    mainWindow_.Show();
    mainWindow_.BringToFront();
    // The list may have been edited by hand meanwhile; a fault in it is reported now, once,
    // over the shown window.
    store_.ReloadList();
}

void HotKeyDispatcher::OnHotKey(int id) {
    if (id != kCancelHotKeyId) {
        // A held combination fires once: neither runs twice nor confirms its own request.
        if (heldKey_.Repeats(id)) return;
        if (const auto keys = registered_.find(id); keys != registered_.end())
            heldKey_.Pressed(id, keys->second.virtualKey);
    }
    if (pending_) {
        // A press while the request shows answers it: Esc cancels, any combination runs.
        hotKeys_.Unregister(kCancelHotKeyId);
        const bool closed = dialogs_.CloseOpen("Warning");
        pending_ = false;
        RestoreFocus();
        if (id == kCancelHotKeyId) return;
        // The request's own handler runs it once the box has gone; with no box to close
        // there is no such handler waiting, so it runs here.
        if (closed)
            pressedDuringRequest_ = id;
        else
            Run(id);
        return;
    }
    // Esc belongs to a request only; one that arrives after the request ended (pressed
    // twice quickly, both presses queued before the first one released Esc) is no
    // combination and must not be looked up as one.
    if (id == kCancelHotKeyId) return;
    if (!options_.Read(option::kEnableAllHotKey)) {
        UnregisterAllCombinations();
        return;
    }
    if (ParseBoolean(store_.ReadValue(id, "Warning"))) {
        RememberFocus();
        dialogs_.Beep();
        pending_ = true;
        pressedDuringRequest_.reset();
        hotKeys_.Register(kCancelHotKeyId, kModNoRepeat, kEscapeKey);
        const ModalResult answer = dialogs_.Show(
            {.type = DialogType::kWarning,
             .text = text_(LanguageText::kMsgExecuteHotkey) + '\r' + store_.ReadValue(id, "HotKey"),
             .buttons = DialogButtons::kYesAbort,
             .defaultButton = ModalResult::kYes,
             .caption = "Warning"});
        if (!pending_) {
            // A nested press ended the request and did the rest.
            const auto pressed = pressedDuringRequest_;
            pressedDuringRequest_.reset();
            if (pressed) Run(*pressed);
            return;
        }
        EndRequest();
        if (answer != ModalResult::kYes) return;
    }
    Run(id);
}

void HotKeyDispatcher::EndRequest() {
    pending_ = false;
    hotKeys_.Unregister(kCancelHotKeyId);
    RestoreFocus();
}

void HotKeyDispatcher::Run(int id) {
    if (!ParseBoolean(store_.ReadValue(id, "Checked"))) return;
    // A press while a module runs is dropped by the host, not queued.
    host_.RunAction(id);
}

void HotKeyDispatcher::OnOfferBackground() {
    if (!options_.Read(option::kDisableFoneModes)) return;
    const ModalResult answer = dialogs_.Show({.type = DialogType::kInformation,
                                              .text = text_(LanguageText::kMsgDisableFoneModes),
                                              .buttons = DialogButtons::kYesCancel,
                                              .beep = true});
    if (answer == ModalResult::kCancel) OnFonMode();
}

std::optional<std::intptr_t> HotKeyDispatcher::HandleMessage(unsigned message,
                                                             std::uintptr_t wParam, std::intptr_t) {
    switch (message) {
        case kHotKeyMessage:
            OnHotKey(int(wParam));
            return 0;
        case kBackgroundModeMessage:
            if (wParam == 0)
                OnFonMode();
            else
                OffFonMode();
            return 0;
        case kOfferBackgroundMessage:
            OnOfferBackground();
            return 0;
        default:
            return std::nullopt;
    }
}

void HotKeyDispatcher::RememberFocus() {
    focusThread_ = focus_.ForegroundThread();
    if (focusThread_ == focus_.OwnThread()) return;
    const bool attached = focus_.AttachInput(focusThread_, true);
    focusWindow_ = focus_.FocusedWindow();
    if (attached) focus_.AttachInput(focusThread_, false);
}

void HotKeyDispatcher::RestoreFocus() {
    if (focusThread_ == focus_.OwnThread()) return;
    const bool attached = focus_.AttachInput(focusThread_, true);
    focus_.SetFocus(focusWindow_);
    if (attached) focus_.AttachInput(focusThread_, false);
}

}  // namespace quorvel
