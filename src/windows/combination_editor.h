#pragma once

#include <functional>
#include <optional>

#include "hotkeys/combination_store.h"
#include "platform/system_hot_keys.h"
#include "skin/skin_drawing.h"
#include "ui/layout_form.h"

namespace quorvel {

class Canvas;
class KeyNames;

extern const FormLayout kForm2Layout;

// What the editor works on, all made after the window itself.
struct EditorParts {
    CombinationStore& store;
    ModuleHost& host;
    KeyNames& keyNames;
    // Where a combination pressed into the hot-key field is tried.
    SystemHotKeys& hotKeys;
    MessageDialogs& dialogs;
    TextLookup text;
    std::function<void()> activateKeyboardLayout;
};

// Whether the editor makes a new combination or changes the selected one.
enum class EditorMode { kNew, kUpdate };

inline constexpr std::string_view kShowCommentHint = "Show comment";
inline constexpr std::string_view kHideCommentHint = "Hide comment";

// The combination editor: a key combination, an action, two options and a comment.
class TForm2 : public LayoutForm {
  public:
    explicit TForm2(Toolkit& toolkit);

    // The fields the combination list fills and reads.
    CombinationFields Fields() const { return {*HotKey, *Plugin, *C1, *C2, *Comment}; }

    void AttachParts(EditorParts parts);

    // Fill the editor for a new combination, or with the combination selected in the main
    // list; the main window then shows it (combination_editor_actions.cpp).
    void PrepareNew();
    // False when no stored combination has the selected entry's text: nothing to change.
    bool PrepareUpdate();
    EditorMode Mode() const { return mode_; }

    // Next: the checks, the questions, the module's settings and the save; the editor
    // stays open or closes.
    void Next();
    // Speed2: shows or hides the comment over the two check boxes.
    void ToggleComment();
    void ShowComment(bool show);
    // The texts drawn on the editor's picture for the current mode.
    void DrawTexts(PictureText& texts, int windowWidth) const;

    Picture* const Image1;
    HotKeyEdit* const HotKey;
    CheckBox* const C1;
    CheckBox* const C2;
    Memo* const Comment;
    DropDownList* const Plugin;
    PushButton* const Button1;
    PushButton* const Button2;
    GlyphButton* const Speed;
    GlyphButton* const Speed2;

  private:
    void ConnectEvents();
    void FillActionList();
    void HideComment();
    // Tells in a balloon on the hot-key field what the combination pressed there is.
    void TellAbout(Shortcut pressed);
    bool HandleShortcut(Shortcut shortcut);
    std::string Text(LanguageText id) const { return parts_->text(id); }
    void Warn(LanguageText id);
    ModalResult Ask(LanguageText id, DialogButtons buttons);
    // Writes the editor at `target` (a new combination at the end of the list, or over a
    // stored one), reloads the main list and selects the entry.
    void SaveAt(int target, bool appended);

    EditorMode mode_ = EditorMode::kNew;
    std::optional<EditorParts> parts_;
};

}  // namespace quorvel
