#include "settings/profile.h"

#include <algorithm>
#include <vector>

#include "base/error.h"

namespace quorvel {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

std::string Profile::ReadIniValue(std::string_view section, std::string_view key,
                                  const std::string& path) {
    const auto text = files_.ReadFile(path);
    if (!text) return "n/a";
    bool inSection = false;
    for (const std::string& raw : Lines(*text)) {
        const std::string_view line = Trim(raw);
        if (line.starts_with('[')) {
            const auto end = line.find(']');
            inSection =
                end != std::string_view::npos && SameName(Trim(line.substr(1, end - 1)), section);
            continue;
        }
        const auto equals = line.find('=');
        if (inSection && equals != std::string_view::npos &&
            SameName(Trim(line.substr(0, equals)), key))
            return std::string(Trim(line.substr(equals + 1)).substr(0, 2047));
    }
    return "n/a";
}

void Profile::WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                            const std::string& path) {
    std::vector<std::string> lines = Lines(files_.ReadFile(path).value_or(""));
    const std::string entry = std::string(key) + "=" + std::string(value);
    int sectionLine = -1;
    bool inSection = false;
    bool written = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        const std::string_view line = Trim(lines[i]);
        if (line.starts_with('[')) {
            const auto end = line.find(']');
            inSection =
                end != std::string_view::npos && SameName(Trim(line.substr(1, end - 1)), section);
            if (inSection) sectionLine = int(i);
            continue;
        }
        const auto equals = line.find('=');
        if (inSection && equals != std::string_view::npos &&
            SameName(Trim(line.substr(0, equals)), key)) {
            lines[i] = entry;
            written = true;
        }
    }
    if (!written) {
        if (sectionLine < 0) {
            lines.push_back("[" + std::string(section) + "]");
            lines.push_back(entry);
        } else {
            lines.insert(lines.begin() + sectionLine + 1, entry);
        }
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    if (!files_.ReplaceFile(path, text)) throw Error(FormatMessage("Unable to write to %s", path));
}

}  // namespace quorvel
