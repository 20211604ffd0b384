#include "recorded_press.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "hot_key_driver.h"

namespace quorvel::e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

void AddRecordedCombination(const fs::path& folder, const fs::path& log) {
    fs::copy_file(fs::path(QUORVEL_TEST_MODULES_DIR) / "qv_complete.dll",
                  folder / "PLUGIN" / "rec.dll", fs::copy_options::overwrite_existing);
    Combination combination;
    combination.hotKey = "Ctrl+Alt+Q";
    WriteTextFile(folder / "DATA" / "BASE.INI", ListFile({combination}));
    const std::wstring options = (folder / "Option.ini").wstring();
    if (!WritePrivateProfileStringW(L"PROGRAM", L"INFORMATION_SHOW", L"0", options.c_str()) ||
        !WritePrivateProfileStringW(L"MESSAGE", L"EXIT_PROGRAM", L"0", options.c_str()))
        throw std::runtime_error("cannot write Option.ini");
    SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG", log.wstring().c_str());
}

namespace {

std::size_t Executes(const fs::path& log) {
    std::ifstream in(log, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    std::size_t count = 0;
    for (auto at = text.find(": Execute("); at != std::string::npos;
         at = text.find(": Execute(", at + 1))
        ++count;
    return count;
}

}  // namespace

bool CombinationFires(const RunningProgram& program, const fs::path& log) {
    HWND main = WaitForMainWindow(program);
    if (!main) return false;
    const std::size_t before = Executes(log);
    constexpr UINT kBackgroundMessage = 0x486;
    SendMessageW(main, kBackgroundMessage, 0, 0);
    // A press sent while the desktop still settles after the window hid can be lost, so it
    // is pressed again until one arrives.
    return WaitUntil(
        [&] {
            Press('Q', {VK_CONTROL, VK_MENU});
            return WaitUntil([&] { return Executes(log) > before; }, 1s);
        },
        20s);
}

}  // namespace quorvel::e2e
