// The program's own cost, each figure against its floor measured in the same run: a press
// until the action's Execute begins, the start until the window is shown, opening the
// editor, deleting a combination, saving the options, and the private memory. Prints one
// table; the figures are compared by people, not checked.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/window_messages.h"
#include "bench_support.h"
#include "hot_key_driver.h"
#include "program_driver.h"
#include "window_search.h"
#include "windows/combination_editor.h"
#include "windows/main_window.h"
#include "windows/options_dialog.h"

using namespace quorvel::e2e;
using namespace quorvel::bench;
using quorvel::kBackgroundModeMessage;
using quorvel::kForm1Layout;
using quorvel::kForm3Layout;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr int kRounds = 4;
constexpr int kPressesPerRound = 50;
constexpr int kStoredCombinations = 100;
constexpr int kPlugins = 20;
constexpr int kEditorPlugins = 50;
constexpr int kListForDelete = 500;
constexpr int kStarts = 12;
constexpr int kOpenings = 12;
constexpr int kSaves = 20;
constexpr wchar_t kBareCaption[] = L"QuorvelBenchBare";
// The first start of a 32-bit program in a fresh prefix takes seconds: no wait for a first
// window may be shorter than this.
constexpr auto kFirstWindowWait = 90s;

double Median(std::vector<double> values) {
    if (values.empty()) return NAN;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Nearest rank: the smallest value with at least 99% of the values at or below it.
double Percentile99(std::vector<double> values) {
    if (values.empty()) return NAN;
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(0.99 * double(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

// Polls without the 20 ms step of WaitUntil, for times of a few milliseconds.
bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(1);
    }
    return true;
}

// Appends "<what> at <counter>" to the log file, opened and closed each time, as the
// recording module does.
void AppendStamp(const std::string& logPath, const char* what, LONGLONG counter) {
    const std::string line = std::string(what) + " at " + std::to_string(counter) + "\r\n";
    HANDLE file = CreateFileA(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), DWORD(line.size()), &written, nullptr);
    CloseHandle(file);
}

// The press floors: a hidden window that registers the hot key and stamps each WM_HOTKEY as
// its message loop receives it; given a module, it loads it first and frees it after the
// stamp, as the program does around Execute. Ends at WM_QUIT.
int RunFloorWindow(const std::string& logPath, const std::string& module) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuorvelBenchFloor";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 100, 100,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return 2;
    // The benchmark looks whether the key is taken by taking it for a moment itself; a
    // collision with that look is tried again.
    const auto deadline = GetTickCount() + 10000;
    while (!RegisterHotKey(window, 1, kModifiers, kKey)) {
        if (GetTickCount() > deadline) return 2;
        Sleep(5);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_HOTKEY) {
            HMODULE loaded = module.empty() ? nullptr : LoadLibraryA(module.c_str());
            AppendStamp(logPath, "floor: WM_HOTKEY", Now());
            if (loaded) FreeLibrary(loaded);
        }
        DispatchMessageW(&message);
    }
    UnregisterHotKey(window, 1);
    DestroyWindow(window);
    return 0;
}

std::string ThisProgram() {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return exe;
}

// A program of this one's folder.
std::string Beside(const char* name) {
    return (fs::path(ThisProgram()).parent_path() / name).string();
}

