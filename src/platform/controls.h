#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "base/display_scale.h"
#include "base/geometry.h"
#include "base/mouse_button.h"
#include "platform/layout.h"

namespace quorvel {

using Handler = std::function<void()>;

// What every control of a window offers. The text is the caption of buttons, check boxes
// and labels and the content of edits and memos; other kinds keep it but show nothing.
// Texts are program texts (UTF-8 or bytes as stored).
class Control {
  public:
    virtual ~Control() = default;

    virtual LayoutRect Bounds() const = 0;
    virtual void SetBounds(LayoutRect bounds) = 0;
    // The font of its text (no name: the window's font), as the window's display scale
    // changes; kinds without text keep it and show nothing.
    virtual void SetFont(const FontSpec& font) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Hint() const = 0;
    virtual void SetHint(const std::string& hint) = 0;  // tooltip; may hold line breaks
    virtual void SetFocus() = 0;
    virtual bool Focused() const = 0;
};

// A list of text entries with at most one selected (index -1: none). A sorted list keeps
// its entries in alphabetical order without regard to case.
class ItemList : public Control {
  public:
    virtual void Clear() = 0;
    virtual int Add(const std::string& item) = 0;  // the index the entry landed at
    virtual void Delete(int index) = 0;
    virtual int Count() const = 0;
    virtual std::string Item(int index) const = 0;  // empty for an index out of range
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;  // out of range: no selection; no event

    // Between the two, a control may leave the list undrawn and draw it once at the end:
    // hundreds of entries must not take seconds. Use ItemListUpdate rather than these.
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}

    // Replaces every entry (a sorted list sorts them), drawn once.
    void SetItems(const std::vector<std::string>& items);
};

// An update of an item list for as long as it lives.
class ItemListUpdate {
  public:
    explicit ItemListUpdate(ItemList& list) : list_(list) { list_.BeginUpdate(); }
    ~ItemListUpdate() { list_.EndUpdate(); }
    ItemListUpdate(const ItemListUpdate&) = delete;
    ItemListUpdate& operator=(const ItemListUpdate&) = delete;

  private:
    ItemList& list_;
};

inline void ItemList::SetItems(const std::vector<std::string>& items) {
    const ItemListUpdate update(*this);
    Clear();
    for (const std::string& item : items) Add(item);
}

class ListBox : public ItemList {
  public:
    virtual void SetOnClick(Handler handler) = 0;  // the user changed the selection
    virtual void SetOnDoubleClick(Handler handler) = 0;
};

// A combo box that offers its entries only (no typing).
class DropDownList : public ItemList {
  public:
    virtual void SetOnChange(Handler handler) = 0;  // the user picked an entry
    virtual bool DroppedDown() const = 0;           // its list of entries is open
};

class Edit : public Control {
  public:
    virtual void SetOnChange(Handler handler) = 0;
};

// Multi-line text.
class Memo : public Control {
  public:
    virtual void SetOnChange(Handler handler) = 0;
};

// The hot-key entry field; its value is a Shortcut (0: no key).
class HotKeyEdit : public Control {
  public:
    virtual Shortcut Value() const = 0;
    virtual void SetValue(Shortcut value) = 0;      // no event
    virtual void SetOnChange(Handler handler) = 0;  // the user entered or cleared a combination
    // The user pressed a combination that Windows keeps for itself; the field kept nothing.
    virtual void SetOnRefused(std::function<void(Shortcut)> handler) = 0;
    // A balloon tip on the field with this text (lines broken by CR); empty hides it.
    virtual void ShowBalloon(const std::string& text) = 0;
};

class PushButton : public Control {
  public:
    virtual void SetOnClick(Handler handler) = 0;
};

// Setting the state to a different value raises the click event, as a click does; the
// windows rely on that to run their dependent-enabling handlers.
class CheckBox : public Control {
  public:
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
    virtual void SetOnClick(Handler handler) = 0;
};

// A small flat button that shows a glyph over the window's picture. Glyph pixels of
// kGlyphTransparent are not drawn. The glyph is given as designed (for 96 DPI) and drawn
// at the scale its window is laid out at (ScaledGlyph).
class GlyphButton : public Control {
  public:
    virtual void SetGlyph(const Bitmap& glyph) = 0;
    virtual void SetScale(DisplayScale scale) = 0;
    virtual void SetOnClick(Handler handler) = 0;
};

constexpr Color kGlyphTransparent = Rgb(255, 0, 255);

// Holds a bitmap and shows it at the control's top-left corner. Mouse positions are in
// picture coordinates; while a button is held the picture keeps receiving the mouse.
class Picture : public Control {
  public:
    virtual const Bitmap& Image() const = 0;
    // Shows a new picture; an auto-sized picture takes its size.
    virtual void SetImage(const Bitmap& image) = 0;
    virtual void SetOnMouseDown(std::function<void(MouseButton, Point)> handler) = 0;
    virtual void SetOnMouseMove(std::function<void(Point)> handler) = 0;
    virtual void SetOnMouseUp(std::function<void(MouseButton, Point)> handler) = 0;
};

// A caption drawn straight over the window's picture (no background of its own).
class Label : public Control {
  public:
    virtual void SetOnClick(Handler handler) = 0;
};

}  // namespace quorvel
