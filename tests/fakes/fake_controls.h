#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace quorvel {

class FakeForm;
class FakeToolkit;

// What every fake control keeps: its layout, its form, the toolkit whose error boundary
// its driven events run in.
class FakeControlBase {
  public:
    FakeControlBase(FakeToolkit& toolkit, FakeForm& form, const ControlLayout& layout);
    virtual ~FakeControlBase();
    FakeControlBase(const FakeControlBase&) = delete;
    FakeControlBase& operator=(const FakeControlBase&) = delete;

    const ControlLayout& Layout() const { return layout_; }
    FakeForm& ParentForm() const { return form_; }
    const FontSpec& Font() const { return font_; }
    virtual Control& AsControl() = 0;

  protected:
    // Runs a handler as the real toolkit does: errors are reported, never thrown.
    void Fire(const std::function<void()>& handler);

    FakeToolkit& toolkit_;
    FakeForm& form_;
    const ControlLayout& layout_;
    FontSpec font_;
};

// Control state shared by every kind.
template <typename Interface>
class FakeControl : public Interface, public FakeControlBase {
  public:
    FakeControl(FakeToolkit& toolkit, FakeForm& form, const ControlLayout& layout)
        : FakeControlBase(toolkit, form, layout),
          bounds_(layout.bounds),
          visible_(layout.visible),
          enabled_(layout.enabled),
          text_(layout.text),
          hint_(layout.hint) {}

    Control& AsControl() override { return *this; }
    LayoutRect Bounds() const override { return bounds_; }
    void SetBounds(LayoutRect bounds) override { bounds_ = bounds; }
    void SetFont(const FontSpec& font) override { font_ = font; }
    bool Visible() const override { return visible_; }
    void SetVisible(bool visible) override { visible_ = visible; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    std::string Hint() const override { return hint_; }
    void SetHint(const std::string& hint) override { hint_ = hint; }
    void SetFocus() override { focused_ = true; }
    bool Focused() const override { return focused_; }

    // Whether a user could reach the control now.
    bool Usable() const { return visible_ && enabled_; }

  protected:
    LayoutRect bounds_;
    bool visible_;
    bool enabled_;
    std::string text_;
    std::string hint_;
    bool focused_ = false;
};

template <typename Interface>
class FakeItemList : public FakeControl<Interface> {
  public:
    using FakeControl<Interface>::FakeControl;

    void Clear() override {
        items_.clear();
        index_ = -1;
    }
    int Add(const std::string& item) override;
    void Delete(int index) override;
    int Count() const override { return int(items_.size()); }
    std::string Item(int index) const override {
        return index >= 0 && index < Count() ? items_[std::size_t(index)] : std::string();
    }
    int ItemIndex() const override { return index_; }
    void SetItemIndex(int index) override { index_ = index >= 0 && index < Count() ? index : -1; }

    const std::vector<std::string>& Items() const { return items_; }

  protected:
    std::vector<std::string> items_;
    int index_ = -1;
};

class FakeListBox : public FakeItemList<ListBox> {
  public:
    using FakeItemList::FakeItemList;
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    void SetOnDoubleClick(Handler handler) override { onDoubleClick_ = std::move(handler); }

    // The user selects an entry; false when the list cannot be used.
    bool Pick(int index);
    bool DoubleClick();

  private:
    Handler onClick_;
    Handler onDoubleClick_;
};

class FakeDropDownList : public FakeItemList<DropDownList> {
  public:
    using FakeItemList::FakeItemList;
    void SetOnChange(Handler handler) override { onChange_ = std::move(handler); }
    bool DroppedDown() const override { return droppedDown_; }
    bool Pick(int index);
    // The user opens or closes its list.
    void SetDroppedDown(bool dropped) { droppedDown_ = dropped; }

