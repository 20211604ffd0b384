#pragma once

#include <functional>
#include <string>

#include "base/bitmap.h"
#include "hotkeys/combination_store.h"
#include "lang/language.h"
#include "modules/host_interfaces.h"
#include "platform/form.h"
#include "settings/options.h"

namespace quorvel {

// The running program as the module host sees it; every value is taken at the moment
// it is asked for. The dialogs are made when first needed: a module asking for one's
// window has it made then.
class ProgramEnvironment : public ModuleHostEnvironment {
  public:
    ProgramEnvironment(std::string programFile, Profile& profile, const Options& options,
                       const Language& language, Form& main, std::function<Form&()> editor,
                       std::function<Form&()> optionsWindow)
        : programFile_(std::move(programFile)),
          programFolder_(ProgramFolderOf(programFile_)),
          profile_(profile),
          options_(options),
          language_(language),
          main_(main),
          editor_(std::move(editor)),
          optionsWindow_(std::move(optionsWindow)) {}

    std::string ProgramFile() override { return programFile_; }
    std::string ProgramFolder() override { return programFolder_; }
    // The plug-in folder held for the run: taken at start-up and again when the options are
    // saved, so a bad option between two saves costs no press.
    std::string PluginFolder() override { return pluginFolder_; }
    void TakePluginFolder() { pluginFolder_ = quorvel::PluginFolder(options_, programFolder_); }
    std::string CombinationListFile() override { return programFolder_ + "DATA\\BASE.INI"; }
    std::string SkinFile() override { return programFolder_ + options_.Read(option::kFileSkin); }
    const Bitmap& SkinBitmap() override { return skin_ ? skin_() : noSkin_; }
    // Where the skin the windows wear comes from (it is loaded after this is made).
    void SetSkinSource(std::function<const Bitmap&()> skin) { skin_ = std::move(skin); }
    std::string LanguageDisplayName() override { return language_.DisplayName(); }
    std::string NoActionWord() override { return language_.Text(LanguageText::kVariablesNo); }
    std::string ReadCombinationValue(int number, const std::string& key) override {
        std::string value =
            profile_.ReadIniValue("HOT" + std::to_string(number), key, CombinationListFile());
        return key == "Command" ? DecodeCommand(value) : value;
    }
    NativeHandle MainWindow() override { return main_.Handle(); }
    NativeHandle EditorWindow() override { return editor_().Handle(); }
    NativeHandle OptionsWindow() override { return optionsWindow_().Handle(); }
    // The main window stands for the application: it owns the dialogs and the task-bar
    // button (the hidden title window only carries the program's title).
    NativeHandle ApplicationWindow() override { return main_.Handle(); }

  private:
    std::string programFile_;
    std::string programFolder_;
    std::string pluginFolder_;
    Profile& profile_;
    const Options& options_;
    const Language& language_;
    Form& main_;
    std::function<Form&()> editor_;
    std::function<Form&()> optionsWindow_;
    std::function<const Bitmap&()> skin_;
    Bitmap noSkin_;
};

}  // namespace quorvel
