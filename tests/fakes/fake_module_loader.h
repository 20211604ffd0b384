#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/module_loader.h"

namespace quorvel::fakes {

// A scripted action module: which exports it has and what they give back.
struct FakeModule {
    std::set<ModuleExport> exports = {ModuleExport::kInformation, ModuleExport::kExpansionA,
                                      ModuleExport::kExpansionB,  ModuleExport::kExpansionI,
                                      ModuleExport::kSetting,     ModuleExport::kCommand,
                                      ModuleExport::kExecute};
    std::string information;
    // Returned by Command in turn; the last one repeats.
    std::vector<std::string> commands = {"command", "command"};
    // Run inside Setting and Execute, e.g. to re-enter the host as a module's message
    // loop would.
    std::function<void()> onSetting;
    std::function<void()> onExecute;

    FakeModule& Without(ModuleExport which) {
        exports.erase(which);
        return *this;
    }
};

// Loads FakeModules by full path and records every call, in order, as the test modules
// do: `load PATH`, `ExpansionA("English")`, `Setting(7,"Ctrl+A",null,2)`, `free PATH`...
// Texts are quoted; an empty text is recorded as null, as it crosses to a module.
class FakeModuleLoader : public ModuleLoader {
  public:
    std::map<std::string, FakeModule> modules;
    std::vector<std::string> calls;
    // Handles given to the pictures made, starting here.
    NativeHandle nextPicture = 0x5000;
    // Set by the last ExpansionI call.
    ExpansionRecord lastRecord;

    // A complete module at `path`, replacing any earlier one.
    FakeModule& Add(const std::string& path, const std::string& information) {
        FakeModule& module = modules[path] = FakeModule{};
        module.information = information;
        return module;
    }

    std::unique_ptr<LoadedModule> Load(const std::string& path) override;
    std::unique_ptr<ModulePicture> CreatePicture(const Bitmap& bitmap) override;
};

}  // namespace quorvel::fakes
