#include "settings/disc_watch.h"

#include <exception>

#include "platform/error_report.h"

namespace quorvel {

namespace {
// After the first, quick check the watch looks once a second.
constexpr int kTickInterval = 1000;
}  // namespace

std::vector<std::string> CdDriveNames(DriveSystem& drives) {
    std::vector<std::string> names;
    const std::uint32_t existing = drives.ExistingDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if (!(existing & (std::uint32_t{1} << letter))) continue;
        const std::string name{char('A' + letter), ':'};
        if (drives.IsCdDrive(name)) names.push_back(name);
    }
    return names;
}

void ListCdDrives(DriveSystem& drives, ItemList& list) {
    list.Clear();
    for (const std::string& name : CdDriveNames(drives)) list.Add(name);
}

bool IsDiscInDrive(DriveSystem& drives, const std::string& drive) {
    if (drive.empty()) return false;
    return drives.CanQueryRoot(drive + "\\");
}

DiscWatch::DiscWatch(const Options& options, DriveSystem& drives, Timer& timer, TrayIcon& tray,
                     MessageDialogs& dialogs)
    : options_(options), drives_(drives), timer_(timer), tray_(tray), dialogs_(dialogs) {
    timer_.SetOnTick([this] { TestTimer(); });
}

DiscWatch::~DiscWatch() {
    timer_.SetEnabled(false);
    timer_.SetOnTick({});
}

void DiscWatch::SetDiscWatch(bool on) {
    timer_.SetEnabled(on);
    if (!on) tray_.SetImageIndex(kTrayNormalImage);
}

void DiscWatch::ApplySavedChoice(bool watch) {
    SetDiscWatch(watch);
    if (!watch) tray_.SetAnimated(false);
}

void DiscWatch::TestTimer() {
    timer_.SetInterval(kTickInterval);
    const bool disc = IsDiscInDrive(drives_, options_.Read(option::kDrive));
    bool animate = false;
    std::string error;
    try {
        animate = options_.Read(option::kAnimation);
        animationErrorShown_ = false;
    } catch (const std::exception& thrown) {
        // The same report once a second would never let the user reach the file: it is
        // shown once, and again only after the value was good in between.
        if (!animationErrorShown_) error = thrown.what();
        animationErrorShown_ = true;
    }
    if (disc && animate) {
        tray_.SetAnimated(true);
    } else if (disc) {
        tray_.SetAnimated(false);
        tray_.SetImageIndex(kTrayDiscImage);
    } else {
        tray_.SetImageIndex(kTrayNoDiscImage);
        tray_.SetAnimated(false);
    }
    if (!error.empty()) ShowErrorReport(dialogs_, error);
}

}  // namespace quorvel
