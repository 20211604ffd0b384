#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "app/services.h"
#include "lang/form_captions.h"
#include "lang/language_table.h"
#include "windows/about_box.h"
#include "windows/combination_editor.h"
#include "windows/main_window.h"
#include "windows/options_dialog.h"

namespace quorvel {

class Appearance;
class Language;
class CombinationStore;
class HotKeyDispatcher;
class ModuleHost;
class Options;
class Profile;

// The running program: its four windows (the main window at start; the editor, the
// options dialog and the about box as each is first needed, in the current language, skin
// and display scale), the files, the language, the module host, the combination list, the
// hot keys and the parked windows for the whole run, and the message loop.
class Program {
  public:
    Program(Toolkit& toolkit, Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the start-up (the main window's creation steps, then Start), shows the main
    // window and runs until it has closed; returns the exit code.
    int Run();

    Toolkit& GetToolkit() { return toolkit_; }
    TForm1& Form1() { return form1_; }
    // The dialogs, each made on its first use.
    TForm2& Form2();
    TForm3& Form3();
    TForm4& Form4();
    // The windows and menus as a language sets their captions.
    LanguageTarget& Captions() { return captions_; }

    CombinationStore& Store();
    HotKeyDispatcher& Dispatcher();
    Appearance& Look();
    Language& CurrentLanguage();

  private:
    struct Heart;
    void CreateMainWindow();
    void Start();
    void ConnectShell();
    std::optional<std::intptr_t> HandleShellMessage(unsigned message, std::uintptr_t wParam,
                                                    std::intptr_t lParam);
    void OpenPage(std::string_view address);
    std::string Text(LanguageText id) const;

    Toolkit& toolkit_;
    TForm1 form1_;
    FormCaptions captions_;
    // Made on first use; they outlive the heart, whose parts they call.
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<Heart> heart_;
};

}  // namespace quorvel
