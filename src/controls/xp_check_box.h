#pragma once

#include <string>

#include "base/canvas.h"
#include "base/mouse_button.h"
#include "controls/check_box_pictures.h"

namespace quorvel {

enum class TXPCheckBoxState { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };
enum class TXPCheckBoxAlign { taLeft = 0, taRight = 1 };

enum class XPCheckBoxEvent {
    kClick,
    kMouseEnter,
    kMouseLeave,
    kMouseDown,
    kMouseUp,
    kKeyDown,
    kKeyUp,
    kEnter,
    kExit,
};

constexpr int kVkSpace = 0x20;
// Modifier keys held during a key event.
namespace key_modifier {
constexpr unsigned kShift = 1;
constexpr unsigned kCtrl = 2;
constexpr unsigned kAlt = 4;
}  // namespace key_modifier

// What the flat check box needs from the window that hosts it.
class XPCheckBoxOwner {
  public:
    virtual ~XPCheckBoxOwner() = default;
    // Draw the box now (DrawBox over the control's current picture) and show that part.
    virtual void RedrawBox() = 0;
    // Paint the whole control again (Paint) when the window next paints.
    virtual void Invalidate() = 0;
    // Give the control the keyboard focus; the window answers with Enter().
    virtual void TakeFocus() = 0;
    // The control's events, for the handlers the program attached.
    virtual void Raise(XPCheckBoxEvent event) = 0;
};

// The flat check box: state, hot and pressed faces and their painting. The window that
// hosts it passes on mouse, key and focus events as these calls (a double click as a
// button down), and paints it with Paint on a canvas of the control's size.
class TXPCheckBox {
  public:
    explicit TXPCheckBox(
        XPCheckBoxOwner* owner = nullptr,
        CheckBoxPictures pictures = BuildCheckBoxPictures(MakeCheckBoxResources()));

    TXPCheckBoxState State() const { return state_; }
    // A different state is stored, the box redrawn and OnClick raised.
    void SetState(TXPCheckBoxState value);
    bool Checked() const { return state_ == TXPCheckBoxState::cbChecked; }
    void SetChecked(bool value) {
        SetState(value ? TXPCheckBoxState::cbChecked : TXPCheckBoxState::cbUnchecked);
    }
    // Unchecked → grayed (with AllowGrayed) or checked; checked → unchecked; grayed → checked.
    void Toggle();

    TXPCheckBoxAlign Alignment() const { return alignment_; }
    void SetAlignment(TXPCheckBoxAlign value);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    quorvel::Color Color() const { return color_; }
    void SetColor(quorvel::Color value);
    const quorvel::Font& Font() const { return font_; }
    void SetFont(const quorvel::Font& value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);

    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }
    bool Focused() const { return focused_; }
    bool PaintingAllowed() const { return paintingAllowed_; }

    void MouseEnter();
    void MouseLeave();
    void MouseDown(MouseButton button);
    void MouseUp(MouseButton button);
    void KeyDown(int key, unsigned modifiers);
    void KeyUp(int key, unsigned modifiers);
    void Enter();  // the control got the focus
    void Exit();   // the control lost the focus

    // Where the 13 × 13 box is: at the left or right edge, centred vertically.
    PixelRect BoxRect() const;
    void DrawBox(Canvas& canvas) const;
    // Paints the whole control; draws nothing while a key event is being handled (the
    // control is then painted again once it ends). Returns whether it painted.
    bool Paint(Canvas& canvas);
    // The caption's rectangle and the focus frame around its text, in the control's font.
    PixelRect CaptionRect(Canvas& canvas) const;
    PixelRect FocusRect(Canvas& canvas) const;

  private:
    class KeyHandling;

    void RedrawBox() {
        if (owner_) owner_->RedrawBox();
    }
    void Invalidate() {
        if (owner_) owner_->Invalidate();
    }
    void Raise(XPCheckBoxEvent event) {
        if (owner_) owner_->Raise(event);
    }

    XPCheckBoxOwner* owner_;
    CheckBoxPictures pictures_;

    TXPCheckBoxState state_ = TXPCheckBoxState::cbUnchecked;
    TXPCheckBoxAlign alignment_ = TXPCheckBoxAlign::taLeft;
    bool allowGrayed_ = false;
    std::string caption_;
    quorvel::Color color_ = kClBtnFace;
    quorvel::Font font_;
    bool enabled_ = true;
    bool tabStop_ = true;
    int width_ = 97;
    int height_ = 17;

    bool hot_ = false;
    bool pressed_ = false;
    bool focused_ = false;
    bool paintingAllowed_ = true;
    bool paintSkipped_ = false;
};

}  // namespace quorvel
