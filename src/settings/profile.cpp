#include "settings/profile.h"

#include "base/error.h"
#include "settings/ini_file.h"

namespace quorvel {
namespace {
constexpr std::string_view kWriteError = "Unable to write to %s";
}

std::string Profile::ReadIniValue(std::string_view section, std::string_view key,
                                  const std::string& path) {
    auto text = files_.ReadFile(path);
    if (!text) return std::string(ini::kDefaultValue);
    return ini::ReadValue(*text, section, key);
}

void Profile::WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                            const std::string& path) {
    std::string text = ReadForUpdate(path);
    if (auto changed = ini::SetValue(text, section, key, value)) Replace(path, *changed);
}

void Profile::EraseIniSection(std::string_view section, const std::string& path) {
    std::string text = ReadForUpdate(path);
    if (auto changed = ini::EraseSection(text, section)) Replace(path, *changed);
}

std::string Profile::ReadForUpdate(const std::string& path) {
    if (auto text = files_.ReadFile(path)) return std::move(*text);
    // A file that exists but cannot be read (locked by another program) must not be
    // replaced by one holding only the new value.
    if (files_.FileExists(path)) throw Error(FormatText(kWriteError, path));
    return {};
}

void Profile::Replace(const std::string& path, const std::string& text) {
    if (!files_.ReplaceFileContents(path, text)) throw Error(FormatText(kWriteError, path));
}

}  // namespace quorvel
