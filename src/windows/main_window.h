#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "hotkeys/combination_store.h"
#include "ui/action_list.h"
#include "ui/layout_form.h"

namespace quorvel {

class HotKeyDispatcher;
class Options;
class TForm2;
class TForm3;
class TForm4;

extern const FormLayout kForm1Layout;
extern const MenuLayout kMenu1Layout;  // the tray menu
extern const MenuLayout kMenu2Layout;  // the menu of a parked window's tray icon

// What the main window's actions work on: the combination list, background mode and the
// options, all made after the window itself.
struct MainWindowParts {
    CombinationStore& store;
    HotKeyDispatcher& dispatcher;
    const Options& options;
    TextLookup text;
};

// The dialogs the main window's actions open, made as they are first asked for.
struct MainWindowDialogs {
    std::function<TForm2&()> editor;
    std::function<TForm3&()> options;
    std::function<TForm4&()> about;
};

// The main window: the combination list, six buttons, the tray icon and its menu.
class TForm1 : public LayoutForm {
  public:
    explicit TForm1(Toolkit& toolkit);
    ~TForm1() override;

    // The dialogs the main window's actions open; they are created after it.
    void AttachDialogs(MainWindowDialogs dialogs) { dialogs_ = std::move(dialogs); }
    // A dialog just made (the editor or the about box): once shown, it covers the main
    // window with the fog. (The options dialog sends it itself, among the steps of its
    // showing.)
    void FogWhenShown(LayoutForm& dialog);
    // The list, background mode and the options the actions work on.
    void AttachParts(MainWindowParts parts);

    ActionList& Actions() { return actions_; }

    // True while the editor, the options dialog or the about box is open over the main
    // window; its picture then stays fogged.
    bool DialogOpen() const { return dialogOpen_; }
    // Opens one of the dialogs modally over the main window, with the dialog-open flag set;
    // as it closes the main window is told to draw its picture again.
    ModalResult ShowDialog(LayoutForm& dialog);

    // Pops Menu1 (1) or Menu2 (2) up at a screen position.
    void PopupMenuAt(int menu, Point at);

    // Messages the rest of the program answers on the main window (hot keys, background
    // mode); asked before the window's own.
    void SetOnProgramMessage(MessageHandler handler) { onProgramMessage_ = std::move(handler); }

    Picture* const Image1;
    GlyphButton* const Speedbut123;
    GlyphButton* const SpeedButton;
    ListBox* const List;
    PushButton* const Button1;
    PushButton* const Button2;
    PushButton* const Button3;
    PushButton* const Button4;
    PushButton* const Button5;
    PushButton* const Button6;

    const std::vector<Bitmap> ImageList;
    const std::unique_ptr<PopupMenu> Menu1;
    const std::unique_ptr<PopupMenu> Menu2;
    const std::unique_ptr<TrayIcon> Tray;
    const std::unique_ptr<Timer> Test;  // the disc watch's timer

  private:
    // The actions and the handlers of the controls (main_window_actions.cpp).
    void CreateActions();
    void ConnectEvents();
    std::optional<std::intptr_t> HandleMessage(unsigned message, std::uintptr_t wParam,
                                               std::intptr_t lParam);
    void NewDialog();
    void DeleteDialog();
    void ReSaveDialog();
    void OptionDialog();
    void AboutDialog();

    ActionList actions_;
    MessageHandler onProgramMessage_;
    bool dialogOpen_ = false;
    MainWindowDialogs dialogs_;
    std::optional<MainWindowParts> parts_;
};

}  // namespace quorvel
