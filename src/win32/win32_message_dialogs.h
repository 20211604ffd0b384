#pragma once

#include <windows.h>

#include "platform/message_dialogs.h"

namespace quorvel::win32 {

class Win32Toolkit;

// The program's own message dialogs: a window of class "QuorvelMessageBox" with the icon
// of the type, the text and the buttons of the set (ids IDOK, IDYES, IDNO, IDCANCEL,
// IDABORT), modal over the program's active window.
class Win32MessageDialogs : public MessageDialogs {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelMessageBox";
    static void Register(HINSTANCE instance);

    explicit Win32MessageDialogs(Win32Toolkit& toolkit) : toolkit_(toolkit) {}

    ModalResult Show(const MessageRequest& request) override;
    void Beep() override;
    bool CloseOpen(const std::string& caption) override;

  private:
    Win32Toolkit& toolkit_;
};

}  // namespace quorvel::win32
