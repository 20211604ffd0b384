#include "win32/win32_popup_menu.h"

#include <algorithm>

#include "controls/xp_bit_btn.h"
#include "platform/controls.h"
#include "win32/bitmap_conversion.h"
#include "win32/display_dpi.h"
#include "win32/program_images.h"
#include "win32/text_conversion.h"
#include "win32/win32_form.h"
#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

namespace {

constexpr UINT kFirstId = 1;

// The menus alive now, so that an owner window can tell their items from any other.
std::vector<const Win32PopupMenu*>& LiveMenus() {
    static std::vector<const Win32PopupMenu*> menus;
    return menus;
}

// The system gives its menu font for the screen's DPI; a window on a display of another
// scale gets it at that scale.
UniqueFont MenuFont(bool bold, DisplayScale scale) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW font{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        font = metrics.lfMenuFont;
    else
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    if (bold) font.lfWeight = FW_BOLD;
    const int systemDpi = ScaleOfWindow(nullptr).dpi;
    font.lfHeight = MulDiv(font.lfHeight, scale.dpi, systemDpi);
    return UniqueFont(CreateFontIndirectW(&font));
}

UINT TextFormat(bool hidePrefix) {
    return DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS |
           (hidePrefix ? DT_HIDEPREFIX : 0);
}

RECT ToRect(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

Win32PopupMenu::Win32PopupMenu(Win32Form& owner, const MenuLayout& layout)
    : owner_(owner),
      colors_(FlatMenuColors::Of(TXPBitBtn{})),
      background_(CreateSolidBrush(colors_.face)),
      scale_(ScaleOfWindow(nullptr)),
      metrics_(FlatMenuMetrics::At(scale_)),
      font_(MenuFont(false, scale_)),
      boldFont_(MenuFont(true, scale_)),
      menu_(CreatePopupMenu()) {
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

    items_.reserve(layout.items.size());
    UINT id = kFirstId;
    for (const MenuItemLayout& item : layout.items) {
        HMENU container = item.parent.empty() ? menu_.Get() : submenuOf(item.parent);
        items_.push_back({&item,
                          container,
                          submenuOf(item.name),
                          id++,
                          std::string(item.caption),
                          item.imageIndex,
                          {}});
        Append(items_.back());
    }

    // The margins around the items in the items' colour, in the submenus too.
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = background_.Get();
    SetMenuInfo(menu_.Get(), &info);
    LiveMenus().push_back(this);
}

Win32PopupMenu::~Win32PopupMenu() {
    std::erase(LiveMenus(), this);
}

// Owner-drawn, with the caption kept as the item's text (for the keyboard and for readers
// of the menu) and the item's address as its data.
void Win32PopupMenu::Append(Item& item) {
    std::wstring caption = Widen(item.caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    info.fType = MFT_OWNERDRAW | (item.layout->separator ? MFT_SEPARATOR : 0);
    info.wID = item.id;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
    info.dwTypeData = caption.data();
    if (item.submenu) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = item.submenu;
    }
    InsertMenuItemW(item.container, GetMenuItemCount(item.container), TRUE, &info);
    if (item.layout->isDefault) SetMenuDefaultItem(item.container, item.id, FALSE);
}

int Win32PopupMenu::Find(std::string_view name) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].layout->name == name) return int(i);
    return -1;
}

const Win32PopupMenu::Item* Win32PopupMenu::ItemOf(ULONG_PTR itemData) const {
    for (const Item& item : items_)
        if (reinterpret_cast<ULONG_PTR>(&item) == itemData) return &item;
    return nullptr;
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
    if (index >= 0) items_[std::size_t(index)].imageIndex = imageIndex;
}

void Win32PopupMenu::SetOnClick(std::string_view name, std::function<void()> handler) {
    const int index = Find(name);
    if (index >= 0) items_[std::size_t(index)].onClick = std::move(handler);
}

void Win32PopupMenu::SetImages(const std::vector<Bitmap>& images) {
    images_ = images;
    pictures_.clear();
}

void Win32PopupMenu::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    metrics_ = FlatMenuMetrics::At(scale);
    font_ = MenuFont(false, scale);
    boldFont_ = MenuFont(true, scale);
    pictures_.clear();  // made again at the new size as the menu next opens
    // Setting an item's type again makes the system ask for its size anew.
    for (const Item& item : items_) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        info.fType = MFT_OWNERDRAW | (item.layout->separator ? MFT_SEPARATOR : 0);
        SetMenuItemInfoW(item.container, PositionOf(item), TRUE, &info);
    }
}

