#include "win32/win32_hot_key_edit.h"

#include <commctrl.h>

#include "win32/line_breaks.h"
#include "win32/system_boundary.h"
#include "win32/text_conversion.h"
#include "win32/win32_form.h"
#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

namespace {

constexpr UINT_PTR kBalloonTimer = 1;
constexpr UINT kBalloonMilliseconds = 6000;
constexpr int kTextMargin = 2;
// A key event the hook passed to the field: the key in WParam, the modifiers held in LParam.
constexpr UINT kHookedKeyDown = WM_APP + 0x31;
constexpr UINT kHookedKeyUp = WM_APP + 0x32;

// The field the hook serves; the hook exists only while that field has the focus.
HWND hookedField = nullptr;

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_KEYUP ||
           message == WM_SYSKEYUP || message == WM_CHAR || message == WM_SYSCHAR;
}

}  // namespace

Shortcut HeldModifiers() {
    Shortcut held = 0;
    if (GetKeyState(VK_SHIFT) < 0) held |= kShortcutShift;
    if (GetKeyState(VK_CONTROL) < 0) held |= kShortcutCtrl;
    if (GetKeyState(VK_MENU) < 0) held |= kShortcutAlt;
    if (GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0) held |= kShortcutWin;
    return held;
}

Shortcut ModifiersDownNow() {
    Shortcut held = 0;
    if (GetAsyncKeyState(VK_SHIFT) < 0) held |= kShortcutShift;
    if (GetAsyncKeyState(VK_CONTROL) < 0) held |= kShortcutCtrl;
    if (GetAsyncKeyState(VK_MENU) < 0) held |= kShortcutAlt;
    if (GetAsyncKeyState(VK_LWIN) < 0 || GetAsyncKeyState(VK_RWIN) < 0) held |= kShortcutWin;
    return held;
}

LRESULT CALLBACK Win32HotKeyEdit::KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    const bool taken = CallFromSystem<bool>(false, [&] {
        if (code != HC_ACTION || !hookedField) return false;
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        // The keys before this one went on already: the keyboard has them.
        const Shortcut held = ModifiersDownNow();
        // The field hears of every key it cares for from here, in the order pressed (its
        // own key messages would come after what is posted here).
        if (ModifierOfKey(key.vkCode)) {
            PostMessageW(hookedField, down ? kHookedKeyDown : kHookedKeyUp, key.vkCode,
                         LPARAM(held));
            return false;
        }
        if (!down || !HotKeyRecorder::TakesFirst(key.vkCode, held)) return false;
        // Handled in the field's own turn: a hook must answer at once.
        PostMessageW(hookedField, kHookedKeyDown, key.vkCode, LPARAM(held));
        return true;
    });
    return taken ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

Win32HotKeyEdit::Win32HotKeyEdit(Win32Form& form, const ControlLayout& layout)
    : Win32Control(form, layout, {kClassName, 0, WS_EX_CLIENTEDGE}),
      recorder_(keyNames_),
      font_(form.Font(layout.font)) {
    SetValue(layout.hotKey);
}

Win32HotKeyEdit::~Win32HotKeyEdit() {
    if (hookedField == Hwnd()) hookedField = nullptr;
    if (Hwnd()) KillTimer(Hwnd(), kBalloonTimer);
}

void Win32HotKeyEdit::SetValue(Shortcut value) {
    recorder_.SetValue(value);
    ShowText();
}

void Win32HotKeyEdit::ShowText() {
    SetWindowTextW(Hwnd(), Widen(recorder_.Text()).c_str());
    InvalidateRect(Hwnd(), nullptr, TRUE);
    if (GetFocus() == Hwnd()) PlaceCaret();
}

void Win32HotKeyEdit::Take(HotKeyRecorder::Outcome outcome) {
    using Outcome = HotKeyRecorder::Outcome;
    if (outcome == Outcome::kIgnored) return;
    ShowText();
    if (outcome == Outcome::kRecorded || outcome == Outcome::kCleared) Fire(onChange_);
    if (outcome == Outcome::kRefused && onRefused_) {
        const Shortcut refused = recorder_.Refused();
        Fire([&] { onRefused_(refused); });
    }
}

