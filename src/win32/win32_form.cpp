#include "win32/win32_form.h"

#include <commctrl.h>

#include "win32/bitmap_conversion.h"
#include "win32/line_breaks.h"
#include "win32/text_conversion.h"
#include "win32/win32_control.h"
#include "win32/win32_picture.h"
#include "win32/win32_popup_menu.h"
#include "win32/win32_toolkit.h"
#include "win32/window_region.h"

namespace quorvel::win32 {

namespace {

constexpr DWORD kFormStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = 0;

Size ClientToWindow(Size client) {
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectEx(&r, kFormStyle, FALSE, kFormExStyle);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

void Win32Form::Register(HINSTANCE instance) {
    RegisterWindowClass(instance,
                        {.name = kClassName,
                         .cursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),  // IDC_ARROW
                         .icon = LoadIconW(instance, L"APP_ICON"),
                         .background = GetSysColorBrush(COLOR_BTNFACE)});
}

Win32Form::Win32Form(Win32Toolkit& toolkit, const FormLayout& layout)
    : toolkit_(toolkit), layout_(layout) {
    const Size size = ClientToWindow(layout.clientSize);
    Point at{0, 0};
    if (layout.centred)
        at = {(GetSystemMetrics(SM_CXSCREEN) - size.width) / 2,
              (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2};
    const std::wstring caption = Widen(layout.caption);
    window_ = CreateObjectWindow({.className = kClassName,
                                  .title = caption.c_str(),
                                  .style = kFormStyle,
                                  .exStyle = kFormExStyle,
                                  .x = at.x,
                                  .y = at.y,
                                  .width = size.width,
                                  .height = size.height,
                                  .instance = toolkit.Instance()},
                                 this, "the window " + std::string(layout.name));
}

Win32Form::~Win32Form() {
    tooltip_.Reset();
    window_.Reset();  // while the members its messages reach still exist
}

Win32Form* Win32Form::FromHandle(HWND window) {
    wchar_t name[32] = {};
    if (!window || !GetClassNameW(window, name, 32) || std::wstring_view(name) != kClassName)
        return nullptr;
    return static_cast<Win32Form*>(ObjectOfWindow(window));
}

std::optional<LRESULT> Win32Form::OnMessage(const WindowMessage& m) {
    // The messages of the window's making go to the default handling.
    if (!window_) return std::nullopt;
    const UINT message = m.message;
    const WPARAM wParam = m.wParam;
    const LPARAM lParam = m.lParam;
    switch (message) {
        case WM_COMMAND:
            if (auto* control = Win32ControlCore::FromHandle(reinterpret_cast<HWND>(lParam)))
                control->OnCommand(HIWORD(wParam));
            return 0;
        case WM_MEASUREITEM:  // the popup menus are drawn by the program
            if (Win32PopupMenu::MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType == ODT_MENU) return Win32PopupMenu::DrawItem(item) ? TRUE : FALSE;
            if (auto* control = Win32ControlCore::FromHandle(item.hwndItem))
                return control->OnDrawItem(item);
            return FALSE;
        }
        case WM_CLOSE:
            toolkit_.Guard([this] { Close(); });
            return 0;
        case WM_ACTIVATE:
            // The handler may hide the window or open a dialog: it runs once the system
            // has finished activating, not in the middle of the show that activates.
            if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(window_.Get(), kActivatedMessage, 0, 0);
            break;
        case kActivatedMessage:
            Fire(onActivate_);
            return 0;
        case WM_ACTIVATEAPP:
            if (onActivateApp_) toolkit_.Guard([&] { onActivateApp_(wParam != 0); });
            return 0;
        case WM_DPICHANGED:
            TakeNewScale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            break;
    }
    if (onMessage_) {
        std::optional<std::intptr_t> result;
        toolkit_.Guard([&] { result = onMessage_(message, std::uintptr_t(wParam), lParam); });
        if (result) return LRESULT(*result);
    }
    return std::nullopt;
}

void Win32Form::TakeNewScale(int dpi, const RECT& suggested) {
    // The system's rectangle keeps the window under the pointer on its new display; the
    // program then sizes its windows to the layout at the new scale.
    SetWindowPos(window_.Get(), nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (onScaleChanged_) toolkit_.Guard([&] { onScaleChanged_(DisplayScale::ForDpi(dpi)); });
}

void Win32Form::Fire(const std::function<void()>& handler) {
    if (handler) toolkit_.Guard(handler);
}

// A window other than the main one belongs to the main window (no task-bar button of its
// own, always above it).
void Win32Form::TakeOwner() {
    HWND owner = toolkit_.ModalOwner();
    if (owner && owner != window_.Get())
        SetWindowLongPtrW(window_.Get(), GWLP_HWNDPARENT, LONG_PTR(owner));
}

void Win32Form::Show() {
    if (Visible()) return;
    if (toolkit_.MainWindow() && toolkit_.MainWindow() != window_.Get()) TakeOwner();
    Fire(onShow_);
    ShowWindow(window_.Get(), SW_SHOW);
    toolkit_.MainWindowShownOrHidden(window_.Get());
    UpdateWindow(window_.Get());
}

void Win32Form::Hide() {
    ShowWindow(window_.Get(), SW_HIDE);
    toolkit_.MainWindowShownOrHidden(window_.Get());
}

bool Win32Form::Visible() const {
    return IsWindowVisible(window_.Get()) != FALSE;
}

ModalResult Win32Form::ShowModal() {
    if (modal_) return ModalResult::kNone;
    TakeOwner();
    modal_ = true;
    result_ = ModalResult::kNone;
    {
        ModalScope scope(window_.Get());
        Fire(onShow_);
        ShowWindow(window_.Get(), SW_SHOW);
        SetForegroundWindow(window_.Get());
        SetActiveWindow(window_.Get());
        UpdateWindow(window_.Get());
        if (!toolkit_.Pump([this] { return result_ != ModalResult::kNone; }))
            result_ = ModalResult::kCancel;
    }  // the other windows are enabled before this one hides, so activation goes back
    ShowWindow(window_.Get(), SW_HIDE);
    modal_ = false;
    return std::exchange(result_, ModalResult::kNone);
}

void Win32Form::EndModal(ModalResult result) {
    if (modal_) result_ = result;
}

void Win32Form::Close() {
    if (onClose_ && !onClose_()) return;
    if (modal_) {
        if (result_ == ModalResult::kNone) result_ = ModalResult::kCancel;
        return;
    }
    Hide();
    if (window_.Get() == toolkit_.MainWindow()) PostQuitMessage(0);
}

Point Win32Form::Position() const {
    RECT r{};
    GetWindowRect(window_.Get(), &r);
    return {r.left, r.top};
}

void Win32Form::SetPosition(Point position) {
    SetWindowPos(window_.Get(), nullptr, position.x, position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Size Win32Form::ClientSize() const {
    RECT r{};
    GetClientRect(window_.Get(), &r);
    return {r.right, r.bottom};
}

void Win32Form::SetClientSize(Size size) {
    const Size outer = ClientToWindow(size);
    SetWindowPos(window_.Get(), nullptr, 0, 0, outer.width, outer.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string Win32Form::Caption() const {
    std::wstring text(std::size_t(GetWindowTextLengthW(window_.Get())) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window_.Get(), text.data(), int(text.size()))));
    return Narrow(text);
}

void Win32Form::SetCaption(const std::string& caption) {
    SetWindowTextW(window_.Get(), Widen(caption).c_str());
}

void Win32Form::SetRegion(const std::vector<RowRun>& region) {
    ApplyWindowShape(window_.Get(), region);
}

bool Win32Form::Enabled() const {
    return IsWindowEnabled(window_.Get()) != FALSE;
}

void Win32Form::SetEnabled(bool enabled) {
    EnableWindow(window_.Get(), enabled);
}

void Win32Form::BringToFront() {
    SetForegroundWindow(window_.Get());
}

std::uintptr_t Win32Form::Handle() const {
    return reinterpret_cast<std::uintptr_t>(window_.Get());
}

std::intptr_t Win32Form::Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return std::intptr_t(SendMessageW(window_.Get(), message, WPARAM(wParam), LPARAM(lParam)));
}

HFONT Win32Form::Font(const FontSpec& requested) {
    const FontSpec& wanted = requested.name.empty() ? layout_.font : requested;
    for (const CachedFont& cached : fonts_)
        if (cached.fontSpec == wanted) return cached.font.Get();
    UniqueFont font(CreateFontW(wanted.height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                Widen(wanted.name).c_str()));
    HFONT handle = font.Get();
    fonts_.push_back({wanted, std::move(font)});
    return handle;
}

void Win32Form::SetHint(HWND control, const std::string& hint) {
    if (!tooltip_) {
        tooltip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.Get(),
                                       nullptr, toolkit_.Instance(), nullptr));
        if (!tooltip_) return;
        // Multi-line hints (a combination's comment) need a width to wrap at.
        SendMessageW(tooltip_.Get(), TTM_SETMAXTIPWIDTH, 0, 400);
    }
    std::wstring text = WithSystemLineBreaks(Widen(hint));
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = window_.Get();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, LPARAM(&tool));
    if (!hint.empty()) SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, LPARAM(&tool));
}

void Win32Form::RelayToHints(const MSG& message) {
    if (tooltip_ && message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST)
        SendMessageW(tooltip_.Get(), TTM_RELAYEVENT, 0, LPARAM(&message));
}

Bitmap Win32Form::BackdropPart(HWND child) const {
    RECT client{};
    GetClientRect(child, &client);
    Bitmap part(client.right, client.bottom, Rgb(212, 208, 200));
    if (!backdrop_) return part;
    POINT origin{0, 0};
    MapWindowPoints(child, backdrop_->Hwnd(), &origin, 1);
    const Bitmap& picture = backdrop_->Image();
    for (int y = 0; y < part.Height(); ++y)
        for (int x = 0; x < part.Width(); ++x)
            if (picture.Contains(origin.x + x, origin.y + y))
                part.SetPixel(x, y, picture.Pixel(origin.x + x, origin.y + y));
    return part;
}

void Win32Form::RedrawOverBackdrop() {
    RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Win32Form::HandleShortcut(Shortcut shortcut) {
    bool taken = false;
    if (onShortcut_) toolkit_.Guard([&] { taken = onShortcut_(shortcut); });
    return taken;
}

}  // namespace quorvel::win32
