#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/form.h"

namespace quorvel {

// The type gives the icon and, unless the request names one, the caption.
enum class DialogType {
    kWarning,      // "kWarning", warning icon
    kInformation,  // "kInformation", information icon
    kError,        // "kError", error icon
    kConfirm,      // "kConfirm", question icon
    kPlain,        // "Quorvel", no icon
};

enum class DialogButtons { kOk, kYesNo, kYesCancel, kYesNoCancel, kYesAbort };

struct MessageRequest {
    DialogType type = DialogType::kPlain;
    std::string text{};
    DialogButtons buttons = DialogButtons::kOk;
    std::optional<ModalResult> defaultButton{};  // none: the first button
    std::string caption{};                       // empty: the caption of the type
    bool beep = false;                           // the exclamation sound before the dialog
};

// The program's own message dialogs: modal over the active window of the program. Esc
// and the close box answer Cancel, except for Yes + No, which has no Cancel: there they
// answer No, so the answer is always one of the buttons shown.
class MessageDialogs {
  public:
    virtual ~MessageDialogs() = default;

    virtual ModalResult Show(const MessageRequest& request) = 0;
    // The exclamation sound (MessageBeep 0x30).
    virtual void Beep() = 0;
    // Ends an open dialog with this caption as its close box does; false when none is open.
    virtual bool CloseOpen(const std::string& caption) = 0;
};

// The buttons of a set, left to right.
inline std::vector<ModalResult> ButtonsOf(DialogButtons buttons) {
    switch (buttons) {
        case DialogButtons::kOk:
            return {ModalResult::kOk};
        case DialogButtons::kYesNo:
            return {ModalResult::kYes, ModalResult::kNo};
        case DialogButtons::kYesCancel:
            return {ModalResult::kYes, ModalResult::kCancel};
        case DialogButtons::kYesNoCancel:
            return {ModalResult::kYes, ModalResult::kNo, ModalResult::kCancel};
        case DialogButtons::kYesAbort:
            return {ModalResult::kYes, ModalResult::kAbort};
    }
    return {ModalResult::kOk};
}

inline std::string CaptionOf(const MessageRequest& request) {
    if (!request.caption.empty()) return request.caption;
    switch (request.type) {
        case DialogType::kWarning:
            return "Warning";
        case DialogType::kInformation:
            return "Information";
        case DialogType::kError:
            return "Error";
        case DialogType::kConfirm:
            return "Confirm";
        case DialogType::kPlain:
            break;
    }
    return "Quorvel";
}

// The requested default button when the set has it, else the first button.
inline ModalResult DefaultButtonOf(const MessageRequest& request) {
    const auto buttons = ButtonsOf(request.buttons);
    for (ModalResult button : buttons)
        if (request.defaultButton == button) return button;
    return buttons.front();
}

// What Esc and the close box answer.
inline ModalResult EscapeResultOf(DialogButtons buttons) {
    return buttons == DialogButtons::kYesNo ? ModalResult::kNo : ModalResult::kCancel;
}

}  // namespace quorvel
