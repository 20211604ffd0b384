#pragma once

#include <memory>

#include "controls/xp_bit_btn.h"
#include "win32/win32_control.h"

namespace quorvel::win32 {

// The program's gradient push button: a window of its own that paints the core button
// over the form's picture, tracks the mouse for its hot ring, and clicks on a left
// button released over it or on the space bar released while it has the focus.
class Win32PushButton : public Win32Control<PushButton>, private XPBitBtnOwner {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelButton";

    Win32PushButton(Win32Form& form, const ControlLayout& layout);

    void SetText(const std::string& text) override;
    void SetEnabled(bool enabled) override;
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The core button, for the outer frame colours its window blends into the picture.
    TXPBitBtn& Core() { return core_; }
    // Paints the button as the screen shows it, into a picture of its size.
    Bitmap Render();

  private:
    void BoundsTaken(LayoutRect bounds) override;
    void FontTaken(const FontSpec& font) override;
    void Invalidate() override;
    void ShowError(const std::string& text) override;
    void Clicked(int modalResult) override;

    void Paint();
    bool PointerInside(LPARAM lParam) const;
    void SetSelected(bool selected);

    TXPBitBtn core_;
    Handler onClick_;
    bool tracking_ = false;   // a mouse-leave report is requested
    bool mouseDown_ = false;  // the left button went down on the button
    bool spaceDown_ = false;  // the space bar went down while focused
    bool selected_ = false;   // drawn pressed
};

}  // namespace quorvel::win32
