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

// The running program: its four windows, created in their order (main window, editor,
// options dialog, about box), the files, the language, the module host, the combination
// list, the hot keys and the parked windows for the whole run, and the message loop.
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
    TForm2& Form2() { return form2_; }
    TForm3& Form3() { return form3_; }
    TForm4& Form4() { return form4_; }
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
    TForm2 form2_;
    TForm3 form3_;
    TForm4 form4_;
    FormCaptions captions_;
    std::unique_ptr<Heart> heart_;
};

}  // namespace quorvel
