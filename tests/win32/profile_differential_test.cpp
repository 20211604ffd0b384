// Our profile engine against the system's own profile functions: one seeded random
// sequence of reads, writes and section erases is applied to twin files, through our engine
// (and the real file system) on one and through GetPrivateProfileStringA /
// WritePrivateProfileStringA on the other. Every read must give the same text, and the
// files must hold the same bytes, up to the differences listed below.
//
// Differences kept on purpose (the generator does not produce these cases):
//  1. Wine rewrites the whole file in its own form on every change: line ends become CR LF,
//     blanks around names, "=" and values go, blank lines go, text after a section's "]"
//     goes, a final line break is added. Windows and our engine change only the line
//     concerned, so hand-edited files keep their layout. Therefore, once Wine has rewritten
//     its file, ours is compared in that same form (WineForm below); until then, byte for
//     byte.
//  2. A quoted value with exactly 2047 characters between its quotes reads as 2046
//     characters under Wine (it drops the last one when the closing quote falls outside the
//     2048-character buffer); ours gives all 2047.
//  3. A section header with an empty name ("[]"): Wine drops the header when it rewrites
//     the file, moving its keys into the section before. Ours leaves it.
//  4. Consecutive lines with an empty key name ("=x"): Wine keeps only the first. The
//     program has no key without a name.
//  5. Names passed with surrounding blanks: Wine ignores them when it reads or writes a key
//     but not when it erases a section, and writes a new name with its trailing blanks.
//     Ours ignores them everywhere and writes names trimmed. (Reads here do pass padded
//     names; writes and erases pass names as the program does, without blanks.)
//  6. A written value ending in blanks: both write the blanks and reads drop them, but
//     Wine's in-memory copy keeps them until it reloads the file, which depends on the age of
//     the file (a two-second window): its reads would be timing-dependent.
//  7. Files with a UTF-8 byte order mark: Wine converts their values between UTF-8 and the
//     ANSI code page; ours keeps the bytes as stored, as the program does with every text.
//     Non-ASCII bytes are used only in files without the mark.
//  8. Non-ASCII letters in names: Wine matches them without case by Unicode rules; ours folds
//     only A-Z, which is all the program's names use.
//  9. A written value holding a line break: ours stores it up to the break, so a value can
//     never add lines to the file; Wine writes the break. Not generated.
// 10. Bytes that are not valid text in the ANSI code page (UTF-8 under the program's
//     manifest): the system's A functions convert through Unicode and replace them; ours
//     keeps the bytes. Non-ASCII values are generated as valid UTF-8.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <sstream>

#include "settings/profile.h"
#include "temp_folder.h"
#include "win32/win32_file_system.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {
namespace {

constexpr int kStartingFiles = 60;
constexpr int kOperationsPerFile = 40;
constexpr unsigned kDefaultSeed = 20261208;

// ---- Wine's own form of a file: what its profile code writes back after loading it. ----

bool IsBlank(char c) {
    return (c >= '\t' && c <= '\r') || c == '\x1a' || c == ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string WineForm(std::string_view bytes) {
    std::string out;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        out = bytes.substr(0, 3);
        bytes.remove_prefix(3);
    }
    bool previousNameEmpty = false;
    bool sectionHasEntries = false;
    while (!bytes.empty()) {
        auto cut = bytes.find_first_of("\r\n");
        std::string_view line = Trim(bytes.substr(0, cut));
        bytes.remove_prefix(cut == std::string_view::npos ? bytes.size() : cut);
        while (!bytes.empty() && (bytes.front() == '\r' || bytes.front() == '\n')) {
            bytes.remove_prefix(1);
        }
        if (line.empty()) continue;
        if (line.front() == '[' && line.find(']') != std::string_view::npos) {
            out.append("[").append(Trim(line.substr(1, line.rfind(']') - 1))).append("]\r\n");
            sectionHasEntries = false;
            continue;
        }
        auto equals = line.find('=');
        std::string_view name = Trim(line.substr(0, equals));
        if (name.empty() && sectionHasEntries && previousNameEmpty) continue;
        out.append(name);
        if (equals != std::string_view::npos) out.append("=").append(Trim(line.substr(equals + 1)));
        out.append("\r\n");
        sectionHasEntries = true;
        previousNameEmpty = name.empty();
    }
    return out;
}

// ---- The generator. ----

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int Number(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }
    bool Chance(int percent) { return Number(100) < percent; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[Number(static_cast<int>(items.size()))];
    }

    std::string Section() { return Pick(sections_); }
    std::string Key() { return Pick(keys_); }

    // As a hand edit or another program might spell it in a file or pass it to a read.
    std::string Padded(const std::string& name) {
        static const std::vector<std::string> pads = {"", "", "", " ", "  ", "\t", " \t "};
        return Pick(pads) + name + Pick(pads);
    }

    std::string Long(std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('A' + (i * 7 + 3) % 26);
        return text;
    }

