#include "settings/options.h"

#include "settings/value_text.h"

namespace quorvel {

std::string ProgramFolderOf(std::string_view programFile) {
    auto slash = programFile.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    return std::string(programFile.substr(0, slash + 1));
}

bool Options::Read(const BoolOption& option) const {
    return ParseBoolean(profile_.ReadIniValue(option.section, option.key, filePath_));
}

void Options::Write(const BoolOption& option, bool value) const {
    profile_.WriteIniValue(option.section, option.key, BooleanText(value), filePath_);
}

std::string Options::Read(const TextOption& option) const {
    return profile_.ReadIniValue(option.section, option.key, filePath_);
}

void Options::Write(const TextOption& option, std::string_view value) const {
    profile_.WriteIniValue(option.section, option.key, value, filePath_);
}

void OptionsEdit::Write(const BoolOption& option, bool value) {
    edit_.WriteIniValue(option.section, option.key, BooleanText(value));
}

void OptionsEdit::Write(const TextOption& option, std::string_view value) {
    edit_.WriteIniValue(option.section, option.key, value);
}

std::string PluginFolder(const Options& options, std::string_view programFolder) {
    if (options.Read(option::kAutoPluginFolder)) {
        return std::string(programFolder).append("PLUGIN\\");
    }
    std::string folder = options.Read(option::kFolderPlugin);
    // Empty means no plug-ins: as a bare prefix it would be the current folder, which is
    // System32 when Windows starts the program at logon.
    if (folder.empty()) return folder;
    // A folder typed without its last backslash names the folder, not a prefix of file
    // names beside it.
    if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

}  // namespace quorvel
