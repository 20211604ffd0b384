#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/drive_system.h"

namespace quorvel {

// Drives by letter: each is a CD drive or another kind, and a CD drive holds a disc or not.
class FakeDriveSystem : public DriveSystem {
  public:
    void AddDrive(char letter, bool cd) { drives_[letter] = cd; }
    void SetDisc(char letter, bool present) {
        if (present)
            discs_.insert(letter);
        else
            discs_.erase(letter);
    }
    // The roots asked about, in order.
    std::vector<std::string> queried;

    std::uint32_t ExistingDrives() override {
        std::uint32_t mask = 0;
        for (const auto& [letter, cd] : drives_) mask |= std::uint32_t{1} << (letter - 'A');
        return mask;
    }
    bool IsCdDrive(const std::string& name) override {
        auto drive = drives_.find(name.empty() ? '?' : name[0]);
        return name.size() == 2 && drive != drives_.end() && drive->second;
    }
    bool CanQueryRoot(const std::string& root) override {
        queried.push_back(root);
        return root.size() == 3 && root[1] == ':' && root[2] == '\\' && discs_.count(root[0]);
    }

  private:
    std::map<char, bool> drives_;
    std::set<char> discs_;
};

}  // namespace quorvel
