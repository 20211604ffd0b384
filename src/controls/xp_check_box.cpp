#include "controls/xp_check_box.h"

#include <utility>

namespace quorvel {

// Painting is not allowed while a key event is handled, so the control does not flash
// while the box alone is redrawn; a paint that was asked for meanwhile follows afterwards.
class TXPCheckBox::KeyHandling {
  public:
    explicit KeyHandling(TXPCheckBox& box) : box_(box), allowedBefore_(box.paintingAllowed_) {
        box_.paintingAllowed_ = false;
    }
    ~KeyHandling() {
        box_.paintingAllowed_ = allowedBefore_;
        if (box_.paintingAllowed_ && box_.paintSkipped_) {
            box_.paintSkipped_ = false;
            box_.Invalidate();
        }
    }
    KeyHandling(const KeyHandling&) = delete;
    KeyHandling& operator=(const KeyHandling&) = delete;

  private:
    TXPCheckBox& box_;
    bool allowedBefore_;
};

TXPCheckBox::TXPCheckBox(XPCheckBoxOwner* owner, CheckBoxPictures pictures)
    : owner_(owner), pictures_(std::move(pictures)) {}

void TXPCheckBox::SetState(TXPCheckBoxState value) {
    if (value == state_) return;
    state_ = value;
    RedrawBox();
    Raise(XPCheckBoxEvent::kClick);
}

void TXPCheckBox::Toggle() {
    switch (state_) {
        case TXPCheckBoxState::cbUnchecked:
            SetState(allowGrayed_ ? TXPCheckBoxState::cbGrayed : TXPCheckBoxState::cbChecked);
            break;
        case TXPCheckBoxState::cbChecked:
            SetState(TXPCheckBoxState::cbUnchecked);
            break;
        case TXPCheckBoxState::cbGrayed:
            SetState(TXPCheckBoxState::cbChecked);
            break;
    }
}

void TXPCheckBox::SetAlignment(TXPCheckBoxAlign value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TXPCheckBox::SetCaption(const std::string& value) {
    caption_ = value;
    Invalidate();
}

void TXPCheckBox::SetColor(quorvel::Color value) {
    if (value == color_) return;
    color_ = value;
    Invalidate();
}

void TXPCheckBox::SetFont(const quorvel::Font& value) {
    if (value == font_) return;
    font_ = value;
    Invalidate();
}

void TXPCheckBox::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    // A disabled window gets no button or key release, so nothing may stay held.
    if (!enabled_) {
        pressed_ = false;
        hot_ = false;
    }
    RedrawBox();
}

void TXPCheckBox::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
    Invalidate();
}

void TXPCheckBox::MouseEnter() {
    hot_ = true;
    RedrawBox();
    Raise(XPCheckBoxEvent::kMouseEnter);
}

void TXPCheckBox::MouseLeave() {
    hot_ = false;
    RedrawBox();
    Raise(XPCheckBoxEvent::kMouseLeave);
}

void TXPCheckBox::MouseDown(MouseButton button) {
    if (button == MouseButton::kLeft && !pressed_) {
        pressed_ = true;
        if (focused_) {
            RedrawBox();
        } else if (owner_) {
            owner_->TakeFocus();
        }
    }
    Raise(XPCheckBoxEvent::kMouseDown);
}

void TXPCheckBox::MouseUp(MouseButton button) {
    if (button == MouseButton::kLeft && pressed_) {
        pressed_ = false;
        Toggle();
        RedrawBox();
    }
    Raise(XPCheckBoxEvent::kMouseUp);
    Raise(XPCheckBoxEvent::kClick);
}

void TXPCheckBox::KeyDown(int key, unsigned modifiers) {
    KeyHandling handling(*this);
    if (key == kVkSpace && modifiers == 0 && !pressed_) {
        pressed_ = true;
        RedrawBox();
    }
    Raise(XPCheckBoxEvent::kKeyDown);
}

void TXPCheckBox::KeyUp(int key, unsigned modifiers) {
    KeyHandling handling(*this);
    if (pressed_) {
        pressed_ = false;
        Toggle();
        RedrawBox();
    }
    Raise(XPCheckBoxEvent::kKeyUp);
    Raise(XPCheckBoxEvent::kClick);
}

void TXPCheckBox::Enter() {
    focused_ = true;
    Invalidate();
    Raise(XPCheckBoxEvent::kEnter);
}

void TXPCheckBox::Exit() {
    focused_ = false;
    Invalidate();
    Raise(XPCheckBoxEvent::kExit);
}

PixelRect TXPCheckBox::BoxRect() const {
    const int x = alignment_ == TXPCheckBoxAlign::taLeft ? 0 : width_ - kCheckBoxSize;
    const int y = height_ / 2 - kCheckBoxSize / 2;
    return {x, y, x + kCheckBoxSize, y + kCheckBoxSize};
}

void TXPCheckBox::DrawBox(Canvas& canvas) const {
    const PixelRect box = BoxRect();
    const int x = box.left;
    const int y = box.top;
    const bool checked = state_ == TXPCheckBoxState::cbChecked;
    const bool grayed = state_ == TXPCheckBoxState::cbGrayed;
    if (enabled_) {
        canvas.Draw(x, y, pressed_ ? pictures_.pressedBox : pictures_.normalBox);
        if (hot_ && !pressed_) {
            canvas.DrawTransparent(x + 1, y + 1, pictures_.hotFrame, kPictureTransparent);
        }
        if (checked) canvas.DrawTransparent(x + 3, y + 3, pictures_.checkMark, kPictureTransparent);
        if (grayed) canvas.Draw(x + 3, y + 3, pictures_.grayedMark);
    } else {
        canvas.Draw(x, y, pictures_.disabledBox);
        if (checked) {
            canvas.DrawTransparent(x + 3, y + 3, pictures_.disabledCheckMark, kPictureTransparent);
        }
        if (grayed) canvas.Draw(x + 3, y + 3, pictures_.disabledGrayedMark);
    }
}

PixelRect TXPCheckBox::CaptionRect(Canvas& canvas) const {
    canvas.SetFont(font_);
    const int textHeight = canvas.TextHeight("W");
    const int top = (height_ / 2 - textHeight / 2) - 1;
    const int bottom = height_ / 2 + textHeight / 2;
    if (alignment_ == TXPCheckBoxAlign::taLeft) return {kCheckBoxSize + 5, top, width_, bottom};
    return {2, top, width_ - kCheckBoxSize - 5, bottom};
}

PixelRect TXPCheckBox::FocusRect(Canvas& canvas) const {
    canvas.SetFont(font_);
    const int top = (height_ / 2 - canvas.TextHeight("W") / 2) - 1;
    const Size caption = canvas.TextExtent(caption_);
    const PixelRect around =
        alignment_ == TXPCheckBoxAlign::taLeft
            ? PixelRect{kCheckBoxSize + 4, top, kCheckBoxSize + caption.width + 6,
                        top + caption.height}
            : PixelRect{0, top, caption.width + 4, top + caption.height};
    // A control too small for its caption keeps the frame inside itself.
    return around.Intersect({0, 0, width_, height_});
}

bool TXPCheckBox::Paint(Canvas& canvas) {
    if (!paintingAllowed_) {
        paintSkipped_ = true;
        return false;
    }
    canvas.SetBrush(color_);
    canvas.FillRect({0, 0, width_, height_});
    canvas.SetFont(font_);
    DrawBox(canvas);
    PixelRect caption = CaptionRect(canvas);
    canvas.WriteTextIn(caption_, caption, 0);
    if (focused_) canvas.DrawFocusRect(FocusRect(canvas));
    return true;
}

}  // namespace quorvel
