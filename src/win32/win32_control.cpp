#include "win32/win32_control.h"

#include "win32/text_conversion.h"
#include "win32/win32_form.h"
#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

namespace {

constexpr wchar_t kControlProperty[] = L"Quorvel.Control";

}  // namespace

void Win32ControlCore::RegisterCustomClass(HINSTANCE instance, const wchar_t* name) {
    RegisterWindowClass(instance,
                        {.name = name, .cursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512))});
}

std::optional<LRESULT> Win32ControlCore::OnMessage(const WindowMessage& message) {
    if (!routed_) return std::nullopt;
    return OnWindowMessage(message.message, message.wParam, message.lParam);
}

Win32ControlCore::Win32ControlCore(Win32Form& form, const ControlLayout& layout, const Style& style)
    : form_(form), layout_(layout), extraHeight_(style.extraHeight) {
    DWORD windowStyle = WS_CHILD | WS_CLIPSIBLINGS | style.style;
    if (layout.visible) windowStyle |= WS_VISIBLE;
    if (!layout.enabled) windowStyle |= WS_DISABLED;
    if (layout.tabOrder >= 0) windowStyle |= WS_TABSTOP;
    const LayoutRect& r = layout.bounds;
    const std::wstring text = Widen(layout.text);
    window_ = CreateObjectWindow({.className = style.className,
                                  .title = text.c_str(),
                                  .style = windowStyle,
                                  .exStyle = style.exStyle,
                                  .x = r.left,
                                  .y = r.top,
                                  .width = r.width,
                                  .height = r.height + extraHeight_,
                                  .parent = form.Hwnd(),
                                  .menu = reinterpret_cast<HMENU>(INT_PTR(form.NextControlId())),
                                  .instance = form.Toolkit().Instance()},
                                 this, "the control " + std::string(layout.name));
    SetPropW(window_.Get(), kControlProperty, this);
    routed_ = true;
    SendMessageW(window_.Get(), WM_SETFONT, WPARAM(form.Font(layout.font)), FALSE);
    if (!layout.hint.empty()) CoreSetHint(std::string(layout.hint));
}

Win32ControlCore::~Win32ControlCore() {
    routed_ = false;
    if (window_) RemovePropW(window_.Get(), kControlProperty);
}

Win32ControlCore* Win32ControlCore::FromHandle(HWND window) {
    return static_cast<Win32ControlCore*>(GetPropW(window, kControlProperty));
}

void Win32ControlCore::Fire(const std::function<void()>& handler) {
    if (handler) form_.Toolkit().Guard(handler);
}

void Win32ControlCore::FireUserAction(const std::function<void()>& handler) {
    if (handler) form_.Toolkit().GuardUserAction(handler);
}

LayoutRect Win32ControlCore::CoreBounds() const {
    RECT r{};
    GetWindowRect(window_.Get(), &r);
    MapWindowPoints(nullptr, GetParent(window_.Get()), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32ControlCore::CoreSetBounds(LayoutRect bounds) {
    MoveWindow(window_.Get(), bounds.left, bounds.top, bounds.width, bounds.height + extraHeight_,
               TRUE);
}

void Win32ControlCore::CoreSetFont(const FontSpec& font) {
    SendMessageW(window_.Get(), WM_SETFONT, WPARAM(form_.Font(font)), TRUE);
    FontTaken(font);
}

bool Win32ControlCore::CoreVisible() const {
    return (GetWindowLongW(window_.Get(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32ControlCore::CoreSetVisible(bool visible) {
    ShowWindow(window_.Get(), visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32ControlCore::CoreEnabled() const {
    return IsWindowEnabled(window_.Get()) != FALSE;
}

void Win32ControlCore::CoreSetEnabled(bool enabled) {
    EnableWindow(window_.Get(), enabled);
}

std::string Win32ControlCore::CoreText() const {
    std::wstring text(std::size_t(GetWindowTextLengthW(window_.Get())) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window_.Get(), text.data(), int(text.size()))));
    return Narrow(text);
}

void Win32ControlCore::CoreSetText(const std::string& text) {
    SetWindowTextW(window_.Get(), Widen(text).c_str());
}

void Win32ControlCore::CoreSetHint(const std::string& hint) {
    hint_ = hint;
    form_.SetHint(window_.Get(), hint);
}

void Win32ControlCore::CoreSetFocus() {
    ::SetFocus(window_.Get());
}

bool Win32ControlCore::CoreFocused() const {
    HWND focus = GetFocus();
    return focus && (focus == window_.Get() || IsChild(window_.Get(), focus));
}

}  // namespace quorvel::win32
