#pragma once

#include "hotkeys/combination_store.h"
#include "ui/layout_form.h"

namespace quorvel {

extern const FormLayout kForm2Layout;

// The combination editor: a key combination, an action, two options and a comment.
class TForm2 : public LayoutForm {
  public:
    explicit TForm2(Toolkit& toolkit);

    // The fields the combination list fills and reads.
    CombinationFields Fields() const { return {*HotKey, *Plugin, *C1, *C2, *Comment}; }

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
};

}  // namespace quorvel
