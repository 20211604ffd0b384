#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_dialogs.h"

namespace quorvel {

// Records every message dialog and answers it as scripted: each scripted answer serves
// one dialog, in order; unscripted dialogs answer their default button. A scripted
// function runs while the dialog is "open", so it can do what arrives during the dialog's
// modal loop (CloseOpen included).
class FakeMessageDialogs : public MessageDialogs {
  public:
    ModalResult Show(const MessageRequest& request) override;
    void Beep() override { ++beeps; }
    bool CloseOpen(const std::string& caption) override;

    void Answer(ModalResult result);
    void AnswerWith(std::function<ModalResult(const MessageRequest&)> script);

    // The texts of the error reports shown, in order.
    std::vector<std::string> ErrorTexts() const;

    std::vector<MessageRequest> shown;
    int beeps = 0;

  private:
    struct Open {
        std::string caption;
        bool closed = false;
    };
    std::deque<std::function<ModalResult(const MessageRequest&)>> scripts_;
    std::vector<Open> open_;
};

}  // namespace quorvel
