// From a key press to the action: the time from SendInput of a combination until the
// action module's Execute begins, in the real program in background mode with 100 stored
// combinations and 20 plug-ins, against the floor: the same press reaching a bare window
// of a helper process that only registered the same hot key. Both are stamped with the
// performance counter, which is the same in every process.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "hot_key_driver.h"
#include "program_driver.h"

using namespace quorvel::e2e;
namespace fs = std::filesystem;

namespace {

constexpr UINT kModifiers = MOD_CONTROL | MOD_ALT;
constexpr WORD kKey = 'Q';
constexpr int kRounds = 4;
constexpr int kPressesPerRound = 50;
// Uncounted presses at the start of each phase: the first load of a module is cold.
constexpr int kWarmUpPresses = 3;
constexpr UINT kBackgroundModeMessage = 0x486;
constexpr int kStoredCombinations = 100;
constexpr int kPlugins = 20;

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

// The floor: a hidden window that registers the hot key and stamps each WM_HOTKEY as its
// message loop receives it. Ends at WM_QUIT.
int RunFloorWindow(const std::string& logPath) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuorvelBenchFloor";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 100, 100,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window || !RegisterHotKey(window, 1, kModifiers, kKey)) return 2;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_HOTKEY) {
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            AppendStamp(logPath, "floor: WM_HOTKEY", now.QuadPart);
        }
        DispatchMessageW(&message);
    }
    UnregisterHotKey(window, 1);
    DestroyWindow(window);
    return 0;
}

// The helper process that runs the floor window: this program started again.
class FloorProcess {
  public:
    explicit FloorProcess(const std::string& logPath) {
        char exe[MAX_PATH];
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        std::string commandLine = "\"" + std::string(exe) + "\" floor \"" + logPath + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info_))
            throw std::runtime_error("cannot start the floor window");
        if (!WaitUntil([] { return !CanRegister(kModifiers, kKey); }))
            throw std::runtime_error("the floor window never took the hot key");
    }
    ~FloorProcess() {
        PostThreadMessageW(info_.dwThreadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(info_.hProcess, 1);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    FloorProcess(const FloorProcess&) = delete;
    FloorProcess& operator=(const FloorProcess&) = delete;

  private:
    PROCESS_INFORMATION info_{};
};

struct Stamp {
    std::string what;
    LONGLONG counter;
};

std::vector<Stamp> ReadStamps(const fs::path& log) {
    std::ifstream in(log, std::ios::binary);
    std::vector<Stamp> stamps;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto at = line.rfind(" at ");
        if (at == std::string::npos) continue;
        stamps.push_back({line.substr(0, at), std::stoll(line.substr(at + 4))});
    }
    return stamps;
}

double Milliseconds(LONGLONG ticks) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return double(ticks) * 1000.0 / double(frequency);
}

struct Phase {
    fs::path log;
    // What each stamp must say, so a stamp from anything but the path measured is caught.
    std::string expected;
    std::vector<double> milliseconds;
    int lost = 0;
};

