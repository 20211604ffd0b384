#pragma once

#include "platform/keyboard.h"

namespace quorvel::win32 {

// The keyboard of the Windows session the program runs in.
class Win32Keyboard : public Keyboard {
  public:
    void ActivateLayout(const std::string& layoutIdentifier) override;
};

}  // namespace quorvel::win32
