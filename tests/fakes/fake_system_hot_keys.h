#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/key_names.h"
#include "platform/system_hot_keys.h"

namespace quorvel::fakes {

// The system's hot-key table of one window: an identifier registered twice, or keys
// another program holds, are refused as the system refuses them.
class FakeSystemHotKeys : public SystemHotKeys {
  public:
    struct Keys {
        unsigned modifiers;
        unsigned virtualKey;
        bool operator==(const Keys&) const = default;
    };
    std::map<int, Keys> registered;
    std::vector<std::string> calls;  // "register 3", "unregister 0", ...
    std::set<std::pair<unsigned, unsigned>> heldElsewhere;

    bool Register(int id, unsigned modifiers, unsigned virtualKey) override {
        calls.push_back("register " + std::to_string(id));
        // The system matches keys without the no-repeat flag.
        if (registered.count(id) || heldElsewhere.count({modifiers & ~kModNoRepeat, virtualKey}))
            return false;
        registered[id] = {modifiers, virtualKey};
        return true;
    }
    bool Unregister(int id) override {
        calls.push_back("unregister " + std::to_string(id));
        return registered.erase(id) > 0;
    }
    // Keys the user holds down; every other key is up.
    std::set<unsigned> down;
    bool KeyDown(unsigned virtualKey) override { return down.count(virtualKey) > 0; }
};

// A desktop whose foreground window belongs to another program's thread.
class FakeFocusKeeper : public FocusKeeper {
  public:
    std::uint32_t foregroundThread = 77;
    std::uint32_t ownThread = 1;
    std::uintptr_t focused = 0xF0C;
    std::vector<std::string> calls;

    std::uint32_t ForegroundThread() override { return foregroundThread; }
    std::uint32_t OwnThread() override { return ownThread; }
    bool AttachInput(std::uint32_t thread, bool attach) override {
        calls.push_back((attach ? "attach " : "detach ") + std::to_string(thread));
        return true;
    }
    std::uintptr_t FocusedWindow() override { return focused; }
    void SetFocus(std::uintptr_t window) override {
        calls.push_back("focus " + std::to_string(window));
    }
};

// Key names of an English layout for the few keys the program has no name of its own for.
class FakeKeyNames : public KeyNames {
  public:
    std::string SystemKeyName(int virtualKey) override {
        return virtualKey == 186 ? ";" : std::string();
    }
};

}  // namespace quorvel::fakes
