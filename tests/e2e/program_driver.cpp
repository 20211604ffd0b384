#include "program_driver.h"

#include <optional>
#include <stdexcept>
#include <thread>

namespace quorvel::e2e {

namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(ProgramBuild build) {
    static int counter = 0;
    path_ = fs::temp_directory_path() / ("quorvel-e2e-" + std::to_string(GetCurrentProcessId()) +
                                         "-" + std::to_string(++counter));
    fs::remove_all(path_);
    fs::copy(fs::path(QUORVEL_DIST_DIR), path_, fs::copy_options::recursive);
    // The program with the test hooks (the menu pop-up message) stands in for the staged one.
    if (build == ProgramBuild::kTest)
        fs::copy_file(fs::path(QUORVEL_TEST_PROGRAM), path_ / "quorvel.exe",
                      fs::copy_options::overwrite_existing);
    SetOption(L"PROGRAM", L"INFORMATION_SHOW", L"0");
    SetOption(L"MESSAGE", L"EXIT_PROGRAM", L"0");
}

void ProgramFolder::SetOption(const wchar_t* section, const wchar_t* key,
                              const wchar_t* value) const {
    const std::wstring file = (path_ / "Option.ini").wstring();
    if (!WritePrivateProfileStringW(section, key, value, file.c_str()))
        throw std::runtime_error("cannot write Option.ini");
}

std::wstring ProgramFolder::Option(const wchar_t* section, const wchar_t* key) const {
    const std::wstring file = (path_ / "Option.ini").wstring();
    wchar_t value[512] = {};
    GetPrivateProfileStringW(section, key, L"", value, 512, file.c_str());
    return value;
}

ProgramFolder::~ProgramFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

RunningProgram::RunningProgram(const ProgramFolder& folder, const std::wstring& arguments)
    : RunningProgram(folder.Path(), arguments) {}

RunningProgram::RunningProgram(const fs::path& folder, const std::wstring& arguments) {
    const std::wstring exe = (folder / "quorvel.exe").wstring();
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.wstring().c_str(), &startup, &info))
        throw std::runtime_error("cannot start quorvel.exe, error " +
                                 std::to_string(GetLastError()));
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() {
    Kill();
    CloseHandle(process_);
}

void RunningProgram::Kill() {
    if (!Running()) return;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
}

bool RunningProgram::Running() const {
    return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> RunningProgram::WaitForExit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process_, DWORD(timeout.count())) != WAIT_OBJECT_0) return {};
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

HWND WaitForMainWindow(const RunningProgram& program, std::chrono::milliseconds timeout) {
    HWND main = nullptr;
    WaitUntil([&] { return (main = FindProgramWindow(program.ProcessId(), L"ZORIZED3")); },
              timeout);
    return main;
}

}  // namespace quorvel::e2e
