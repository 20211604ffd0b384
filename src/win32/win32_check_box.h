#pragma once

#include "controls/xp_check_box.h"
#include "win32/win32_control.h"

namespace quorvel::win32 {

// The program's flat check box: a window of its own that paints the core check box over
// the form's picture and passes it the mouse, the keys and the focus. A state set by the
// program raises the click event as a click does.
class Win32CheckBox : public Win32Control<CheckBox>, private XPCheckBoxOwner {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelCheckBox";

    Win32CheckBox(Win32Form& form, const ControlLayout& layout);

    bool Checked() const override { return core_.Checked(); }
    void SetChecked(bool checked) override { core_.SetChecked(checked); }
    void SetText(const std::string& text) override;
    void SetEnabled(bool enabled) override;
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    TXPCheckBox& Core() { return core_; }
    // Paints the check box as the screen shows it, into a picture of its size.
    Bitmap Render();

  private:
    void FontTaken(const FontSpec& font) override;
    void RedrawBox() override;
    void Invalidate() override;
    void TakeFocus() override;
    void Raise(XPCheckBoxEvent event) override;

    void Paint();
    // Gives the mouse back once no button is held on the control any more.
    void ReleaseHeldMouse(WPARAM buttonsStillDown);
    static unsigned Modifiers();

    TXPCheckBox core_;
    // The box is painted at its design size and scaled to the control's, so it fills the
    // control at every display scale.
    Size designSize_;
    Handler onClick_;
    bool tracking_ = false;
};

}  // namespace quorvel::win32
