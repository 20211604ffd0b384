#include "app/program.h"

#include "app/program_environment.h"
#include "hotkeys/combination_store.h"
#include "hotkeys/dispatch.h"
#include "lang/language.h"
#include "modules/module_host.h"
#include "platform/error_report.h"
#include "settings/options.h"
#include "settings/profile.h"

namespace quorvel {

// Everything that lives for the run once the system's services are known.
struct Program::Heart {
    Heart(Program& program, Services& services)
        : services(services),
          programFolder(ProgramFolderOf(services.programFile)),
          profile(services.files),
          options(profile, programFolder),
          language(profile, services.files, services.keyboard, programFolder),
          environment(services.programFile, profile, options, language, program.form1_.Window(),
                      program.form2_.Window(), program.form3_.Window()),
          host(services.modules, services.files, environment),
          hotKeys(services.createHotKeys(program.form1_.Window().Handle())),
          store(
              profile, services.files, services.keyNames, host, program.toolkit_.Dialogs(),
              [&program](LanguageText id) { return program.Text(id); },
              environment.CombinationListFile(), *program.form1_.List, program.form2_),
          dispatcher(store, options, services.keyNames, *hotKeys, services.focus,
                     program.toolkit_.Dialogs(), host,
                     [&program](LanguageText id) { return program.Text(id); },
                     program.form1_.Window(), *program.form1_.Tray,
                     {.activateKeyboardLayout = [this] { language.ActivateKeyboardLayout(); }}) {}

    Services& services;
    std::string programFolder;
    Profile profile;
    Options options;
    Language language;
    ProgramEnvironment environment;
    ModuleHost host;
    std::unique_ptr<SystemHotKeys> hotKeys;
    CombinationStore store;
    HotKeyDispatcher dispatcher;
};

Program::Program(Toolkit& toolkit, Services* services)
    : toolkit_(toolkit),
      form1_(toolkit),
      form2_(toolkit),
      form3_(toolkit),
      form4_(toolkit),
      captions_(form1_, form2_, form3_, form4_) {
    form1_.AttachDialogs(form2_, form3_, form4_);
    toolkit_.SetOnIdle([this] { form1_.Actions().Update(); });
    if (services) {
        heart_ = std::make_unique<Heart>(*this, *services);
        language_ = &heart_->language;
        ConnectHeart();
    }
}

Program::~Program() {
    toolkit_.SetOnIdle({});
    form1_.SetOnProgramMessage({});
}

CombinationStore* Program::Store() {
    return heart_ ? &heart_->store : nullptr;
}

HotKeyDispatcher* Program::Dispatcher() {
    return heart_ ? &heart_->dispatcher : nullptr;
}

std::string Program::Text(LanguageText id) const {
    return language_ ? language_->Text(id) : std::string(EntryOf(id).builtIn);
}

void Program::ConnectHeart() {
    HotKeyDispatcher& dispatcher = heart_->dispatcher;
    CombinationStore& store = heart_->store;
    form1_.SetOnProgramMessage(
        [&dispatcher](unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
            return dispatcher.HandleMessage(message, wParam, lParam);
        });
    form1_.Button6->SetOnClick([&dispatcher] { dispatcher.OnFonMode(); });
    form1_.Tray->SetOnClick([&dispatcher] { dispatcher.OffFonMode(); });
    form1_.Menu1->SetOnClick("N1", [&dispatcher] { dispatcher.OffFonMode(); });
    form1_.List->SetOnClick([&store] { store.ListClick(); });
    form1_.Actions().SetHandler("DeleteDialog", [this] {
        if (heart_->options.Read(option::kDeleteHotKey)) {
            const ModalResult answer =
                toolkit_.Dialogs().Show({.type = DialogType::Confirm,
                                         .text = Text(LanguageText::kMsgDelete),
                                         .buttons = DialogButtons::YesNo});
            if (answer != ModalResult::Yes) return;
        }
        heart_->store.Delete();
    });
}

int Program::Run() {
    // An error in the steps stops them; it is reported and the program goes on.
    if (language_) RunReportingErrors(toolkit_.Dialogs(), [this] { StartLanguage(); });
    if (heart_) RunReportingErrors(toolkit_.Dialogs(), [this] { StartHeart(); });
    form1_.Window().Show();
    return toolkit_.Run(form1_.Window());
}

void Program::StartHeart() {
    heart_->store.EnsureListFile();
    heart_->store.LoadList();
    heart_->store.SelectEntry(0);
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
