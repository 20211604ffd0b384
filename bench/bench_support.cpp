#include "bench_support.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <stdexcept>

#include "hot_key_driver.h"

namespace quorvel::bench {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace e2e;

namespace {

// Uncounted presses at the start of each phase: the first load of a module is cold.
constexpr int kWarmUpPresses = 3;
// The first start of a 32-bit program in a fresh prefix takes seconds: no wait for a first
// window may be shorter than this.
constexpr auto kFirstWindowWait = 90s;

}  // namespace

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double Milliseconds(LONGLONG ticks) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return double(ticks) * 1000.0 / double(frequency);
}

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

void Measure(Phase& phase, int presses, bool record) {
    std::size_t seen = ReadStamps(phase.log).size();
    for (int i = 0; i < kWarmUpPresses + presses; ++i) {
        const LONGLONG pressed = Now();
        Press(kKey, {VK_CONTROL, VK_MENU});
        Sleep(record ? 10 : 1);
        std::vector<Stamp> stamps;
        const bool arrived =
            WaitUntil([&] { return (stamps = ReadStamps(phase.log)).size() > seen; }, 5s);
        if (!arrived) {
            ++phase.lost;
            continue;
        }
        if (stamps.size() != seen + 1 || stamps.back().what != phase.expected)
            throw std::runtime_error("unexpected stamp: " + stamps.back().what);
        seen = stamps.size();
        if (record && i >= kWarmUpPresses)
            phase.milliseconds.push_back(Milliseconds(stamps.back().counter - pressed));
        // The program frees the module; an uneven gap avoids beats.
        Sleep(record ? 20 + i % 7 * 3 : 2);
    }
}

long PrivateKilobytes(const std::vector<std::string>& markers) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    if (search == INVALID_HANDLE_VALUE) return -1;
    long result = -1;
    do {
        const std::string pid = found.cFileName;
        if (pid.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream cmdline("Z:\\proc\\" + pid + "\\cmdline", std::ios::binary);
        std::string command((std::istreambuf_iterator<char>(cmdline)), {});
        if (!std::all_of(markers.begin(), markers.end(), [&](const std::string& marker) {
                return command.find(marker) != std::string::npos;
            }))
            continue;
        std::ifstream status("Z:\\proc\\" + pid + "\\status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("RssAnon:", 0) == 0) result = std::stol(line.substr(8));
        }
    } while (result < 0 && FindNextFileA(search, &found));
    FindClose(search);
    return result;
}

std::string Plugin(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "PLUGIN\\action%02d.dll", n);
    return name;
}

void AddPlugins(const ProgramFolder& folder, int count) {
    const fs::path modules = QUORVEL_TEST_MODULES_DIR;
    fs::create_directories(folder.File("PLUGIN"));
    fs::copy_file(modules / "qv_timing.dll", folder.File("PLUGIN\\timed.dll"));
    const char* shapes[] = {"qv_complete.dll", "qv_no_setting.dll", "qv_modal.dll",
                            "qv_no_expansion_a.dll"};
    for (int i = 1; i < count; ++i) fs::copy_file(modules / shapes[i % 4], folder.File(Plugin(i)));
}

HWND Start(const ProgramFolder& folder, std::optional<RunningProgram>& program) {
    program.emplace(folder);
    const HWND main = WaitForMainWindow(*program, kFirstWindowWait);
    if (!main) throw std::runtime_error("the main window never appeared");
    return main;
}

}  // namespace quorvel::bench
