// The program's entry: the toolkit over the Windows user interface and the program on it.
#include <windows.h>

#include "app/program.h"
#include "platform/error_report.h"
#include "win32/win32_toolkit.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    quorvel::win32::Win32Toolkit toolkit(instance);
    try {
        quorvel::Program program(toolkit);
        return program.Run();
    } catch (const std::exception& error) {
        // The windows could not be made: say why rather than vanish.
        quorvel::ShowErrorReport(toolkit.Dialogs(), error.what());
        return 1;
    }
}
