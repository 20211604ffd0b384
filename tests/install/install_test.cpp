// The installer as a user meets it, run silently in a Wine prefix of its own (a new user):
// install, start from the installed folder, upgrade over the running program with the
// user's files changed, uninstall.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <map>
#include <optional>

#include "hot_key_driver.h"
#include "program_driver.h"
#include "recorded_press.h"

namespace quorvel::e2e {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvel";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

fs::path KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
    return path;
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs a command line and returns its exit code once it has ended.
DWORD RunToEnd(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return GetLastError() | 0x80000000;
    WaitForSingleObject(info.hProcess, 120000);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code;
}

DWORD Install() {
    return RunToEnd(L"\"" + fs::path(QUORVEL_INSTALLER).wstring() + L"\" /S");
}

std::optional<std::wstring> RegistryText(HKEY root, const wchar_t* key, const wchar_t* value) {
    wchar_t text[1024] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(root, key, value, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return {};
    return text;
}

void SetAutorun(HKEY root, const fs::path& program) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::wstring data = L"\"" + program.wstring() + L"\" AUTO";
    RegSetValueExW(key, L"Quorvel", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   DWORD((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

fs::path ShortcutTarget(const fs::path& shortcut) {
    CoInitialize(nullptr);
    fs::path target;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
                target = path;
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return target;
}

TEST(Installer, InstallsForTheUserUpgradesKeepingTheUsersFilesAndUninstallsCleanly) {
    const fs::path folder = KnownFolder(CSIDL_LOCAL_APPDATA) / "Programs" / "Quorvel";
    const fs::path program = folder / "quorvel.exe";
    const fs::path shortcut = KnownFolder(CSIDL_PROGRAMS) / "Quorvel.lnk";
    const fs::path log = fs::temp_directory_path() / "quorvel-install-test.log";

    ASSERT_EQ(Install(), 0u);
    ASSERT_TRUE(fs::exists(program));
    EXPECT_TRUE(fs::equivalent(ShortcutTarget(shortcut), program));
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion"), L"3.5");
    const auto location = RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"InstallLocation");
    ASSERT_TRUE(location);
    EXPECT_TRUE(fs::equivalent(*location, folder));

    // The user's own files: options, combinations, a plug-in and a language added.
    AddRecordedCombination(folder, log);
    WriteTextFile(folder / "LANGUAGE" / "Mine.TXT", "[FILE]\r\nLANGUAGE=Mine\r\n");
    const fs::path userFiles[] = {"Option.ini", "DATA\\BASE.INI", "PLUGIN\\rec.dll",
                                  "LANGUAGE\\Mine.TXT"};
    std::optional<RunningProgram> running(std::in_place, folder);
    ASSERT_TRUE(CombinationFires(*running, log)) << "no combination fired in the installed program";

    // The upgrade closes the running program first and keeps every file of the user's.
    std::map<fs::path, std::string> before;
    for (const fs::path& file : userFiles) before[file] = Bytes(folder / file);
    ASSERT_EQ(Install(), 0u);
    EXPECT_TRUE(running->WaitForExit(1s)) << "the upgrade left the program running";
    for (const fs::path& file : userFiles)
        EXPECT_EQ(Bytes(folder / file), before[file]) << file << " changed";
    running.emplace(folder);
    ASSERT_TRUE(CombinationFires(*running, log)) << "no combination fired after the upgrade";

    // Uninstalling, as Apps & features does, closes the program too. The uninstaller
    // runs on from a copy of itself, so its effects are awaited.
    SetAutorun(HKEY_CURRENT_USER, program);
    SetAutorun(HKEY_LOCAL_MACHINE, program);
    const auto uninstall = RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString");
    ASSERT_TRUE(uninstall);
    ASSERT_EQ(RunToEnd(*uninstall), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !fs::exists(folder / "uninstall.exe"); }, 60s));
    EXPECT_TRUE(running->WaitForExit(1s)) << "the uninstall left the program running";
    for (const char* file : {"quorvel.exe", "actions.dll", "NOTICES.txt", "Blue.jpg",
                             "LANGUAGE\\English.TXT", "PLUGIN\\README.txt"})
        EXPECT_FALSE(fs::exists(folder / file)) << file;
    EXPECT_FALSE(fs::exists(shortcut));
    EXPECT_FALSE(RegistryText(HKEY_CURRENT_USER, kUninstallKey, L"UninstallString"));
    EXPECT_FALSE(RegistryText(HKEY_CURRENT_USER, kRunKey, L"Quorvel"));
    EXPECT_FALSE(RegistryText(HKEY_LOCAL_MACHINE, kRunKey, L"Quorvel"));
    for (const fs::path& file : userFiles) EXPECT_TRUE(fs::exists(folder / file)) << file;
    EXPECT_EQ(Bytes(folder / "DATA\\BASE.INI"), before["DATA\\BASE.INI"]);
}

}  // namespace
}  // namespace quorvel::e2e
