#include "fake_file_system.h"

#include <algorithm>

namespace quorvel {
namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The folder part of a normalised key ("" for a bare name).
std::string ParentKey(const std::string& key) {
    auto slash = key.rfind('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

bool IsRoot(const std::string& key) {
    return key.empty() || (key.size() == 2 && key[1] == ':');
}

}  // namespace

std::string FakeFileSystem::Key(std::string_view path) {
    std::string key;
    for (char c : path) key += c == '/' ? '\\' : Upper(c);
    while (key.size() > 1 && key.back() == '\\') key.pop_back();
    return key;
}

bool FakeFileSystem::FolderExists(const std::string& key) const {
    return IsRoot(key) || folders_.count(key) > 0;
}

void FakeFileSystem::AddFile(const std::string& path, std::string_view bytes) {
    std::string key = Key(path);
    AddFolder(ParentKey(key));
    auto [it, added] = files_.try_emplace(key, Entry{path, {}});
    it->second.bytes = std::string(bytes);
    it->second.lastWrite = FileTime();
}

void FakeFileSystem::AddFolder(const std::string& path) {
    for (std::string key = Key(path); !IsRoot(key); key = ParentKey(key)) folders_.insert(key);
}

void FakeFileSystem::RemoveFile(const std::string& path) {
    files_.erase(Key(path));
}

void FakeFileSystem::FailWrites(const std::string& path, bool fail) {
    if (fail) {
        failWrites_.insert(Key(path));
    } else {
        failWrites_.erase(Key(path));
    }
}

void FakeFileSystem::FailReads(const std::string& path, bool fail) {
    if (fail) {
        failReads_.insert(Key(path));
    } else {
        failReads_.erase(Key(path));
    }
}

std::optional<std::string> FakeFileSystem::File(const std::string& path) const {
    auto it = files_.find(Key(path));
    if (it == files_.end()) return std::nullopt;
    return it->second.bytes;
}

bool FakeFileSystem::HasFolder(const std::string& path) const {
    return FolderExists(Key(path));
}

std::vector<std::string> FakeFileSystem::FilePaths() const {
    std::vector<std::string> paths;
    for (const auto& [key, entry] : files_) paths.push_back(entry.path);
    return paths;
}

int FakeFileSystem::CountCalls(Op op) const {
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(), [op](const Call& c) { return c.op == op; }));
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) {
    calls_.push_back({Op::kRead, path});
    std::string key = Key(path);
    if (failReads_.count(key)) return std::nullopt;
    auto it = files_.find(key);
    if (it == files_.end()) return std::nullopt;
    return it->second.bytes;
}

bool FakeFileSystem::ReplaceFileContents(const std::string& path, std::string_view bytes) {
    calls_.push_back({Op::kReplace, path});
    std::string key = Key(path);
    if (failWrites_.count(key) || !FolderExists(ParentKey(key)) || folders_.count(key)) {
        return false;
    }
    auto [it, added] = files_.try_emplace(key, Entry{path, {}});
    it->second.bytes = std::string(bytes);
    it->second.lastWrite = FileTime();
    return true;
}

bool FakeFileSystem::FileExists(const std::string& path) {
    calls_.push_back({Op::kExists, path});
    return files_.count(Key(path)) > 0;
}

// Not recorded: no test asks how often a size was looked at.
std::optional<std::uint64_t> FakeFileSystem::FileSize(const std::string& path) {
    auto found = files_.find(Key(path));
    if (found == files_.end()) return std::nullopt;
    return found->second.bytes.size();
}

std::optional<FileStamp> FakeFileSystem::Stamp(const std::string& path) {
    calls_.push_back({Op::kStamp, path});
    auto it = files_.find(Key(path));
    if (it == files_.end()) return std::nullopt;
    return FileStamp{it->second.bytes.size(), it->second.lastWrite, now_};
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
    calls_.push_back({Op::kCreateFolder, path});
    std::string key = Key(path);
    for (std::string part = key; !IsRoot(part); part = ParentKey(part)) {
        if (files_.count(part)) return false;  // a file stands in the way
    }
    AddFolder(path);
    return true;
}

std::vector<std::string> FakeFileSystem::ListFiles(const std::string& pattern) {
    calls_.push_back({Op::kList, pattern});
    auto slash = pattern.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? std::string() : Key(pattern.substr(0, slash));
    std::string_view namePattern = slash == std::string::npos
                                       ? std::string_view(pattern)
                                       : std::string_view(pattern).substr(slash + 1);
    std::vector<std::string> names;
    for (const auto& [key, entry] : files_) {
        if (ParentKey(key) != folder) continue;
        auto cut = entry.path.find_last_of("\\/");
        std::string name = cut == std::string::npos ? entry.path : entry.path.substr(cut + 1);
        if (MatchesWildcard(name, namePattern)) names.push_back(name);
    }
    // The order the system reports for an NTFS folder: sorted without regard to case.
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Key(a) < Key(b); });
    return names;
}

bool FakeFileSystem::MatchesWildcard(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*") return true;
    std::size_t n = 0, p = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || Upper(pattern[p]) == Upper(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace quorvel
