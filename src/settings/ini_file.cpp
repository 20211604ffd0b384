#include "settings/ini_file.h"

namespace quorvel::ini {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The blanks the profile functions trim: tab, line breaks, vertical tab, form feed, the DOS
// end-of-file mark ^Z and the space.
bool IsBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) return false;
    }
    return true;
}

std::size_t ContentStart(std::string_view text) {
    return text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
}

void Classify(std::string_view text, Line& line) {
    std::size_t b = line.begin;
    std::size_t e = line.end;
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    if (b == e) return;  // Blank

    std::string_view content = text.substr(b, e - b);
    if (content.front() == '[') {
        if (auto close = content.rfind(']'); close != std::string_view::npos) {
            line.kind = Line::Kind::kSection;
            line.name = Trim(content.substr(1, close - 1));
            return;
        }
    }
    line.kind = Line::Kind::kEntry;
    auto equals = content.find('=');
    if (equals == std::string_view::npos) {
        line.name = content;
        line.nameEnd = e;
        return;
    }
    line.name = Trim(content.substr(0, equals));
    line.nameEnd = b + line.name.size();
    line.hasValue = true;
    line.valueBegin = b + equals + 1;
    while (line.valueBegin < e && IsBlank(text[line.valueBegin])) ++line.valueBegin;
    line.valueEnd = e;
}

// A section as a range of lines: its header (when it has one) and the lines up to the next
// header. The lines before the first header form a nameless section without a header.
struct Section {
    std::string_view name;
    bool hasHeader = false;
    std::size_t first = 0;  // index of the header, or of the first line
    std::size_t end = 0;    // index of the next header, or the number of lines
};

std::optional<Section> FindSection(const std::vector<Line>& lines, std::string_view name) {
    name = Trim(name);
    Section current;  // starts as the nameless part before the first header
    for (std::size_t i = 0; i <= lines.size(); ++i) {
        bool header = i < lines.size() && lines[i].kind == Line::Kind::kSection;
        if (i == lines.size() || header) {
            current.end = i;
            if (SameName(current.name, name)) return current;
            if (header) current = Section{lines[i].name, true, i, 0};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, const Section& section,
                                   std::string_view key) {
    key = Trim(key);
    for (std::size_t i = section.first + (section.hasHeader ? 1 : 0); i < section.end; ++i) {
        if (lines[i].kind == Line::Kind::kEntry && SameName(lines[i].name, key)) return i;
    }
    return std::nullopt;
}

// The line ending new lines get when no neighbouring line gives one: the file's first.
std::string_view FileLineEnd(std::string_view text, const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (line.next > line.end) return text.substr(line.end, line.next - line.end);
    }
    return "\r\n";
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

std::vector<Line> ParseLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = ContentStart(text);
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        line.end = end;
        if (end < text.size()) {
            end += (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
        }
        line.next = end;
        Classify(text, line);
        lines.push_back(line);
        pos = end;
    }
    return lines;
}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    auto lines = ParseLines(text);
    auto found = FindSection(lines, section);
    if (!found) return std::nullopt;
    auto index = FindKey(lines, *found, key);
    if (!index || !lines[*index].hasValue) return std::nullopt;
    const Line& line = lines[*index];
    return text.substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

std::string ReadValue(std::string_view text, std::string_view section, std::string_view key) {
    auto value = FindValue(text, section, key);
    if (!value) return std::string(kDefaultValue);
    std::string_view result = *value;
    if (result.size() >= 2 && (result.front() == '"' || result.front() == '\'') &&
        result.back() == result.front()) {
        result = result.substr(1, result.size() - 2);
    }
    return std::string(result.substr(0, kMaxValueLength));
}

std::optional<std::string> SetValue(std::string_view text, std::string_view section,
                                    std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    value = CleanValue(value);
    auto lines = ParseLines(text);
    std::string result(text);

    auto found = FindSection(lines, section);
    if (!found) {
        std::string_view lineEnd = FileLineEnd(text, lines);
        if (result.size() > ContentStart(text) && result.back() != '\n' && result.back() != '\r') {
            result += lineEnd;
        }
        result.append("[").append(section).append("]").append(lineEnd);
        result.append(key).append("=").append(value).append(lineEnd);
        return result;
    }

    if (auto index = FindKey(lines, *found, key)) {
        const Line& line = lines[*index];
        if (!line.hasValue) {
            result.insert(line.nameEnd, std::string("=").append(value));
        } else if (text.substr(line.valueBegin, line.valueEnd - line.valueBegin) == value) {
            return std::nullopt;
        } else {
            result.replace(line.valueBegin, line.valueEnd - line.valueBegin, value);
        }
        return result;
    }

    // A new key goes after the section's last line that is not blank, so the blank lines
    // that separate it from the next section stay where they are.
    std::optional<std::size_t> anchor;
    if (found->hasHeader) anchor = found->first;
    for (std::size_t i = found->first; i < found->end; ++i) {
        if (lines[i].kind != Line::Kind::kBlank) anchor = i;
    }
    std::string newLine = std::string(key).append("=").append(value);
    if (!anchor) {
        result.insert(ContentStart(text), newLine.append(FileLineEnd(text, lines)));
    } else if (const Line& line = lines[*anchor]; line.next > line.end) {
        result.insert(line.next, newLine.append(text.substr(line.end, line.next - line.end)));
    } else {
        // The last line of a file without a final line break.
        std::string_view lineEnd = FileLineEnd(text, lines);
        result.insert(line.end, std::string(lineEnd).append(newLine).append(lineEnd));
    }
    return result;
}

std::optional<std::string> EraseSection(std::string_view text, std::string_view section) {
    auto lines = ParseLines(text);
    auto found = FindSection(lines, section);
    if (!found || found->first == found->end) return std::nullopt;
    std::size_t begin = lines[found->first].begin;
    std::size_t end = found->end < lines.size() ? lines[found->end].begin : text.size();
    std::string result(text);
    result.erase(begin, end - begin);
    return result;
}

}  // namespace quorvel::ini
