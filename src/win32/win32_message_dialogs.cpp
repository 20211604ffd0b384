#include "win32/win32_message_dialogs.h"

#include <algorithm>
#include <vector>

#include "base/geometry.h"
#include "win32/handles.h"
#include "win32/line_breaks.h"
#include "win32/text_conversion.h"
#include "win32/win32_toolkit.h"

namespace quorvel::win32 {

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kMaxTextWidth = 420;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;

struct ButtonInfo {
    ModalResult result;
    int id;
    const wchar_t* caption;
};

ButtonInfo InfoOf(ModalResult result) {
    switch (result) {
        case ModalResult::kYes:
            return {result, IDYES, L"&Yes"};
        case ModalResult::kNo:
            return {result, IDNO, L"&No"};
        case ModalResult::kCancel:
            return {result, IDCANCEL, L"Cancel"};
        case ModalResult::kAbort:
            return {result, IDABORT, L"&Abort"};
        default:
            return {ModalResult::kOk, IDOK, L"OK"};
    }
}

const wchar_t* IconOf(DialogType type) {
    switch (type) {
        case DialogType::kWarning:
            return MAKEINTRESOURCEW(32515);  // IDI_WARNING
        case DialogType::kInformation:
            return MAKEINTRESOURCEW(32516);  // IDI_INFORMATION
        case DialogType::kError:
            return MAKEINTRESOURCEW(32513);  // IDI_ERROR
        case DialogType::kConfirm:
            return MAKEINTRESOURCEW(32514);  // IDI_QUESTION
        case DialogType::kPlain:
            break;
    }
    return nullptr;
}

// What the window procedure of an open dialog works on.
struct OpenDialog {
    DialogButtons buttons;
    int defaultId;
    ModalResult result = ModalResult::kNone;
};

ModalResult ResultOfCommand(const OpenDialog& dialog, int id) {
    switch (id) {
        case IDOK:
            return ModalResult::kOk;
        case IDYES:
            return ModalResult::kYes;
        case IDNO:
            return ModalResult::kNo;
        case IDABORT:
            return ModalResult::kAbort;
        case IDCANCEL:
            return EscapeResultOf(dialog.buttons);  // Esc and the Cancel button
        default:
            return ModalResult::kNone;
    }
}

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
    }
    auto* dialog = reinterpret_cast<OpenDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!dialog) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED || lParam == 0) {
                const ModalResult result = ResultOfCommand(*dialog, LOWORD(wParam));
                if (result != ModalResult::kNone) dialog->result = result;
            }
            return 0;
        case WM_CLOSE:
            dialog->result = EscapeResultOf(dialog->buttons);
            return 0;
        case DM_GETDEFID: {
            // Enter presses the focused button, else the default one.
            HWND focus = GetFocus();
            const int id = focus && GetParent(focus) == window ? GetDlgCtrlID(focus) : 0;
            return MAKELRESULT(id >= IDOK && id <= IDNO ? id : dialog->defaultId, DC_HASDEFID);
        }
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

UniqueGdiObject MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return UniqueGdiObject(CreateFontIndirectW(&metrics.lfMessageFont));
    return UniqueGdiObject(GetStockObject(DEFAULT_GUI_FONT));
}

SIZE MeasureText(HFONT font, const std::wstring& text) {
    WindowDc screen(nullptr);
    HGDIOBJ old = SelectObject(screen.Get(), font);
    RECT r{0, 0, kMaxTextWidth, 0};
    DrawTextW(screen.Get(), text.c_str(), int(text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(screen.Get(), old);
    return {r.right + 2, r.bottom};
}

// Centred over the owner when there is one, else on the screen; always on the screen.
POINT Placement(HWND owner, SIZE size) {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT around = area;
    if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &around);
    LONG x = (around.left + around.right - size.cx) / 2;
    LONG y = (around.top + around.bottom - size.cy) / 2;
    x = std::clamp(x, area.left, std::max(area.left, area.right - size.cx));
    y = std::clamp(y, area.top, std::max(area.top, area.bottom - size.cy));
    return {x, y};
}

}  // namespace

