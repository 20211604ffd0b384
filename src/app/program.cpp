#include "app/program.h"

#include "app/first_activation.h"
#include "app/program_environment.h"
#include "app/shutdown.h"
#include "app/single_instance.h"
#include "app/tray_control.h"
#include "app/window_parking.h"
#include "base/web_pages.h"
#include "base/window_messages.h"
#include "hotkeys/combination_store.h"
#include "hotkeys/dispatch.h"
#include "lang/language.h"
#include "modules/module_host.h"
#include "platform/error_report.h"
#include "settings/disc_watch.h"
#include "settings/options.h"
#include "settings/profile.h"
#include "skin/appearance.h"

namespace quorvel {

// Everything that lives for the run once the system's services are known.
struct Program::Heart {
    Heart(Program& program, Services& services)
        : services(services),
          programFolder(ProgramFolderOf(services.programFile)),
          profile(services.files),
          options(profile, programFolder),
          language(profile, services.files, services.keyboard, programFolder),
          environment(
              services.programFile, profile, options, language, program.form1_.Window(),
              [&program]() -> Form& { return program.Form2().Window(); },
              [&program]() -> Form& { return program.Form3().Window(); }),
          host(services.modules, services.files, environment),
          hotKeys(services.createHotKeys(program.form1_.Window().Handle())),
          discWatch(options, services.drives, *program.form1_.Test, *program.form1_.Tray,
                    program.toolkit_.Dialogs()),
          store(
              profile, services.files, services.keyNames, host, program.toolkit_.Dialogs(),
              [&program](LanguageText id) { return program.Text(id); },
              environment.CombinationListFile(), *program.form1_.List,
              [&program] { return program.Form2().Fields(); }),
          dispatcher(store, options, services.keyNames, *hotKeys, services.focus,
                     program.toolkit_.Dialogs(), host,
                     [&program](LanguageText id) { return program.Text(id); },
                     program.form1_.Window(), *program.form1_.Tray,
                     program.toolkit_.CreateTimer(HeldKeyWatch::kSampleMilliseconds),
                     {.activateKeyboardLayout = [this] { language.ActivateKeyboardLayout(); },
                      .startDiscWatch = [this] { discWatch.SetDiscWatch(true); },
                      .stopDiscWatch = [this] { discWatch.SetDiscWatch(false); }}),
          appearance(program.form1_, kForm2Layout, kForm3Layout, kForm4Layout, services.files,
                     options, program.toolkit_.Dialogs(), services.text, programFolder),
          tray(options, program.toolkit_.Dialogs(),
               {.leaveBackgroundMode = [this] { dispatcher.OffFonMode(); },
                .bringToForeground =
                    [&program] { program.toolkit_.BringApplicationToForeground(); }}),
          parkingSystem(services.createParking(program.form1_.Window().Handle())),
          parking(*parkingSystem, program.toolkit_.Dialogs(),
                  [&program](Point at) { program.form1_.PopupMenuAt(2, at); }),
          firstActivation(
              options, program.toolkit_.Dialogs(), services.firstArgument,
              {.processPendingMessages = [&program] { program.toolkit_.ProcessMessages(); },
               .enterBackgroundMode = [this] { dispatcher.OnFonMode(); }}) {
        environment.SetSkinSource([this]() -> const Bitmap& { return appearance.Skin(); });
        // Only drawn on a window that has been made.
        appearance.SetEditorTexts(
            [&program](PictureText& texts, int width) { program.form2_->DrawTexts(texts, width); });
        appearance.SetOptionsTexts([&program](PictureText& texts, int width) {
            program.form3_->DrawPageTexts(texts, width);
        });
    }

