#include "fakes/fake_file_system.h"

namespace quorvel {

std::string FakeFileSystem::Key(std::string_view path) {
    std::string key;
    for (char c : path) {
        if (c == '/') c = '\\';
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        key += c;
    }
    return key;
}

void FakeFileSystem::AddFile(const std::string& path, std::string_view bytes) {
    files_[Key(path)] = Entry{path, std::string(bytes)};
}

void FakeFileSystem::RemoveFile(const std::string& path) {
    files_.erase(Key(path));
}

void FakeFileSystem::FailWrites(const std::string& path, bool fail) {
    failWrites_[Key(path)] = fail;
}

std::optional<std::string> FakeFileSystem::File(const std::string& path) const {
    const auto found = files_.find(Key(path));
    if (found == files_.end()) return std::nullopt;
    return found->second.bytes;
}

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) {
    return File(path);
}

bool FakeFileSystem::ReplaceFile(const std::string& path, std::string_view bytes) {
    if (failWrites_[Key(path)]) return false;
    auto& entry = files_[Key(path)];
    if (entry.path.empty()) entry.path = path;
    entry.bytes = bytes;
    return true;
}

bool FakeFileSystem::FileExists(const std::string& path) {
    return files_.count(Key(path)) > 0;
}

bool FakeFileSystem::CreateFolder(const std::string&) {
    return true;
}

bool FakeFileSystem::MatchesWildcard(std::string_view name, std::string_view pattern) {
    if (pattern.empty()) return name.empty();
    if (pattern.front() == '*') {
        for (std::size_t i = 0; i <= name.size(); ++i) {
            if (MatchesWildcard(name.substr(i), pattern.substr(1))) return true;
        }
        return false;
    }
    if (name.empty()) return false;
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (pattern.front() != '?' && lower(pattern.front()) != lower(name.front())) return false;
    return MatchesWildcard(name.substr(1), pattern.substr(1));
}

std::vector<std::string> FakeFileSystem::ListFiles(const std::string& pattern) {
    const std::string key = Key(pattern);
    const auto slash = key.rfind('\\');
    const std::string folder = slash == std::string::npos ? "" : key.substr(0, slash + 1);
    const std::string mask = slash == std::string::npos ? key : key.substr(slash + 1);
    std::vector<std::string> names;
    for (const auto& [fileKey, entry] : files_) {
        if (!fileKey.starts_with(folder)) continue;
        const std::string rest = fileKey.substr(folder.size());
        if (rest.find('\\') != std::string::npos || !MatchesWildcard(rest, mask)) continue;
        const auto nameStart = entry.path.find_last_of("\\/");
        names.push_back(nameStart == std::string::npos ? entry.path
                                                       : entry.path.substr(nameStart + 1));
    }
    return names;
}

}  // namespace quorvel
