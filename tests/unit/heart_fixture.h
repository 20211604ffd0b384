#pragma once

// The whole program on fakes, with a recording plug-in "Recorder" (rec.dll) and an
// options file that turns every question on.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/program.h"
#include "fakes/fake_services.h"
#include "fakes/fake_toolkit.h"
#include "hotkeys/combination_store.h"
#include "hotkeys/dispatch.h"
#include "settings/profile.h"

namespace quorvel {

class HeartTest : public ::testing::Test {
  protected:
    static constexpr const char* kList = "C:\\Quorvel\\DATA\\BASE.INI";
    static constexpr const char* kOptions = "C:\\Quorvel\\Option.ini";
    static constexpr const char* kRecorder = "C:\\Quorvel\\PLUGIN\\rec.dll";

    HeartTest() {
        files_.AddFile(
            kOptions,
            "[PROGRAM]\r\nAUTORUN=0\r\nFILE_LANGUAGE=STANDART LANGUAGE\r\nENABLE_ALL_HOT_KEY=-1\r\n"
            "FILE_SKIN=Blue.jpg\r\nINFORMATION_SHOW=0\r\n"
            "[MESSAGE]\r\nDISABLE_FONE_MODES=-1\r\nDELETE_HOT_KEY=0\r\nEXIT_PROGRAM=0\r\n"
            "[MODULES]\r\nFOLDER_PLUGIN=\r\nAUTO_PLUGIN_FOLDER=-1\r\n[TRAY]\r\nDISKINDRIVE="
            "0\r\nANIMATION=0\r\nDRIVE=\r\nFASTOPEN=0\r\n"
            "[ADDITION]\r\nDISABLE_FORM_FOG=0\r\n");
        files_.AddFile(kRecorder, "");
        loader_.Add(kRecorder, "Recorder");
        program_ = std::make_unique<Program>(toolkit_, fake_.services);
    }

    // Writes section HOTn of the list file and the count.
    void StoreCombination(int n, const std::string& hotKey, bool checked = true,
                          bool warning = false, const std::string& comment = "",
                          const std::string& plugin = "rec.dll") {
        files_.AddFolder("C:\\Quorvel\\DATA");
        const std::string section = "HOT" + std::to_string(n);
        profile_.WriteIniValue(section, "HotKey", hotKey, kList);
        profile_.WriteIniValue(section, "Plugin", plugin, kList);
        profile_.WriteIniValue(section, "Checked", checked ? "-1" : "0", kList);
        profile_.WriteIniValue(section, "Command", "cmd" + std::to_string(n), kList);
        profile_.WriteIniValue(section, "Warning", warning ? "-1" : "0", kList);
        profile_.WriteIniValue(section, "Comment", comment, kList);
        if (n > Count()) SetCount(n);
    }
    void SetCount(int n) { profile_.WriteIniValue("Base", "Index", std::to_string(n), kList); }
    int Count() {
        const std::string text = profile_.ReadIniValue("Base", "Index", kList);
        return text == "n/a" ? 0 : std::stoi(text);
    }
    std::string Value(int n, const std::string& key) {
        return profile_.ReadIniValue("HOT" + std::to_string(n), key, kList);
    }
    void SetOption(const std::string& section, const std::string& key, bool on) {
        profile_.WriteIniValue(section, key, on ? "-1" : "0", kOptions);
    }

    CombinationStore& Store() { return program_->Store(); }
    HotKeyDispatcher& Dispatcher() { return program_->Dispatcher(); }
    ListBox& List() { return *program_->Form1().List; }
    Form& MainWindow() { return program_->Form1().Window(); }

    // The Execute calls the recording plug-in saw.
    std::vector<std::string> Executes() const {
        std::vector<std::string> runs;
        for (const std::string& call : loader_.calls)
            if (call.rfind("Execute(", 0) == 0) runs.push_back(call);
        return runs;
    }
    std::string ExecuteOf(int n, const std::string& hotKey) const {
        return "Execute(\"" + hotKey + "\",\"cmd" + std::to_string(n) + "\"," +
               std::to_string(program_->Form1().Window().Handle()) + ")";
    }
    // A press of a key that was let go since its last press: the held-key watch has seen
    // it up.
    void Press(int id) {
        for (FakeTimer* timer : toolkit_.Timers())
            if (timer->Interval() == HeldKeyWatch::kSampleMilliseconds) timer->Tick();
        Repeat(id);
    }
    // The system's repeat of a held key, where it ignores the no-repeat flag.
    void Repeat(int id) { MainWindow().Send(kHotKeyMessage, std::uintptr_t(id), 0); }

    FakeServices fake_;
    FakeFileSystem& files_ = fake_.files;
    Profile profile_{files_};
    fakes::FakeKeyNames& keyNames_ = fake_.keyNames;
    FakeKeyboard& keyboard_ = fake_.keyboard;
    fakes::FakeModuleLoader& loader_ = fake_.loader;
    fakes::FakeFocusKeeper& focus_ = fake_.focus;
    Services& services_ = fake_.services;
    fakes::FakeSystemHotKeys*& hotKeys_ = fake_.hotKeys;
    FakeToolkit toolkit_;
    std::unique_ptr<Program> program_;
};

}  // namespace quorvel
