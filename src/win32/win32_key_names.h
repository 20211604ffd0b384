#pragma once

#include "platform/key_names.h"

namespace quorvel::win32 {

class Win32KeyNames : public KeyNames {
  public:
    std::string SystemKeyName(int virtualKey) override;
};

}  // namespace quorvel::win32
