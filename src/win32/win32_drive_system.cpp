#include "win32/win32_drive_system.h"

#include "win32/text_conversion.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

std::uint32_t Win32DriveSystem::ExistingDrives() {
    return std::uint32_t(::GetLogicalDrives());
}

bool Win32DriveSystem::IsCdDrive(const std::string& name) {
    return ::GetDriveTypeW(Widen(name).c_str()) == DRIVE_CDROM;
}

bool Win32DriveSystem::CanQueryRoot(const std::string& root) {
    // Without this an empty or unready drive makes Windows ask the user, once a second.
    // Only this thread, only for this call: plug-ins keep the error mode they expect.
    DWORD previous = 0;
    const bool quiet = ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous) != FALSE;
    DWORD sectors = 0, bytes = 0, freeClusters = 0, clusters = 0;
    const bool answered =
        ::GetDiskFreeSpaceW(Widen(root).c_str(), &sectors, &bytes, &freeClusters, &clusters) != 0;
    if (quiet) ::SetThreadErrorMode(previous, nullptr);
    return answered;
}

}  // namespace quorvel::win32
