#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/profile.h"

namespace quorvel {

// The options file, beside the program.
inline constexpr std::string_view kOptionsFileName = "Option.ini";

// The folder of the program file, with its trailing backslash: "C:\Quorvel\quorvel.exe"
// gives "C:\Quorvel\". Every file of the program is this folder followed by a relative name.
std::string ProgramFolderOf(std::string_view programFile);

// A key of the options file holding a boolean ("-1" / "0") or a text.
struct BoolOption {
    std::string_view section;
    std::string_view key;
};
struct TextOption {
    std::string_view section;
    std::string_view key;
};

// Every key of the options file; the program reads and writes no other.
namespace option {
inline constexpr BoolOption kAutorun{"PROGRAM", "AUTORUN"};
inline constexpr BoolOption kEnableAllHotKey{"PROGRAM", "ENABLE_ALL_HOT_KEY"};
inline constexpr TextOption kFileLanguage{"PROGRAM", "FILE_LANGUAGE"};
inline constexpr TextOption kFileSkin{"PROGRAM", "FILE_SKIN"};
inline constexpr BoolOption kInformationShow{"PROGRAM", "INFORMATION_SHOW"};
inline constexpr BoolOption kExitProgram{"MESSAGE", "EXIT_PROGRAM"};
inline constexpr BoolOption kDisableFoneModes{"MESSAGE", "DISABLE_FONE_MODES"};
inline constexpr BoolOption kDeleteHotKey{"MESSAGE", "DELETE_HOT_KEY"};
inline constexpr TextOption kFolderPlugin{"MODULES", "FOLDER_PLUGIN"};
inline constexpr BoolOption kAutoPluginFolder{"MODULES", "AUTO_PLUGIN_FOLDER"};
inline constexpr BoolOption kFastOpen{"TRAY", "FASTOPEN"};
inline constexpr BoolOption kDiskInDrive{"TRAY", "DISKINDRIVE"};
inline constexpr BoolOption kAnimation{"TRAY", "ANIMATION"};
inline constexpr TextOption kDrive{"TRAY", "DRIVE"};
inline constexpr BoolOption kDisableFormFog{"ADDITION", "DISABLE_FORM_FOG"};

// The whole table, in file order, for checks over every key.
struct Key {
    std::string_view section;
    std::string_view key;
    bool boolean;
};
inline constexpr std::array<Key, 15> kAll{{
    {kAutorun.section, kAutorun.key, true},
    {kEnableAllHotKey.section, kEnableAllHotKey.key, true},
    {kFileLanguage.section, kFileLanguage.key, false},
    {kFileSkin.section, kFileSkin.key, false},
    {kInformationShow.section, kInformationShow.key, true},
    {kExitProgram.section, kExitProgram.key, true},
    {kDisableFoneModes.section, kDisableFoneModes.key, true},
    {kDeleteHotKey.section, kDeleteHotKey.key, true},
    {kFolderPlugin.section, kFolderPlugin.key, false},
    {kAutoPluginFolder.section, kAutoPluginFolder.key, true},
    {kFastOpen.section, kFastOpen.key, true},
    {kDiskInDrive.section, kDiskInDrive.key, true},
    {kAnimation.section, kAnimation.key, true},
    {kDrive.section, kDrive.key, false},
    {kDisableFormFog.section, kDisableFormFog.key, true},
}};
}  // namespace option

// The options file of one program folder. Every read reads the file at that moment, so an
// edit (by the options dialog or by hand) counts at the next use of the key.
class Options {
  public:
    Options(Profile& profile, std::string_view programFolder)
        : profile_(profile), filePath_(std::string(programFolder).append(kOptionsFileName)) {}

    const std::string& FilePath() const { return filePath_; }

    // Raises "'<text>' is not a valid boolean value" when the stored text is no boolean,
    // also for a missing key (text "n/a").
    bool Read(const BoolOption& option) const;
    void Write(const BoolOption& option, bool value) const;

    // "n/a" when missing.
    std::string Read(const TextOption& option) const;
    void Write(const TextOption& option, std::string_view value) const;

  private:
    friend class OptionsEdit;
    Profile& profile_;
    std::string filePath_;
};

// Option writes that reach the file together, with one replace, at Commit: a save of the
// options. The file must exist (it holds keys the save does not write): a missing or
// unreadable one raises "Unable to write to <path>" and is never made anew with a part of
// the options.
class OptionsEdit {
  public:
    explicit OptionsEdit(const Options& options)
        : edit_(options.profile_, options.filePath_, MissingFile::kRefuse) {}

    void Write(const BoolOption& option, bool value);
    void Write(const TextOption& option, std::string_view value);
    void Commit() { edit_.Commit(); }

  private:
    ProfileEdit edit_;
};

// The folder plug-in modules are looked for in, with its trailing backslash: the program
// folder followed by "PLUGIN\" while AUTO_PLUGIN_FOLDER is on, otherwise FOLDER_PLUGIN
// (a backslash added when it has none; "n/a\" when missing). Empty when FOLDER_PLUGIN is
// empty: no plug-ins. The program takes it at start-up and at each save of the options.
std::string PluginFolder(const Options& options, std::string_view programFolder);

}  // namespace quorvel
