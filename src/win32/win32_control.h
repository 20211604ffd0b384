#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/controls.h"
#include "win32/handles.h"
#include "win32/window_class.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

class Win32Form;

// What every child control of a form shares: its window, made from the layout (position,
// size, text, font, visibility, enabled state, tab stop, tooltip), and the notifications
// its form passes on. A control of the program's own class gets its window's messages in
// OnWindowMessage.
class Win32ControlCore : private WindowObject {
  public:
    struct Style {
        const wchar_t* className;
        DWORD style = 0;
        DWORD exStyle = 0;
        int extraHeight = 0;  // drop-down lists: the height of the dropped list
    };

    Win32ControlCore(Win32Form& form, const ControlLayout& layout, const Style& style);
    virtual ~Win32ControlCore();
    Win32ControlCore(const Win32ControlCore&) = delete;
    Win32ControlCore& operator=(const Win32ControlCore&) = delete;

    static Win32ControlCore* FromHandle(HWND window);
    HWND Hwnd() const { return window_.Get(); }
    const ControlLayout& Layout() const { return layout_; }

    // A WM_COMMAND notification from the control.
    virtual void OnCommand(WORD code) {}
    // WM_DRAWITEM of an owner-drawn control; true when drawn.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& item) { return false; }

    // Window classes of the program's own controls send their messages here, from the
    // end of the core's construction to the start of its destruction.
    static void RegisterCustomClass(HINSTANCE instance, const wchar_t* name);
    virtual std::optional<LRESULT> OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return std::nullopt;
    }

  protected:
    void Fire(const std::function<void()>& handler);
    // For a button's click: a failure is shown every time the user tries again.
    void FireUserAction(const std::function<void()>& handler);

    LayoutRect CoreBounds() const;
    void CoreSetBounds(LayoutRect bounds);
    void CoreSetFont(const FontSpec& font);
    // A control that paints itself takes a new size or font here (the display's scale).
    virtual void BoundsTaken(LayoutRect bounds) {}
    virtual void FontTaken(const FontSpec& font) {}
    bool CoreVisible() const;
    void CoreSetVisible(bool visible);
    bool CoreEnabled() const;
    void CoreSetEnabled(bool enabled);
    std::string CoreText() const;
    void CoreSetText(const std::string& text);
    void CoreSetHint(const std::string& hint);
    void CoreSetFocus();
    bool CoreFocused() const;

    Win32Form& form_;
    const ControlLayout& layout_;
    bool routed_ = false;  // OnWindowMessage is reached (declared before the window it serves)
    UniqueWindow window_;
    std::string hint_;
    int extraHeight_;

  private:
    std::optional<LRESULT> OnMessage(const WindowMessage& message) final;
};

// Implements the Control part of an interface over Win32ControlCore.
template <typename Interface>
class Win32Control : public Interface, public Win32ControlCore {
  public:
    Win32Control(Win32Form& form, const ControlLayout& layout, const Style& style)
        : Win32ControlCore(form, layout, style) {}

    LayoutRect Bounds() const override { return CoreBounds(); }
    void SetBounds(LayoutRect bounds) override {
        CoreSetBounds(bounds);
        BoundsTaken(bounds);
    }
    void SetFont(const FontSpec& font) override { CoreSetFont(font); }
    bool Visible() const override { return CoreVisible(); }
    void SetVisible(bool visible) override { CoreSetVisible(visible); }
    bool Enabled() const override { return CoreEnabled(); }
    void SetEnabled(bool enabled) override { CoreSetEnabled(enabled); }
    std::string Text() const override { return CoreText(); }
    void SetText(const std::string& text) override { CoreSetText(text); }
    std::string Hint() const override { return hint_; }
    void SetHint(const std::string& hint) override { CoreSetHint(hint); }
    void SetFocus() override { CoreSetFocus(); }
    bool Focused() const override { return CoreFocused(); }
};

}  // namespace quorvel::win32
