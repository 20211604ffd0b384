#include "win32/win32_message_dialogs.h"

#include <algorithm>
#include <vector>

#include "base/error.h"
#include "base/geometry.h"
#include "win32/display_dpi.h"
#include "win32/handles.h"
#include "win32/line_breaks.h"
#include "win32/system_boundary.h"
#include "win32/text_conversion.h"
#include "win32/win32_toolkit.h"
#include "win32/window_class.h"

namespace quorvel::win32 {

namespace {

// Design figures at 96 DPI, scaled to the display. A button is never narrower or lower
// than its caption in the dialog's font needs, so no caption clips at any scale.
constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kButtonPaddingX = 16;  // both sides together
constexpr int kButtonPaddingY = 8;
constexpr int kMaxTextWidth = 420;
constexpr int kLeastWidth = 200;
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

ModalResult ResultOfCommand(DialogButtons buttons, int id) {
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
            return EscapeResultOf(buttons);  // Esc and the Cancel button
        default:
            return ModalResult::kNone;
    }
}

// An open dialog: the object its window's messages go to.
class OpenDialog final : public WindowObject {
  public:
    OpenDialog(DialogButtons buttons, int defaultId) : buttons_(buttons), defaultId_(defaultId) {}

    ModalResult Result() const { return result_; }
    void SetResult(ModalResult result) { result_ = result; }
    int DefaultId() const { return defaultId_; }

    std::optional<LRESULT> OnMessage(const WindowMessage& message) override {
        switch (message.message) {
            case WM_COMMAND:
                if (HIWORD(message.wParam) == BN_CLICKED || message.lParam == 0) {
                    const ModalResult result = ResultOfCommand(buttons_, LOWORD(message.wParam));
                    if (result != ModalResult::kNone) result_ = result;
                }
                return 0;
            case WM_CLOSE:
                result_ = EscapeResultOf(buttons_);
                return 0;
            case DM_GETDEFID: {
                // Enter presses the focused button, else the default one.
                HWND focus = GetFocus();
                const int id =
                    focus && GetParent(focus) == message.window ? GetDlgCtrlID(focus) : 0;
                return MAKELRESULT(id >= IDOK && id <= IDNO ? id : defaultId_, DC_HASDEFID);
            }
            default:
                return std::nullopt;
        }
    }

  private:
    DialogButtons buttons_;
    int defaultId_;
    ModalResult result_ = ModalResult::kNone;
};

UniqueFont MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
    return UniqueFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

SIZE MeasureText(HFONT font, const std::wstring& text, int maxWidth, UINT format) {
    const UniqueWindowDc screen = WindowDcOf(nullptr);
    const SelectionScope selected(screen.Get(), font);
    RECT r{0, 0, maxWidth, 0};
    DrawTextW(screen.Get(), text.c_str(), int(text.size()), &r, DT_CALCRECT | format);
    return {r.right + 2, r.bottom};
}

// The size every button takes: the design's, or more where a caption needs it.
SIZE ButtonSize(HFONT font, const std::vector<ModalResult>& results, DisplayScale scale) {
    SIZE size{scale.Of(kButtonWidth), scale.Of(kButtonHeight)};
    for (ModalResult result : results) {
        const SIZE caption = MeasureText(font, InfoOf(result).caption, 0, DT_SINGLELINE);
        size.cx = std::max<LONG>(size.cx, caption.cx + scale.Of(kButtonPaddingX));
        size.cy = std::max<LONG>(size.cy, caption.cy + scale.Of(kButtonPaddingY));
    }
    return size;
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
    RegisterWindowClass(instance,
                        {.name = kClassName,
                         .cursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)),  // IDC_ARROW
                         .background = GetSysColorBrush(COLOR_BTNFACE)});
}

void Win32MessageDialogs::Beep() {
    MessageBeep(MB_ICONEXCLAMATION);
}

