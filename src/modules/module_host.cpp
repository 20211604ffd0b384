#include "modules/module_host.h"

#include "modules/field_of.h"
#include "settings/value_text.h"

namespace quorvel {
namespace {

constexpr std::size_t kBuiltinInformationLimit = 255;

// Runs `undo` when the scope ends, also when an exception leaves it.
template <typename Undo>
class ScopeExit {
  public:
    explicit ScopeExit(Undo undo) : undo_(std::move(undo)) {}
    ~ScopeExit() { undo_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

  private:
    Undo undo_;
};

// "actions.dll,k" -> true; the first field of value + "," decides.
bool IsBuiltinValue(const std::string& value) {
    return FieldOf(value + ",", ',', 1) == kBuiltinModule;
}

int BuiltinNumberOf(const std::string& value) {
    return ParseInteger(FieldOf(value + ",", ',', 2));
}

}  // namespace

std::unique_ptr<LoadedModule> ModuleHost::LoadWith(const std::string& path,
                                                   std::initializer_list<ModuleExport> required) {
    if (path.empty()) return nullptr;
    std::unique_ptr<LoadedModule> module = loader_.Load(path);
    if (!module) return nullptr;
    for (ModuleExport which : required) {
        if (!module->Has(which)) return nullptr;
    }
    return module;
}

std::string ModuleHost::BuiltinModulePath() {
    return environment_.ProgramFolder() + std::string(kBuiltinModule);
}

std::vector<std::string> ModuleHost::PluginFiles() {
    const std::string folder = environment_.PluginFolder();
    if (folder.empty()) return {};  // no plug-in folder: no plug-ins
    return files_.ListFiles(folder + "*.DLL");
}

std::string ModuleHost::PluginPath(const std::string& file) {
    const std::string folder = environment_.PluginFolder();
    // Without a plug-in folder a bare file name would be looked for in the current folder.
    return folder.empty() ? std::string() : folder + file;
}

ExpansionRecord ModuleHost::MakeExpansionRecord() {
    ExpansionRecord record;
    std::string folder = environment_.ProgramFolder();
    record.programFile = environment_.ProgramFile();
    record.programFolder = folder;
    record.pluginFolder = environment_.PluginFolder();
    record.languageFolder = folder + "LANGUAGE\\";
    record.optionsFile = folder + "Option.ini";
    record.combinationList = environment_.CombinationListFile();
    record.skinFile = environment_.SkinFile();
    record.mainWindow = environment_.MainWindow();
    record.editorWindow = environment_.EditorWindow();
    record.optionsWindow = environment_.OptionsWindow();
    record.applicationWindow = environment_.ApplicationWindow();
    return record;
}

void ModuleHost::LoadBuiltinActions() {
    std::string information;
    {
        auto module =
            LoadWith(BuiltinModulePath(), {ModuleExport::kExpansionA, ModuleExport::kInformation});
        if (!module) {
            builtinNames_.clear();
            return;
        }
        module->ExpansionA(environment_.LanguageDisplayName());
        information = module->Information();
    }
    // The table is replaced only once the count has converted.
    int count = ParseInteger(FieldOf(information + ",", ',', 1));
    if (count < 0) count = 0;
    if (count > kMaxBuiltinActions) count = kMaxBuiltinActions;
    std::string names = information.substr(0, kBuiltinInformationLimit) + ",";
    std::vector<std::string> table;
    for (int k = 1; k <= count; ++k) table.push_back(FieldOf(names, ',', k + 1));
    builtinNames_ = std::move(table);
}

int ModuleHost::BuiltinActionNumber(const std::string& name) const {
    int number = 0;
    for (std::size_t k = 0; k < builtinNames_.size(); ++k) {
        if (builtinNames_[k] == name) number = int(k) + 1;
    }
    return number;
}

void ModuleHost::LoadPlugin(ActionListTarget& list) {
    list.Clear();
    std::vector<std::string> files = PluginFiles();
    if (files.empty()) {
        list.Add(environment_.NoActionWord());
    } else {
        std::string folder = environment_.PluginFolder();
        std::string language = environment_.LanguageDisplayName();
        for (const std::string& file : files) {
            auto module =
                LoadWith(folder + file, {ModuleExport::kExpansionA, ModuleExport::kInformation});
            if (!module) continue;
            module->ExpansionA(language);
            list.Add(module->Information());
        }
    }
    list.Select(list.Count() > 0 ? 0 : -1);
}

std::string ModuleHost::ResolveAction(const std::string& text, ResolveMode mode) {
    std::string result = environment_.NoActionWord();
    if (mode == ResolveMode::kAction) {
        if (int k = BuiltinActionNumber(text); k > 0) {
            result = std::string(kBuiltinModule) + "," + std::to_string(k);
        }
    } else if (IsBuiltinValue(text)) {
        LoadBuiltinActions();
        int k = BuiltinNumberOf(text);
        if (k == 0) return "";
        if (k > 0 && k <= int(builtinNames_.size())) return builtinNames_[std::size_t(k) - 1];
        return result;
    }

    std::string folder = environment_.PluginFolder();
    std::string language = environment_.LanguageDisplayName();
    // Every file is visited and the last match wins, so a plug-in whose name equals a
    // built-in name takes precedence over the built-in action.
    for (const std::string& file : PluginFiles()) {
        auto module = LoadWith(folder + file, {ModuleExport::kInformation});
        if (!module) continue;
        if (module->Has(ModuleExport::kExpansionA)) module->ExpansionA(language);
        std::string information = module->Information();
        if (mode == ResolveMode::kName && text == file) result = information;
        if (mode == ResolveMode::kAction && text == information) result = file;
    }
    return result;
}

std::optional<std::string> ModuleHost::ConfigureAction(
    ModuleEditor& editor, const std::string& name, const std::string& hotKey,
    const std::optional<std::string>& currentCommand) {
    // The module whose settings are taken is the one the combination will store: the
    // same resolution as saving, so a plug-in that shadows a built-in name is configured
    // itself rather than the built-in action it hides.
    std::string value = ResolveAction(name, ResolveMode::kAction);
    std::optional<std::int32_t> action;
    std::string path;
    if (IsBuiltinValue(value)) {
        action = BuiltinNumberOf(value);
        path = BuiltinModulePath();
    } else {
        path = PluginPath(value);
    }

    // Setting without Command could never tell what it set: such a module is treated as
    // one without settings, and nothing of it is called.
    auto module = LoadWith(path, {ModuleExport::kSetting, ModuleExport::kCommand});
    if (!module) return std::string(kNoSupportCommand);

    std::unique_ptr<ModulePicture> picture;
    if (module->Has(ModuleExport::kExpansionA)) {
        module->ExpansionA(environment_.LanguageDisplayName());
    }
    if (module->Has(ModuleExport::kExpansionB)) {
        picture = loader_.CreatePicture(environment_.SkinBitmap());
        module->ExpansionB(picture ? picture->Handle() : 0, editor.Left(), editor.Top());
    }
    if (module->Has(ModuleExport::kExpansionI)) module->ExpansionI(MakeExpansionRecord());

    {
        editor.Hide();
        ScopeExit showAgain([&editor] { editor.Show(); });
        module->Setting(editor.Window(), hotKey, currentCommand.value_or(""), action);
    }
    std::optional<std::string> command;
    if (module->Command() != kNoCommand) command = module->Command();

    // The copy is released before the module that may still hold it is freed.
    picture.reset();
    module.reset();
    return command;
}

void ModuleHost::RunAction(int number) {
    if (busy_) return;
    busy_ = true;
    ScopeExit clearBusy([this] { busy_ = false; });

    std::string value = environment_.ReadCombinationValue(number, "Plugin");
    std::optional<std::int32_t> action;
    std::string path;
    if (IsBuiltinValue(value)) {
        action = BuiltinNumberOf(value);
        path = BuiltinModulePath();
    } else {
        path = PluginPath(value);
    }
    std::string hotKey = environment_.ReadCombinationValue(number, "HotKey");
    std::string command = environment_.ReadCombinationValue(number, "Command");

    auto module = LoadWith(path, {ModuleExport::kExecute});
    if (!module) return;
    if (module->Has(ModuleExport::kExpansionI)) module->ExpansionI(MakeExpansionRecord());
    module->Execute(hotKey, command, environment_.MainWindow(), action);
}

}  // namespace quorvel