  private:
    Handler onChange_;
    bool droppedDown_ = false;
};

template <typename Interface>
class FakeTextControl : public FakeControl<Interface> {
  public:
    using FakeControl<Interface>::FakeControl;
    void SetOnChange(Handler handler) override { onChange_ = std::move(handler); }
    // The user replaces the text.
    bool Type(const std::string& text) {
        if (!this->Usable()) return false;
        this->text_ = text;
        this->Fire(onChange_);
        return true;
    }

  private:
    Handler onChange_;
};
using FakeEdit = FakeTextControl<Edit>;
using FakeMemo = FakeTextControl<Memo>;

class FakeHotKeyEdit : public FakeControl<HotKeyEdit> {
  public:
    FakeHotKeyEdit(FakeToolkit& toolkit, FakeForm& form, const ControlLayout& layout)
        : FakeControl(toolkit, form, layout), value_(layout.hotKey) {}
    Shortcut Value() const override { return value_; }
    void SetValue(Shortcut value) override { value_ = value; }
    void SetOnChange(Handler handler) override { onChange_ = std::move(handler); }
    void SetOnRefused(std::function<void(Shortcut)> handler) override {
        onRefused_ = std::move(handler);
    }
    void ShowBalloon(const std::string& text) override { balloon_ = text; }
    // The user presses a combination in the control.
    bool Enter(Shortcut value);
    // The user presses a combination the control does not take.
    void Refuse(Shortcut value) { onRefused_(value); }
    // The balloon shown on the field; empty when none.
    const std::string& Balloon() const { return balloon_; }

  private:
    Shortcut value_;
    Handler onChange_;
    std::function<void(Shortcut)> onRefused_;
    std::string balloon_;
};

template <typename Interface>
class FakeClickable : public FakeControl<Interface> {
  public:
    using FakeControl<Interface>::FakeControl;
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    // The user clicks; false when the control cannot be used.
    bool Click() {
        if (!this->Usable()) return false;
        this->Fire(onClick_);
        return true;
    }

  protected:
    Handler onClick_;
};
using FakePushButton = FakeClickable<PushButton>;
using FakeLabel = FakeClickable<Label>;

class FakeGlyphButton : public FakeClickable<GlyphButton> {
  public:
    using FakeClickable::FakeClickable;
    void SetGlyph(const Bitmap& glyph) override { glyph_ = glyph; }
    void SetScale(DisplayScale scale) override { scale_ = scale; }
    const Bitmap& Glyph() const { return glyph_; }
    DisplayScale Scale() const { return scale_; }

  private:
    Bitmap glyph_;
    DisplayScale scale_;
};

class FakeCheckBox : public FakeClickable<CheckBox> {
  public:
    FakeCheckBox(FakeToolkit& toolkit, FakeForm& form, const ControlLayout& layout)
        : FakeClickable(toolkit, form, layout), checked_(layout.checked) {}
    bool Checked() const override { return checked_; }
    void SetChecked(bool checked) override;
    // The user clicks: the state toggles (which raises the click event).
    bool Toggle();

  private:
    bool checked_;
};

class FakePicture : public FakeControl<Picture> {
  public:
    FakePicture(FakeToolkit& toolkit, FakeForm& form, const ControlLayout& layout)
        : FakeControl(toolkit, form, layout) {}
    const Bitmap& Image() const override { return image_; }
    void SetImage(const Bitmap& image) override;
    void SetOnMouseDown(std::function<void(MouseButton, Point)> handler) override {
        onDown_ = std::move(handler);
    }
    void SetOnMouseMove(std::function<void(Point)> handler) override {
        onMove_ = std::move(handler);
    }
    void SetOnMouseUp(std::function<void(MouseButton, Point)> handler) override {
        onUp_ = std::move(handler);
    }

    void MouseDown(MouseButton button, Point at);
    void MouseMove(Point at);
    void MouseUp(MouseButton button, Point at);

  private:
    Bitmap image_;
    std::function<void(MouseButton, Point)> onDown_;
    std::function<void(Point)> onMove_;
    std::function<void(MouseButton, Point)> onUp_;
};

}  // namespace quorvel
