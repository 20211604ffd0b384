#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "base/display_scale.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/layout.h"
#include "platform/menu.h"
#include "platform/message_dialogs.h"
#include "platform/timer.h"
#include "platform/tray_icon.h"

namespace quorvel {

// Makes the windows, controls, menus, tray icons and timers the core declares, and runs
// the message loop. A control belongs to the form it was made on and must be destroyed
// before it. Every handler the core installs is called inside the error boundary
// (RunReportingErrors, or an ErrorReport, over Dialogs()).
class Toolkit {
  public:
    virtual ~Toolkit() = default;

    // The scale of the display the program's windows open on; layouts reach the toolkit
    // already scaled to it.
    virtual DisplayScale Scale() = 0;

    // A hidden window of the layout's caption and client size (centred on the screen when
    // the layout says so), with no controls yet.
    virtual std::unique_ptr<Form> CreateForm(const FormLayout& layout) = 0;

    virtual std::unique_ptr<Picture> CreatePicture(Form& form, const ControlLayout& layout) = 0;
    virtual std::unique_ptr<GlyphButton> CreateGlyphButton(Form& form,
                                                           const ControlLayout& layout) = 0;
    virtual std::unique_ptr<Label> CreateLabel(Form& form, const ControlLayout& layout) = 0;
    virtual std::unique_ptr<PushButton> CreatePushButton(Form& form,
                                                         const ControlLayout& layout) = 0;
    virtual std::unique_ptr<CheckBox> CreateCheckBox(Form& form, const ControlLayout& layout) = 0;
    virtual std::unique_ptr<ListBox> CreateListBox(Form& form, const ControlLayout& layout) = 0;
    virtual std::unique_ptr<DropDownList> CreateDropDownList(Form& form,
                                                             const ControlLayout& layout) = 0;
    virtual std::unique_ptr<Edit> CreateEdit(Form& form, const ControlLayout& layout) = 0;
    virtual std::unique_ptr<Memo> CreateMemo(Form& form, const ControlLayout& layout) = 0;
    virtual std::unique_ptr<HotKeyEdit> CreateHotKeyEdit(Form& form,
                                                         const ControlLayout& layout) = 0;

    // A popup menu whose commands are sent through `owner`.
    virtual std::unique_ptr<PopupMenu> CreatePopupMenu(Form& owner, const MenuLayout& layout) = 0;
    // An inactive tray icon.
    virtual std::unique_ptr<TrayIcon> CreateTrayIcon() = 0;
    // A disabled timer.
    virtual std::unique_ptr<Timer> CreateTimer(int intervalMilliseconds) = 0;

    // The pictures the program carries: the main window's image list (by index: program,
    // disc present, no disc, setting, web, exit, help, web page, about) and the tray
    // icon's animation frames. Transparent parts are kGlyphTransparent. Empty when the
    // program carries none.
    virtual std::vector<Bitmap> ProgramImageList() = 0;
    virtual std::vector<Bitmap> TrayAnimationFrames() = 0;

    virtual MessageDialogs& Dialogs() = 0;

    // Runs whenever the program has handled what was waiting (also inside modal windows);
    // the main window updates its actions' enabled states here.
    virtual void SetOnIdle(std::function<void()> handler) = 0;

    // The title of the program as a whole: the task bar and Alt+Tab show it (with the
    // program's icon) while the main window is shown, and other programs (a second start of
    // this one) find the program by it.
    virtual void SetApplicationTitle(const std::string& title) = 0;
    // Makes the program the foreground one, so a question asked now gets the keyboard.
    virtual void BringApplicationToForeground() = 0;
    // Handles the messages already waiting (windows get painted), then returns.
    virtual void ProcessMessages() = 0;

    // Shows `mainForm` and runs the message loop until it has closed; returns the exit code.
    virtual int Run(Form& mainForm) = 0;
};

}  // namespace quorvel
