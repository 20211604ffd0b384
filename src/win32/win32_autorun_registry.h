#pragma once

#include "platform/autorun_registry.h"

namespace quorvel::win32 {

// The Run keys in the Windows registry.
class Win32AutorunRegistry : public AutorunRegistry {
  public:
    std::unique_ptr<RunKey> OpenRunKey(Root root) override;
};

}  // namespace quorvel::win32
