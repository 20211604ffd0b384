#include "win32/win32_popup_menu.h"

#include <algorithm>

#include "win32/bitmap_conversion.h"
#include "win32/text_conversion.h"
#include "win32/win32_form.h"
#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

namespace {

constexpr UINT kFirstId = 1;

}  // namespace

Win32PopupMenu::Win32PopupMenu(Win32Form& owner, const MenuLayout& layout)
    : owner_(owner), menu_(CreatePopupMenu()) {
    // Submenus first, so their items can be appended wherever the layout lists them.
    std::vector<std::pair<std::string_view, HMENU>> submenus;
    for (const MenuItemLayout& item : layout.items)
        if (!item.parent.empty() &&
            std::none_of(submenus.begin(), submenus.end(),
                         [&](const auto& known) { return known.first == item.parent; }))
            submenus.emplace_back(item.parent, CreatePopupMenu());
    auto submenuOf = [&](std::string_view name) -> HMENU {
        for (const auto& [parent, menu] : submenus)
            if (parent == name) return menu;
        return nullptr;
    };

    UINT id = kFirstId;
    for (const MenuItemLayout& item : layout.items) {
        HMENU container = item.parent.empty() ? menu_.Get() : submenuOf(item.parent);
        items_.push_back({&item, container, id, std::string(item.caption), item.imageIndex, {}});
        const std::wstring caption = Widen(item.caption);
        if (item.separator) {
            AppendMenuW(container, MF_SEPARATOR, id, nullptr);
        } else if (HMENU submenu = submenuOf(item.name)) {
            AppendMenuW(container, MF_POPUP | MF_STRING, UINT_PTR(submenu), caption.c_str());
        } else {
            AppendMenuW(container, MF_STRING, id, caption.c_str());
        }
        if (item.isDefault) SetMenuDefaultItem(container, id, FALSE);
        ++id;
    }
}

int Win32PopupMenu::Find(std::string_view name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].layout->name == name) return int(i);
    return -1;
}

// Items are addressed by position within their menu: a submenu item has no command id.
UINT Win32PopupMenu::PositionOf(const Item& item) const {
    UINT position = 0;
    for (const Item& other : items_) {
        if (&other == &item) break;
        if (other.container == item.container) ++position;
    }
    return position;
}

std::string Win32PopupMenu::Caption(std::string_view item) const {
    const int index = Find(item);
    return index < 0 ? std::string() : items_[std::size_t(index)].caption;
}

void Win32PopupMenu::SetCaption(std::string_view name, const std::string& caption) {
    const int index = Find(name);
    if (index < 0) return;
    Item& item = items_[std::size_t(index)];
    item.caption = caption;
    std::wstring text = Widen(caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = text.data();
    SetMenuItemInfoW(item.container, PositionOf(item), TRUE, &info);
}

bool Win32PopupMenu::Enabled(std::string_view name) const {
    const int index = Find(name);
    if (index < 0) return false;
    const Item& item = items_[std::size_t(index)];
    const UINT state = GetMenuState(item.container, PositionOf(item), MF_BYPOSITION);
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

void Win32PopupMenu::SetEnabled(std::string_view name, bool enabled) {
    const int index = Find(name);
    if (index < 0) return;
    const Item& item = items_[std::size_t(index)];
    EnableMenuItem(item.container, PositionOf(item),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

int Win32PopupMenu::ImageIndex(std::string_view name) const {
    const int index = Find(name);
    return index < 0 ? -1 : items_[std::size_t(index)].imageIndex;
}

void Win32PopupMenu::SetImageIndex(std::string_view name, int imageIndex) {
    const int index = Find(name);
    if (index < 0) return;
    items_[std::size_t(index)].imageIndex = imageIndex;
    ShowImage(items_[std::size_t(index)]);
}

void Win32PopupMenu::SetOnClick(std::string_view name, std::function<void()> handler) {
    const int index = Find(name);
    if (index >= 0) items_[std::size_t(index)].onClick = std::move(handler);
}

void Win32PopupMenu::SetImages(const std::vector<Bitmap>& images) {
    images_.clear();
    for (const Bitmap& image : images)
        images_.push_back(AlphaBitmapFromBitmap(image, kGlyphTransparent));
    for (const Item& item : items_) ShowImage(item);
}

void Win32PopupMenu::ShowImage(const Item& item) {
    if (item.layout->separator) return;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    const bool shown = item.imageIndex >= 0 && std::size_t(item.imageIndex) < images_.size();
    info.hbmpItem =
        shown ? static_cast<HBITMAP>(images_[std::size_t(item.imageIndex)].Get()) : nullptr;
    SetMenuItemInfoW(item.container, PositionOf(item), TRUE, &info);
}

void Win32PopupMenu::Popup(Point at) {
    HWND owner = owner_.Hwnd();
    // Without the owner in front, the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT chosen =
        UINT(TrackPopupMenu(menu_.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                            0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    for (const Item& item : items_)
        if (item.id == chosen && item.onClick) owner_.Toolkit().Guard(item.onClick);
}

}  // namespace quorvel::win32
