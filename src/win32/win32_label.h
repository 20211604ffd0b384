#pragma once

#include "controls/xp_label.h"
#include "win32/win32_control.h"

namespace quorvel::win32 {

// The program's caption label: its core draws the caption (and its shadow) straight over
// the form's picture; the window takes the size the core gives itself.
class Win32Label : public Win32Control<Label>, private XPLabelOwner {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelLabel";

    Win32Label(Win32Form& form, const ControlLayout& layout);

    void SetText(const std::string& text) override;
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void BoundsTaken(LayoutRect bounds) override;
    void FontTaken(const FontSpec& font) override;
    void Paint();
    void Invalidate() override;
    void Resized(int width, int height) override;

    TXPLabel core_;
    Handler onClick_;
    bool pressed_ = false;
};

}  // namespace quorvel::win32
