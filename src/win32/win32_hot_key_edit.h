#pragma once

#include <string>

#include "hotkeys/hot_key_recorder.h"
#include "win32/win32_control.h"
#include "win32/win32_key_names.h"

namespace quorvel::win32 {

// The hot-key field: a control of the program's own that looks like the system's hot-key
// control and, unlike it, records the Windows key. The recorder decides what each key does
// and what the field shows; this window draws that, forwards the keys with the modifiers
// held, and shows the balloon tip it is given. While it has the focus, a low-level keyboard
// hook hands it the keys it takes before anything else sees them: a combination that another
// program (or the shell) holds as a hot key would otherwise never reach it.
class Win32HotKeyEdit : public Win32Control<HotKeyEdit> {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelHotKeyEdit";

    Win32HotKeyEdit(Win32Form& form, const ControlLayout& layout);
    ~Win32HotKeyEdit() override;

    Shortcut Value() const override { return recorder_.Value(); }
    void SetValue(Shortcut value) override;
    void SetOnChange(Handler handler) override { onChange_ = std::move(handler); }
    void SetOnRefused(std::function<void(Shortcut)> handler) override {
        onRefused_ = std::move(handler);
    }
    void ShowBalloon(const std::string& text) override;
    std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    static LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam);
    void Take(HotKeyRecorder::Outcome outcome);
    void ShowText();
    void Paint();
    void PlaceCaret();
    SIZE TextExtent(const std::wstring& text) const;
    void HideBalloon();

    Win32KeyNames keyNames_;
    HotKeyRecorder recorder_;
    HFONT font_;
    Handler onChange_;
    std::function<void(Shortcut)> onRefused_;
    UniqueWindow balloon_;
    UniqueHook hook_;
    bool balloonShown_ = false;
};

// The modifiers held, as Shortcut bits: as this thread's key messages have them, and as the
// keyboard has them now.
Shortcut HeldModifiers();
Shortcut ModifiersDownNow();

}  // namespace quorvel::win32
