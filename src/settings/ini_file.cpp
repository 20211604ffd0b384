#include "settings/ini_file.h"

#include "settings/ini_document.h"
#include "settings/ini_names.h"

namespace quorvel::ini {
namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
}  // namespace

std::size_t ByteOrderMarkSize(std::string_view text) {
    return text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
}

void ClassifyLine(std::string_view text, Line& line) {
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

std::vector<Line> ParseLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = ByteOrderMarkSize(text);
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
        ClassifyLine(text, line);
        lines.push_back(line);
        pos = end;
    }
    return lines;
}

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    auto range = Document(text).ValueRange(section, key);
    if (!range) return std::nullopt;
    return text.substr(range->first, range->second - range->first);
}

std::string ReadValue(std::string_view text, std::string_view section, std::string_view key) {
    return Document(text).Read(section, key);
}

std::optional<std::string> SetValue(std::string_view text, std::string_view section,
                                    std::string_view key, std::string_view value) {
    Document document(text);
    if (!document.Set(section, key, value)) return std::nullopt;
    return document.Text();
}

std::optional<std::string> EraseSection(std::string_view text, std::string_view section) {
    Document document(text);
    if (!document.Erase(section)) return std::nullopt;
    return document.Text();
}

}  // namespace quorvel::ini
