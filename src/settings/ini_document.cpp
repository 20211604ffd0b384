#include "settings/ini_document.h"

#include "settings/ini_names.h"

namespace quorvel::ini {
namespace {

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string_view CleanValue(std::string_view value) {
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    // A value is one line: a line break would smuggle further lines into the file.
    if (auto lineBreak = value.find_first_of("\r\n"); lineBreak != std::string_view::npos) {
        value = value.substr(0, lineBreak);
    }
    return value;
}

}  // namespace

Document::Document(std::string_view text) {
    prefix_ = std::string(text.substr(0, ByteOrderMarkSize(text)));
    const std::vector<Line> lines = ParseLines(text);
    rows_.reserve(lines.size());
    for (const Line& line : lines) {
        rows_.push_back(MakeRow(std::string(text.substr(line.begin, line.next - line.begin)),
                                line.next - line.end));
    }
}

// After an edit that may have made new line breaks, or put a byte order mark at the start of
// a file that had none, the lines are split again from the text, as a fresh read would.
void Document::SplitAgainIf(bool needed) {
    if (needed || (prefix_.empty() && !rows_.empty() && ByteOrderMarkSize(rows_.front().bytes) > 0))
        *this = Document(Text());
}

Document::Row Document::MakeRow(std::string bytes, std::size_t endingSize) {
    Row row;
    row.bytes = std::move(bytes);
    row.endingSize = endingSize;
    Classify(row);
    return row;
}

void Document::Classify(Row& row) {
    Line line;
    line.end = row.End();
    ClassifyLine(row.bytes, line);
    row.kind = line.kind;
    row.nameBegin = line.name.empty() ? 0 : std::size_t(line.name.data() - row.bytes.data());
    row.nameSize = line.name.size();
    row.hasValue = line.hasValue;
    row.valueBegin = line.valueBegin;
    row.valueEnd = line.valueEnd;
}

std::string Document::Text() const {
    std::size_t size = prefix_.size();
    for (const Row& row : rows_) size += row.bytes.size();
    std::string text;
    text.reserve(size);
    text += prefix_;
    for (const Row& row : rows_) text += row.bytes;
    return text;
}

std::optional<Document::Section> Document::FindSection(std::string_view name) const {
    name = Trim(name);
    Section found;
    if (name.empty()) {
        // The lines before the first header form a nameless section, found even when empty.
        found.first = 0;
    } else {
        if (!indexed_) {
            headers_.clear();
            for (std::size_t i = 0; i < rows_.size(); ++i) {
                if (rows_[i].kind == Line::Kind::kSection)
                    headers_.emplace(FoldedName(rows_[i].Name()), i);
            }
            indexed_ = true;
        }
        auto header = headers_.find(FoldedName(name));
        if (header == headers_.end()) return std::nullopt;
        found.hasHeader = true;
        found.first = header->second;
    }
    found.end = found.first + (found.hasHeader ? 1 : 0);
    while (found.end < rows_.size() && rows_[found.end].kind != Line::Kind::kSection) ++found.end;
    return found;
}

std::optional<std::size_t> Document::FindKey(const Section& section, std::string_view key) const {
    key = Trim(key);
    for (std::size_t i = section.first + (section.hasHeader ? 1 : 0); i < section.end; ++i) {
        if (rows_[i].kind == Line::Kind::kEntry && SameName(rows_[i].Name(), key)) return i;
    }
    return std::nullopt;
}

// The line ending new lines get when no neighbouring line gives one: the file's first.
std::string_view Document::FileLineEnd() const {
    for (const Row& row : rows_) {
        if (row.endingSize > 0) return row.Ending();
    }
    return "\r\n";
}

void Document::Insert(std::size_t at, Row row) {
    rows_.insert(rows_.begin() + std::ptrdiff_t(at), std::move(row));
    indexed_ = false;
}

std::optional<std::pair<std::size_t, std::size_t>> Document::ValueRange(
    std::string_view section, std::string_view key) const {
    auto found = FindSection(section);
    if (!found) return std::nullopt;
    auto index = FindKey(*found, key);
    if (!index || !rows_[*index].hasValue) return std::nullopt;
    std::size_t offset = prefix_.size();
    for (std::size_t i = 0; i < *index; ++i) offset += rows_[i].bytes.size();
    const Row& row = rows_[*index];
    return std::pair(offset + row.valueBegin, offset + row.valueEnd);
}

std::optional<std::string_view> Document::Find(std::string_view section,
                                               std::string_view key) const {
    auto found = FindSection(section);
    if (!found) return std::nullopt;
    auto index = FindKey(*found, key);
    if (!index || !rows_[*index].hasValue) return std::nullopt;
    const Row& row = rows_[*index];
    return std::string_view(row.bytes).substr(row.valueBegin, row.valueEnd - row.valueBegin);
}

std::string Document::Read(std::string_view section, std::string_view key) const {
    auto value = Find(section, key);
    if (!value) return std::string(kDefaultValue);
    std::string_view result = *value;
    if (result.size() >= 2 && (result.front() == '"' || result.front() == '\'') &&
        result.back() == result.front()) {
        result = result.substr(1, result.size() - 2);
    }
    return std::string(result.substr(0, kMaxValueLength));
}

bool Document::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    value = CleanValue(value);
    // Names holding a line break become several lines.
    const bool splitAgain = HasLineBreak(section) || HasLineBreak(key);
    auto found = FindSection(section);
    if (!found) {
        const std::string lineEnd(FileLineEnd());
        if (!rows_.empty() && rows_.back().endingSize == 0) {
            rows_.back().bytes += lineEnd;
            rows_.back().endingSize = lineEnd.size();
        }
        std::string header = std::string("[").append(section).append("]").append(lineEnd);
        std::string entry = std::string(key).append("=").append(value).append(lineEnd);
        Insert(rows_.size(), MakeRow(std::move(header), lineEnd.size()));
        Insert(rows_.size(), MakeRow(std::move(entry), lineEnd.size()));
    } else if (auto index = FindKey(*found, key)) {
        Row& row = rows_[*index];
        if (!row.hasValue) {
            row.bytes.insert(row.nameBegin + row.nameSize, std::string("=").append(value));
        } else if (std::string_view(row.bytes).substr(row.valueBegin,
                                                      row.valueEnd - row.valueBegin) == value) {
            return false;
        } else {
            row.bytes.replace(row.valueBegin, row.valueEnd - row.valueBegin, value);
        }
        Classify(row);
        // A value can turn its line into a header ("[a=b" given "c]").
        if (row.kind == Line::Kind::kSection) indexed_ = false;
    } else {
        // A new key goes after the section's last line that is not blank, so the blank
        // lines that separate it from the next section stay where they are.
        std::optional<std::size_t> anchor;
        if (found->hasHeader) anchor = found->first;
        for (std::size_t i = found->first; i < found->end; ++i) {
            if (rows_[i].kind != Line::Kind::kBlank) anchor = i;
        }
        std::string entry = std::string(key).append("=").append(value);
        if (!anchor) {
            const std::string_view lineEnd = FileLineEnd();
            Insert(0, MakeRow(entry.append(lineEnd), lineEnd.size()));
        } else if (const Row& row = rows_[*anchor]; row.endingSize > 0) {
            const std::size_t endingSize = row.endingSize;
            Insert(*anchor + 1, MakeRow(entry.append(row.Ending()), endingSize));
        } else {
            // The last line of a file without a final line break.
            const std::string lineEnd(FileLineEnd());
            rows_[*anchor].bytes += lineEnd;
            rows_[*anchor].endingSize = lineEnd.size();
            Insert(*anchor + 1, MakeRow(entry.append(lineEnd), lineEnd.size()));
        }
    }
    SplitAgainIf(splitAgain);
    return true;
}

bool Document::Erase(std::string_view section) {
    auto found = FindSection(section);
    if (!found || found->first == found->end) return false;
    rows_.erase(rows_.begin() + std::ptrdiff_t(found->first),
                rows_.begin() + std::ptrdiff_t(found->end));
    indexed_ = false;
    SplitAgainIf(false);
    return true;
}

}  // namespace quorvel::ini
