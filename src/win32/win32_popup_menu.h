#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/layout.h"
#include "platform/menu.h"
#include "win32/handles.h"

namespace quorvel::win32 {

class Win32Form;

// A popup menu of the system built from its layout (separators, one level of submenus,
// the default item in bold); item pictures come from the image list.
class Win32PopupMenu : public PopupMenu {
  public:
    Win32PopupMenu(Win32Form& owner, const MenuLayout& layout);

    bool HasItem(std::string_view item) const override { return Find(item) >= 0; }
    std::string Caption(std::string_view item) const override;
    void SetCaption(std::string_view item, const std::string& caption) override;
    bool Enabled(std::string_view item) const override;
    void SetEnabled(std::string_view item, bool enabled) override;
    int ImageIndex(std::string_view item) const override;
    void SetImageIndex(std::string_view item, int index) override;
    void SetOnClick(std::string_view item, std::function<void()> handler) override;
    void SetImages(const std::vector<Bitmap>& images) override;
    void Popup(Point screenPosition) override;

    HMENU Menu() const { return menu_.Get(); }

  private:
    struct Item {
        const MenuItemLayout* layout;
        HMENU container;  // the menu the item is in
        UINT id;
        std::string caption;
        int imageIndex;
        std::function<void()> onClick;
    };
    int Find(std::string_view name) const;
    UINT PositionOf(const Item& item) const;
    void ShowImage(const Item& item);

    Win32Form& owner_;
    UniqueMenu menu_;
    std::vector<Item> items_;
    std::vector<UniqueGdiObject> images_;
};

}  // namespace quorvel::win32
