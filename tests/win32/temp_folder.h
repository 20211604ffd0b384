#pragma once

#include <string>

#include "win32/wide_text.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempFolder {
  public:
    TempFolder() {
        static int counter = 0;
        wchar_t base[MAX_PATH];
        ::GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"quorvel-test-" + std::to_wstring(::GetCurrentProcessId()) +
                L"-" + std::to_wstring(counter++) + L"\\";
        ::CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() { Remove(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with its trailing backslash, as program text and as UTF-16.
    std::string Path() const { return NarrowText(path_); }
    const std::wstring& WidePath() const { return path_; }

  private:
    static void Remove(const std::wstring& folder) {
        WIN32_FIND_DATAW found;
        HANDLE search = ::FindFirstFileW((folder + L"*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                std::wstring full = folder + name;
                ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    Remove(full + L"\\");
                } else {
                    ::DeleteFileW(full.c_str());
                }
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(folder.c_str());
    }

    std::wstring path_;
};

}  // namespace quorvel::win32
