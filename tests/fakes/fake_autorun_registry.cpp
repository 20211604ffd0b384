#include "fake_autorun_registry.h"

namespace quorvel {

class FakeRunKey : public RunKey {
  public:
    explicit FakeRunKey(FakeAutorunRegistry::State& state) : state_(state) {}

    bool SetString(const std::string& name, const std::string& data) override {
        if (state_.failWrites) return false;
        state_.values[name] = data;
        return true;
    }

    bool DeleteValue(const std::string& name) override {
        if (state_.failWrites && state_.values.count(name)) return false;
        state_.values.erase(name);
        return true;
    }

  private:
    FakeAutorunRegistry::State& state_;
};

std::optional<std::string> FakeAutorunRegistry::Value(Root root, const std::string& name) const {
    auto state = state_.find(root);
    if (state == state_.end()) return std::nullopt;
    auto value = state->second.values.find(name);
    if (value == state->second.values.end()) return std::nullopt;
    return value->second;
}

int FakeAutorunRegistry::OpenCount(Root root) const {
    auto state = state_.find(root);
    return state == state_.end() ? 0 : state->second.opens;
}

std::unique_ptr<RunKey> FakeAutorunRegistry::OpenRunKey(Root root) {
    State& state = state_[root];
    ++state.opens;
    if (state.failOpen) return nullptr;
    return std::make_unique<FakeRunKey>(state);
}

}  // namespace quorvel