std::optional<LRESULT> Win32HotKeyEdit::OnWindowMessage(UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            const MSG* key = reinterpret_cast<const MSG*>(lParam);
            if (key && IsKeyMessage(key->message) &&
                HotKeyRecorder::TakesKey(unsigned(key->wParam), HeldModifiers()))
                return DLGC_WANTMESSAGE | DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTARROWS;
            return DLGC_WANTCHARS | DLGC_WANTARROWS;
        }
        // The system keys (Alt, F10) would open the window menu or close the window; here
        // they are part of a combination. With the hook on, the keys come from it and their
        // messages, arriving after what it posted, are passed over.
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!hook_) Take(recorder_.KeyDown(unsigned(wParam), HeldModifiers()));
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (!hook_) Take(recorder_.KeyUp(unsigned(wParam), HeldModifiers()));
            return 0;
        case kHookedKeyDown:
            if (hook_) Take(recorder_.KeyDown(unsigned(wParam), Shortcut(lParam)));
            return 0;
        case kHookedKeyUp:
            if (hook_) Take(recorder_.KeyUp(unsigned(wParam), Shortcut(lParam)));
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
            return 0;
        case WM_LBUTTONDOWN:
            ::SetFocus(Hwnd());
            return 0;
        case WM_SETFOCUS:
            hookedField = Hwnd();
            hook_.Reset(
                SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHook, form_.Toolkit().Instance(), 0));
            CreateCaret(Hwnd(), nullptr, 1, TextExtent(L"Ay").cy);
            PlaceCaret();
            ShowCaret(Hwnd());
            return 0;
        case WM_KILLFOCUS:
            hook_.Reset();
            hookedField = nullptr;
            DestroyCaret();
            HideBalloon();
            Take(recorder_.FocusLost());
            return 0;
        case WM_ENABLE:
            InvalidateRect(Hwnd(), nullptr, TRUE);
            return 0;
        case WM_TIMER:
            if (wParam != kBalloonTimer) return std::nullopt;
            HideBalloon();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        default:
            return std::nullopt;
    }
}

void Win32HotKeyEdit::Paint() {
    const PaintScope paint(Hwnd());
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const bool enabled = IsWindowEnabled(Hwnd()) != FALSE;
    FillRect(paint.Dc(), &client, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    const SelectionScope font(paint.Dc(), font_);
    SetBkMode(paint.Dc(), TRANSPARENT);
    SetTextColor(paint.Dc(), GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    RECT text = client;
    text.left += kTextMargin;
    const std::wstring shown = Widen(recorder_.Text());
    DrawTextW(paint.Dc(), shown.c_str(), int(shown.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

SIZE Win32HotKeyEdit::TextExtent(const std::wstring& text) const {
    const UniqueWindowDc dc = WindowDcOf(Hwnd());
    const SelectionScope font(dc.Get(), font_);
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), int(text.size()), &size);
    return size;
}

void Win32HotKeyEdit::PlaceCaret() {
    const SIZE size = TextExtent(Widen(recorder_.Text()));
    RECT client{};
    GetClientRect(Hwnd(), &client);
    SetCaretPos(kTextMargin + size.cx, (client.bottom - size.cy) / 2);
}

void Win32HotKeyEdit::ShowBalloon(const std::string& text) {
    if (text.empty()) {
        HideBalloon();
        return;
    }
    if (!balloon_) {
        balloon_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                       form_.Hwnd(), nullptr, form_.Toolkit().Instance(), nullptr));
        if (!balloon_) return;
        SendMessageW(balloon_.Get(), TTM_SETMAXTIPWIDTH, 0, 300);
    }
    std::wstring wide = WithSystemLineBreaks(Widen(text));
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = Hwnd();
    tool.uId = 1;
    tool.lpszText = wide.data();
    SendMessageW(balloon_.Get(), TTM_TRACKACTIVATE, FALSE, LPARAM(&tool));
    SendMessageW(balloon_.Get(), TTM_DELTOOLW, 0, LPARAM(&tool));
    SendMessageW(balloon_.Get(), TTM_ADDTOOLW, 0, LPARAM(&tool));
    RECT field{};
    GetWindowRect(Hwnd(), &field);
    SendMessageW(balloon_.Get(), TTM_TRACKPOSITION, 0,
                 MAKELPARAM((field.left + field.right) / 2, field.bottom));
    SendMessageW(balloon_.Get(), TTM_TRACKACTIVATE, TRUE, LPARAM(&tool));
    balloonShown_ = true;
    SetTimer(Hwnd(), kBalloonTimer, kBalloonMilliseconds, nullptr);
}

void Win32HotKeyEdit::HideBalloon() {
    KillTimer(Hwnd(), kBalloonTimer);
    if (!balloon_ || !balloonShown_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = Hwnd();
    tool.uId = 1;
    SendMessageW(balloon_.Get(), TTM_TRACKACTIVATE, FALSE, LPARAM(&tool));
    balloonShown_ = false;
}

}  // namespace quorvel::win32
