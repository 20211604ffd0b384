#include "app/single_instance.h"

namespace quorvel {

namespace {
constexpr int kClaimTimeoutMilliseconds = 10;
}

bool ClaimFirstInstance(InstanceSystem& system) {
    if (system.ClaimEvent(kInstanceEventName, kClaimTimeoutMilliseconds)) return true;
    // Windows that are not found (the running instance still starting) are passed over,
    // and so is a running instance that does not answer in time (hung, or busy in an
    // action): the second instance gives up and ends quietly in any case.
    if (const auto application = system.FindTopLevelWindow(kApplicationTitle))
        system.ShowWindow(application);
    if (const auto main = system.FindTopLevelWindow(kMainWindowCaption)) {
        system.BringToForeground(main);
        system.SendToWindow(main, kBackgroundModeMessage, 1, 0, kWakeTimeoutMilliseconds);
    }
    return false;
}

}  // namespace quorvel
