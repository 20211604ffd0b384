#pragma once

#include <functional>
#include <string>

#include "platform/message_dialogs.h"
#include "settings/options.h"

namespace quorvel {

// The main window's first activation: the information box (until the user answers No
// once) and, when started with "AUTO" (any case) as the first argument, background mode.
// Later activations do nothing here.
class FirstActivation {
  public:
    struct Actions {
        std::function<void()> processPendingMessages;  // so the window is drawn first
        std::function<void()> enterBackgroundMode;     // OnFonMode
    };

    FirstActivation(const Options& options, MessageDialogs& dialogs, std::string firstArgument,
                    Actions actions);

    // `information` is MSG/INFORMATION of the current language.
    void Activated(const std::string& information);

    bool Pending() const { return pending_; }

  private:
    const Options& options_;
    MessageDialogs& dialogs_;
    bool autoStart_;
    Actions actions_;
    bool pending_ = true;
};

// True for "AUTO" in any case: the argument the autorun entry passes.
bool IsAutoStartArgument(const std::string& argument);

}  // namespace quorvel