    Services& services;
    std::string programFolder;
    Profile profile;
    Options options;
    Language language;
    ProgramEnvironment environment;
    ModuleHost host;
    std::unique_ptr<SystemHotKeys> hotKeys;
    DiscWatch discWatch;
    CombinationStore store;
    HotKeyDispatcher dispatcher;
    Appearance appearance;
    TrayControl tray;
    std::unique_ptr<ParkingSystem> parkingSystem;
    WindowParking parking;
    FirstActivation firstActivation;
};

Program::Program(Toolkit& toolkit, Services& services)
    : toolkit_(toolkit), form1_(toolkit), captions_(form1_) {
    toolkit_.SetApplicationTitle(kStartingTitle);
    form1_.AttachDialogs({.editor = [this]() -> TForm2& { return Form2(); },
                          .options = [this]() -> TForm3& { return Form3(); },
                          .about = [this]() -> TForm4& { return Form4(); }});
    toolkit_.SetOnIdle([this] { form1_.Actions().Update(); });
    heart_ = std::make_unique<Heart>(*this, services);
    form1_.AttachParts({.store = heart_->store,
                        .dispatcher = heart_->dispatcher,
                        .options = heart_->options,
                        .text = [this](LanguageText id) { return Text(id); }});
    form1_.SetOnProgramMessage(
        [this](unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
            if (auto result = heart_->dispatcher.HandleMessage(message, wParam, lParam))
                return result;
            return HandleShellMessage(message, wParam, lParam);
        });
    ConnectShell();
}

Program::~Program() {
    toolkit_.SetOnIdle({});
    form1_.SetOnProgramMessage({});
    form1_.Tray->SetOnTaskBarRestart({});
    Form& main = form1_.Window();
    main.SetOnActivate({});
    main.SetOnClose({});
}

TForm2& Program::Form2() {
    if (form2_) return *form2_;
    form2_ = std::make_unique<TForm2>(toolkit_);
    TForm2& editor = *form2_;
    form1_.FogWhenShown(editor);
    captions_.Attach(CaptionOwner::kForm2, editor);
    Heart& heart = *heart_;
    heart.appearance.AddWindow(Appearance::kEditor, editor);
    editor.AttachParts(
        {.store = heart.store,
         .host = heart.host,
         .keyNames = heart.services.keyNames,
         .hotKeys = *heart.hotKeys,
         .dialogs = toolkit_.Dialogs(),
         .text = [this](LanguageText id) { return Text(id); },
         .activateKeyboardLayout = [&heart] { heart.language.ActivateKeyboardLayout(); }});
    return editor;
}

TForm3& Program::Form3() {
    if (form3_) return *form3_;
    form3_ = std::make_unique<TForm3>(toolkit_);
    TForm3& dialog = *form3_;
    captions_.Attach(CaptionOwner::kForm3, dialog);
    Heart& heart = *heart_;
    heart.appearance.AddWindow(Appearance::kOptions, dialog);
    dialog.AttachParts({.options = heart.options,
                        .autorun = heart.services.autorun,
                        .programFile = heart.services.programFile,
                        .takePluginFolder = [&heart] { heart.environment.TakePluginFolder(); },
                        .drives = heart.services.drives,
                        .discWatch = heart.discWatch,
                        .language = heart.language,
                        .captions = captions_,
                        .appearance = heart.appearance,
                        .files = heart.services.files,
                        .programFolder = heart.programFolder,
                        .text = [this](LanguageText id) { return Text(id); },
                        .mainWindow = form1_.Window(),
                        .enableTrayMenu =
                            [this](bool enabled) {
                                form1_.Menu1->SetEnabled("N1", enabled);
                                form1_.Menu1->SetEnabled("N2", enabled);
                            }});
    return dialog;
}

TForm4& Program::Form4() {
    if (form4_) return *form4_;
    form4_ = std::make_unique<TForm4>(toolkit_);
    TForm4& about = *form4_;
    form1_.FogWhenShown(about);
    captions_.Attach(CaptionOwner::kForm4, about);
    heart_->appearance.AddWindow(Appearance::kAbout, about);
    about.XPLabel1->SetOnClick([this] { OpenPage(kHomePageAddress); });
    return about;
}

CombinationStore& Program::Store() {
    return heart_->store;
}

HotKeyDispatcher& Program::Dispatcher() {
    return heart_->dispatcher;
}

Appearance& Program::Look() {
    return heart_->appearance;
}

Language& Program::CurrentLanguage() {
    return heart_->language;
}

std::string Program::Text(LanguageText id) const {
    return heart_->language.Text(id);
}

// The tray icon and its menu, the web links, the first activation and the exit question.
void Program::ConnectShell() {
    TrayControl& tray = heart_->tray;
    auto question = [this] { return Text(LanguageText::kMsgDisableFoneModes); };
    form1_.Tray->SetOnClick([&tray, question] { tray.Click(question()); });
    form1_.Tray->SetOnDoubleClick([this, &tray, question] {
        if (form1_.Menu1->Enabled("N1")) tray.ShowMainWindow(question());
    });
    form1_.Menu1->SetOnClick("N1", [&tray, question] { tray.ShowMainWindow(question()); });
    form1_.Menu1->SetOnClick("N7", [this] { OpenPage(kDocumentationPageAddress); });
    form1_.Menu1->SetOnClick("N10", [this] { OpenPage(kHomePageAddress); });
    form1_.SpeedButton->SetOnClick([this] { OpenPage(kDocumentationPageAddress); });
    heart_->appearance.SetAboutTitleSource([this] { return Text(LanguageText::kForm4Caption2); });

    WindowParking& parking = heart_->parking;
    form1_.Menu2->SetOnClick("N11", [&parking] { parking.RestoreParked(); });
    form1_.Menu2->SetOnClick("N12", [&parking] { parking.ParkedToTaskbar(); });
    form1_.Menu2->SetOnClick("N13", [&parking] { parking.CloseParked(); });
    form1_.Tray->SetOnTaskBarRestart([&parking] { parking.AddIconsAgain(); });

    heart_->appearance.HoldMainPictureWhile([this] { return form1_.DialogOpen(); });
    Form& main = form1_.Window();
    main.SetOnActivate([this] {
        // The text is read from the language file only for the one activation that shows it.
        if (heart_->firstActivation.Pending())
            heart_->firstActivation.Activated(heart_->language.InformationText());
    });
    main.SetOnClose([this] {
        return ConfirmExit(heart_->options, toolkit_.Dialogs(),
                           Text(LanguageText::kMsgExitProgram));
    });
}

std::optional<std::intptr_t> Program::HandleShellMessage(unsigned message, std::uintptr_t wParam,
                                                         std::intptr_t lParam) {
    if (message == kParkWindowMessage) {
        heart_->parking.ParkWindow(wParam);
        return 0;
    }
    if (message == kParkedIconMessage) {
        heart_->parking.IconMessage(wParam, unsigned(lParam));
        return 0;
    }
    if (message != kFogMessage) return std::nullopt;
    if (wParam == 0)
        heart_->appearance.FogMainPicture();
    else
        heart_->appearance.MyForm();
    return 0;
}

void Program::OpenPage(std::string_view address) {
    if (heart_->services.shell)
        heart_->services.shell->Open(form1_.Window().Handle(), std::string(address));
}

int Program::Run() {
    // An error stops the step sequence it happens in; it is reported and the program goes on.
    RunReportingErrors(toolkit_.Dialogs(), [this] { CreateMainWindow(); });
    RunReportingErrors(toolkit_.Dialogs(), [this] { Start(); });
    toolkit_.SetApplicationTitle(kApplicationTitle);
    const int exitCode = toolkit_.Run(form1_.Window());
    heart_->parking.ShowAllAgain();
    return exitCode;
}

// What happens as the main window is created: the language the options name, the skin,
// the window's shape, then the language's captions.
void Program::CreateMainWindow() {
    heart_->language.TakeLanguageFromOptions();
    heart_->appearance.Start();
    heart_->language.ApplyLanguageTexts();
}

// The start sequence: a missing language file falls back to the built-in language before
// anything else. The language is applied before the combination list is loaded, so the
// first entry's hint and any message about the list are in that language.
void Program::Start() {
    heart_->language.CheckLanguageFile([this](const std::string& text) {
        toolkit_.Dialogs().Show({.type = DialogType::kPlain, .text = text});
    });
    heart_->environment.TakePluginFolder();
    heart_->language.LoadLanguage(captions_);
    heart_->store.EnsureListFile();
    heart_->store.LoadList();
    heart_->store.SelectEntry(0);
}

}  // namespace quorvel