void Win32MessageDialogs::Register(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DialogProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

void Win32MessageDialogs::Beep() {
    MessageBeep(MB_ICONEXCLAMATION);
}

ModalResult Win32MessageDialogs::Show(const MessageRequest& request) {
    if (request.beep) Beep();
    const std::vector<ModalResult> results = ButtonsOf(request.buttons);
    OpenDialog dialog{request.buttons, InfoOf(DefaultButtonOf(request)).id};
    UniqueGdiObject font = MessageFont();
    auto* hfont = static_cast<HFONT>(font.Get());

    const std::wstring text = WithSystemLineBreaks(Widen(request.text));
    const SIZE textSize = MeasureText(hfont, text);
    const wchar_t* iconName = IconOf(request.type);
    const int textLeft = kMargin + (iconName ? kIconSize + kMargin : 0);
    const int contentHeight = std::max<int>(textSize.cy, iconName ? kIconSize : 0);
    const int buttonsWidth =
        int(results.size()) * kButtonWidth + int(results.size() - 1) * kButtonGap;
    const int clientWidth =
        std::max({textLeft + int(textSize.cx) + kMargin, buttonsWidth + 2 * kMargin, 200});
    const int buttonsTop = kMargin + contentHeight + kMargin + 4;
    const int clientHeight = buttonsTop + kButtonHeight + kMargin;

    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    HWND owner = toolkit_.ModalOwner();
    const POINT at = Placement(owner, size);

    UniqueWindow box(CreateWindowExW(kExStyle, kClassName, Widen(CaptionOf(request)).c_str(),
                                     kStyle, at.x, at.y, size.cx, size.cy, owner, nullptr,
                                     toolkit_.Instance(), &dialog));
    if (!box) return EscapeResultOf(request.buttons);
    auto child = [&](const wchar_t* className, const wchar_t* caption, DWORD style, int id,
                     LayoutRect r) {
        HWND control = CreateWindowExW(
            0, className, caption, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.width, r.height,
            box.Get(), reinterpret_cast<HMENU>(INT_PTR(id)), toolkit_.Instance(), nullptr);
        SendMessageW(control, WM_SETFONT, WPARAM(hfont), FALSE);
        return control;
    };
    if (iconName) {
        HWND icon =
            child(L"STATIC", nullptr, SS_ICON, -1, {kMargin, kMargin, kIconSize, kIconSize});
        SendMessageW(icon, STM_SETICON, WPARAM(LoadIconW(nullptr, iconName)), 0);
    }
    const int textTop = kMargin + (contentHeight - int(textSize.cy)) / 2;
    child(L"STATIC", text.c_str(), SS_LEFT | SS_NOPREFIX, -1,
          {textLeft, textTop, int(textSize.cx), int(textSize.cy)});
    HWND defaultButton = nullptr;
    int left = (clientWidth - buttonsWidth) / 2;
    for (ModalResult result : results) {
        const ButtonInfo info = InfoOf(result);
        const bool isDefault = info.id == dialog.defaultId;
        HWND button = child(L"BUTTON", info.caption,
                            WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), info.id,
                            {left, buttonsTop, kButtonWidth, kButtonHeight});
        if (isDefault) defaultButton = button;
        left += kButtonWidth + kButtonGap;
    }

    {
        ModalScope scope(box.Get());
        ShowWindow(box.Get(), SW_SHOW);
        SetForegroundWindow(box.Get());
        SetFocus(defaultButton);
        if (!toolkit_.Pump([&] { return dialog.result != ModalResult::kNone; }))
            dialog.result = EscapeResultOf(request.buttons);
    }
    return dialog.result;
}

namespace {

struct CaptionSearch {
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchOpenDialog(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<CaptionSearch*>(context);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring_view(name) != Win32MessageDialogs::kClassName) return TRUE;
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    if (text != search.caption) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

bool Win32MessageDialogs::CloseOpen(const std::string& caption) {
    CaptionSearch search{Widen(caption)};
    EnumThreadWindows(GetCurrentThreadId(), MatchOpenDialog, LPARAM(&search));
    if (!search.found) return false;
    SendMessageW(search.found, WM_CLOSE, 0, 0);
    return true;
}

}  // namespace quorvel::win32
