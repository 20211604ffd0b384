#include "win32/win32_file_system.h"

#include <algorithm>

#include "win32/handles.h"
#include "win32/text_conversion.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {
namespace {

constexpr DWORD kChunk = 1u << 20;

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunk));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), size, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Creates a new, empty file beside `target` that no one else uses.
UniqueFile CreateTemporaryBeside(const std::wstring& target, std::wstring& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
               std::to_wstring(counter++) + L".tmp";
        UniqueFile file(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || ::GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return UniqueFile();
}

// Renames `from` over `to`. A reader that has the file open for a moment (a virus scanner,
// an editor, another program reading the options) makes the rename fail with a sharing
// violation: it is tried again for a short while before the save counts as failed.
bool MoveOver(const std::wstring& from, const std::wstring& to) {
    constexpr int kTries = 10;
    constexpr DWORD kPause = 25;  // milliseconds: at most a quarter second in all
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(from.c_str(), to.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = ::GetLastError();
        if (attempt == kTries || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED))
            return false;
        ::Sleep(kPause);
    }
}

}  // namespace

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) {
    UniqueFile file(::CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
        if (read == 0) break;
        bytes.append(buffer, read);
    }
    return bytes;
}

bool Win32FileSystem::ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const std::wstring target = Widen(path);
    // A read-only file is one the user does not want changed. (The rename below would
    // refuse it on Windows, but not everywhere the program runs, e.g. as root under Wine.)
    DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    std::wstring temporary;
    UniqueFile file = CreateTemporaryBeside(target, temporary);
    if (!file) return false;
    bool written = WriteAll(file.Get(), bytes) && ::FlushFileBuffers(file.Get());
    file.Reset();
    // The rename is the only step that touches the old file, and it either happens whole
    // or not at all.
    if (written && MoveOver(temporary, target)) return true;
    ::DeleteFileW(temporary.c_str());
    return false;
}

bool Win32FileSystem::FileExists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::uint64_t> Win32FileSystem::FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::optional<FileStamp> Win32FileSystem::Stamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& time) {
        return std::int64_t((std::uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return FileStamp{(std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                     ticks(data.ftLastWriteTime), ticks(now)};
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
    const std::wstring folder = Widen(path);
    // Each parent first; the ones that exist (and the drive) just fail to be created.
    for (std::size_t at = folder.find_first_of(L"\\/"); at != std::wstring::npos;
         at = folder.find_first_of(L"\\/", at + 1)) {
        if (at > 0 && folder[at - 1] != L':')
            ::CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
    }
    ::CreateDirectoryW(folder.c_str(), nullptr);
    DWORD attributes = ::GetFileAttributesW(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> Win32FileSystem::ListFiles(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    UniqueFind search(::FindFirstFileW(Widen(pattern).c_str(), &found));
    if (!search) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.push_back(Narrow(found.cFileName));
        }
    } while (::FindNextFileW(search.Get(), &found));
    return names;
}

}  // namespace quorvel::win32