ModalResult Win32MessageDialogs::Show(const MessageRequest& request) {
    if (request.beep) Beep();
    const std::vector<ModalResult> results = ButtonsOf(request.buttons);
    OpenDialog dialog(request.buttons, InfoOf(DefaultButtonOf(request)).id);
    const UniqueFont font = MessageFont();
    HFONT hfont = font.Get();

    HWND owner = toolkit_.ModalOwner();
    const DisplayScale scale = ScaleOfWindow(owner);
    const int margin = scale.Of(kMargin);
    const int gap = scale.Of(kButtonGap);
    const int iconSize = GetSystemMetrics(SM_CXICON);  // the system scales its icons itself

    const std::wstring text = WithSystemLineBreaks(Widen(request.text));
    const SIZE textSize = MeasureText(hfont, text, scale.Of(kMaxTextWidth),
                                      DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    const SIZE buttonSize = ButtonSize(hfont, results, scale);
    const wchar_t* iconName = IconOf(request.type);
    const int textLeft = margin + (iconName ? iconSize + margin : 0);
    const int contentHeight = std::max<int>(textSize.cy, iconName ? iconSize : 0);
    const int buttonsWidth =
        int(results.size()) * int(buttonSize.cx) + int(results.size() - 1) * gap;
    const int clientWidth = std::max(
        {textLeft + int(textSize.cx) + margin, buttonsWidth + 2 * margin, scale.Of(kLeastWidth)});
    const int buttonsTop = margin + contentHeight + margin + scale.Of(4);
    const int clientHeight = buttonsTop + int(buttonSize.cy) + margin;

    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    const POINT at = Placement(owner, size);

    const std::wstring caption = Widen(CaptionOf(request));
    UniqueWindow box;
    try {
        box = CreateObjectWindow({.className = kClassName,
                                  .title = caption.c_str(),
                                  .style = kStyle,
                                  .exStyle = kExStyle,
                                  .x = at.x,
                                  .y = at.y,
                                  .width = size.cx,
                                  .height = size.cy,
                                  .parent = owner,
                                  .instance = toolkit_.Instance()},
                                 &dialog, "the message dialog");
    } catch (const Error& error) {
        // The error report's own window: with it missing there is no dialog left to tell,
        // and the caller (an error report among them) must go on, so it answers as Esc
        // would; the debugger's output keeps the reason.
        OutputDebugStringW((Widen(error.what()) + L"\n").c_str());
        return EscapeResultOf(request.buttons);
    }
    auto child = [&](const wchar_t* className, const wchar_t* caption, DWORD style, int id,
                     LayoutRect r) {
        HWND control = CreateWindowExW(
            0, className, caption, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.width, r.height,
            box.Get(), reinterpret_cast<HMENU>(INT_PTR(id)), toolkit_.Instance(), nullptr);
        SendMessageW(control, WM_SETFONT, WPARAM(hfont), FALSE);
        return control;
    };
    if (iconName) {
        HWND icon = child(L"STATIC", nullptr, SS_ICON, -1, {margin, margin, iconSize, iconSize});
        SendMessageW(icon, STM_SETICON, WPARAM(LoadIconW(nullptr, iconName)), 0);
    }
    const int textTop = margin + (contentHeight - int(textSize.cy)) / 2;
    child(L"STATIC", text.c_str(), SS_LEFT | SS_NOPREFIX, -1,
          {textLeft, textTop, int(textSize.cx), int(textSize.cy)});
    HWND defaultButton = nullptr;
    int left = (clientWidth - buttonsWidth) / 2;
    for (ModalResult result : results) {
        const ButtonInfo info = InfoOf(result);
        const bool isDefault = info.id == dialog.DefaultId();
        HWND button = child(L"BUTTON", info.caption,
                            WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), info.id,
                            {left, buttonsTop, int(buttonSize.cx), int(buttonSize.cy)});
        if (isDefault) defaultButton = button;
        left += int(buttonSize.cx) + gap;
    }

    {
        ModalScope scope(box.Get());
        ShowWindow(box.Get(), SW_SHOW);
        SetForegroundWindow(box.Get());
        SetFocus(defaultButton);
        if (!toolkit_.Pump([&] { return dialog.Result() != ModalResult::kNone; }))
            dialog.SetResult(EscapeResultOf(request.buttons));
    }
    return dialog.Result();
}

namespace {

struct CaptionSearch {
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchOpenDialog(HWND window, LPARAM context) {
    return CallFromSystem<BOOL>(FALSE, [&]() -> BOOL {
        auto& search = *reinterpret_cast<CaptionSearch*>(context);
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (std::wstring_view(name) != Win32MessageDialogs::kClassName) return TRUE;
        std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
        if (text != search.caption) return TRUE;
        search.found = window;
        return FALSE;
    });
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
