#include "app/tray_control.h"

namespace quorvel {

void TrayControl::ShowMainWindow(const std::string& question) {
    if (confirmationOpen_) return;
    if (MayLeave(question, false)) actions_.leaveBackgroundMode();
}

void TrayControl::Click(const std::string& question) {
    if (confirmationOpen_) return;
    if (options_.Read(option::kFastOpen)) return;
    // The question must get the keyboard: the click came from the notification area.
    if (MayLeave(question, true)) actions_.leaveBackgroundMode();
}

bool TrayControl::MayLeave(const std::string& question, bool bringToForeground) {
    if (!options_.Read(option::kDisableFoneModes)) return true;
    if (bringToForeground) actions_.bringToForeground();
    confirmationOpen_ = true;
    ModalResult answer = ModalResult::kCancel;
    try {
        answer = dialogs_.Show({.type = DialogType::kInformation,
                                .text = question,
                                .buttons = DialogButtons::kYesCancel,
                                .beep = true});
    } catch (...) {
        confirmationOpen_ = false;
        throw;
    }
    confirmationOpen_ = false;
    return answer != ModalResult::kCancel;
}

}  // namespace quorvel