    // A value to write: never ends in a blank and holds no line break (differences 6, 9).
    std::string WrittenValue(bool ascii) {
        switch (Number(12)) {
            case 0:
                return "";
            case 1:
                return "0";
            case 2:
                return "-1";
            case 3:
                return std::to_string(Number(1000));
            case 4:
                return "  leading blanks";
            case 5:
                return "\"quoted text\"";
            case 6:
                return "'single'";
            case 7:
                return "a=b = c";
            case 8:
                return Long(3000);
            case 9:
                return "[HOT9]";
            case 10:
                // UTF-8, as the program writes its files; bytes that are not valid in the ANSI
                // code page (UTF-8 under the manifest) are a kept difference, see the list.
                return ascii ? "C:\\Program Files\\Mods\\" : "caf\xC3\xA9 \xC3\xA9t\xC3\xA9";
            default:
                return "two words";
        }
    }

    // A value as found in a file, perhaps with blanks around it.
    std::string StoredValue(bool ascii) {
        switch (Number(14)) {
            case 0:
                return "";
            case 1:
                return "   ";
            case 2:
                return "\"\"";
            case 3:
                return "\"";
            case 4:
                return "\"unbalanced";
            case 5:
                return "'mixed\"";
            case 6:
                return "\"" + Long(3000) + "\"";
            case 7:
                return Long(Pick(std::vector<std::size_t>{2046, 2047, 2048, 2049, 3000}));
            case 8:
                return " \"  padded inside  \" ";
            case 9:
                return "value with = sign";
            default:
                return WrittenValue(ascii) + (Chance(30) ? "  " : "");
        }
    }

    // A section and key that a read may find: one of a key line of the starting file or of
    // a write so far, in another case, or else any pair.
    std::pair<std::string, std::string> ReadTarget() {
        if (known_.empty() || Chance(40)) return {Section(), Key()};
        auto [section, key] = Pick(known_);
        return {Recased(section), Recased(key)};
    }
    void Remember(const std::string& section, const std::string& key) {
        known_.emplace_back(section, key);
    }

    std::string StartingFile() {
        known_.clear();
        const bool bom = Chance(6);
        const bool ascii = bom || Chance(50);  // difference 7
        const std::string lineEnds[] = {"\r\n", "\n", "mixed"};
        const std::string style = lineEnds[Number(3)];
        std::vector<std::string> lines;
        if (Chance(20)) lines.push_back(Key() + "=" + StoredValue(ascii));  // before any section
        std::vector<std::string> used;
        for (int s = 0, count = 1 + Number(6); s < count; ++s) {
            std::string name = !used.empty() && Chance(20) ? Recased(Pick(used)) : Section();
            used.push_back(name);
            switch (Number(6)) {
                case 0:
                    lines.push_back("  [" + name + "]  ");
                    break;
                case 1:
                    lines.push_back("[ " + name + " ]");
                    break;
                case 2:
                    lines.push_back("[" + name + "] ; note");
                    break;
                default:
                    lines.push_back("[" + name + "]");
            }
            for (int k = 0, entries = Number(7); k < entries; ++k) {
                lines.push_back(BodyLine(name, ascii));
            }
        }
        std::string text = bom ? "\xEF\xBB\xBF" : "";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            text += lines[i];
            if (i + 1 < lines.size() || Chance(70)) {
                text += style != "mixed" ? style : (Chance(50) ? "\r\n" : "\n");
            }
        }
        return text;
    }

    std::string Recased(std::string name) {
        for (char& c : name) {
            if (c >= 'a' && c <= 'z' && Chance(50))
                c = static_cast<char>(c - 'a' + 'A');
            else if (c >= 'A' && c <= 'Z' && Chance(50))
                c = static_cast<char>(c - 'A' + 'a');
        }
        return name;
    }

  private:
    std::string BodyLine(const std::string& section, bool ascii) {
        switch (Number(10)) {
            case 0:
                return Chance(50) ? "" : "   ";
            case 1:
                return Pick(std::vector<std::string>{"; comment", "; AUTORUN=1", "# hash"});
            case 2:
                return Chance(50) ? "a line without equals" : Padded(Key());  // no "="
            case 3:
                return "[unterminated";
            default: {
                std::string equals = Pick(std::vector<std::string>{"=", " = ", "=  ", "\t="});
                std::string key = Key();
                Remember(section, key);
                return Padded(key) + equals + StoredValue(ascii);
            }
        }
    }

    std::mt19937 random_;
    std::vector<std::pair<std::string, std::string>> known_;
    std::vector<std::string> sections_ = {"PROGRAM",   "program",   "Program", "TRAY", "tray",
                                          "HOT1",      "hot1",      "Base",    "BASE", "MODULES",
                                          "Two Words", "two words", "X"};
    std::vector<std::string> keys_ = {"AUTORUN", "autorun", "AutoRun", "DRIVE",
                                      "drive",   "Index",   "INDEX",   "HotKey",
                                      "hotkey",  "Key Two", "key two", "k"};
};

// ---- Running it. ----

