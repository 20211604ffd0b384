// The combination editor's decisions: filling it, Next with its checks and questions, the
// module's settings step and the save, and the comment toggle.
#include "hotkeys/hot_key_check.h"
#include "hotkeys/shortcut_text.h"
#include "modules/toolkit_targets.h"
#include "skin/skin_drawing.h"
#include "windows/combination_editor.h"

namespace quorvel {

namespace {
constexpr Shortcut kEnterKey = 13;
constexpr Shortcut kEscapeKey = 27;
}  // namespace

void TForm2::ConnectEvents() {
    Button1->SetOnClick([this] { Next(); });
    // Cancel and the close glyph leave the editor with nothing saved.
    Button2->SetOnClick([this] { Window().EndModal(ModalResult::kCancel); });
    Speed->SetOnClick([this] { Window().EndModal(ModalResult::kCancel); });
    Speed2->SetOnClick([this] { ToggleComment(); });
    // Key names depend on the keyboard layout, so the language's layout is made active
    // whenever a combination is entered or the editor comes to the front.
    HotKey->SetOnChange([this] {
        if (parts_ && parts_->activateKeyboardLayout) parts_->activateKeyboardLayout();
        TellAbout(HotKey->Value());
    });
    HotKey->SetOnRefused([this](Shortcut pressed) { TellAbout(pressed); });
    Window().SetOnActivate([this] {
        if (parts_ && parts_->activateKeyboardLayout) parts_->activateKeyboardLayout();
    });
    Window().SetOnShortcut([this](Shortcut shortcut) { return HandleShortcut(shortcut); });
}

void TForm2::AttachParts(EditorParts parts) {
    parts_.emplace(std::move(parts));
}

bool TForm2::HandleShortcut(Shortcut shortcut) {
    if (shortcut == kEscapeKey) {
        Window().EndModal(ModalResult::kCancel);
        return true;
    }
    // In the comment Enter starts a new line; in the open action list it takes the entry.
    if (shortcut == kEnterKey && !Comment->Focused() && !Plugin->DroppedDown()) {
        Next();
        return true;
    }
    return false;
}

void TForm2::TellAbout(Shortcut pressed) {
    if (!parts_) return;
    if (pressed == kNoShortcut) {
        HotKey->ShowBalloon("");
        return;
    }
    HotKey->ShowBalloon(
        CheckHotKey(pressed, parts_->store, parts_->hotKeys, parts_->keyNames).text);
}

void TForm2::HideComment() {
    ShowComment(false);
}

void TForm2::ToggleComment() {
    ShowComment(!Comment->Visible());
}

void TForm2::ShowComment(bool show) {
    Comment->SetVisible(show);
    // The comment lies over the two check boxes: hidden beneath it they would still take
    // Tab and Space unseen.
    C1->SetVisible(!show);
    C2->SetVisible(!show);
    Speed2->SetHint(std::string(show ? kHideCommentHint : kShowCommentHint));
}

void TForm2::FillActionList() {
    ModuleHost& host = parts_->host;
    const ItemListUpdate update(*Plugin);
    ItemListTarget target(*Plugin);
    host.LoadPlugin(target);
    // The entry LoadPlugin showed stays shown while the built-in names join the sorted list.
    const std::string shown = Plugin->Item(Plugin->ItemIndex());
    host.LoadBuiltinActions();
    for (const std::string& name : host.BuiltinActionNames()) Plugin->Add(name);
    Plugin->SetItemIndex(-1);
    for (int i = 0; i < Plugin->Count(); ++i) {
        if (Plugin->Item(i) == shown) {
            Plugin->SetItemIndex(i);
            break;
        }
    }
}

void TForm2::PrepareNew() {
    if (!parts_) return;
    if (parts_->activateKeyboardLayout) parts_->activateKeyboardLayout();
    mode_ = EditorMode::kNew;
    C1->SetChecked(true);
    C2->SetChecked(false);
    Comment->SetText("");
    HideComment();
    // The hot-key control keeps the combination it showed last.
    FillActionList();
    // The window's own caption: the drawn title says what the editor does.
    Window().SetCaption(std::string(kForm2Layout.caption));
}

bool TForm2::PrepareUpdate() {
    if (!parts_) return false;
    CombinationStore& store = parts_->store;
    store.RecordNumber = store.SelectedRecordNumber();
    if (store.RecordNumber == 0) return false;
    if (parts_->activateKeyboardLayout) parts_->activateKeyboardLayout();
    mode_ = EditorMode::kUpdate;
    HideComment();
    FillActionList();
    store.TransferRecord("LOAD");
    store.TransferRecord("FORM");
    Window().SetCaption(Text(LanguageText::kForm2Caption2));
    return true;
}

void TForm2::DrawTexts(PictureText& texts, int windowWidth) const {
    const std::string title = Text(mode_ == EditorMode::kNew ? LanguageText::kForm2Caption1
                                                             : LanguageText::kForm2Caption2);
    const std::string box1 = Text(LanguageText::kForm2Box1);
    const std::string box2 = Text(LanguageText::kForm2Box2);
    texts.Draw(texts.CentredX(title, windowWidth) - 28, 2, title);
    texts.Draw(texts.CentredX(box1, windowWidth), 20, box1);
    texts.Draw(21, 64, Text(LanguageText::kForm2C1));
    texts.Draw(21, 83, Text(LanguageText::kForm2C2));
    texts.Draw(texts.CentredX(box2, windowWidth), 100, box2);
}

void TForm2::Warn(LanguageText id) {
    parts_->dialogs.Show({.type = DialogType::kError,
                          .text = Text(id),
                          .buttons = DialogButtons::kOk,
                          .beep = true});
}

ModalResult TForm2::Ask(LanguageText id, DialogButtons buttons) {
    return parts_->dialogs.Show(
        {.type = DialogType::kWarning, .text = Text(id), .buttons = buttons, .beep = true});
}

void TForm2::Next() {
    if (!parts_) return;
    CombinationStore& store = parts_->store;
    const std::string hotKey = ShortCutToText(HotKey->Value(), parts_->keyNames);
    const int existing = store.FindStored(hotKey);
    const std::string action = Plugin->Item(Plugin->ItemIndex());

    if (action.empty() || action == Text(LanguageText::kVariablesNo)) {
        Warn(LanguageText::kMsgNoPlugin);
        return;
    }
    // A key without a name has no text either: it could never be stored or found again.
    if (hotKey.empty()) {
        Warn(LanguageText::kMsgNoHotkey);
        return;
    }
    const bool isNew = mode_ == EditorMode::kNew;
    if (existing > 0) {
        if (isNew) {
            if (Ask(LanguageText::kMsgHotkeyDlg, DialogButtons::kYesNo) != ModalResult::kYes)
                return;
        } else if (hotKey != store.Setting.HotKey &&
                   Ask(LanguageText::kMsgResaveDlgHotkey, DialogButtons::kYesCancel) !=
                       ModalResult::kYes) {
            return;
        }
    }

    // The stored command belongs to the stored action: a changed action starts afresh.
    std::optional<std::string> current;
    if (!isNew && action == store.Setting.Plugin) current = store.EditorCommand;
    FormModuleEditor editor(Window());
    const std::optional<std::string> command =
        parts_->host.ConfigureAction(editor, action, hotKey, current);
    if (!command) {
        Window().EndModal(ModalResult::kCancel);
        return;
    }
    store.EditorCommand = *command;

    if (existing == 0) {
        const int edited = isNew ? 0 : store.SelectedRecordNumber();
        if (edited > 0)
            SaveAt(edited, false);
        else
            SaveAt(store.StoredCount() + 1, true);
    } else if (isNew) {
        switch (Ask(LanguageText::kMsgCreateDlgHotkey, DialogButtons::kYesNoCancel)) {
            case ModalResult::kYes:
                SaveAt(existing, false);
                break;
            case ModalResult::kNo:
                break;  // closes with nothing saved
            default:
                return;
        }
    } else {
        if (Ask(LanguageText::kMsgResaveHotkey, DialogButtons::kYesNo) != ModalResult::kYes) return;
        SaveAt(existing, false);
    }
    Window().EndModal(ModalResult::kOk);
}

void TForm2::SaveAt(int target, bool appended) {
    CombinationStore& store = parts_->store;
    store.TargetNumber = target;
    if (appended)
        store.New();
    else
        store.ReSave();
    store.LoadList();
    store.SelectHotKey(store.Setting.HotKey);
}

}  // namespace quorvel
