#include "hotkeys/held_key_watch.h"

namespace quorvel {

HeldKeyWatch::HeldKeyWatch(SystemHotKeys& keys, std::unique_ptr<Timer> timer)
    : keys_(keys), timer_(std::move(timer)) {
    timer_->SetEnabled(false);
    timer_->SetInterval(kSampleMilliseconds);
    timer_->SetOnTick([this] { Sample(); });
}

void HeldKeyWatch::Pressed(int id, unsigned virtualKey) {
    id_ = id;
    virtualKey_ = virtualKey;
    watching_ = keys_.KeyDown(virtualKey);
    timer_->SetEnabled(watching_);
}

void HeldKeyWatch::Sample() {
    if (keys_.KeyDown(virtualKey_)) return;
    watching_ = false;
    timer_->SetEnabled(false);
}

}  // namespace quorvel
