#include "win32/win32_toolkit.h"

#include <commctrl.h>

#include "base/window_messages.h"
#include "win32/display_dpi.h"
#include "win32/message_filter.h"
#include "win32/win32_check_box.h"
#include "win32/win32_drop_down_list.h"
#include "win32/win32_edit.h"
#include "win32/win32_form.h"
#include "win32/win32_glyph_button.h"
#include "win32/win32_hot_key_edit.h"
#include "win32/win32_label.h"
#include "win32/win32_list_box.h"
#include "win32/win32_picture.h"
#include "win32/win32_popup_menu.h"
#include "win32/win32_push_button.h"
#include "win32/win32_timer.h"
#include "win32/win32_tray_icon.h"

namespace quorvel::win32 {

namespace {

bool IsOwnTopLevel(HWND window) {
    wchar_t name[64] = {};
    if (!GetClassNameW(window, name, 64)) return false;
    const std::wstring_view className(name);
    return className == Win32Form::kClassName || className == Win32MessageDialogs::kClassName;
}

Shortcut ShortcutOfKey(WPARAM virtualKey) {
    Shortcut shortcut = Shortcut(virtualKey & kShortcutKeyMask);
    if (GetKeyState(VK_SHIFT) < 0) shortcut |= kShortcutShift;
    if (GetKeyState(VK_CONTROL) < 0) shortcut |= kShortcutCtrl;
    if (GetKeyState(VK_MENU) < 0) shortcut |= kShortcutAlt;
    // Win+Enter is no Enter: the editor's Next must not take it from the hot-key field.
    if (GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0) shortcut |= kShortcutWin;
    return shortcut;
}

// The system's multi-line edit keeps Tab for itself; in the program's windows Tab moves on
// from a memo as from every other control (Ctrl+Tab still types a tab).
bool MoveOnFromMemo(const MSG& message, HWND root) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0)
        return false;
    wchar_t className[8] = {};
    GetClassNameW(message.hwnd, className, 8);
    if (lstrcmpiW(className, L"Edit") != 0) return false;
    if (!(GetWindowLongW(message.hwnd, GWL_STYLE) & ES_MULTILINE)) return false;
    if (HWND next = GetNextDlgTabItem(root, message.hwnd, GetKeyState(VK_SHIFT) < 0))
        SetFocus(next);
    return true;
}

Win32Form& AsWin32(Form& form) {
    return dynamic_cast<Win32Form&>(form);
}

}  // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance)
    : instance_(instance), application_(instance), dialogs_(*this), images_(instance) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    Win32Form::Register(instance);
    Win32ControlCore::RegisterCustomClass(instance, Win32Picture::kClassName);
    Win32ControlCore::RegisterCustomClass(instance, Win32Label::kClassName);
    Win32ControlCore::RegisterCustomClass(instance, Win32PushButton::kClassName);
    Win32ControlCore::RegisterCustomClass(instance, Win32CheckBox::kClassName);
    Win32ControlCore::RegisterCustomClass(instance, Win32HotKeyEdit::kClassName);
    Win32MessageDialogs::Register(instance);
    Win32TrayIcon::Register(instance);
    Win32Timer::Register(instance);
}

Win32Toolkit::~Win32Toolkit() = default;

std::unique_ptr<Form> Win32Toolkit::CreateForm(const FormLayout& layout) {
    return std::make_unique<Win32Form>(*this, layout);
}

std::unique_ptr<Picture> Win32Toolkit::CreatePicture(Form& form, const ControlLayout& layout) {
    return std::make_unique<Win32Picture>(AsWin32(form), layout);
}
std::unique_ptr<GlyphButton> Win32Toolkit::CreateGlyphButton(Form& form,
                                                             const ControlLayout& layout) {
    return std::make_unique<Win32GlyphButton>(AsWin32(form), layout);
}
std::unique_ptr<Label> Win32Toolkit::CreateLabel(Form& form, const ControlLayout& layout) {
    return std::make_unique<Win32Label>(AsWin32(form), layout);
}
std::unique_ptr<PushButton> Win32Toolkit::CreatePushButton(Form& form,
                                                           const ControlLayout& layout) {
    return std::make_unique<Win32PushButton>(AsWin32(form), layout);
}
std::unique_ptr<CheckBox> Win32Toolkit::CreateCheckBox(Form& form, const ControlLayout& layout) {
    return std::make_unique<Win32CheckBox>(AsWin32(form), layout);
}
std::unique_ptr<ListBox> Win32Toolkit::CreateListBox(Form& form, const ControlLayout& layout) {
    return std::make_unique<Win32ListBox>(AsWin32(form), layout);
}
std::unique_ptr<DropDownList> Win32Toolkit::CreateDropDownList(Form& form,
                                                               const ControlLayout& layout) {
    return std::make_unique<Win32DropDownList>(AsWin32(form), layout);
}
std::unique_ptr<Edit> Win32Toolkit::CreateEdit(Form& form, const ControlLayout& layout) {
    return std::make_unique<Win32Edit>(AsWin32(form), layout);
}
std::unique_ptr<Memo> Win32Toolkit::CreateMemo(Form& form, const ControlLayout& layout) {
    return std::make_unique<Win32Memo>(AsWin32(form), layout);
}
std::unique_ptr<HotKeyEdit> Win32Toolkit::CreateHotKeyEdit(Form& form,
                                                           const ControlLayout& layout) {
    return std::make_unique<Win32HotKeyEdit>(AsWin32(form), layout);
}

