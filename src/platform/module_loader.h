#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/bitmap.h"

namespace quorvel {

// A window or picture of the system as the core passes it along without looking inside
// (HWND, HBITMAP on Windows). 0 is "none".
using NativeHandle = std::uintptr_t;

// The exports an action module may have.
enum class ModuleExport {
    kInformation,
    kExpansionA,
    kExpansionB,
    kExpansionI,
    kSetting,
    kCommand,
    kExecute
};

// The name a module exports it under.
constexpr std::string_view ExportName(ModuleExport which) {
    switch (which) {
        case ModuleExport::kInformation:
            return "Information";
        case ModuleExport::kExpansionA:
            return "ExpansionA";
        case ModuleExport::kExpansionB:
            return "ExpansionB";
        case ModuleExport::kExpansionI:
            return "ExpansionI";
        case ModuleExport::kSetting:
            return "Setting";
        case ModuleExport::kCommand:
            return "Command";
        case ModuleExport::kExecute:
            return "Execute";
    }
    return {};
}

// What a module is told about the program through ExpansionI. Empty texts cross as null.
struct ExpansionRecord {
    std::string programFile;
    std::string programFolder;
    std::string pluginFolder;
    std::string languageFolder;
    std::string optionsFile;
    std::string combinationList;
    std::string skinFile;
    NativeHandle mainWindow = 0;
    NativeHandle editorWindow = 0;
    NativeHandle optionsWindow = 0;
    NativeHandle applicationWindow = 0;

    bool operator==(const ExpansionRecord&) const = default;
};

// One loaded action module; destroying it frees the module. Each call requires that the
// module has the export (Has); the core checks first, so a missing export is never called.
// Texts are passed as stored; an empty text reaches the module as a null pointer, and a
// null text from the module reads as empty. `action` is the built-in action number, given
// only for actions.dll (whose Setting and Execute take it as a fourth argument).
class LoadedModule {
  public:
    virtual ~LoadedModule() = default;

    virtual bool Has(ModuleExport which) const = 0;

    virtual std::string Information() = 0;
    virtual void ExpansionA(const std::string& languageName) = 0;
    virtual void ExpansionB(NativeHandle picture, std::int32_t editorLeft,
                            std::int32_t editorTop) = 0;
    virtual void ExpansionI(const ExpansionRecord& record) = 0;
    virtual void Setting(NativeHandle editor, const std::string& hotKey, const std::string& command,
                         std::optional<std::int32_t> action) = 0;
    virtual std::string Command() = 0;
    virtual void Execute(const std::string& hotKey, const std::string& command,
                         NativeHandle mainWindow, std::optional<std::int32_t> action) = 0;
};

// A picture handed to a module (a copy of the skin); destroying it releases it.
class ModulePicture {
  public:
    virtual ~ModulePicture() = default;
    // 0 for an empty picture.
    virtual NativeHandle Handle() const = 0;
};

// Loading action modules from disk.
class ModuleLoader {
  public:
    virtual ~ModuleLoader() = default;

    // The module at a full path, or null when it does not load (missing, not a module,
    // a dependency missing). Its own dependencies are looked up only beside it and in
    // the system folder, never in the current folder.
    virtual std::unique_ptr<LoadedModule> Load(const std::string& path) = 0;

    // A system picture holding a copy of `bitmap`.
    virtual std::unique_ptr<ModulePicture> CreatePicture(const Bitmap& bitmap) = 0;
};

}  // namespace quorvel
