#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/drive_system.h"
#include "platform/message_dialogs.h"
#include "platform/timer.h"
#include "platform/tray_icon.h"
#include "settings/options.h"

namespace quorvel {

// The tray pictures of the main window's image list the watch shows.
inline constexpr int kTrayNormalImage = 0;
inline constexpr int kTrayDiscImage = 1;
inline constexpr int kTrayNoDiscImage = 2;

// The CD drives of the machine in alphabetical order, each as letter and colon ("E:").
std::vector<std::string> CdDriveNames(DriveSystem& drives);
// Fills a list with them (emptied first).
void ListCdDrives(DriveSystem& drives, ItemList& list);

// Whether a disc is in the drive named by `drive` ("E:"). Any failure counts as no disc;
// so does an empty name, which would otherwise test the current drive and always find one.
bool IsDiscInDrive(DriveSystem& drives, const std::string& drive);

// The disc-in-drive watch: once a second the tray icon shows whether a disc is in the
// drive the options name, animated while one is when the options ask for that. It reads
// the drive and the animation switch anew at every tick, so a hand edit counts at once.
class DiscWatch {
  public:
    // `timer` is the main window's watch timer, made with its first interval (10 ms).
    DiscWatch(const Options& options, DriveSystem& drives, Timer& timer, TrayIcon& tray,
              MessageDialogs& dialogs);
    ~DiscWatch();
    DiscWatch(const DiscWatch&) = delete;
    DiscWatch& operator=(const DiscWatch&) = delete;

    // Starts or stops the ticks; stopping shows the normal tray picture again (and leaves
    // the animation as it is).
    void SetDiscWatch(bool on);
    // After the options were saved: the watch runs exactly when they ask for it; switched
    // off, the icon also stops any animation.
    void ApplySavedChoice(bool watch);
    bool Running() const { return timer_.Enabled(); }
    // One check: the tray shows the disc (animated or not) or no disc. An animation switch
    // that is no boolean reads as off and is reported once per run of bad values.
    void TestTimer();

  private:
    const Options& options_;
    DriveSystem& drives_;
    Timer& timer_;
    TrayIcon& tray_;
    MessageDialogs& dialogs_;
    bool animationErrorShown_ = false;
};

}  // namespace quorvel
