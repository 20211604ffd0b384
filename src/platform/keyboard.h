#pragma once

#include <string>

namespace quorvel {

// The system keyboard as the program uses it: the layout that entering combinations
// works in.
class Keyboard {
  public:
    virtual ~Keyboard() = default;

    // Loads the layout with this identifier (eight hexadecimal digits such as "00000409")
    // and makes it the active one. Whether that worked is of no interest to the program.
    virtual void ActivateLayout(const std::string& layoutIdentifier) = 0;
};

}  // namespace quorvel
