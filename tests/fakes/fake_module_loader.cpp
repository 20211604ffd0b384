#include "fakes/fake_module_loader.h"

#include <algorithm>
#include <stdexcept>

namespace quorvel::fakes {
namespace {

std::string Text(const std::string& text) {
    return text.empty() ? "null" : "\"" + text + "\"";
}

std::string Number(std::uint64_t value) {
    return std::to_string(value);
}

class Module : public LoadedModule {
  public:
    Module(FakeModuleLoader& loader, std::string path, FakeModule& script)
        : loader_(loader), path_(std::move(path)), script_(script) {
        Log("load " + path_);
    }
    ~Module() override { Log("free " + path_); }

    bool Has(ModuleExport which) const override { return script_.exports.count(which) > 0; }

    std::string Information() override {
        Called(ModuleExport::kInformation, "Information()");
        return script_.information;
    }
    void ExpansionA(const std::string& languageName) override {
        Called(ModuleExport::kExpansionA, "ExpansionA(" + Text(languageName) + ")");
    }
    void ExpansionB(NativeHandle picture, std::int32_t left, std::int32_t top) override {
        Called(ModuleExport::kExpansionB, "ExpansionB(" + Number(picture) + "," +
                                              std::to_string(left) + "," + std::to_string(top) +
                                              ")");
    }
    void ExpansionI(const ExpansionRecord& record) override {
        Called(ModuleExport::kExpansionI, "ExpansionI()");
        loader_.lastRecord = record;
    }
    void Setting(NativeHandle editor, const std::string& hotKey, const std::string& command,
                 std::optional<std::int32_t> action) override {
        Called(ModuleExport::kSetting, "Setting(" + Number(editor) + "," + Text(hotKey) + "," +
                                           Text(command) + Action(action) + ")");
        if (script_.onSetting) script_.onSetting();
    }
    std::string Command() override {
        Called(ModuleExport::kCommand, "Command()");
        std::string result =
            script_.commands.empty()
                ? ""
                : script_.commands.at(std::min(commandCalls_, script_.commands.size() - 1));
        ++commandCalls_;
        return result;
    }
    void Execute(const std::string& hotKey, const std::string& command, NativeHandle mainWindow,
                 std::optional<std::int32_t> action) override {
        Called(ModuleExport::kExecute, "Execute(" + Text(hotKey) + "," + Text(command) + "," +
                                           Number(mainWindow) + Action(action) + ")");
        if (script_.onExecute) script_.onExecute();
    }

  private:
    static std::string Action(std::optional<std::int32_t> action) {
        return action ? "," + std::to_string(*action) : "";
    }
    void Log(const std::string& entry) { loader_.calls.push_back(entry); }
    // Calling a missing export would crash a real program: the fake fails the test.
    void Called(ModuleExport which, const std::string& entry) {
        if (!Has(which)) {
            throw std::logic_error("missing export called: " + std::string(ExportName(which)));
        }
        Log(entry);
    }

    FakeModuleLoader& loader_;
    std::string path_;
    FakeModule& script_;
    std::size_t commandCalls_ = 0;
};

class Picture : public ModulePicture {
  public:
    Picture(FakeModuleLoader& loader, NativeHandle handle) : loader_(loader), handle_(handle) {}
    ~Picture() override { loader_.calls.push_back("release picture " + Number(handle_)); }
    NativeHandle Handle() const override { return handle_; }

  private:
    FakeModuleLoader& loader_;
    NativeHandle handle_;
};

}  // namespace

std::unique_ptr<LoadedModule> FakeModuleLoader::Load(const std::string& path) {
    auto found = modules.find(path);
    if (found == modules.end()) {
        calls.push_back("no module " + path);
        return nullptr;
    }
    return std::make_unique<Module>(*this, path, found->second);
}

std::unique_ptr<ModulePicture> FakeModuleLoader::CreatePicture(const Bitmap& bitmap) {
    NativeHandle handle = bitmap.Empty() ? 0 : nextPicture++;
    calls.push_back("picture " + std::to_string(bitmap.Width()) + "x" +
                    std::to_string(bitmap.Height()) + " " + Number(handle));
    return std::make_unique<Picture>(*this, handle);
}

}  // namespace quorvel::fakes
