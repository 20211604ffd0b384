#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lang/language.h"
#include "lang/language_table.h"
#include "lang/language_target.h"
#include "platform/autorun_registry.h"
#include "settings/disc_watch.h"
#include "settings/options.h"
#include "skin/appearance.h"
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
    DriveSystem& drives;
    DiscWatch& discWatch;
    Language& language;
    // The windows and menus the language's captions go to.
    LanguageTarget& captions;
    Appearance& appearance;
    FileSystem& files;
    std::string programFolder;
    std::function<std::string(LanguageText)> text;
    // The main window, which lies fogged behind the dialog while it is open.
    Form& mainWindow;
    // "Show main window" and "Setting" of the tray menu, off while the dialog is open.
    std::function<void(bool enabled)> enableTrayMenu;
};

// The options dialog: five pages of options on one surface, stepped with S1 and S2.
class TForm3 : public LayoutForm {
  public:
    explicit TForm3(Toolkit& toolkit);

    void AttachParts(OptionsDialogParts parts);

    static constexpr int kPageCount = 5;
    // As the dialog is opened: page 1, Back disabled, Next enabled.
    void PrepareOpen();
    // As it has closed, however: the tray menu is usable again.
    void Closed() noexcept;
    int CurrentPage() const { return page_; }
    // Shows a page's controls and draws its texts onto the dialog's picture.
    void ShowOptionsPage(int page);
    // To the next (forward) or previous page, with Back and Next enabled to match.
    void StepOptionsPage(bool forward);
    // The current page's title and labels, drawn in the picture's font.
    void DrawPageTexts(PictureText& texts, int windowWidth) const;

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
    void ConnectEvents();
    bool HandleShortcut(Shortcut shortcut);
    // The steps that run as the dialog becomes visible.
    void Showing();
    void Ok();
    void LoadLanguageClick();
    void LoadSkinClick();
    // The skins beside the program, the current one selected.
    void ListSkins();
    std::string Text(LanguageText id) const;
    // A page's own controls, in Tab order.
    std::vector<Control*> PageControls(int page) const;

    // The dependent enabling: FolderEdit only while C6 is clear, C9 and DriveLeter only
    // while C8 is checked.
    void C6Click();
    void C8Click();

    std::optional<OptionsDialogParts> parts_;
    int page_ = 1;
};

}  // namespace quorvel