// Presses the combination and waits for its stamp each time; a press is made only when
// the previous one's action has ended, with a pause, so no two presses ever overlap.
void Measure(Phase& phase, int presses) {
    std::size_t seen = ReadStamps(phase.log).size();
    for (int i = 0; i < kWarmUpPresses + presses; ++i) {
        LARGE_INTEGER pressed;
        QueryPerformanceCounter(&pressed);
        Press(kKey, {VK_CONTROL, VK_MENU});
        Sleep(10);
        std::vector<Stamp> stamps;
        const bool arrived =
            WaitUntil([&] { return (stamps = ReadStamps(phase.log)).size() > seen; },
                      std::chrono::seconds(5));
        if (!arrived) {
            ++phase.lost;
            continue;
        }
        if (stamps.size() != seen + 1 || stamps.back().what != phase.expected)
            throw std::runtime_error("unexpected stamp: " + stamps.back().what);
        seen = stamps.size();
        if (i >= kWarmUpPresses)
            phase.milliseconds.push_back(Milliseconds(stamps.back().counter - pressed.QuadPart));
        Sleep(20 + i % 7 * 3);  // the program frees the module; an uneven gap avoids beats
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Nearest rank: the smallest value with at least 99% of the values at or below it.
double Percentile99(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto rank = std::size_t(std::ceil(0.99 * double(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

// 99 more combinations on other keys, all enabled, bound to the other plug-ins; the one
// measured is the last, so every read of the list goes through all of them.
std::vector<Combination> StoredCombinations() {
    std::vector<Combination> combinations;
    const char* prefixes[] = {"Ctrl+Alt+", "Ctrl+Shift+", "Shift+Alt+", "Shift+Ctrl+Alt+"};
    for (int i = 0; combinations.size() < kStoredCombinations - 1; ++i) {
        const std::string key = i < 96 ? "F" + std::to_string(i % 24 + 1) : std::to_string(i - 95);
        char plugin[32];
        std::snprintf(plugin, sizeof plugin, "action%02d.dll", i % (kPlugins - 1) + 1);
        combinations.push_back({prefixes[i / 24 % 4] + key, true, false, plugin});
    }
    combinations.push_back({"Ctrl+Alt+Q", true, false, "timed.dll"});
    return combinations;
}

HWND StartProgram(const ProgramFolder& folder, std::optional<RunningProgram>& program) {
    const fs::path modules = QUORVEL_TEST_MODULES_DIR;
    fs::create_directories(folder.File("PLUGIN"));
    fs::copy_file(modules / "qv_timing.dll", folder.File("PLUGIN\\timed.dll"));
    const char* shapes[] = {"qv_complete.dll", "qv_no_setting.dll", "qv_modal.dll",
                            "qv_no_expansion_a.dll"};
    for (int i = 1; i < kPlugins; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "PLUGIN\\action%02d.dll", i);
        fs::copy_file(modules / shapes[i % 4], folder.File(name));
    }
    WriteTextFile(folder.File("DATA\\BASE.INI"), ListFile(StoredCombinations()));
    SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG", folder.File("module.log").wstring().c_str());
    program.emplace(folder);
    HWND main = WaitForMainWindow(*program);
    if (!main) throw std::runtime_error("the main window never appeared");
    return main;
}

void PrintRow(const char* what, const Phase& phase) {
    if (phase.milliseconds.empty()) throw std::runtime_error("no press arrived");
    std::printf("  %-47s median %7.3f ms | p99 %7.3f ms | %zu presses, %d lost\n", what,
                Median(phase.milliseconds), Percentile99(phase.milliseconds),
                phase.milliseconds.size(), phase.lost);
}

int RunBenchmark() {
    ProgramFolder folder;
    std::optional<RunningProgram> program;
    const HWND main = StartProgram(folder, program);

    Phase quorvel{folder.File("module.log"),
                  "timing: Execute(\"Ctrl+Alt+Q\",\"cmd100\"," +
                      std::to_string(reinterpret_cast<std::uintptr_t>(main)) + ")",
                  {},
                  0};
    Phase floor{folder.File("floor.log"), "floor: WM_HOTKEY", {}, 0};
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
    auto measureFloor = [&] {
        FloorProcess helper(floor.log.string());
        Measure(floor, kPressesPerRound);
    };
    // Alternating rounds, so a change in the machine's load reaches both sides alike.
    for (int round = 0; round < kRounds; ++round) {
        if (round % 2 == 0) {
            measureProgram();
            measureFloor();
        } else {
            measureFloor();
            measureProgram();
        }
    }

    std::printf(
        "key press to action, %d combinations stored, %d plug-ins, %d rounds of %d presses\n",
        kStoredCombinations, kPlugins, kRounds, kPressesPerRound);
    PrintRow("quorvel.exe: SendInput -> module Execute", quorvel);
    PrintRow("floor: SendInput -> WM_HOTKEY of a bare window", floor);
    std::printf("  %-47s median %6.1fx    | p99 %6.1fx\n", "ratio",
                Median(quorvel.milliseconds) / Median(floor.milliseconds),
                Percentile99(quorvel.milliseconds) / Percentile99(floor.milliseconds));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "floor") return RunFloorWindow(argv[2]);
    try {
        return RunBenchmark();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hot_key_bench: %s\n", error.what());
        return 1;
    }
}
