#include "settings/profile.h"

#include <cstdint>

#include "base/error.h"

namespace quorvel {
namespace {
constexpr std::string_view kWriteError = "Unable to write to %s";
}

namespace {
// FAT keeps file times in steps of two seconds; every other file system is finer.
constexpr std::int64_t kCoarsestTimeStep = 2 * 10'000'000;

bool SameStamp(const std::optional<FileStamp>& a, const std::optional<FileStamp>& b) {
    return a && b && a->size == b->size && a->lastWrite == b->lastWrite;
}

bool Settled(const std::optional<FileStamp>& stamp) {
    return stamp && stamp->lastWrite + kCoarsestTimeStep < stamp->now;
}
}  // namespace

std::shared_ptr<const ini::Document> Profile::Current(const std::string& path, bool forUpdate) {
    const std::optional<FileStamp> stamp = files_.Stamp(path);
    auto known = parsed_.find(path);
    if (known != parsed_.end() && known->second.settled && SameStamp(known->second.stamp, stamp))
        return known->second.document;
    auto bytes = files_.ReadFile(path);
    if (!bytes) {
        // Held by another program without sharing: the parse of a file of the same size and
        // time stands in for it, rather than every value reading "n/a".
        // A save never starts from it: it must not replace a file it could not read.
        if (!forUpdate && known != parsed_.end() && SameStamp(known->second.stamp, stamp))
            return known->second.document;
        return nullptr;
    }
    if (known == parsed_.end() || known->second.bytes != *bytes) {
        Parsed& entry = parsed_[path];
        entry.document = std::make_shared<const ini::Document>(*bytes);
        entry.bytes = std::move(*bytes);
        known = parsed_.find(path);
    }
    known->second.stamp = stamp;
    known->second.settled = Settled(stamp);
    return known->second.document;
}

void Profile::Remember(const std::string& path, std::string bytes, ini::Document document) {
    Parsed& entry = parsed_[path];
    entry.bytes = std::move(bytes);
    entry.document = std::make_shared<const ini::Document>(std::move(document));
    // Just written: only the next read's look at the bytes can vouch for them.
    entry.stamp.reset();
    entry.settled = false;
}

std::string Profile::ReadIniValue(std::string_view section, std::string_view key,
                                  const std::string& path) {
    const auto document = Current(path);
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

std::string ProfileReading::ReadIniValue(std::string_view section, std::string_view key) const {
    if (!document_) return std::string(ini::kDefaultValue);
    return document_->Read(section, key);
}

ProfileEdit::ProfileEdit(Profile& profile, std::string path, MissingFile missing)
    : profile_(profile), path_(std::move(path)) {
    if (const auto current = profile_.Current(path_, /*forUpdate=*/true)) {
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