// This program started again in one of its helper roles, or another program of its folder.
class Helper {
  public:
    explicit Helper(const std::string& arguments, const std::string& exe = ThisProgram()) {
        std::string commandLine = "\"" + exe + "\" " + arguments;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info_))
            throw std::runtime_error("cannot start a helper");
    }
    ~Helper() {
        PostThreadMessageW(info_.dwThreadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;
    DWORD ProcessId() const { return info_.dwProcessId; }
    HANDLE Process() const { return info_.hProcess; }

  private:
    PROCESS_INFORMATION info_{};
};

// One row of the table: the program's figure against its floor.
struct Row {
    std::string what;
    std::vector<double> values;
    std::string floor;
    std::vector<double> floorValues;
    const char* unit = "ms";
};

void PrintTable(const std::vector<Row>& rows) {
    std::printf("| measured | median | p99 | floor | median | p99 | difference (median) |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const Row& row : rows) {
        const double median = Median(row.values);
        const double floor = Median(row.floorValues);
        std::printf("| %s | %.2f %s | %.2f %s | %s | %.2f %s | %.2f %s | %+.2f %s (%.2fx) |\n",
                    row.what.c_str(), median, row.unit, Percentile99(row.values), row.unit,
                    row.floor.c_str(), floor, row.unit, Percentile99(row.floorValues), row.unit,
                    median - floor, row.unit, median / floor);
    }
}

// 99 combinations on other keys, all enabled, bound to the other plug-ins, and last
// Ctrl+Alt+Q on timed.dll, so every read of the list goes through all the others.
std::vector<Combination> StoredCombinations() {
    std::vector<Combination> combinations;
    const char* prefixes[] = {"Ctrl+Alt+", "Ctrl+Shift+", "Shift+Alt+", "Shift+Ctrl+Alt+"};
    for (int i = 0; combinations.size() < kStoredCombinations - 1; ++i) {
        const std::string key = i < 96 ? "F" + std::to_string(i % 24 + 1) : std::to_string(i - 95);
        combinations.push_back(
            {prefixes[i / 24 % 4] + key, true, false, Plugin(i % (kPlugins - 1) + 1).substr(7)});
    }
    combinations.push_back({"Ctrl+Alt+Q", true, false, "timed.dll"});
    return combinations;
}

// Press -> Execute with both floors, and the memory after start and over 1,000 presses.
void MeasurePresses(std::vector<Row>& rows) {
    ProgramFolder folder(ProgramBuild::kShipped);
    AddPlugins(folder, kPlugins);
    WriteTextFile(folder.File("DATA\\BASE.INI"), ListFile(StoredCombinations()));
    SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG", folder.File("module.log").wstring().c_str());
    std::optional<RunningProgram> program;
    const HWND main = Start(folder, program);
    // The program is the only process left whose command line names its folder.
    const std::vector<std::string> marker{folder.Path().filename().string()};

    Phase quorvel{folder.File("module.log"),
                  "timing: Execute(\"Ctrl+Alt+Q\",\"cmd100\"," +
                      std::to_string(reinterpret_cast<std::uintptr_t>(main)) + ")",
                  {},
                  0};
    Phase bare{folder.File("floor.log"), "floor: WM_HOTKEY", {}, 0};
    Phase loading{folder.File("floor-load.log"), "floor: WM_HOTKEY", {}, 0};
    const std::string module = folder.File("PLUGIN\\timed.dll").string();
    auto measureProgram = [&] {
        SendMessageW(main, kBackgroundModeMessage, 0, 0);
        if (CanRegister(kModifiers, kKey))
            throw std::runtime_error("background mode did not register the combination");
        Sleep(300);  // the desktop settles after the main window hides
        Measure(quorvel, kPressesPerRound);
        SendMessageW(main, kBackgroundModeMessage, 1, 0);
        if (!CanRegister(kModifiers, kKey))
            throw std::runtime_error("leaving background mode kept the combination");
    };
    auto measureFloor = [&](Phase& phase, const std::string& withModule) {
        Helper helper("floor \"" + phase.log.string() + "\" \"" + withModule + "\"");
        if (!WaitUntil(
                [&] {
                    return !CanRegister(kModifiers, kKey) ||
                           WaitForSingleObject(helper.Process(), 0) == WAIT_OBJECT_0;
                },
                kFirstWindowWait) ||
            CanRegister(kModifiers, kKey))
            throw std::runtime_error("the floor window never took the hot key");
        Measure(phase, kPressesPerRound);
    };
    Sleep(1000);  // idle after start
    const long afterStart = PrivateKilobytes(marker);
    // Alternating rounds, so a change in the machine's load reaches all sides alike.
    for (int round = 0; round < kRounds; ++round) {
        if (round % 2 == 0) measureProgram();
        measureFloor(bare, "");
        measureFloor(loading, module);
        if (round % 2 == 1) measureProgram();
    }
    rows.push_back({"press -> Execute, 100 combinations, 20 plug-ins", quorvel.milliseconds,
                    "bare hot-key window", bare.milliseconds});
    rows.push_back({"press -> Execute (own share: difference)", quorvel.milliseconds,
                    "bare window + LoadLibrary/FreeLibrary", loading.milliseconds});

    // Memory: after the rounds above (over 200 presses), then after 1,000 more.
    SendMessageW(main, kBackgroundModeMessage, 0, 0);
    Sleep(300);
    Measure(quorvel, 100, false);
    const long warm = PrivateKilobytes(marker);
    Measure(quorvel, 1000, false);
    const long after = PrivateKilobytes(marker);
    SendMessageW(main, kBackgroundModeMessage, 1, 0);
    // A floor's private memory once its window is up and has settled.
    auto floorKilobytes = [](const char* program, const wchar_t* caption) {
        Helper floor("", Beside(program));
        WaitUntil([&] { return FindProgramWindow(floor.ProcessId(), caption) != nullptr; },
                  kFirstWindowWait);
        Sleep(1000);
        return PrivateKilobytes({program});
    };
    const long floorKb = floorKilobytes("bare_window.exe", kBareCaption);
    const long partsKb = floorKilobytes("system_parts_window.exe", L"QuorvelBenchParts");
    auto mb = [](long kb) { return std::vector<double>{double(kb) / 1024.0}; };
    rows.push_back(
        {"private memory after start", mb(afterStart), "bare window program", mb(floorKb), "MB"});
    rows.push_back({"private memory of the bare window with common controls 6, shell32 and a "
                    "list box",
                    mb(partsKb), "bare window program", mb(floorKb), "MB"});
    rows.push_back({"private memory after 1,000 presses (warm-up 100)", mb(after),
                    "the same after the warm-up", mb(warm), "MB"});
    if (quorvel.lost + bare.lost + loading.lost > 0)
        std::printf("presses lost: program %d, floors %d and %d\n", quorvel.lost, bare.lost,
                    loading.lost);
}

// Start -> window shown and idle, plain and with AUTO (-> tray icon), against the bare
// window program.
void MeasureStarts(std::vector<Row>& rows) {
    ProgramFolder folder(ProgramBuild::kShipped);
    std::vector<double> shown, trayShown, bare, parts;
    // Start -> the window of the given caption shown and idle.
    auto timeStart = [](const std::string& arguments, const std::string& exe,
                        const wchar_t* caption) {
        const LONGLONG begin = Now();
        Helper helper(arguments, exe);
        PollUntil([&] { return FindProgramWindow(helper.ProcessId(), caption) != nullptr; },
                  kFirstWindowWait);
        WaitForInputIdle(helper.Process(), 10000);
        return Milliseconds(Now() - begin);
    };
    auto trayIcons = [] {
        int count = 0;
        HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
        for (HWND icon = nullptr;
             tray && (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));)
            ++count;
        return count;
    };
    // The first start of each is cold; it is not counted.
    for (int i = 0; i <= kStarts; ++i) {
        {
            const LONGLONG begin = Now();
            RunningProgram program(folder);
            HWND main = nullptr;
            PollUntil([&] { return (main = FindProgramWindow(program.ProcessId(), L"ZORIZED3")); },
                      kFirstWindowWait);
            HANDLE process =
                OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, program.ProcessId());
            WaitForInputIdle(process, 10000);
            CloseHandle(process);
            if (i > 0) shown.push_back(Milliseconds(Now() - begin));
            PostMessageW(main, WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
        }
        {
            const int before = trayIcons();
            const LONGLONG begin = Now();
            RunningProgram program(folder, L"AUTO");
            PollUntil([&] { return trayIcons() > before; }, kFirstWindowWait);
            if (i > 0) trayShown.push_back(Milliseconds(Now() - begin));
            PostMessageW(FindWindowW(nullptr, L"ZORIZED3"), WM_CLOSE, 0, 0);
            program.WaitForExit(10s);
            PollUntil([&] { return trayIcons() == before; }, 5s);
        }
        const double bareStart = timeStart("", Beside("bare_window.exe"), kBareCaption);
        const double partsStart =
            timeStart("", Beside("system_parts_window.exe"), L"QuorvelBenchParts");
        if (i > 0) {
            bare.push_back(bareStart);
            parts.push_back(partsStart);
        }
    }
    rows.push_back({"start -> main window shown and idle", shown, "bare window program", bare});
    rows.push_back(
        {"start with AUTO -> tray icon present", trayShown, "bare window program", bare});
    rows.push_back({"start -> bare window with common controls 6, shell32 and a list box",
                    parts, "bare window program", bare});
}

