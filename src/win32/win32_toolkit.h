#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/error_report.h"
#include "platform/toolkit.h"
#include "win32/application_window.h"
#include "win32/program_images.h"
#include "win32/system_boundary.h"
#include "win32/win32_message_dialogs.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

class Win32Form;

// The toolkit over the Windows user interface. One per GUI thread; every handler of the
// program is called inside its error boundary, and what the windows' procedures and the
// system's other callbacks catch goes to the same error report (see system_boundary.h).
class Win32Toolkit : public Toolkit {
  public:
    explicit Win32Toolkit(HINSTANCE instance);
    ~Win32Toolkit() override;

    // The main window's monitor once there is one; the screen's before.
    DisplayScale Scale() override;
    std::unique_ptr<Form> CreateForm(const FormLayout& layout) override;
    std::unique_ptr<Picture> CreatePicture(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<GlyphButton> CreateGlyphButton(Form& form,
                                                   const ControlLayout& layout) override;
    std::unique_ptr<Label> CreateLabel(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<PushButton> CreatePushButton(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<CheckBox> CreateCheckBox(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<ListBox> CreateListBox(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<DropDownList> CreateDropDownList(Form& form,
                                                     const ControlLayout& layout) override;
    std::unique_ptr<Edit> CreateEdit(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<Memo> CreateMemo(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<HotKeyEdit> CreateHotKeyEdit(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<PopupMenu> CreatePopupMenu(Form& owner, const MenuLayout& layout) override;
    std::unique_ptr<TrayIcon> CreateTrayIcon() override;
    std::unique_ptr<Timer> CreateTimer(int intervalMilliseconds) override;
    std::vector<Bitmap> ProgramImageList() override;
    std::vector<Bitmap> TrayAnimationFrames() override;
    MessageDialogs& Dialogs() override { return dialogs_; }
    void SetOnIdle(std::function<void()> handler) override { onIdle_ = std::move(handler); }
    void SetApplicationTitle(const std::string& title) override;
    void BringApplicationToForeground() override;
    void ProcessMessages() override;
    int Run(Form& mainForm) override;

    // --- for the windows and controls of this folder ---
    HINSTANCE Instance() const { return instance_; }
    // Runs a handler of the program: errors are shown by the standard error report, one
    // at a time and once per burst (ErrorReport).
    void Guard(const std::function<void()>& handler);
    // Runs the handler of a user's action on a control: its failure is shown every time.
    void GuardUserAction(const std::function<void()>& handler);
    // Dispatches messages until `done` holds. False when the program was asked to quit
    // meanwhile (the quit request is left for the outer loop).
    bool Pump(const std::function<bool()>& done);
    // The main window while the loop runs (null before).
    HWND MainWindow() const { return mainWindow_; }
    // A form was shown or hidden: the task-bar button shows while the main window does.
    void MainWindowShownOrHidden(HWND window);
    // The window a modal window or dialog opened now belongs to.
    HWND ModalOwner() const;
    // The program's own icon of a picture from ProgramImageList or TrayAnimationFrames
    // (soft edges intact); null for any other picture. Owned by the toolkit.
    HICON ProgramIconOf(const Bitmap& picture) { return images_.IconOf(picture); }
    // The same for a picture of ProgramImageList in its own version of `size` pixels; the
    // caller owns it.
    UniqueIcon ProgramIconAt(const Bitmap& picture, int size) {
        return images_.ImageListIconAt(picture, size);
    }

  private:
    void Dispatch(MSG& message);
    bool TakeShortcut(const MSG& message);

    HINSTANCE instance_;
    ApplicationWindow application_;
    Win32MessageDialogs dialogs_;
    ErrorReport report_{dialogs_};
    BoundaryReportScope boundary_{report_};
    ProgramImages images_;
    std::function<void()> onIdle_;
    HWND mainWindow_ = nullptr;
};

// Disables the thread's other top-level windows while a modal window is up and enables
// them again when it goes.
class ModalScope {
  public:
    explicit ModalScope(HWND modalWindow);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    std::vector<HWND> disabled_;
};

}  // namespace quorvel::win32