// A file or value for a failure message: escapes shown, very long lines abbreviated.
std::string Shown(std::string_view text) {
    std::string shown;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i - lineStart == 60) {
            auto lineEnd = text.find_first_of("\r\n", i);
            if (lineEnd == std::string_view::npos) lineEnd = text.size();
            if (lineEnd - i > 40) {
                shown += "...<" + std::to_string(lineEnd - lineStart) + " characters>...";
                i = lineEnd - 10;
            }
        }
        char c = text[i];
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n\n    ";
            lineStart = i + 1;
        } else if (c == '\t') {
            shown += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x80) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            shown += hex;
        } else {
            shown += c;
        }
    }
    return shown;
}

// Since Wine's rewrite hides how our engine edits a file, each edit of ours is also checked
// on its own: it may change bytes within one line (or add lines), or remove a run of lines,
// and every other byte stays where it was.
bool ChangesOnePlace(std::string_view before, std::string_view after, bool erase) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    std::string_view removed = before.substr(prefix, before.size() - prefix - suffix);
    std::string_view added = after.substr(prefix, after.size() - prefix - suffix);
    return erase ? added.empty() : removed.find_first_of("\r\n") == std::string_view::npos;
}

std::string SystemRead(const std::string& section, const std::string& key,
                       const std::string& path) {
    char buffer[2048];
    DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "n/a", buffer,
                                              sizeof buffer, path.c_str());
    return std::string(buffer, length);
}

std::string FileBytes(Win32FileSystem& files, const std::string& path) {
    return files.ReadFile(path).value_or("<no file>");
}

TEST(ProfileDifferential, AgreesWithTheSystemsProfileFunctions) {
    unsigned seed = kDefaultSeed;
    if (const char* chosen = std::getenv("QUORVEL_PROFILE_SEED"))
        seed = std::strtoul(chosen, nullptr, 10);
    Generator generate(seed);
    TempFolder folder;
    Win32FileSystem files;
    Profile profile(files);

    int operations = 0;
    int reads = 0;
    int valuesFound = 0;
    int rewrittenByWine = 0;
    int failures = 0;
    for (int f = 0; f < kStartingFiles && failures < 5; ++f) {
        const std::string start = generate.StartingFile();
        const bool hasByteOrderMark = start.rfind("\xEF\xBB\xBF", 0) == 0;
        const std::string ours = folder.Path() + "ours" + std::to_string(f) + ".ini";
        const std::string system = folder.Path() + "system" + std::to_string(f) + ".ini";
        ASSERT_TRUE(files.ReplaceFileContents(ours, start));
        ASSERT_TRUE(files.ReplaceFileContents(system, start));

        std::string current = start;  // our file as last seen
        std::ostringstream log;
        log << "seed " << seed << ", file " << f << ", starting as:\n    " << Shown(start)
            << "\n  operations:\n";
        for (int o = 0; o < kOperationsPerFile && failures < 5; ++o, ++operations) {
            const int kind = generate.Number(100);
            if (kind < 50) {
                auto [target, targetKey] = generate.ReadTarget();
                std::string section = generate.Padded(target);
                std::string key = generate.Padded(targetKey);
                std::string mine = profile.ReadIniValue(section, key, ours);
                std::string theirs = SystemRead(section, key, system);
                log << "  " << o << ": read [" << section << "] " << key << " -> " << Shown(mine)
                    << "\n";
                ++reads;
                if (mine != "n/a") ++valuesFound;
                if (mine != theirs) {
                    ++failures;
                    ADD_FAILURE() << log.str() << "  the system read " << Shown(theirs);
                }
                continue;
            }
            std::string section = generate.Section();
            const std::string before = current;
            if (kind < 85) {
                std::string key = generate.Key();
                generate.Remember(section, key);
                std::string value = generate.WrittenValue(hasByteOrderMark);  // difference 7
                log << "  " << o << ": write [" << section << "] " << key << " = " << Shown(value)
                    << "\n";
                profile.WriteIniValue(section, key, value, ours);
                ASSERT_TRUE(::WritePrivateProfileStringA(section.c_str(), key.c_str(),
                                                         value.c_str(), system.c_str()));
            } else {
                log << "  " << o << ": erase [" << section << "]\n";
                profile.EraseIniSection(section, ours);
                ::WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, system.c_str());
            }

            const std::string mine = current = FileBytes(files, ours);
            const std::string theirs = FileBytes(files, system);
            if (!ChangesOnePlace(before, mine, kind >= 85)) {
                ++failures;
                ADD_FAILURE() << log.str() << "  our edit touched more than one place:\n    "
                              << Shown(mine);
            }
            const bool rewritten = theirs != start;
            if (rewritten ? WineForm(mine) != theirs : mine != theirs) {
                ++failures;
                ADD_FAILURE() << log.str() << "  files differ"
                              << (rewritten ? " (ours in Wine's form)" : "") << ". Ours:\n    "
                              << Shown(rewritten ? WineForm(mine) : mine)
                              << "\n  the system's:\n    " << Shown(theirs);
            }
        }
        if (FileBytes(files, system) != start) ++rewrittenByWine;
    }
    EXPECT_GE(operations, 2000);
    std::printf(
        "%d operations (%d reads, %d of them finding a value) over %d starting files; "
        "%d files rewritten by the system\n",
        operations, reads, valuesFound, kStartingFiles, rewrittenByWine);
}

}  // namespace
}  // namespace quorvel::win32
