// The main window's actions and the handlers of its controls.
#include "base/window_messages.h"
#include "hotkeys/dispatch.h"
#include "settings/options.h"
#include "windows/about_box.h"
#include "windows/combination_editor.h"
#include "windows/main_window.h"
#include "windows/options_dialog.h"

namespace quorvel {

namespace {
constexpr Shortcut kInsert = 45;
constexpr Shortcut kDelete = 46;
}  // namespace

void TForm1::CreateActions() {
    actions_.Add("NewDialog", kInsert, [this] { NewDialog(); });
    actions_.Add("DeleteDialog", kDelete, [this] { DeleteDialog(); });
    actions_.Add("ReSaveDialog", kShortcutCtrl | kInsert, [this] { ReSaveDialog(); });
    actions_.Add("OptionDialog", kNoShortcut, [this] { OptionDialog(); });
    actions_.Add("AboutDialog", kNoShortcut, [this] { AboutDialog(); });

    // Delete and Update act on the selected combination.
    auto hasSelection = [this] { return List->ItemIndex() >= 0; };
    actions_.SetEnableRule("DeleteDialog", hasSelection);
    actions_.SetEnableRule("ReSaveDialog", hasSelection);
    actions_.Link("DeleteDialog", *Button2);
    actions_.Link("ReSaveDialog", *Button3);
    actions_.Update();
}

void TForm1::ConnectEvents() {
    Button1->SetOnClick([this] { actions_.Execute("NewDialog"); });
    Button2->SetOnClick([this] { actions_.Execute("DeleteDialog"); });
    Button3->SetOnClick([this] { actions_.Execute("ReSaveDialog"); });
    Button4->SetOnClick([this] { actions_.Execute("OptionDialog"); });
    Button5->SetOnClick([this] { actions_.Execute("AboutDialog"); });
    Button6->SetOnClick([this] {
        if (parts_) parts_->dispatcher.OnFonMode();
    });
    List->SetOnClick([this] {
        if (parts_) parts_->store.ListClick();
    });
    List->SetOnDoubleClick([this] { actions_.Execute("ReSaveDialog"); });
    Speedbut123->SetOnClick([this] { Window().Close(); });

    Menu1->SetOnClick("N2", [this] { actions_.Execute("OptionDialog"); });
    Menu1->SetOnClick("N9", [this] { actions_.Execute("AboutDialog"); });
    Menu1->SetOnClick("N4", [this] { Window().Close(); });

    Window().SetOnShortcut([this](Shortcut shortcut) { return actions_.HandleShortcut(shortcut); });
    Window().SetOnMessage([this](unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
        return HandleMessage(message, wParam, lParam);
    });
}

std::optional<std::intptr_t> TForm1::HandleMessage(unsigned message, std::uintptr_t wParam,
                                                   std::intptr_t lParam) {
    if (onProgramMessage_) return onProgramMessage_(message, wParam, lParam);
    return std::nullopt;
}

void TForm1::NewDialog() {
    if (!dialogs_.editor) return;
    TForm2& editor = dialogs_.editor();
    editor.PrepareNew();
    ShowDialog(editor);
}

void TForm1::DeleteDialog() {
    // Its shortcut can arrive before the idle update has disabled it.
    if (!parts_ || List->ItemIndex() < 0) return;
    if (parts_->options.Read(option::kDeleteHotKey)) {
        const ModalResult answer = toolkit_.Dialogs().Show(
            {.type = DialogType::kWarning,
             .text = parts_->text(LanguageText::kMsgDelete) + "\r" + List->Item(List->ItemIndex()),
             .buttons = DialogButtons::kYesCancel,
             .beep = true});
        if (answer != ModalResult::kYes) return;
    }
    parts_->store.Delete();
}

void TForm1::ReSaveDialog() {
    // Its shortcut can arrive before the idle update has disabled it.
    if (!dialogs_.editor || List->ItemIndex() < 0) return;
    TForm2& editor = dialogs_.editor();
    if (editor.PrepareUpdate()) ShowDialog(editor);
}

void TForm1::OptionDialog() {
    if (!dialogs_.options) return;
    TForm3& options = dialogs_.options();
    options.PrepareOpen();
    struct ClosedAnyway {
        TForm3& dialog;
        ~ClosedAnyway() { dialog.Closed(); }
    } closed{options};
    ShowDialog(options);
}

void TForm1::AboutDialog() {
    if (dialogs_.about) ShowDialog(dialogs_.about());
}

}  // namespace quorvel
