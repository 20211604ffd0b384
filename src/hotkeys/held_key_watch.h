#pragma once

#include <memory>

#include "platform/system_hot_keys.h"
#include "platform/timer.h"

namespace quorvel {

// Tells a held combination's repeats from a new press. Registering with the no-repeat flag
// does it where the system honours the flag; where it does not, every repeat arrives as a
// press of its own, so the key of the last press is watched until it is seen up: till then
// a press of the same combination is that key still held.
class HeldKeyWatch {
  public:
    static constexpr int kSampleMilliseconds = 15;

    HeldKeyWatch(SystemHotKeys& keys, std::unique_ptr<Timer> timer);

    // True when a press of combination `id` is the last pressed key still held.
    bool Repeats(int id) const { return watching_ && id == id_; }
    // Combination `id` went down on `virtualKey`. While the key reads down its repeats are
    // ignored, until a sample sees it up. A key already up when its press is handled was a
    // whole press: the next press of it is a new one.
    void Pressed(int id, unsigned virtualKey);

  private:
    void Sample();

    SystemHotKeys& keys_;
    std::unique_ptr<Timer> timer_;
    bool watching_ = false;
    int id_ = 0;
    unsigned virtualKey_ = 0;
};

}  // namespace quorvel
