#pragma once

#include <memory>
#include <string>

namespace quorvel {

// The registry key whose string values the system starts at logon
// (Software\Microsoft\Windows\CurrentVersion\Run), under one root.
class RunKey {
  public:
    virtual ~RunKey() = default;

    // Sets a string value; false when it cannot be written.
    virtual bool SetString(const std::string& name, const std::string& data) = 0;

    // Removes a value; true when it is gone afterwards (also when it never existed).
    virtual bool DeleteValue(const std::string& name) = 0;
};

class AutorunRegistry {
  public:
    enum class Root { kLocalMachine, kCurrentUser };

    virtual ~AutorunRegistry() = default;

    // Opens the Run key under `root` with full access, creating it when it does not exist;
    // null when it cannot be opened (for example for lack of rights). The key is closed
    // when the returned object goes.
    virtual std::unique_ptr<RunKey> OpenRunKey(Root root) = 0;
};

}  // namespace quorvel
