#pragma once

// What the benchmarks share: clocks, a program folder with plug-ins, presses that wait for
// the action's stamp, and the Wine process's private memory read from Linux.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "program_driver.h"

namespace quorvel::bench {

// The pressed combination: Ctrl+Alt+Q.
inline constexpr UINT kModifiers = MOD_CONTROL | MOD_ALT;
inline constexpr WORD kKey = 'Q';

LONGLONG Now();
double Milliseconds(LONGLONG ticks);

struct Stamp {
    std::string what;
    LONGLONG counter;
};

std::vector<Stamp> ReadStamps(const std::filesystem::path& log);

struct Phase {
    std::filesystem::path log;
    // What each stamp must say, so a stamp from anything but the path measured is caught.
    std::string expected;
    std::vector<double> milliseconds;
    int lost = 0;
};

// Presses the combination and waits for its stamp each time; a press is made only when
// the previous one's action has ended, with a pause, so no two presses ever overlap.
// Recorded presses keep their time from the press to the stamp.
void Measure(Phase& phase, int presses, bool record = true);

// The Wine process's private (anonymous) memory in kB, read from Linux: the system's own
// figure for another process reads 0 under Wine. Its command line (arguments separated by
// NUL) holds every marker; -1 when no such process is found.
long PrivateKilobytes(const std::vector<std::string>& markers);

// "PLUGIN\actionNN.dll", the n-th of the plug-ins AddPlugins copies.
std::string Plugin(int n);

// PLUGIN\timed.dll (the timing test module, which stamps each Execute into the file named by
// QUORVEL_MODULE_LOG) and count - 1 plug-ins of the other test module shapes.
void AddPlugins(const e2e::ProgramFolder& folder, int count);

// Starts the program and waits for its main window; throws when it never appears.
HWND Start(const e2e::ProgramFolder& folder, std::optional<e2e::RunningProgram>& program);

}  // namespace quorvel::bench
