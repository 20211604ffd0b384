#pragma once

#include <string>
#include <vector>

#include "platform/keyboard.h"

namespace quorvel {

// Records every layout the program asks to activate.
class FakeKeyboard : public Keyboard {
  public:
    void ActivateLayout(const std::string& layoutIdentifier) override {
        activated_.push_back(layoutIdentifier);
    }
    const std::vector<std::string>& Activated() const { return activated_; }

  private:
    std::vector<std::string> activated_;
};

}  // namespace quorvel