// Made as the menu first opens, not as the program starts. The program's own pictures are
// shown as their alpha icons in the version drawn for the menu's picture size; others with
// their transparent colour see-through.
void Win32PopupMenu::MakePictures() {
    if (pictures_.size() == images_.size()) return;
    pictures_.clear();
    const int size = metrics_.imageSize;
    for (const Bitmap& image : images_) {
        Picture picture;
        picture.normal = owner_.Toolkit().ProgramIconAt(image, size);
        const Bitmap shown = !picture.normal || image.Width() == size
                                 ? image
                                 : PictureOfIcon(picture.normal.Get(), kGlyphTransparent);
        if (!picture.normal) picture.normal = IconFromBitmap(image, kGlyphTransparent);
        picture.grayed = IconFromBitmap(GrayedPicture(shown, kGlyphTransparent), kGlyphTransparent);
        pictures_.push_back(std::move(picture));
    }
}

const Win32PopupMenu::Picture* Win32PopupMenu::PictureOf(const Item& item) const {
    if (item.layout->separator || item.imageIndex < 0 ||
        std::size_t(item.imageIndex) >= pictures_.size())
        return nullptr;
    return &pictures_[std::size_t(item.imageIndex)];
}

bool Win32PopupMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU) return false;
    for (const Win32PopupMenu* menu : LiveMenus()) {
        if (const Item* item = menu->ItemOf(measure.itemData)) {
            const Size size = menu->Measure(*item);
            measure.itemWidth = UINT(size.width);
            measure.itemHeight = UINT(size.height);
            return true;
        }
    }
    return false;
}

bool Win32PopupMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType != ODT_MENU) return false;
    for (const Win32PopupMenu* menu : LiveMenus()) {
        if (const Item* item = menu->ItemOf(draw.itemData)) {
            menu->Draw(*item, draw);
            return true;
        }
    }
    return false;
}

Size Win32PopupMenu::Measure(const Item& item) const {
    Size text;
    if (!item.layout->separator) {
        const UniqueWindowDc screen = WindowDcOf(nullptr);
        const SelectionScope font(screen.Get(), (item.layout->isDefault ? boldFont_ : font_).Get());
        const std::wstring caption = Widen(item.caption);
        RECT r{0, 0, 0, 0};
        DrawTextW(screen.Get(), caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
        text = {r.right - r.left, r.bottom - r.top};
    }
    return FlatMenuItemSize({.separator = item.layout->separator}, text, metrics_);
}

void Win32PopupMenu::Draw(const Item& item, const DRAWITEMSTRUCT& draw) const {
    const Picture* picture = PictureOf(item);
    const FlatMenuItem state{
        .separator = item.layout->separator,
        .isDefault = item.layout->isDefault,
        .enabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) == 0,
        .selected = (draw.itemState & ODS_SELECTED) != 0,
        .hasImage = picture != nullptr,
        .hasSubmenu = item.submenu != nullptr,
    };
    const RECT& r = draw.rcItem;
    const FlatMenuPaint paint =
        PlanFlatMenuItem(state, {r.left, r.top, r.right, r.bottom}, colors_, metrics_);

    HDC dc = draw.hDC;
    {
        // The DC is the system's: it gets it back as it lent it.
        const SavedDcScope saved(dc);
        auto* brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
        for (const FlatMenuPaint::Fill& fill : paint.fills) {
            SetDCBrushColor(dc, fill.color);
            const RECT area = ToRect(fill.rect);
            FillRect(dc, &area, brush);
        }
        if (picture && !paint.image.IsEmpty())
            DrawIconEx(dc, paint.image.left, paint.image.top,
                       (paint.imageGrayed ? picture->grayed : picture->normal).Get(),
                       paint.image.Width(), paint.image.Height(), 0, nullptr, DI_NORMAL);
        if (!paint.text.IsEmpty()) {
            const SelectionScope font(dc, (paint.bold ? boldFont_ : font_).Get());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, paint.textColor);
            const std::wstring caption = Widen(item.caption);
            RECT area = ToRect(paint.text);
            DrawTextW(dc, caption.c_str(), -1, &area,
                      TextFormat((draw.itemState & ODS_NOACCEL) != 0));
        }
    }
    // The system draws its own arrow over a submenu item once this returns: keep it out.
    if (!paint.arrowColumn.IsEmpty()) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

void Win32PopupMenu::Popup(Point at) {
    HWND owner = owner_.Hwnd();
    // Without the owner in front, the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    MakePictures();
    const UINT chosen =
        UINT(TrackPopupMenu(menu_.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y,
                            0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    for (const Item& item : items_)
        if (item.id == chosen && item.onClick) owner_.Toolkit().Guard(item.onClick);
}

}  // namespace quorvel::win32
