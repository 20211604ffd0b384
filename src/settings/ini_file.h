#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The profile (INI) file engine, on the file's bytes. It reads and writes the way the
// Windows profile functions do, except that a write edits the text in place: every line it
// does not change keeps its bytes, its line ending and its position.
namespace quorvel::ini {

// What a read gives for a missing file, section, key, or a key line without "=".
inline constexpr std::string_view kDefaultValue = "n/a";

// Reads deliver at most this many characters (a 2048-character buffer with its terminator).
inline constexpr std::size_t kMaxValueLength = 2047;

// One line of a file. Offsets index the whole text.
struct Line {
    enum class Kind {
        kBlank,    // nothing but blanks
        kSection,  // "[name]" (anything after the last "]" is ignored)
        kEntry,    // anything else: "key=value", a comment, or a line without "="
    };
    Kind kind = Kind::kBlank;
    std::size_t begin = 0;       // first byte of the line
    std::size_t end = 0;         // end of the line's text, before its terminator
    std::size_t next = 0;        // first byte after the terminator
    std::string_view name;       // section or key name, blanks trimmed
    std::size_t nameEnd = 0;     // end of the key name in the text (Entry)
    bool hasValue = false;       // Entry: the line holds "="
    std::size_t valueBegin = 0;  // the value, blanks trimmed, as [valueBegin, valueEnd)
    std::size_t valueEnd = 0;
};

// The size of the UTF-8 byte order mark the text starts with (0 or 3).
std::size_t ByteOrderMarkSize(std::string_view text);

// Fills in the kind, name and value of a line whose begin and end are set.
void ClassifyLine(std::string_view text, Line& line);

// Splits a file text into lines. A line ends at CR LF, LF or a lone CR; a UTF-8 byte
// order mark at the start belongs to no line.
std::vector<Line> ParseLines(std::string_view text);

// The stored value of `key` in `section` (blanks trimmed, quotes kept), or nothing when
// the section, the key or its "=" is missing. Only the first section of that name is
// searched, and the first key of that name in it wins; names are matched without regard
// to case and surrounding blanks.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// What a read of `key` gives: the stored value with one pair of enclosing quotes ("..." or
// '...') removed and cut at kMaxValueLength characters, or kDefaultValue when missing.
std::string ReadValue(std::string_view text, std::string_view section, std::string_view key);

// The text after writing `value` (leading blanks dropped, cut at the first line break) to
// `key` in `section`: the value of an existing key is replaced in place, a missing key is
// added after the last line of the section, a missing section is added at the end of the
// file. Nothing when the stored value is already exactly that value.
std::optional<std::string> SetValue(std::string_view text, std::string_view section,
                                    std::string_view key, std::string_view value);

// The text without the first section named `section` (its header and every line up to the
// next header), or nothing when there is no such section.
std::optional<std::string> EraseSection(std::string_view text, std::string_view section);

}  // namespace quorvel::ini
