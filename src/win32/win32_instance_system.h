#pragma once

#include "platform/instance_system.h"
#include "win32/handles.h"

namespace quorvel::win32 {

class Win32InstanceSystem : public InstanceSystem {
  public:
    bool ClaimEvent(const std::string& name, int timeoutMilliseconds) override;
    std::uintptr_t FindTopLevelWindow(const std::string& title) override;
    void ShowWindow(std::uintptr_t window) override;
    void BringToForeground(std::uintptr_t window) override;
    bool SendToWindow(std::uintptr_t window, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam, int timeoutMilliseconds) override;

  private:
    UniqueKernelHandle event_;  // open for the whole run, so later starts find it taken
};

}  // namespace quorvel::win32
