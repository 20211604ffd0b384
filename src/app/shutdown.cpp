#include "app/shutdown.h"

namespace quorvel {

bool ConfirmExit(const Options& options, MessageDialogs& dialogs, const std::string& question) {
    if (!options.Read(option::kExitProgram)) return true;
    const ModalResult answer = dialogs.Show({.type = DialogType::kWarning,
                                             .text = question,
                                             .buttons = DialogButtons::kYesCancel,
                                             .beep = true});
    return answer == ModalResult::kYes;
}

}  // namespace quorvel
