#pragma once

#include <cstdint>
#include <string>

namespace quorvel {

// What the program's entry needs to make sure only one instance runs and to wake the
// running one. The running instance may be hung: nothing here waits on it without a bound.
class InstanceSystem {
  public:
    virtual ~InstanceSystem() = default;

    // Creates (or opens, when another instance made it) the named auto-reset event, which
    // starts signalled, and waits for it at most `timeoutMilliseconds`. True when the wait
    // ended with the event signalled (the wait resets it). The event stays open for as long
    // as this object lives.
    virtual bool ClaimEvent(const std::string& name, int timeoutMilliseconds) = 0;

    // A top-level window with exactly this title (any class), or 0.
    virtual std::uintptr_t FindTopLevelWindow(const std::string& title) = 0;
    // Asks the window's thread to show it; does not wait for that to happen.
    virtual void ShowWindow(std::uintptr_t window) = 0;
    virtual void BringToForeground(std::uintptr_t window) = 0;
    // Sends a message and waits until the window has handled it, at most
    // `timeoutMilliseconds`, and not at all when the window's thread is known to be hung.
    // False when the message was not handled in that time (or could not be sent).
    virtual bool SendToWindow(std::uintptr_t window, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam, int timeoutMilliseconds) = 0;
};

}  // namespace quorvel
