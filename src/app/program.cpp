#include "app/program.h"

#include "lang/language.h"
#include "platform/error_report.h"

namespace quorvel {

Program::Program(Toolkit& toolkit)
    : toolkit_(toolkit),
      form1_(toolkit),
      form2_(toolkit),
      form3_(toolkit),
      form4_(toolkit),
      captions_(form1_, form2_, form3_, form4_) {
    form1_.AttachDialogs(form2_, form3_, form4_);
    toolkit_.SetOnIdle([this] { form1_.Actions().Update(); });
}

Program::~Program() {
    toolkit_.SetOnIdle({});
}

int Program::Run() {
    // An error in the steps stops them; it is reported and the program goes on.
    if (language_) RunReportingErrors(toolkit_.Dialogs(), [this] { StartLanguage(); });
    form1_.Window().Show();
    return toolkit_.Run(form1_.Window());
}

void Program::StartLanguage() {
    // As the main window is created: the language the options name, and its texts.
    language_->TakeLanguageFromOptions();
    language_->ApplyLanguageTexts();
    // The start sequence: a missing file falls back to the built-in language before
    // anything else; the language is applied once the rest is loaded.
    language_->CheckLanguageFile([this](const std::string& text) {
        toolkit_.Dialogs().Show({.type = DialogType::Plain, .text = text});
    });
    language_->LoadLanguage(captions_);
}

}  // namespace quorvel
