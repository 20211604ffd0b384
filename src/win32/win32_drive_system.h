#pragma once

#include "platform/drive_system.h"

namespace quorvel::win32 {

// The drives as Windows reports them.
class Win32DriveSystem : public DriveSystem {
  public:
    std::uint32_t ExistingDrives() override;
    bool IsCdDrive(const std::string& name) override;
    bool CanQueryRoot(const std::string& root) override;
};

}  // namespace quorvel::win32
