#pragma once

#include <functional>
#include <string>

#include "platform/message_dialogs.h"
#include "settings/options.h"

namespace quorvel {

// How the tray icon and its menu bring the main window back from background mode.
class TrayControl {
  public:
    struct Actions {
        std::function<void()> leaveBackgroundMode;  // OffFonMode
        std::function<void()> bringToForeground;    // the application window
    };

    TrayControl(const Options& options, MessageDialogs& dialogs, Actions actions)
        : options_(options), dialogs_(dialogs), actions_(std::move(actions)) {}

    // Menu item N1 (also a double click on the icon). `question` is MSG/DISABLE_FONE_MODES.
    void ShowMainWindow(const std::string& question);
    // A single left click on the icon: nothing while TRAY/FASTOPEN is on.
    void Click(const std::string& question);

    // True while the question about leaving background mode is open; a second click or N1
    // then does nothing, so only one question is ever shown.
    bool ConfirmationOpen() const { return confirmationOpen_; }

  private:
    // Asks while MESSAGE/DISABLE_FONE_MODES is on; false when the answer is Cancel.
    bool MayLeave(const std::string& question, bool bringToForeground);

    const Options& options_;
    MessageDialogs& dialogs_;
    Actions actions_;
    bool confirmationOpen_ = false;
};

}  // namespace quorvel
