#include "fake_message_dialogs.h"

namespace quorvel {

ModalResult FakeMessageDialogs::Show(const MessageRequest& request) {
    shown.push_back(request);
    if (request.beep) ++beeps;
    if (scripts_.empty()) return DefaultButtonOf(request);
    auto script = std::move(scripts_.front());
    scripts_.pop_front();
    open_.push_back({CaptionOf(request)});
    ModalResult result = script(request);
    if (open_.back().closed) result = EscapeResultOf(request.buttons);
    open_.pop_back();
    return result;
}

bool FakeMessageDialogs::CloseOpen(const std::string& caption) {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
        if (it->caption == caption && !it->closed) {
            it->closed = true;
            return true;
        }
    }
    return false;
}

void FakeMessageDialogs::Answer(ModalResult result) {
    scripts_.push_back([result](const MessageRequest&) { return result; });
}

void FakeMessageDialogs::AnswerWith(std::function<ModalResult(const MessageRequest&)> script) {
    scripts_.push_back(std::move(script));
}

std::vector<std::string> FakeMessageDialogs::ErrorTexts() const {
    std::vector<std::string> texts;
    for (const MessageRequest& request : shown)
        if (request.type == DialogType::kError) texts.push_back(request.text);
    return texts;
}

}  // namespace quorvel