// Opening the editor with 50 plug-ins, against loading and freeing the same 50 files.
void MeasureEditor(std::vector<Row>& rows) {
    ProgramFolder folder(ProgramBuild::kShipped);
    AddPlugins(folder, kEditorPlugins);
    std::optional<RunningProgram> program;
    const HWND main = Start(folder, program);
    std::vector<double> opening, loads;
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder.File("PLUGIN")))
        files.push_back(entry.path().string());
    for (int i = 0; i <= kOpenings; ++i) {
        const LONGLONG begin = Now();
        PostMessageW(ControlAt(main, LayoutOf(kForm1Layout, "Button1")), BM_CLICK, 0, 0);
        HWND editor = nullptr;
        PollUntil(
            [&] { return (editor = FindProgramWindow(program->ProcessId(), L"Combination")); },
            10s);
        if (!editor) throw std::runtime_error("the editor did not open");
        if (i > 0) opening.push_back(Milliseconds(Now() - begin));
        PostMessageW(editor, WM_CLOSE, 0, 0);
        WaitUntil([&] { return !IsWindowVisible(editor) && IsWindowEnabled(main); });
        const LONGLONG loadBegin = Now();
        for (const std::string& file : files) FreeLibrary(LoadLibraryA(file.c_str()));
        if (i > 0) loads.push_back(Milliseconds(Now() - loadBegin));
    }
    rows.push_back({"opening the editor, 50 plug-ins", opening,
                    "50 LoadLibrary/FreeLibrary of the same files", loads});
}

