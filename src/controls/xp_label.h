#pragma once

#include <string>

#include "base/canvas.h"

namespace quorvel {

enum class TCaptionAlignment { caLeft = 0, caRight = 1, caCenter = 2 };

// What the caption label needs from the window it lies on.
class XPLabelOwner {
  public:
    virtual ~XPLabelOwner() = default;
    // Paint the label again (it has no window of its own: the area it covers).
    virtual void Invalidate() = 0;
    // AutoSize gave the label this size while painting; the window moves its bounds.
    virtual void Resized(int width, int height) = 0;
};

// A window-less label that draws its caption twice: a shadow in BackgroundColor shifted
// right and down by Offset, then the caption in ForegroundColor. Painted with a clear
// background: the canvas must already hold what lies behind the label.
class TXPLabel {
  public:
    explicit TXPLabel(XPLabelOwner* owner = nullptr) : owner_(owner) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    const quorvel::Font& Font() const { return font_; }
    void SetFont(const quorvel::Font& value);
    TCaptionAlignment CaptionAlignment() const { return captionAlignment_; }
    void SetCaptionAlignment(TCaptionAlignment value) { Change(captionAlignment_, value); }
    Color ForegroundColor() const { return foregroundColor_; }
    void SetForegroundColor(Color value) { Change(foregroundColor_, value); }
    Color BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(Color value) { Change(backgroundColor_, value); }
    int Offset() const { return offset_; }
    void SetOffset(int value) { Change(offset_, value); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { Change(autoSize_, value); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { Change(enabled_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Change(visible_, value); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);

    // With AutoSize the label first takes the size of its caption plus Offset.
    void Paint(Canvas& canvas);

    // Whether a dialog key press of `character` is the caption's accelerator (the
    // character after a single "&", compared without case); the label then takes it as
    // handled.
    bool IsAccelerator(char32_t character) const;

  private:
    template <typename T>
    void Change(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Invalidate();
    }
    void Invalidate() {
        if (owner_) owner_->Invalidate();
    }

    XPLabelOwner* owner_;
    std::string caption_;
    quorvel::Font font_;
    TCaptionAlignment captionAlignment_ = TCaptionAlignment::caLeft;
    Color foregroundColor_ = kWhite;
    Color backgroundColor_ = Rgb(16, 28, 136);
    int offset_ = 1;
    bool autoSize_ = true;
    bool enabled_ = true;
    bool visible_ = true;
    int width_ = 47;
    int height_ = 14;
};

}  // namespace quorvel
