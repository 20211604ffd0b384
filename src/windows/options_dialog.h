#pragma once

#include "ui/layout_form.h"

namespace quorvel {

extern const FormLayout kForm3Layout;

// The options dialog: five pages of options on one surface, stepped with S1 and S2.
class TForm3 : public LayoutForm {
  public:
    explicit TForm3(Toolkit& toolkit);

    Picture* const Image1;
    GlyphButton* const S1;
    GlyphButton* const S2;
    PushButton* const Button1;
    PushButton* const Button2;
    CheckBox* const C1;
    CheckBox* const C2;
    CheckBox* const C3;
    CheckBox* const C4;
    CheckBox* const C5;
    CheckBox* const C6;
    CheckBox* const C7;
    CheckBox* const C8;
    CheckBox* const C9;
    DropDownList* const DriveLeter;
    DropDownList* const Box;
    PushButton* const Button3;
    ListBox* const ListSkin;
    PushButton* const Button4;
    Edit* const FolderEdit;
};

}  // namespace quorvel
