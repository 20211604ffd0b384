#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "base/geometry.h"
#include "base/shortcut.h"

namespace quorvel {

struct FontSpec {
    std::string_view name{};  // empty: the form's font
    int height = 0;           // negative: character height in pixels
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

enum class ControlKind {
    kPicture,      // holds a bitmap, reports the mouse
    kGlyphButton,  // small flat button showing a glyph, with a hint
    kLabel,        // caption drawn over the form's picture
    kPushButton,
    kCheckBox,
    kListBox,
    kDropDownList,  // a combo box without free text
    kEdit,
    kMemo,
    kHotKeyEdit,
};

// One control of a window as its layout declares it. Names are unique within a window
// and are how the program (and the language files) address the control.
struct ControlLayout {
    std::string_view name{};
    ControlKind kind = ControlKind::kPushButton;
    LayoutRect bounds{};
    std::string_view text{};  // caption of buttons, check boxes and labels; text of edits
    std::string_view hint{};  // tooltip; empty for none
    int tabOrder = -1;        // position in the Tab cycle; -1: not a tab stop
    FontSpec font{};
    bool visible = true;
    bool enabled = true;
    bool checked = false;     // check boxes
    bool sorted = false;      // list boxes and drop-down lists
    bool border = true;       // list boxes
    int dropDownRows = 8;     // drop-down lists
    bool autoSize = false;    // pictures: take the size of the bitmap they are given
    bool handCursor = false;  // labels that act as links
    Shortcut hotKey = 0;      // hot-key edits: the initial value
};

struct FormLayout {
    std::string_view name{};     // "TForm1"
    std::string_view caption{};  // the window title (the windows have no visible title bar)
    Size clientSize{};
    FontSpec font{};
    bool centred = false;  // placed at the centre of the screen when created
    std::span<const ControlLayout> controls{};
};

// One item of a popup menu. Items of a submenu name their parent item.
struct MenuItemLayout {
    std::string_view name{};
    std::string_view caption{};  // ignored for separators
    int imageIndex = -1;         // index into the menu's image list; -1: none
    bool separator = false;
    bool isDefault = false;     // drawn bold; what a double click on the owner runs
    std::string_view parent{};  // empty: top level
};

struct MenuLayout {
    std::string_view name{};
    std::span<const MenuItemLayout> items{};
};

}  // namespace quorvel
