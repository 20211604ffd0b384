#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/autorun_registry.h"

namespace quorvel {

// The two Run keys in memory. Opening a root, or writing under it, can be made to fail.
class FakeAutorunRegistry : public AutorunRegistry {
  public:
    using Root = AutorunRegistry::Root;

    void FailOpen(Root root, bool fail = true) { state_[root].failOpen = fail; }
    void FailWrites(Root root, bool fail = true) { state_[root].failWrites = fail; }
    void SetValue(Root root, const std::string& name, const std::string& data) {
        state_[root].values[name] = data;
    }

    std::optional<std::string> Value(Root root, const std::string& name) const;
    int OpenCount(Root root) const;

    std::unique_ptr<RunKey> OpenRunKey(Root root) override;

  private:
    struct State {
        bool failOpen = false;
        bool failWrites = false;
        int opens = 0;
        std::map<std::string, std::string> values;
    };
    friend class FakeRunKey;
    std::map<Root, State> state_;
};

}  // namespace quorvel
