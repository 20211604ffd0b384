#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "app/Main.h"
#include "app/services.h"
#include "hotkeys/HotKey.h"
#include "lang/form_captions.h"
#include "lang/language_table.h"
#include "settings/Option.h"
#include "skin/about.h"

namespace quorvel {

class Appearance;
class Language;
class CombinationStore;
class HotKeyDispatcher;
class ModuleHost;
class Options;
class Profile;

// The running program: its four windows, created in their order (main window, editor,
// options dialog, about box), and the message loop. Given the system's services, it also
// owns the files, the language, the module host, the combination list and the hot keys
// for the whole run; without them it is the windows alone.
class Program {
  public:
    explicit Program(Toolkit& toolkit, Services* services = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The language the program shows when it has no services of its own.
    void SetLanguage(Language& language) { language_ = &language; }

    // Runs the start-up (the main window's creation steps, then Start), shows the main
    // window and runs until it has closed; returns the exit code.
    int Run();

    TForm1& Form1() { return form1_; }
    TForm2& Form2() { return form2_; }
    TForm3& Form3() { return form3_; }
    TForm4& Form4() { return form4_; }
    // The windows and menus as a language sets their captions.
    LanguageTarget& Captions() { return captions_; }

    // Null without services.
    CombinationStore* Store();
    HotKeyDispatcher* Dispatcher();
    Appearance* Look();

  private:
    struct Heart;
    void CreateMainWindow();
    void Start();
    void ConnectHeart();
    void ConnectShell();
    std::optional<std::intptr_t> HandleShellMessage(unsigned message, std::uintptr_t wParam);
    void OpenPage(std::string_view address);
    std::string Text(LanguageText id) const;

    Toolkit& toolkit_;
    TForm1 form1_;
    TForm2 form2_;
    TForm3 form3_;
    TForm4 form4_;
    FormCaptions captions_;
    Language* language_ = nullptr;
    std::unique_ptr<Heart> heart_;
};

}  // namespace quorvel
