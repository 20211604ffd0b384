#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bitmap.h"
#include "base/display_scale.h"
#include "base/geometry.h"

namespace quorvel {

// A popup menu built from its layout; items are addressed by their layout names.
// Methods given an unknown name do nothing (getters answer empty or false).
class PopupMenu {
  public:
    virtual ~PopupMenu() = default;

    virtual bool HasItem(std::string_view item) const = 0;
    virtual std::string Caption(std::string_view item) const = 0;
    virtual void SetCaption(std::string_view item, const std::string& caption) = 0;
    virtual bool Enabled(std::string_view item) const = 0;
    virtual void SetEnabled(std::string_view item, bool enabled) = 0;
    virtual int ImageIndex(std::string_view item) const = 0;
    virtual void SetImageIndex(std::string_view item, int index) = 0;
    virtual void SetOnClick(std::string_view item, std::function<void()> handler) = 0;
    // The pictures the items' image indexes refer to.
    virtual void SetImages(const std::vector<Bitmap>& images) = 0;
    // The display scale of its owner window: the pictures, the fonts and the items' sizes
    // follow it (FlatMenuMetrics).
    virtual void SetScale(DisplayScale scale) = 0;

    // Shows the menu at a screen position and returns when it closed; a chosen item's
    // handler has run by then.
    virtual void Popup(Point screenPosition) = 0;
};

}  // namespace quorvel
