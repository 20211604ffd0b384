// The profile engine through its public interface: a file of any bytes, then reads,
// writes and section erases. Every read is checked against a small model of the profile
// rules of its own, and after each change the file is parsed again by the model, which
// must find exactly what the model expects (what was written, nothing else changed).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/error.h"
#include "fakes/fake_file_system.h"
#include "fuzz/fuzz_input.h"
#include "settings/profile.h"

namespace quorvel::fuzz {
namespace {

constexpr const char* kPath = "C:\\P\\F.INI";

// The rules, as a profile file's reader sees them: lines end at CR LF, LF or CR; blanks
// (tab to CR, ^Z, space) around names and values do not count; "[name]" heads a section
// (text after the last "]" ignored); any other line is a key, with a value when it holds
// "="; the lines before the first header form a nameless section; names match without
// regard to the case of A-Z; the first section and the first key of a name win.
struct Entry {
    std::string key;
    std::optional<std::string> value;
    bool operator==(const Entry&) const = default;
};
struct Section {
    std::string name;
    std::vector<Entry> entries;
    bool operator==(const Section&) const = default;
};
using Model = std::vector<Section>;  // [0] is the nameless part

bool Blank(char c) {
    return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' ';
}
std::string Trimmed(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && Blank(s[b])) ++b;
    while (e > b && Blank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}
bool Same(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = char(x - 32);
        if (y >= 'a' && y <= 'z') y = char(y - 32);
        if (x != y) return false;
    }
    return true;
}

Model Parse(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Model model(1);
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        std::string line = Trimmed(text.substr(0, end));
        if (end == std::string_view::npos) {
            text = {};
        } else {
            text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
        }
        if (line.empty()) continue;
        if (line[0] == '[' && line.rfind(']') != std::string::npos) {
            model.push_back({Trimmed(line.substr(1, line.rfind(']') - 1)), {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            model.back().entries.push_back({line, std::nullopt});
        } else {
            model.back().entries.push_back(
                {Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1))});
        }
    }
    return model;
}

Section* FindSection(Model& model, std::string_view name) {
    for (Section& section : model)
        if (Same(section.name, Trimmed(name))) return &section;
    return nullptr;
}
Entry* FindKey(Section& section, std::string_view key) {
    for (Entry& entry : section.entries)
        if (Same(entry.key, Trimmed(key))) return &entry;
    return nullptr;
}

std::string Read(Model& model, std::string_view section, std::string_view key) {
    Section* s = FindSection(model, section);
    Entry* e = s ? FindKey(*s, key) : nullptr;
    if (!e || !e->value) return "n/a";
    std::string value = *e->value;
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return value.substr(0, 2047);
}

void Write(Model& model, std::string_view section, std::string_view key, std::string value) {
    // A value is stored from its first non-blank up to its first line break.
    std::size_t b = 0;
    while (b < value.size() && Blank(value[b])) ++b;
    value = Trimmed(value.substr(b, value.find_first_of("\r\n", b) - b));
    Section* s = FindSection(model, section);
    if (!s) {
        model.push_back({Trimmed(section), {{Trimmed(key), value}}});
    } else if (Entry* e = FindKey(*s, key)) {
        e->value = value;
    } else {
        s->entries.push_back({Trimmed(key), value});
    }
}

void Erase(Model& model, std::string_view section) {
    Section* s = FindSection(model, section);
    if (!s) return;
    if (s == &model.front()) {
        s->entries.clear();
    } else {
        model.erase(model.begin() + (s - model.data()));
    }
}

// Names the file format can hold: no line break, no "]" in a section name, no "=" or
// brackets in a key name, and no key of the nameless part that starts with the UTF-8 byte
// order mark (written first in the file, it reads as the mark). Others are still used, for
// crashes only.
bool Writable(std::string_view section, std::string_view key) {
    if (Trimmed(section).empty() && Trimmed(key).rfind("\xEF\xBB\xBF", 0) == 0) return false;
    return section.find_first_of("\r\n]") == std::string_view::npos &&
           key.find_first_of("\r\n=[]") == std::string_view::npos;
}

void CheckReads(Profile& profile, Model& model, const std::vector<std::string>& extraNames) {
    std::vector<std::string> sections = extraNames, keys = extraNames;
    for (const Section& s : model) {
        sections.push_back(s.name);
        for (const Entry& e : s.entries) keys.push_back(e.key);
    }
    for (const std::string& s : sections)
        for (const std::string& k : keys)
            if (profile.ReadIniValue(s, k, kPath) != Read(model, s, k))
                Fail("read [" + s + "] " + k + " differs from the rules");
}

}  // namespace
}  // namespace quorvel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    using namespace quorvel::fuzz;
    FuzzInput input(data, size);
    FakeFileSystem files;
    files.AddFolder("C:\\P");
    const bool exists = input.Byte() & 1;
    const std::string initial = input.LongText();
    if (exists) files.AddFile(kPath, initial);
    Profile profile(files);
    Model model = Parse(exists ? initial : "");

    bool trusted = true;  // false once a name the format cannot hold was written
    for (int op = 0; op < 16 && !input.Empty(); ++op) {
        const std::uint8_t kind = input.Byte() % 3;
        const std::string section = input.Text();
        const std::string key = input.Text();
        if (kind == 0) {
            const std::string value = input.LongText();
            profile.WriteIniValue(section, key, value, kPath);
            if (!Writable(section, key)) trusted = false;
            if (!trusted) continue;
            Write(model, section, key, value);
        } else if (kind == 1) {
            profile.EraseIniSection(section, kPath);
            if (!trusted) continue;
            Erase(model, section);
        } else {
            const std::string read = profile.ReadIniValue(section, key, kPath);
            if (trusted && read != Read(model, section, key)) Fail("read differs from the rules");
            continue;
        }
        // The file read back holds what the model expects, and every read agrees.
        const std::optional<std::string> now = files.File(kPath);
        if (!trusted) continue;
        if (Parse(now.value_or("")) != model)
            Fail("the file read back differs from what was written");
        CheckReads(profile, model, {section, key});
    }
    return 0;
}
