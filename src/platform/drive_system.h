#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// The machine's drives, as the disc watch asks about them.
class DriveSystem {
  public:
    virtual ~DriveSystem() = default;

    // The drives that exist, one bit each: bit 0 is drive A, bit 25 drive Z.
    virtual std::uint32_t ExistingDrives() = 0;
    // Whether the drive named by a letter and a colon ("E:") is a CD drive.
    virtual bool IsCdDrive(const std::string& name) = 0;
    // Whether the root folder `root` ("E:\") can be queried for its free space: true while
    // a disc is in a CD drive. Never asks the user to insert a disc.
    virtual bool CanQueryRoot(const std::string& root) = 0;
};

}  // namespace quorvel
