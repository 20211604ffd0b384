#include "app/shutdown.h"

namespace quorvel {

bool ConfirmExit(const Options& options, MessageDialogs& dialogs, const std::string& question) {
    if (!options.Read(option::kExitProgram)) return true;
    const ModalResult answer = dialogs.Show({.type = DialogType::Warning,
                                             .text = question,
                                             .buttons = DialogButtons::YesCancel,
                                             .beep = true});
    return answer == ModalResult::Yes;
}

}  // namespace quorvel
