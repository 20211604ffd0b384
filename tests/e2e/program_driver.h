#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "support/window_wait.h"

namespace quorvel::e2e {

// A fresh program folder: a copy of the staged one in a new temporary folder, removed
// when the test ends, so every scenario starts from first-install files. The questions
// that would stop an unattended start or end (the information box, the exit question) are
// switched off; a test of them switches them on with SetOption.
// Which program a folder holds: the one with the test hooks, or the one users get (no
// hooks, no debug information), which the benchmarks measure.
enum class ProgramBuild { kTest, kShipped };

class ProgramFolder {
  public:
    explicit ProgramFolder(ProgramBuild build = ProgramBuild::kTest);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path File(const std::string& relative) const { return path_ / relative; }
    // Writes one value of the options file Option.ini.
    void SetOption(const wchar_t* section, const wchar_t* key, const wchar_t* value) const;
    std::wstring Option(const wchar_t* section, const wchar_t* key) const;

  private:
    std::filesystem::path path_;
};

// The real program, started in a program folder and killed if a test leaves it running.
class RunningProgram {
  public:
    explicit RunningProgram(const ProgramFolder& folder, const std::wstring& arguments = L"");
    // The program of any folder, such as an installed or unpacked one.
    explicit RunningProgram(const std::filesystem::path& folder,
                            const std::wstring& arguments = L"");
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    DWORD ProcessId() const { return processId_; }
    // Ends the process at once, as a crash or the task manager would.
    void Kill();
    bool Running() const;
    // The exit code once the process has ended within the time, or nothing.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;

  private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

using test_support::FindProgramWindow;
using test_support::WaitUntil;

// The program's main window once it is shown (found by its caption), or null when it did not
// appear in time. The time allows for the first start of a 32-bit program in a fresh Wine
// prefix, which takes seconds on a loaded machine.
HWND WaitForMainWindow(const RunningProgram& program,
                       std::chrono::milliseconds timeout = std::chrono::seconds(60));

}  // namespace quorvel::e2e
