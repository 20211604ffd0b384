#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/display_scale.h"
#include "base/geometry.h"
#include "platform/layout.h"

namespace quorvel {

// How a modal window or a message dialog was ended.
enum class ModalResult { kNone, kOk, kCancel, kAbort, kYes, kNo };

// A handler of a window message: a result when it handled the message, nothing to let
// the window treat it as usual.
using MessageHandler = std::function<std::optional<std::intptr_t>(
    unsigned message, std::uintptr_t wParam, std::intptr_t lParam)>;

// A top-level window of the program: borderless, holding the controls its layout declares.
class Form {
  public:
    virtual ~Form() = default;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;

    // Shows the window modally (the other windows of the program take no input) and
    // returns once EndModal or Close ended it; the window is then hidden.
    virtual ModalResult ShowModal() = 0;
    virtual void EndModal(ModalResult result) = 0;
    virtual bool Modal() const = 0;

    // Asks the window to close, as its close command does: the close handler may refuse.
    // A modal window then ends with Cancel; the main window ends the program's message
    // loop; any other window is hidden.
    virtual void Close() = 0;

    virtual Point Position() const = 0;  // top-left corner on the screen
    virtual void SetPosition(Point position) = 0;
    virtual Size ClientSize() const = 0;
    virtual void SetClientSize(Size size) = 0;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The shape of the window as horizontal runs of shown pixels; empty: the full rectangle.
    virtual void SetRegion(const std::vector<RowRun>& region) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void BringToFront() = 0;

    // The system's handle of the window, as action modules and other programs see it.
    virtual std::uintptr_t Handle() const = 0;
    // Sends a message to this window and returns when its handler has run.
    virtual std::intptr_t Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;

    // Runs as the window is about to appear, so what it fills in is there when it does.
    virtual void SetOnShow(std::function<void()> handler) = 0;
    // Returns whether the window may close.
    virtual void SetOnClose(std::function<bool()> handler) = 0;
    virtual void SetOnActivate(std::function<void()> handler) = 0;
    // The application gained (true) or lost (false) activation.
    virtual void SetOnActivateApp(std::function<void(bool active)> handler) = 0;
    // Messages by number (the program's own and the system's hot-key message).
    virtual void SetOnMessage(MessageHandler handler) = 0;
    // The window was moved to a display of another scale and has taken the place and size
    // the system suggests; the handler lays the program's windows out at `scale`.
    virtual void SetOnScaleChanged(std::function<void(DisplayScale scale)> handler) = 0;
    // A key pressed anywhere in the window, before its control sees it; true: taken.
    virtual void SetOnShortcut(std::function<bool(Shortcut)> handler) = 0;
};

}  // namespace quorvel
