#pragma once

#include "platform/shell.h"

namespace quorvel::win32 {

class Win32Shell : public Shell {
  public:
    void Open(std::uintptr_t ownerWindow, const std::string& address) override;
};

}  // namespace quorvel::win32
