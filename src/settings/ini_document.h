#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "settings/ini_file.h"

namespace quorvel::ini {

// A file text held as its lines, parsed once for any number of reads and edits. Each edit
// changes only the lines it concerns, so a run of edits costs what the edits touch, not a
// parse of the whole text each time; the text after an edit is exactly what the same edit
// of the whole text gives (SetValue and EraseSection are this class on a copy).
class Document {
  public:
    Document() = default;
    explicit Document(std::string_view text);

    // The file's bytes.
    std::string Text() const;

    // As FindValue and ReadValue on Text().
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    std::string Read(std::string_view section, std::string_view key) const;

    // As SetValue and EraseSection on Text(); false when nothing changed.
    bool Set(std::string_view section, std::string_view key, std::string_view value);
    bool Erase(std::string_view section);

    // Where Find's value lies in Text(), as [first, second).
    std::optional<std::pair<std::size_t, std::size_t>> ValueRange(std::string_view section,
                                                                  std::string_view key) const;

  private:
    // One line with its terminator; offsets index `bytes`.
    struct Row {
        std::string bytes;
        std::size_t endingSize = 0;
        Line::Kind kind = Line::Kind::kBlank;
        std::size_t nameBegin = 0;
        std::size_t nameSize = 0;
        bool hasValue = false;
        std::size_t valueBegin = 0;
        std::size_t valueEnd = 0;

        std::string_view Name() const {
            return std::string_view(bytes).substr(nameBegin, nameSize);
        }
        std::string_view Ending() const {
            return std::string_view(bytes).substr(bytes.size() - endingSize);
        }
        std::size_t End() const { return bytes.size() - endingSize; }
    };
    struct Section {
        bool hasHeader = false;
        std::size_t first = 0;  // the header, or the first line
        std::size_t end = 0;    // the next header, or the number of lines
    };

    static Row MakeRow(std::string bytes, std::size_t endingSize);
    static void Classify(Row& row);
    std::optional<Section> FindSection(std::string_view name) const;
    std::optional<std::size_t> FindKey(const Section& section, std::string_view key) const;
    std::string_view FileLineEnd() const;
    void Insert(std::size_t at, Row row);
    void SplitAgainIf(bool needed);

    std::string prefix_;  // the byte order mark, when the text starts with one
    std::vector<Row> rows_;
    // First header line of each section name (A-Z folded), built when first needed and
    // dropped when lines move or a header changes.
    mutable std::unordered_map<std::string, std::size_t> headers_;
    mutable bool indexed_ = false;
};

}  // namespace quorvel::ini
