#include "input_dialog.h"

#include <commdlg.h>

#include <vector>

namespace quorvel::actions {
namespace {

// A dialog template built in memory, so the module needs no resource script.
class DialogTemplate {
  public:
    DialogTemplate(DWORD style, short width, short height, const wchar_t* caption, WORD items) {
        Double(style);
        Double(0);  // extended style
        words_.push_back(items);
        Short(0);
        Short(0);
        Short(width);
        Short(height);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the standard dialog class
        Text(caption);
        words_.push_back(8);  // DS_SETFONT: point size and face
        Text(L"MS Shell Dlg");
    }

    void Item(WORD controlClass, DWORD style, short x, short y, short width, short height, WORD id,
              const wchar_t* text) {
        if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD
        Double(style | WS_CHILD | WS_VISIBLE);
        Double(0);
        Short(x);
        Short(y);
        Short(width);
        Short(height);
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(controlClass);
        Text(text);
        words_.push_back(0);  // no creation data
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void Double(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void Short(short value) { words_.push_back(WORD(value)); }
    void Text(const wchar_t* text) {
        for (; *text; ++text) words_.push_back(WORD(*text));
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr int kPromptText = 102;

struct DialogState {
    const std::wstring* prompt;
    const std::wstring* initial;
    std::wstring result;
};

std::wstring ItemText(HWND dialog, int id) {
    std::wstring text(std::size_t(GetWindowTextLengthW(GetDlgItem(dialog, id))) + 1, L'\0');
    text.resize(std::size_t(GetDlgItemTextW(dialog, id, text.data(), int(text.size()))));
    return text;
}

void Browse(HWND dialog) {
    wchar_t file[MAX_PATH] = {};
    OPENFILENAMEW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = dialog;
    choice.lpstrFilter = L"Programs and shortcuts\0*.exe;*.lnk;*.bat;*.cmd\0All files\0*.*\0";
    choice.lpstrFile = file;
    choice.nMaxFile = MAX_PATH;
    // The program's current folder must not move under it.
    choice.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_DONTADDTORECENT;
    if (!GetOpenFileNameW(&choice)) return;
    std::wstring text = file;
    if (text.find(L' ') != std::wstring::npos) text = L"\"" + text + L"\"";
    SetDlgItemTextW(dialog, kCommandEdit, text.c_str());
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            state = reinterpret_cast<DialogState*>(lParam);
            SetDlgItemTextW(dialog, kPromptText, state->prompt->c_str());
            SetDlgItemTextW(dialog, kCommandEdit, state->initial->c_str());
            SendDlgItemMessageW(dialog, kCommandEdit, EM_SETSEL, 0, -1);
            SetForegroundWindow(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    state->result = ItemText(dialog, kCommandEdit);
                    if (state->result.empty()) {
                        MessageBeep(MB_ICONEXCLAMATION);
                        SetFocus(GetDlgItem(dialog, kCommandEdit));
                        return TRUE;
                    }
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                case kBrowseButton:
                    Browse(dialog);
                    return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

std::optional<std::wstring> AskCommandText(HWND owner, const std::wstring& caption,
                                           const std::wstring& prompt,
                                           const std::wstring& initial) {
    DialogTemplate form(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                        250, 74, caption.c_str(), 5);
    form.Item(kStaticClass, SS_LEFT, 7, 7, 236, 20, kPromptText, L"");
    form.Item(kEditClass, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 30, 236, 14, kCommandEdit,
              L"");
    form.Item(kButtonClass, BS_PUSHBUTTON | WS_TABSTOP, 7, 53, 50, 14, kBrowseButton,
              L"&Browse...");
    form.Item(kButtonClass, BS_DEFPUSHBUTTON | WS_TABSTOP, 139, 53, 50, 14, IDOK, L"OK");
    form.Item(kButtonClass, BS_PUSHBUTTON | WS_TABSTOP, 193, 53, 50, 14, IDCANCEL, L"Cancel");

    HINSTANCE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&AskCommandText), &module);
    DialogState state{&prompt, &initial, {}};
    INT_PTR answer = DialogBoxIndirectParamW(module, form.Get(), owner, DialogProc,
                                             reinterpret_cast<LPARAM>(&state));
    if (answer != IDOK) return std::nullopt;
    return state.result;
}

}  // namespace quorvel::actions