std::unique_ptr<PopupMenu> Win32Toolkit::CreatePopupMenu(Form& owner, const MenuLayout& layout) {
    return std::make_unique<Win32PopupMenu>(AsWin32(owner), layout);
}

std::unique_ptr<TrayIcon> Win32Toolkit::CreateTrayIcon() {
    return std::make_unique<Win32TrayIcon>(*this);
}

namespace {

std::vector<Bitmap> PicturesOf(const std::vector<ProgramImage>& images) {
    std::vector<Bitmap> pictures;
    for (const ProgramImage& image : images) pictures.push_back(image.picture);
    return pictures;
}

}  // namespace

DisplayScale Win32Toolkit::Scale() {
    return ScaleOfWindow(mainWindow_);
}

std::vector<Bitmap> Win32Toolkit::ProgramImageList() {
    return PicturesOf(images_.ImageList());
}

std::vector<Bitmap> Win32Toolkit::TrayAnimationFrames() {
    return PicturesOf(images_.AnimationFrames());
}

std::unique_ptr<Timer> Win32Toolkit::CreateTimer(int intervalMilliseconds) {
    return std::make_unique<Win32Timer>(*this, intervalMilliseconds);
}

void Win32Toolkit::SetApplicationTitle(const std::string& title) {
    application_.SetTitle(title);
}

void Win32Toolkit::MainWindowShownOrHidden(HWND window) {
    if (window && window == mainWindow_) application_.ShowButton(IsWindowVisible(window) != FALSE);
}

void Win32Toolkit::BringApplicationToForeground() {
    SetForegroundWindow(mainWindow_ && IsWindowVisible(mainWindow_) ? mainWindow_
                                                                    : application_.Handle());
}

void Win32Toolkit::ProcessMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(int(message.wParam));  // for the loop that owns the request
            return;
        }
        Dispatch(message);
    }
}

int Win32Toolkit::Run(Form& mainForm) {
    mainWindow_ = AsWin32(mainForm).Hwnd();
    application_.Adopt(mainWindow_);
    // A second start may run with less rights than this instance (which runs as an
    // administrator to write the autorun key): its wake-up message must still get in.
    AllowMessageFromLowerRights(mainWindow_, kBackgroundModeMessage);
    // Shown inside the loop's care, so what its first activation opens has an owner.
    mainForm.Show();
    int exitCode = 0;
    MSG message;
    // The main window's closing posts the quit request; its code is the program's.
    while (true) {
        Pump([] { return false; });
        if (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
            exitCode = int(message.wParam);
            break;
        }
    }
    application_.ShowButton(false);
    application_.Adopt(nullptr);
    mainWindow_ = nullptr;
    return exitCode;
}

void Win32Toolkit::Guard(const std::function<void()>& handler) {
    report_.Run(handler);
}

void Win32Toolkit::GuardUserAction(const std::function<void()>& handler) {
    report_.RunUserAction(handler);
}

bool Win32Toolkit::Pump(const std::function<bool()>& done) {
    MSG message;
    while (!done()) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (onIdle_) Guard(onIdle_);
            if (done()) break;
            WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT) {
            PostQuitMessage(int(message.wParam));  // for the loop that owns the request
            return false;
        }
        Dispatch(message);
    }
    return true;
}

void Win32Toolkit::Dispatch(MSG& message) {
    if (TakeShortcut(message)) return;
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST)
        if (Win32Form* form = Win32Form::FromHandle(root)) form->RelayToHints(message);
    if (root && IsOwnTopLevel(root) && MoveOnFromMemo(message, root)) return;
    // Tab, the arrow keys, Enter, Esc and the underlined letters move between controls.
    if (root && IsOwnTopLevel(root) && IsDialogMessageW(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// A key goes to its window's shortcuts before the control with the focus sees it.
bool Win32Toolkit::TakeShortcut(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    Win32Form* form =
        Win32Form::FromHandle(message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr);
    return form && form->HandleShortcut(ShortcutOfKey(message.wParam));
}

HWND Win32Toolkit::ModalOwner() const {
    HWND active = GetActiveWindow();
    // The application window is active only on its way to handing the activation on.
    if (active && active != application_.Handle() && IsWindowVisible(active)) return active;
    return mainWindow_;
}

namespace {

struct DisableContext {
    HWND modal;
    std::vector<HWND>* disabled;
};

BOOL CALLBACK DisableOther(HWND window, LPARAM data) {
    return CallFromSystem<BOOL>(FALSE, [&]() -> BOOL {
        auto& context = *reinterpret_cast<DisableContext*>(data);
        if (window != context.modal && IsWindowVisible(window) && IsWindowEnabled(window)) {
            // Noted first: a window disabled is always enabled again.
            context.disabled->push_back(window);
            EnableWindow(window, FALSE);
        }
        return TRUE;
    });
}

}  // namespace

ModalScope::ModalScope(HWND modalWindow) {
    DisableContext context{modalWindow, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, LPARAM(&context));
}

ModalScope::~ModalScope() {
    for (HWND window : disabled_) EnableWindow(window, TRUE);
}

}  // namespace quorvel::win32