// One replace of a file of this size, as the program makes it: a temporary file beside it,
// written, flushed and renamed over it.
double ReplaceOnce(const fs::path& file, const std::string& bytes) {
    const LONGLONG begin = Now();
    const std::wstring temporary = file.wstring() + L".bench.tmp";
    HANDLE out = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(out, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    FlushFileBuffers(out);
    CloseHandle(out);
    MoveFileExW(temporary.c_str(), file.wstring().c_str(),
                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return Milliseconds(Now() - begin);
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Delete of combination 1 of 500, and Ok of the options dialog, each a click answered by
// the program (SendMessage returns when the click is handled), against one replace of the
// same file by this process.
void MeasureSaves(std::vector<Row>& rows) {
    ProgramFolder folder(ProgramBuild::kShipped);
    folder.SetOption(L"MESSAGE", L"DELETE_HOT_KEY", L"0");
    AddPlugins(folder, 2);
    const fs::path list = folder.File("DATA\\BASE.INI");
    // Real hot-key texts, all different: every modifier set with letters, digits, F keys and
    // named keys.
    std::vector<Combination> combinations;
    const char* modifiers[] = {"Ctrl+Alt+",   "Ctrl+",           "Alt+",  "Shift+Alt+",
                               "Ctrl+Shift+", "Shift+Ctrl+Alt+", "Shift+"};
    std::vector<std::string> keys;
    for (char c = 'A'; c <= 'Z'; ++c) keys.push_back(std::string(1, c));
    for (char c = '0'; c <= '9'; ++c) keys.push_back(std::string(1, c));
    for (int f = 1; f <= 24; ++f) keys.push_back("F" + std::to_string(f));
    for (const char* name : {"Ins", "Del", "Home", "End", "PgUp", "PgDn", "Left", "Up", "Right",
                             "Down", "Space", "Tab", "Enter", "BkSp", "Esc"})
        keys.push_back(name);
    for (int n = 0; int(combinations.size()) < kListForDelete; ++n)
        combinations.push_back(
            {modifiers[n / int(keys.size())] + keys[n % keys.size()], true, false, "timed.dll"});
    const std::wstring first(combinations[0].hotKey.begin(), combinations[0].hotKey.end());
    const std::string full = ListFile(combinations);
    WriteTextFile(list, full);
    std::vector<double> deletes, deleteFloor, saves, saveFloor;
    // A fresh start for each: the list shows combination 1 again only when loaded anew.
    for (int i = 0; i <= kSaves / 2; ++i) {
        WriteTextFile(list, full);
        std::optional<RunningProgram> program;
        const HWND main = Start(folder, program);
        HWND listBox = ControlAt(main, LayoutOf(kForm1Layout, "List"));
        // The entry of combination 1 (the list is sorted: it is looked up by its text).
        const LRESULT entry =
            SendMessageW(listBox, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(first.c_str()));
        SendMessageW(listBox, LB_SETCURSEL, WPARAM(entry), 0);
        const LONGLONG begin = Now();
        SendMessageW(ControlAt(main, LayoutOf(kForm1Layout, "Button2")), BM_CLICK, 0, 0);
        const double took = Milliseconds(Now() - begin);
        const std::string after = Bytes(list);
        if (after.find("Index=499") == std::string::npos)
            throw std::runtime_error("the delete did not happen");
        if (i > 0) {
            deletes.push_back(took);
            deleteFloor.push_back(ReplaceOnce(folder.File("floor.ini"), after));
        }
        PostMessageW(main, WM_CLOSE, 0, 0);
        program->WaitForExit(10s);
    }
    std::optional<RunningProgram> program;
    const HWND main = Start(folder, program);
    HWND setting = ControlAt(main, LayoutOf(kForm1Layout, "Button4"));
    for (int i = 0; i <= kSaves; ++i) {
        // A hand edit, so Ok writes. (On the bytes: the system's profile functions in this
        // process keep a copy of the file that may predate the program's last save.)
        std::string options = Bytes(folder.File("Option.ini"));
        const auto at = options.find("FASTOPEN=") + 9;
        options.replace(at, options.find_first_of("\r\n", at) - at, "1");
        WriteTextFile(folder.File("Option.ini"), options);
        PostMessageW(setting, BM_CLICK, 0, 0);
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = FindProgramWindow(program->ProcessId(), L"Option")); });
        if (!dialog) throw std::runtime_error("the options dialog did not open");
        HWND ok = ControlAt(dialog, LayoutOf(kForm3Layout, "Button1"));
        const LONGLONG begin = Now();
        SendMessageW(ok, BM_CLICK, 0, 0);
        const double took = Milliseconds(Now() - begin);
        WaitUntil([&] { return !IsWindowVisible(dialog); });
        if (i > 0) {
            saves.push_back(took);
            saveFloor.push_back(
                ReplaceOnce(folder.File("floor.ini"), Bytes(folder.File("Option.ini"))));
        }
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    program->WaitForExit(10s);
    rows.push_back({"Delete of combination 1 of 500 (click handled)", deletes,
                    "one replace of the same file", deleteFloor});
    rows.push_back({"SaveOption (Ok handled)", saves, "one replace of Option.ini", saveFloor});
}

// The sections named (all when none is): presses, starts, editor, saves.
int RunBenchmark(const std::vector<std::string>& only) {
    const std::pair<const char*, void (*)(std::vector<Row>&)> sections[] = {
        {"presses", MeasurePresses},
        {"starts", MeasureStarts},
        {"editor", MeasureEditor},
        {"saves", MeasureSaves}};
    std::vector<Row> rows;
    int failures = 0;
    // A section that fails is said and the others still measured.
    for (const auto& [name, section] : sections) {
        if (!only.empty() && std::find(only.begin(), only.end(), name) == only.end()) continue;
        try {
            section(rows);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "program_bench: %s\n", error.what());
            ++failures;
        }
    }
    PrintTable(rows);
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "floor")
        return RunFloorWindow(argv[2], argc >= 4 ? argv[3] : "");
    try {
        return RunBenchmark(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "program_bench: %s\n", error.what());
        return 1;
    }
}
