#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/flat_menu.h"
#include "platform/layout.h"
#include "platform/menu.h"
#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

class Win32Form;

// A popup menu of the system built from its layout (separators, one level of submenus,
// the default item in bold), drawn by the program in the flat style of its styled
// controls: the owner window passes its WM_MEASUREITEM and WM_DRAWITEM for menu items on
// to MeasureItem and DrawItem.
class Win32PopupMenu : public PopupMenu {
  public:
    Win32PopupMenu(Win32Form& owner, const MenuLayout& layout);
    ~Win32PopupMenu() override;
    Win32PopupMenu(const Win32PopupMenu&) = delete;
    Win32PopupMenu& operator=(const Win32PopupMenu&) = delete;

    bool HasItem(std::string_view item) const override { return Find(item) >= 0; }
    std::string Caption(std::string_view item) const override;
    void SetCaption(std::string_view item, const std::string& caption) override;
    bool Enabled(std::string_view item) const override;
    void SetEnabled(std::string_view item, bool enabled) override;
    int ImageIndex(std::string_view item) const override;
    void SetImageIndex(std::string_view item, int index) override;
    void SetOnClick(std::string_view item, std::function<void()> handler) override;
    void SetImages(const std::vector<Bitmap>& images) override;
    void SetScale(DisplayScale scale) override;
    void Popup(Point screenPosition) override;

    HMENU Menu() const { return menu_.Get(); }

    // An owner-drawn menu item's size and painting; false when the item is not of a menu
    // of this kind.
    static bool MeasureItem(MEASUREITEMSTRUCT& measure);
    static bool DrawItem(const DRAWITEMSTRUCT& draw);

  private:
    struct Item {
        const MenuItemLayout* layout;
        HMENU container;  // the menu the item is in
        HMENU submenu;    // the menu it opens, if any
        UINT id;
        std::string caption;
        int imageIndex;
        std::function<void()> onClick;
    };
    struct Picture {
        UniqueIcon normal;
        UniqueIcon grayed;
    };
    int Find(std::string_view name) const;
    const Item* ItemOf(ULONG_PTR itemData) const;
    UINT PositionOf(const Item& item) const;
    const Picture* PictureOf(const Item& item) const;
    void Append(Item& item);
    void MakePictures();
    Size Measure(const Item& item) const;
    void Draw(const Item& item, const DRAWITEMSTRUCT& draw) const;

    Win32Form& owner_;
    const FlatMenuColors colors_;
    UniqueBrush background_;  // the menu's margins, in the items' face colour
    DisplayScale scale_;
    FlatMenuMetrics metrics_;
    UniqueFont font_;      // the system's menu font at scale_
    UniqueFont boldFont_;  // the same, bold, for the default item
    UniqueMenu menu_;
    std::vector<Item> items_;        // never grows after construction: the menus hold its addresses
    std::vector<Bitmap> images_;     // as given
    std::vector<Picture> pictures_;  // of images_ at metrics_.imageSize, made as the menu opens
};

}  // namespace quorvel::win32
