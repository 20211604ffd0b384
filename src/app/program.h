#pragma once

#include "app/Main.h"
#include "hotkeys/HotKey.h"
#include "lang/form_captions.h"
#include "settings/Option.h"
#include "skin/about.h"

namespace quorvel {

class Language;

// The running program: its four windows, created in their order (main window, editor,
// options dialog, about box), and the message loop.
class Program {
  public:
    explicit Program(Toolkit& toolkit);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The language the program shows; its start-up steps run at the start of Run.
    void SetLanguage(Language& language) { language_ = &language; }

    // Shows the main window and runs until it has closed; returns the exit code.
    int Run();

    TForm1& Form1() { return form1_; }
    TForm2& Form2() { return form2_; }
    TForm3& Form3() { return form3_; }
    TForm4& Form4() { return form4_; }
    // The windows and menus as a language sets their captions.
    LanguageTarget& Captions() { return captions_; }

  private:
    void StartLanguage();

    Toolkit& toolkit_;
    TForm1 form1_;
    TForm2 form2_;
    TForm3 form3_;
    TForm4 form4_;
    FormCaptions captions_;
    Language* language_ = nullptr;
};

}  // namespace quorvel
