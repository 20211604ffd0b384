#pragma once

#include <string>
#include <vector>

#include "base/bitmap.h"
#include "platform/form.h"
#include "win32/handles.h"
#include "win32/window_class.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

class Win32Toolkit;
class Win32Picture;

// A borderless top-level window of the program. Its children report their notifications
// through it; its picture (the Image1 at its corner) is the backdrop that labels and glyph
// buttons draw over.
class Win32Form : public Form, private WindowObject {
  public:
    static constexpr wchar_t kClassName[] = L"QuorvelForm";
    // Posted to itself on activation; the activation handler runs when it arrives.
    static constexpr UINT kActivatedMessage = WM_APP + 0x40;
    static void Register(HINSTANCE instance);

    Win32Form(Win32Toolkit& toolkit, const FormLayout& layout);
    ~Win32Form() override;

    void Show() override;
    void Hide() override;
    bool Visible() const override;
    ModalResult ShowModal() override;
    void EndModal(ModalResult result) override;
    bool Modal() const override { return modal_; }
    void Close() override;
    Point Position() const override;
    void SetPosition(Point position) override;
    Size ClientSize() const override;
    void SetClientSize(Size size) override;
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void SetRegion(const std::vector<RowRun>& region) override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    void BringToFront() override;
    std::uintptr_t Handle() const override;
    std::intptr_t Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void SetOnShow(std::function<void()> handler) override { onShow_ = std::move(handler); }
    void SetOnClose(std::function<bool()> handler) override { onClose_ = std::move(handler); }
    void SetOnActivate(std::function<void()> handler) override { onActivate_ = std::move(handler); }
    void SetOnActivateApp(std::function<void(bool)> handler) override {
        onActivateApp_ = std::move(handler);
    }
    void SetOnMessage(MessageHandler handler) override { onMessage_ = std::move(handler); }
    void SetOnScaleChanged(std::function<void(DisplayScale)> handler) override {
        onScaleChanged_ = std::move(handler);
    }
    void SetOnShortcut(std::function<bool(Shortcut)> handler) override {
        onShortcut_ = std::move(handler);
    }

    // --- for the controls and the toolkit ---
    static Win32Form* FromHandle(HWND window);
    HWND Hwnd() const { return window_.Get(); }
    Win32Toolkit& Toolkit() const { return toolkit_; }
    const FormLayout& Layout() const { return layout_; }
    HFONT Font(const FontSpec& font);  // the form's font when the request names none
    int NextControlId() { return nextControlId_++; }
    void SetHint(HWND control, const std::string& hint);
    // Shows the hints: the message loop hands them the mouse messages of the form's
    // controls. (Letting the hints subclass each control instead makes every message to it
    // take round trips to the server under Wine: filling a list of 500 entries took 100 ms
    // instead of 8.)
    void RelayToHints(const MSG& message);
    void SetBackdrop(const Win32Picture* picture) { backdrop_ = picture; }
    const Win32Picture* Backdrop() const { return backdrop_; }
    // The part of the backdrop beneath a child's client area.
    Bitmap BackdropPart(HWND child) const;
    // The backdrop changed: everything drawn over it is drawn again.
    void RedrawOverBackdrop();
    // A key pressed in the window; true when the program took it.
    bool HandleShortcut(Shortcut shortcut);

  private:
    std::optional<LRESULT> OnMessage(const WindowMessage& message) override;
    void Fire(const std::function<void()>& handler);
    void TakeOwner();
    // WM_DPICHANGED: the suggested rectangle, then the program's new layout.
    void TakeNewScale(int dpi, const RECT& suggested);

    Win32Toolkit& toolkit_;
    const FormLayout& layout_;
    UniqueWindow window_;
    UniqueWindow tooltip_;
    struct CachedFont {
        FontSpec fontSpec;
        UniqueFont font;
    };
    std::vector<CachedFont> fonts_;
    const Win32Picture* backdrop_ = nullptr;
    int nextControlId_ = 100;
    bool modal_ = false;
    ModalResult result_ = ModalResult::kNone;
    std::function<void()> onShow_;
    std::function<bool()> onClose_;
    std::function<void()> onActivate_;
    std::function<void(bool)> onActivateApp_;
    MessageHandler onMessage_;
    std::function<void(DisplayScale)> onScaleChanged_;
    std::function<bool(Shortcut)> onShortcut_;
};

}  // namespace quorvel::win32
