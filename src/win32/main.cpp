// The program's entry: the toolkit over the Windows user interface and the program on it.
#include <string>

#include "app/program.h"
#include "app/single_instance.h"
#include "platform/error_report.h"
#include "win32/text_conversion.h"
#include "win32/win32_autorun_registry.h"
#include "win32/win32_drive_system.h"
#include "win32/win32_file_system.h"
#include "win32/win32_instance_system.h"
#include "win32/win32_key_names.h"
#include "win32/win32_keyboard.h"
#include "win32/win32_module_loader.h"
#include "win32/win32_parking_system.h"
#include "win32/win32_shell.h"
#include "win32/win32_system_hot_keys.h"
#include "win32/win32_text_rasterizer.h"
#include "win32/win32_toolkit.h"
#ifdef QUORVEL_TEST_HOOKS
#include "win32/test_hooks.h"
#endif
// clang-format off
#include "win32/windows_api.h"
#include <shellapi.h>
// clang-format on

namespace {

std::string ProgramFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return quorvel::win32::Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

// The first command-line argument, or empty: only it is looked at ("AUTO" from autorun).
std::string FirstArgument() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return {};
    std::string first = count > 1 ? quorvel::win32::Narrow(arguments[1]) : std::string();
    LocalFree(arguments);
    return first;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Lives for the whole run: its event keeps every later start a second instance.
    quorvel::win32::Win32InstanceSystem instances;
    if (!quorvel::ClaimFirstInstance(instances)) return 0;
    quorvel::win32::Win32Toolkit toolkit(instance);
    quorvel::win32::Win32FileSystem files;
    quorvel::win32::Win32Keyboard keyboard;
    quorvel::win32::Win32KeyNames keyNames;
    quorvel::win32::Win32ModuleLoader modules;
    quorvel::win32::Win32FocusKeeper focus;
    quorvel::win32::Win32AutorunRegistry autorun;
    quorvel::win32::Win32DriveSystem drives;
    quorvel::win32::Win32Shell shell;
    quorvel::win32::Win32TextRasterizer text;
    quorvel::Services services{
        .files = files,
        .keyNames = keyNames,
        .keyboard = keyboard,
        .modules = modules,
        .focus = focus,
        .autorun = autorun,
        .drives = drives,
        .createHotKeys = [](std::uintptr_t window) -> std::unique_ptr<quorvel::SystemHotKeys> {
            return std::make_unique<quorvel::win32::Win32SystemHotKeys>(HWND(window));
        },
        .createParking = [](std::uintptr_t window) -> std::unique_ptr<quorvel::ParkingSystem> {
            return std::make_unique<quorvel::win32::Win32ParkingSystem>(HWND(window));
        },
        .programFile = ProgramFile(),
        .firstArgument = FirstArgument(),
        .shell = &shell,
        .text = &text};
    try {
        quorvel::Program program(toolkit, services);
#ifdef QUORVEL_TEST_HOOKS
        quorvel::win32::InstallTestHooks(program);
#endif
        return program.Run();
    } catch (const std::exception& error) {
        // The windows could not be made: say why rather than vanish.
        quorvel::ShowErrorReport(toolkit.Dialogs(), error.what());
        return 1;
    }
}
