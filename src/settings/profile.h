#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "settings/ini_document.h"

namespace quorvel {

// The three file operations every INI-style file of the program goes through. Every read
// reads the file's bytes at that moment, so a hand edit counts at the next read; only the
// parse is kept, and only for as long as the bytes are the same.
class Profile {
  public:
    explicit Profile(FileSystem& files) : files_(files) {}

    // The value of `key` in `section` of the file at `path`, "n/a" when anything is missing.
    std::string ReadIniValue(std::string_view section, std::string_view key,
                             const std::string& path);

    // Writes the value, creating the file, section and key as needed. Raises
    // "Unable to write to <path>" when the file cannot be written; it is then unchanged.
    void WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                       const std::string& path);

    // Removes the section with all its lines; a missing section or file is no error.
    void EraseIniSection(std::string_view section, const std::string& path);

  private:
    friend class ProfileEdit;
    friend class ProfileReading;

    // The file parsed as it is now, or null when it cannot be read.
    std::shared_ptr<const ini::Document> Current(const std::string& path, bool forUpdate = false);
    void Remember(const std::string& path, std::string bytes, ini::Document document);

    struct Parsed {
        std::string bytes;
        std::shared_ptr<const ini::Document> document;
        std::optional<FileStamp> stamp;  // taken just before the bytes were read
        // The stamp alone may vouch for the bytes: they were last written long enough
        // before they were read that any later write must have changed the time.
        bool settled = false;
    };

    FileSystem& files_;
    // Whether the file changed since it was parsed: when its size and time are those of the
    // bytes parsed, and that time lay more than the coarsest file time step (2 s, FAT) before
    // the bytes were read, nothing can have written it since; otherwise (an edit of the same
    // size within the same time step) the bytes are read and compared. So no edit is missed,
    // and a read of an unchanged file costs one look at its size and time, not a parse.
    std::map<std::string, Parsed> parsed_;
};

// The reads of one operation that runs through without pausing (a loop over the whole list
// on the window thread): the file is looked at once, and every read sees it as it was then.
// A missing or unreadable file reads "n/a" everywhere.
class ProfileReading {
  public:
    ProfileReading(Profile& profile, const std::string& path) : document_(profile.Current(path)) {}
    std::string ReadIniValue(std::string_view section, std::string_view key) const;

  private:
    std::shared_ptr<const ini::Document> document_;
};

// Whether a save may create the file it changes.
enum class MissingFile {
    kCreate,  // a first write makes the file
    kRefuse,  // the file holds more than the save writes: without it the save is refused
};

// Changes to one profile file made in memory and written back with one replace at Commit,
// byte for byte what the same calls of Profile would have written one by one. A save that
// fails therefore leaves the file as it was, and one save costs one file write.
class ProfileEdit {
  public:
    // Reads the file. Raises "Unable to write to <path>" when it exists but cannot be read
    // (it must not be replaced by one holding only the new values), and when it is missing
    // and `missing` refuses that.
    ProfileEdit(Profile& profile, std::string path, MissingFile missing = MissingFile::kCreate);

    std::string ReadIniValue(std::string_view section, std::string_view key) const;
    void WriteIniValue(std::string_view section, std::string_view key, std::string_view value);
    void EraseIniSection(std::string_view section);

    // Replaces the file when anything changed. Raises "Unable to write to <path>" when that
    // fails; the file is then unchanged.
    void Commit();

  private:
    Profile& profile_;
    std::string path_;
    ini::Document document_;
    bool changed_ = false;
};

}  // namespace quorvel
