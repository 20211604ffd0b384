#include "app/first_activation.h"

#include <cctype>

namespace quorvel {

bool IsAutoStartArgument(const std::string& argument) {
    std::string upper = argument;
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper == "AUTO";
}

FirstActivation::FirstActivation(const Options& options, MessageDialogs& dialogs,
                                 std::string firstArgument, Actions actions)
    : options_(options),
      dialogs_(dialogs),
      autoStart_(IsAutoStartArgument(firstArgument)),
      actions_(std::move(actions)) {}

void FirstActivation::Activated(const std::string& information) {
    if (!pending_) return;
    pending_ = false;
    if (options_.Read(option::kInformationShow)) {
        actions_.processPendingMessages();
        const ModalResult answer = dialogs_.Show({.type = DialogType::kPlain,
                                                  .text = information,
                                                  .buttons = DialogButtons::kYesNo,
                                                  .caption = "Quorvel"});
        if (answer == ModalResult::kNo) options_.Write(option::kInformationShow, false);
    }
    if (autoStart_) actions_.enterBackgroundMode();
}

}  // namespace quorvel
