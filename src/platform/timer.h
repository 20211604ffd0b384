#pragma once

#include <functional>

namespace quorvel {

// A repeating timer of the GUI thread; ticks arrive between other messages.
class Timer {
  public:
    virtual ~Timer() = default;

    virtual int Interval() const = 0;  // milliseconds
    virtual void SetInterval(int milliseconds) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetOnTick(std::function<void()> handler) = 0;
};

}  // namespace quorvel
