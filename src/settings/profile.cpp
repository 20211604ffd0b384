#include "settings/profile.h"

#include "base/error.h"

namespace quorvel {
namespace {
constexpr std::string_view kWriteError = "Unable to write to %s";
}

const ini::Document* Profile::Current(const std::string& path) {
    auto bytes = files_.ReadFile(path);
    if (!bytes) return nullptr;
    auto known = parsed_.find(path);
    if (known != parsed_.end() && known->second.bytes == *bytes) return &known->second.document;
    ini::Document document(*bytes);
    Parsed& entry = parsed_[path];
    entry.bytes = std::move(*bytes);
    entry.document = std::move(document);
    return &entry.document;
}

void Profile::Remember(const std::string& path, std::string bytes, ini::Document document) {
    Parsed& entry = parsed_[path];
    entry.bytes = std::move(bytes);
    entry.document = std::move(document);
}

std::string Profile::ReadIniValue(std::string_view section, std::string_view key,
                                  const std::string& path) {
    const ini::Document* document = Current(path);
    if (!document) return std::string(ini::kDefaultValue);
    return document->Read(section, key);
}

void Profile::WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                            const std::string& path) {
    ProfileEdit edit(*this, path);
    edit.WriteIniValue(section, key, value);
    edit.Commit();
}

void Profile::EraseIniSection(std::string_view section, const std::string& path) {
    ProfileEdit edit(*this, path);
    edit.EraseIniSection(section);
    edit.Commit();
}

ProfileEdit::ProfileEdit(Profile& profile, std::string path, MissingFile missing)
    : profile_(profile), path_(std::move(path)) {
    if (const ini::Document* current = profile_.Current(path_)) {
        document_ = *current;
        return;
    }
    if (missing == MissingFile::kRefuse || profile_.files_.FileExists(path_))
        throw Error(FormatText(kWriteError, path_));
}

std::string ProfileEdit::ReadIniValue(std::string_view section, std::string_view key) const {
    return document_.Read(section, key);
}

void ProfileEdit::WriteIniValue(std::string_view section, std::string_view key,
                                std::string_view value) {
    if (document_.Set(section, key, value)) changed_ = true;
}

void ProfileEdit::EraseIniSection(std::string_view section) {
    if (document_.Erase(section)) changed_ = true;
}

void ProfileEdit::Commit() {
    if (!changed_) return;
    std::string text = document_.Text();
    if (!profile_.files_.ReplaceFileContents(path_, text))
        throw Error(FormatText(kWriteError, path_));
    changed_ = false;
    profile_.Remember(path_, std::move(text), document_);
}

}  // namespace quorvel
