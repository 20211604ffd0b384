#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/autorun_registry.h"
#include "settings/options.h"
#include "ui/layout_form.h"

namespace quorvel {

extern const FormLayout kForm3Layout;

// What Ok and the showing of the options dialog work on, known once the program's files
// are open.
struct OptionsDialogParts {
    const Options& options;
    AutorunRegistry& autorun;
    std::string programFile;
    // Takes the plug-in folder for the run again, by the options just saved.
    std::function<void()> takePluginFolder;
};

// The options dialog: five pages of options on one surface, stepped with S1 and S2.
class TForm3 : public LayoutForm {
  public:
    explicit TForm3(Toolkit& toolkit);

    void AttachParts(OptionsDialogParts parts);

    // The controls from Option.ini, in the file's order; a key that is no boolean stops it
    // there (the controls after it keep their states) with the conversion error.
    void LoadOption();
    // Option.ini and the logon autorun value from the controls; Ok runs it, then closes.
    void SaveOption();

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

  private:
    // The dependent enabling: FolderEdit only while C6 is clear, C9 and DriveLeter only
    // while C8 is checked.
    void C6Click();
    void C8Click();

    std::optional<OptionsDialogParts> parts_;
};

}  // namespace quorvel
