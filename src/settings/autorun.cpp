#include "settings/autorun.h"

#include "base/error.h"

namespace quorvel {

std::string AutorunCommand(std::string_view programFile) {
    return std::string("\"").append(programFile).append("\" AUTO");
}

void SetAutorun(AutorunRegistry& registry, std::string_view programFile) {
    const std::string name(kAutorunValueName);
    bool machineWide = true;
    auto key = registry.OpenRunKey(AutorunRegistry::Root::kLocalMachine);
    if (!key) {
        machineWide = false;
        key = registry.OpenRunKey(AutorunRegistry::Root::kCurrentUser);
    }
    if (!key) return;
    if (!key->SetString(name, AutorunCommand(programFile))) {
        throw Error(FormatText("Failed to set data for '%s'", name));
    }
    key.reset();
    if (machineWide) {
        // A value left for the current user by an earlier run without rights would start
        // the program (perhaps an older copy) a second time.
        if (auto userKey = registry.OpenRunKey(AutorunRegistry::Root::kCurrentUser)) {
            userKey->DeleteValue(name);
        }
    }
}

void ClearAutorun(AutorunRegistry& registry) {
    const std::string name(kAutorunValueName);
    for (auto root : {AutorunRegistry::Root::kLocalMachine, AutorunRegistry::Root::kCurrentUser}) {
        if (auto key = registry.OpenRunKey(root)) key->DeleteValue(name);
    }
}

}  // namespace quorvel
