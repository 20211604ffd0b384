#pragma once

#include <filesystem>

#include "program_driver.h"

namespace quorvel::e2e {

// Makes a program folder ready to show that a combination fires: the recording test module
// as an added plug-in, one combination (Ctrl+Alt+Q) bound to it, and the questions that
// would stop an unattended start or end switched off. The module logs into `log`.
void AddRecordedCombination(const std::filesystem::path& folder, const std::filesystem::path& log);

// Puts the running program into background mode and presses Ctrl+Alt+Q until the plug-in
// logs an Execute, or the time is up.
bool CombinationFires(const RunningProgram& program, const std::filesystem::path& log);

}  // namespace quorvel::e2e
