#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/bitmap.h"

namespace quorvel {

class PopupMenu;

// The program's icon in the notification area. It is there only while active.
class TrayIcon {
  public:
    virtual ~TrayIcon() = default;

    virtual bool Active() const = 0;
    virtual void SetActive(bool active) = 0;
    // The image list the icon takes its picture from, and the index shown.
    virtual void SetImages(const std::vector<Bitmap>& images) = 0;
    virtual int ImageIndex() const = 0;
    virtual void SetImageIndex(int index) = 0;
    // While animated the icon cycles through the pictures `frames` gives, one every 150 ms.
    // They are asked for as the animation first runs, so a program that never animates
    // its icon never makes them.
    virtual void SetAnimationImages(std::function<std::vector<Bitmap>()> frames) = 0;
    virtual bool Animated() const = 0;
    virtual void SetAnimated(bool animated) = 0;
    virtual std::string Hint() const = 0;
    virtual void SetHint(const std::string& hint) = 0;
    // A notice in a balloon at the icon, not a question: it asks for nothing and goes by
    // itself. Shown only while the icon is active.
    virtual void ShowBalloon(const std::string& title, const std::string& text) = 0;
    // Opened at the pointer when the right button is released over the icon (no click
    // is reported then).
    virtual void SetPopupMenu(PopupMenu* menu) = 0;

    // Left button released over the icon.
    virtual void SetOnClick(std::function<void()> handler) = 0;
    // Left double click; it follows the click of its first press.
    virtual void SetOnDoubleClick(std::function<void()> handler) = 0;
    // The task bar restarted (Explorer was restarted): every icon of the program was lost
    // with it. The program's own icon, while active, is back before the handler runs.
    virtual void SetOnTaskBarRestart(std::function<void()> handler) = 0;
};

}  // namespace quorvel
