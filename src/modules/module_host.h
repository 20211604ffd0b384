#pragma once

#include <optional>
#include <string>
#include <vector>

#include "modules/host_interfaces.h"
#include "platform/file_system.h"
#include "platform/module_loader.h"

namespace quorvel {

inline constexpr std::string_view kBuiltinModule = "actions.dll";
inline constexpr std::string_view kNoCommand = "NOCOMMAND";
inline constexpr std::string_view kNoSupportCommand = "NOSUPPORTCOMMAND";
inline constexpr int kMaxBuiltinActions = 9;

// Which way ResolveAction converts: an action name into the action value stored for a
// combination, or back.
enum class ResolveMode { kAction, kName };

// Finds, lists, names, configures and runs action modules. A module is loaded for one
// operation and freed before it ends; only the built-in action table and the busy flag
// outlive an operation. Everything runs on the window thread.
class ModuleHost {
  public:
    ModuleHost(ModuleLoader& loader, FileSystem& files, ModuleHostEnvironment& environment)
        : loader_(loader), files_(files), environment_(environment) {}

    // Refreshes the built-in action table from actions.dll: empty when it does not load or
    // lacks ExpansionA or Information; at most the first nine names. A count that is not
    // an integer raises the conversion error and keeps the table as it was.
    void LoadBuiltinActions();

    // Names 1..count of the table as last loaded.
    const std::vector<std::string>& BuiltinActionNames() const { return builtinNames_; }

    // The number of the last built-in action with this name; 0 when none.
    int BuiltinActionNumber(const std::string& name) const;

    // Refills the editor's action list with the action names of the plug-ins that export
    // ExpansionA and Information, and shows its first entry.
    void LoadPlugin(ActionListTarget& list);

    // kAction: action name -> action value ("actions.dll,k" or a plug-in file name).
    // kName: action value -> action name. The no-action word when nothing matches.
    std::string ResolveAction(const std::string& text, ResolveMode mode);

    // The settings step of the editor: the command text for the action, or nothing when
    // the user cancelled in the module's settings.
    std::optional<std::string> ConfigureAction(ModuleEditor& editor, const std::string& name,
                                               const std::string& hotKey,
                                               const std::optional<std::string>& currentCommand);

    // Runs the action of stored combination n, unless a module is already running.
    void RunAction(int number);

    bool Busy() const { return busy_; }

  private:
    // A module loaded for this operation that has every export in `required`; null
    // otherwise, so callers never call a missing export.
    std::unique_ptr<LoadedModule> LoadWith(const std::string& path,
                                           std::initializer_list<ModuleExport> required);
    std::string BuiltinModulePath();
    std::vector<std::string> PluginFiles();
    // The plug-in's full path, or empty without a plug-in folder.
    std::string PluginPath(const std::string& file);
    ExpansionRecord MakeExpansionRecord();

    ModuleLoader& loader_;
    FileSystem& files_;
    ModuleHostEnvironment& environment_;
    std::vector<std::string> builtinNames_;
    bool busy_ = false;
};

}  // namespace quorvel
