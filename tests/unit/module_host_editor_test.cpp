// The module host driving the real editor window (TForm2) through the toolkit fakes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/fake_module_host.h"
#include "fakes/fake_module_loader.h"
#include "fakes/fake_toolkit.h"
#include "modules/module_host.h"
#include "modules/toolkit_targets.h"
#include "windows/combination_editor.h"

namespace quorvel {
namespace {

using testing::ElementsAre;

class ModuleHostEditorTest : public testing::Test {
  protected:
    FakeForm& Editor() { return toolkit_.FormNamed("TForm2"); }
    FakeDropDownList& Plugin() { return Editor().Get<FakeDropDownList>("Plugin"); }
    void AddPlugin(const std::string& file, const std::string& information) {
        folder_.listings["C:\\Quorvel\\PLUGIN\\*.DLL"].push_back(file);
        loader_.Add("C:\\Quorvel\\PLUGIN\\" + file, information);
    }

    FakeToolkit toolkit_;
    TForm2 form2_{toolkit_};
    fakes::FakeModuleLoader loader_;
    fakes::FakeFolderListing folder_;
    fakes::FakeModuleHostEnvironment environment_;
    ModuleHost host_{loader_, folder_, environment_};
};

TEST_F(ModuleHostEditorTest, LoadPluginFillsThePluginListSortedAndShowsItsFirstEntry) {
    Plugin().Add("stale");
    AddPlugin("b.dll", "beep");
    AddPlugin("a.dll", "Alarm");
    AddPlugin("c.dll", "calculator");
    ItemListTarget list(*form2_.Plugin);
    host_.LoadPlugin(list);
    EXPECT_THAT(Plugin().Items(), ElementsAre("Alarm", "beep", "calculator"));
    EXPECT_EQ(Plugin().ItemIndex(), 0);
}

TEST_F(ModuleHostEditorTest, SettingsStepHidesTheEditorWindowWhileTheModuleRuns) {
    AddPlugin("a.dll", "Alarm");
    Editor().SetPosition({40, 50});
    Editor().Show();
    bool shownDuringSetting = true;
    loader_.modules["C:\\Quorvel\\PLUGIN\\a.dll"].onSetting = [&] {
        shownDuringSetting = Editor().Visible();
    };
    FormModuleEditor editor(form2_.Window());
    EXPECT_EQ(host_.ConfigureAction(editor, "Alarm", "Ctrl+A", std::nullopt), "command");
    EXPECT_FALSE(shownDuringSetting);
    EXPECT_TRUE(Editor().Visible());
    const std::string window = std::to_string(Editor().Handle());
    EXPECT_THAT(loader_.calls, testing::Contains("ExpansionB(0,40,50)"));
    EXPECT_THAT(loader_.calls, testing::Contains("Setting(" + window + ",\"Ctrl+A\",null)"));
}

}  // namespace
}  // namespace quorvel
