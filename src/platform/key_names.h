#pragma once

#include <string>

namespace quorvel {

// Names of keys that have no fixed name in the program: the system's name for the key's
// scan code under the active keyboard layout.
class KeyNames {
public:
    virtual ~KeyNames() = default;
    // Empty when the system has no name for the virtual-key code.
    virtual std::string SystemKeyName(int virtualKey) = 0;
};

}  // namespace quorvel
