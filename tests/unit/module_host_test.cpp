#include "modules/module_host.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/error.h"
#include "fakes/fake_module_host.h"
#include "fakes/fake_module_loader.h"
#include "modules/field_of.h"

namespace quorvel {
namespace {

using fakes::FakeActionList;
using fakes::FakeModuleEditor;
using testing::ElementsAre;

TEST(FieldOf, FieldsAreTakenAsTheDelimitersLeaveThem) {
    EXPECT_EQ(FieldOf("a,b,", ',', 1), "a");
    EXPECT_EQ(FieldOf("a,b,", ',', 2), "b");
    EXPECT_EQ(FieldOf("a,b,", ',', 3), "ERROR INDEX");
    // An empty field keeps the delimiter it starts on and runs into the next field.
    EXPECT_EQ(FieldOf("a,,b,", ',', 2), ",b");
    EXPECT_EQ(FieldOf("a,,b,", ',', 3), "ERROR INDEX");
    EXPECT_EQ(FieldOf(",a,", ',', 1), ",a");
    EXPECT_EQ(FieldOf("abc", ',', 1), "abc");
    EXPECT_EQ(FieldOf("abc", ',', 2), "ERROR INDEX");
    EXPECT_EQ(FieldOf("", ',', 1), "ERROR INDEX");
    EXPECT_EQ(FieldOf("a,b,", ',', 0), "ERROR INDEX");
}

// A host over fake modules in C:\Quorvel\ (actions.dll) and C:\Quorvel\PLUGIN\.
class ModuleHostTest : public testing::Test {
  protected:
    static constexpr const char* kActions = "C:\\Quorvel\\actions.dll";
    static constexpr const char* kPattern = "C:\\Quorvel\\PLUGIN\\*.DLL";

    fakes::FakeModule& Plugin(const std::string& file, const std::string& information) {
        folder_.listings[kPattern].push_back(file);
        return loader_.Add("C:\\Quorvel\\PLUGIN\\" + file, information);
    }
    fakes::FakeModule& Builtin(const std::string& information) {
        return loader_.Add(kActions, information);
    }

    fakes::FakeModuleLoader loader_;
    fakes::FakeFolderListing folder_;
    fakes::FakeModuleHostEnvironment environment_;
    ModuleHost host_{loader_, folder_, environment_};
};

TEST_F(ModuleHostTest, BuiltinTableComesFromTheInformationOfActionsDll) {
    Builtin("3,Open,Close,Hide");
    host_.LoadBuiltinActions();
    EXPECT_THAT(host_.BuiltinActionNames(), ElementsAre("Open", "Close", "Hide"));
    EXPECT_THAT(loader_.calls,
                ElementsAre("load C:\\Quorvel\\actions.dll", "ExpansionA(\"English\")",
                            "Information()", "free C:\\Quorvel\\actions.dll"));
    EXPECT_EQ(host_.BuiltinActionNumber("Close"), 2);
    EXPECT_EQ(host_.BuiltinActionNumber("close"), 0);
    EXPECT_EQ(host_.ResolveAction("Close", ResolveMode::kAction), "actions.dll,2");
    EXPECT_EQ(host_.ResolveAction("actions.dll,2", ResolveMode::kName), "Close");
}

TEST_F(ModuleHostTest, BuiltinTableEdges) {
    Builtin("12,a,b,c,d,e,f,g,h,i,j,k,l");
    host_.LoadBuiltinActions();
    EXPECT_THAT(host_.BuiltinActionNames(),
                ElementsAre("a", "b", "c", "d", "e", "f", "g", "h", "i"));

    // Two equal names: the later number wins.
    Builtin("3,Same,Other,Same");
    host_.LoadBuiltinActions();
    EXPECT_EQ(host_.BuiltinActionNumber("Same"), 3);

    // Names missing from the text read "ERROR INDEX"; only 255 characters are read.
    Builtin("3,One,Two," + std::string(290, 'x'));
    host_.LoadBuiltinActions();
    EXPECT_THAT(host_.BuiltinActionNames(), ElementsAre("One", "Two", std::string(245, 'x')));
    Builtin("3,Open");
    host_.LoadBuiltinActions();
    EXPECT_THAT(host_.BuiltinActionNames(), ElementsAre("Open", "ERROR INDEX", "ERROR INDEX"));

    Builtin("-1,Open");
    host_.LoadBuiltinActions();
    EXPECT_TRUE(host_.BuiltinActionNames().empty());
    EXPECT_EQ(host_.BuiltinActionNumber("Open"), 0);
}

TEST_F(ModuleHostTest, CountThatIsNoIntegerKeepsTheTableAndFreesTheModule) {
    Builtin("3,Open,Close,Hide");
    host_.LoadBuiltinActions();
    Builtin("x,Open");
    loader_.calls.clear();
    EXPECT_THROW(
        {
            try {
                host_.LoadBuiltinActions();
            } catch (const Error& error) {
                EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
                throw;
            }
        },
        Error);
    EXPECT_EQ(loader_.calls.back(), "free C:\\Quorvel\\actions.dll");
    EXPECT_THAT(host_.BuiltinActionNames(), ElementsAre("Open", "Close", "Hide"));
}

TEST_F(ModuleHostTest, UnusableActionsDllEmptiesTheTableWithoutCallingIt) {
    for (ModuleExport missing : {ModuleExport::kExpansionA, ModuleExport::kInformation}) {
        Builtin("3,Open,Close,Hide");
        host_.LoadBuiltinActions();
        ASSERT_EQ(host_.BuiltinActionNames().size(), 3u);
        Builtin("3,Open,Close,Hide").Without(missing);
        loader_.calls.clear();
        host_.LoadBuiltinActions();
        EXPECT_TRUE(host_.BuiltinActionNames().empty());
        EXPECT_THAT(loader_.calls,
                    ElementsAre("load C:\\Quorvel\\actions.dll", "free C:\\Quorvel\\actions.dll"));
    }
    loader_.modules.clear();
    Builtin("1,Open");
    host_.LoadBuiltinActions();
    loader_.modules.clear();
    host_.LoadBuiltinActions();
    EXPECT_TRUE(host_.BuiltinActionNames().empty());
}

TEST_F(ModuleHostTest, StoredBuiltinNumbersOutsideTheTable) {
    Builtin("3,Open,Close,Hide");
    EXPECT_EQ(host_.ResolveAction("actions.dll,0", ResolveMode::kName), "");
    EXPECT_EQ(host_.ResolveAction("actions.dll,3", ResolveMode::kName), "Hide");
    EXPECT_EQ(host_.ResolveAction("actions.dll,4", ResolveMode::kName), "No");
    EXPECT_EQ(host_.ResolveAction("actions.dll,-1", ResolveMode::kName), "No");
    EXPECT_EQ(host_.ResolveAction("actions.dll,2,junk", ResolveMode::kName), "Close");
    EXPECT_THROW(host_.ResolveAction("actions.dll,two", ResolveMode::kName), Error);
    EXPECT_THROW(host_.ResolveAction("actions.dll", ResolveMode::kName), Error);
    loader_.modules.clear();
    EXPECT_EQ(host_.ResolveAction("actions.dll,1", ResolveMode::kName), "No");
}

TEST_F(ModuleHostTest, PluginNamesResolveByScanningEveryModule) {
    Builtin("3,Open,Close,Hide");
    host_.LoadBuiltinActions();
    Plugin("close.dll", "Close");
    Plugin("hidden.dll", "Hidden").Without(ModuleExport::kExpansionA);
    Plugin("mute.dll", "Mute");
    Plugin("mute2.dll", "Mute");
    Plugin("noinfo.dll", "Silent").Without(ModuleExport::kInformation);
    folder_.listings[kPattern].push_back("broken.dll");  // does not load

    // A plug-in whose name equals a built-in name wins; the last equal plug-in wins.
    EXPECT_EQ(host_.ResolveAction("Close", ResolveMode::kAction), "close.dll");
    EXPECT_EQ(host_.ResolveAction("Mute", ResolveMode::kAction), "mute2.dll");
    EXPECT_EQ(host_.ResolveAction("Open", ResolveMode::kAction), "actions.dll,1");
    EXPECT_EQ(host_.ResolveAction("Silent", ResolveMode::kAction), "No");
    EXPECT_EQ(host_.ResolveAction("Nothing", ResolveMode::kAction), "No");
    EXPECT_EQ(host_.ResolveAction("mute.dll", ResolveMode::kName), "Mute");
    EXPECT_EQ(host_.ResolveAction("MUTE.DLL", ResolveMode::kName), "No");

    // Without ExpansionA a module still resolves; ExpansionA is only called when there.
    loader_.calls.clear();
    EXPECT_EQ(host_.ResolveAction("hidden.dll", ResolveMode::kName), "Hidden");
    EXPECT_THAT(
        loader_.calls,
        ElementsAre(
            "load C:\\Quorvel\\PLUGIN\\close.dll", "ExpansionA(\"English\")", "Information()",
            "free C:\\Quorvel\\PLUGIN\\close.dll", "load C:\\Quorvel\\PLUGIN\\hidden.dll",
            "Information()", "free C:\\Quorvel\\PLUGIN\\hidden.dll",
            "load C:\\Quorvel\\PLUGIN\\mute.dll", "ExpansionA(\"English\")", "Information()",
            "free C:\\Quorvel\\PLUGIN\\mute.dll", "load C:\\Quorvel\\PLUGIN\\mute2.dll",
            "ExpansionA(\"English\")", "Information()", "free C:\\Quorvel\\PLUGIN\\mute2.dll",
            "load C:\\Quorvel\\PLUGIN\\noinfo.dll", "free C:\\Quorvel\\PLUGIN\\noinfo.dll",
            "no module C:\\Quorvel\\PLUGIN\\broken.dll"));
}

TEST_F(ModuleHostTest, LoadPluginListsModulesWithExpansionAAndInformation) {
    Plugin("zeta.dll", "zeta action");
    Plugin("hidden.dll", "Hidden").Without(ModuleExport::kExpansionA);
    Plugin("alpha.dll", "Alpha action");
    Plugin("noinfo.dll", "Silent").Without(ModuleExport::kInformation);
    folder_.listings[kPattern].push_back("broken.dll");
    FakeActionList list;
    list.items = {"stale"};
    host_.LoadPlugin(list);
    EXPECT_THAT(list.items, ElementsAre("Alpha action", "zeta action"));
    EXPECT_EQ(list.Text(), "Alpha action");
    EXPECT_THAT(
        loader_.calls,
        ElementsAre("load C:\\Quorvel\\PLUGIN\\zeta.dll", "ExpansionA(\"English\")",
                    "Information()", "free C:\\Quorvel\\PLUGIN\\zeta.dll",
                    "load C:\\Quorvel\\PLUGIN\\hidden.dll", "free C:\\Quorvel\\PLUGIN\\hidden.dll",
                    "load C:\\Quorvel\\PLUGIN\\alpha.dll", "ExpansionA(\"English\")",
                    "Information()", "free C:\\Quorvel\\PLUGIN\\alpha.dll",
                    "load C:\\Quorvel\\PLUGIN\\noinfo.dll", "free C:\\Quorvel\\PLUGIN\\noinfo.dll",
                    "no module C:\\Quorvel\\PLUGIN\\broken.dll"));
}

TEST_F(ModuleHostTest, LoadPluginWithoutModuleFiles) {
    FakeActionList list;
    environment_.noActionWord = "Nein";
    host_.LoadPlugin(list);
    EXPECT_THAT(list.items, ElementsAre("Nein"));
    EXPECT_EQ(list.Text(), "Nein");

    // Files, none of them listable: an empty list with nothing shown.
    folder_.listings[kPattern] = {"broken.dll"};
    host_.LoadPlugin(list);
    EXPECT_TRUE(list.items.empty());
    EXPECT_EQ(list.selected, -1);
}

TEST_F(ModuleHostTest, SettingsStepOfAPlugin) {
    Plugin("run.dll", "Run").commands = {"first", "C:\\x.exe"};
    environment_.skin = Bitmap(4, 3);
    FakeModuleEditor editor(loader_.calls);
    auto command = host_.ConfigureAction(editor, "Run", "Ctrl+A", std::string("old"));
    EXPECT_EQ(command, "C:\\x.exe");
    EXPECT_TRUE(editor.visible);
    EXPECT_THAT(
        loader_.calls,
        ElementsAre("load C:\\Quorvel\\PLUGIN\\run.dll", "ExpansionA(\"English\")", "Information()",
                    "free C:\\Quorvel\\PLUGIN\\run.dll", "load C:\\Quorvel\\PLUGIN\\run.dll",
                    "ExpansionA(\"English\")", "picture 4x3 20480", "ExpansionB(20480,300,200)",
                    "ExpansionI()", "hide editor", "Setting(102,\"Ctrl+A\",\"old\")", "show editor",
                    "Command()", "Command()", "release picture 20480",
                    "free C:\\Quorvel\\PLUGIN\\run.dll"));
    fakes::FakeModuleHostEnvironment& e = environment_;
    EXPECT_EQ(
        loader_.lastRecord,
        (ExpansionRecord{e.programFile, "C:\\Quorvel\\", e.pluginFolder, "C:\\Quorvel\\LANGUAGE\\",
                         "C:\\Quorvel\\Option.ini", e.listFile, e.skinFile, 101, 102, 103, 104}));
}

TEST_F(ModuleHostTest, SettingsStepOfABuiltinActionWithoutSkin) {
    Builtin("3,Open,Close,Hide").Without(ModuleExport::kExpansionI);
    host_.LoadBuiltinActions();
    loader_.calls.clear();
    FakeModuleEditor editor(loader_.calls);
    EXPECT_EQ(host_.ConfigureAction(editor, "Close", "Alt+F4", std::nullopt), "command");
    EXPECT_THAT(loader_.calls,
                ElementsAre("load C:\\Quorvel\\actions.dll", "ExpansionA(\"English\")",
                            "picture 0x0 0", "ExpansionB(0,300,200)", "hide editor",
                            "Setting(102,\"Alt+F4\",null,2)", "show editor", "Command()",
                            "Command()", "release picture 0", "free C:\\Quorvel\\actions.dll"));
}

TEST_F(ModuleHostTest, SettingsStepCancelledByTheModule) {
    Plugin("run.dll", "Run").commands = {"NOCOMMAND", "never asked"};
    FakeModuleEditor editor(loader_.calls);
    EXPECT_EQ(host_.ConfigureAction(editor, "Run", "Ctrl+A", std::nullopt), std::nullopt);
    EXPECT_EQ(std::count(loader_.calls.begin(), loader_.calls.end(), "Command()"), 1);
    EXPECT_TRUE(editor.visible);
}

TEST_F(ModuleHostTest, ModulesWithoutSettingsGetNoSupportCommand) {
    Plugin("plain.dll", "Plain").Without(ModuleExport::kSetting);
    Plugin("half.dll", "Half").Without(ModuleExport::kCommand);
    Plugin("broken.dll", "Broken");
    loader_.modules.erase("C:\\Quorvel\\PLUGIN\\broken.dll");
    FakeModuleEditor editor(loader_.calls);
    for (const char* name : {"Plain", "Half", "Broken", "Unknown"}) {
        loader_.calls.clear();
        EXPECT_EQ(host_.ConfigureAction(editor, name, "Ctrl+A", std::nullopt), "NOSUPPORTCOMMAND");
        EXPECT_EQ(std::count(loader_.calls.begin(), loader_.calls.end(), "hide editor"), 0);
        EXPECT_EQ(std::count(loader_.calls.begin(), loader_.calls.end(), "Command()"), 0);
    }
}

// The settings are taken from the module the combination is saved with: a plug-in that
// shadows a built-in name, not the hidden built-in action.
TEST_F(ModuleHostTest, SettingsStepOfAPluginShadowingABuiltinName) {
    Builtin("3,Open,Close,Hide");
    host_.LoadBuiltinActions();
    Plugin("close.dll", "Close");
    FakeModuleEditor editor(loader_.calls);
    loader_.calls.clear();
    host_.ConfigureAction(editor, "Close", "Ctrl+A", std::nullopt);
    EXPECT_THAT(loader_.calls, testing::Contains("Setting(102,\"Ctrl+A\",null)"));
    EXPECT_EQ(host_.ResolveAction("Close", ResolveMode::kAction), "close.dll");
}

TEST_F(ModuleHostTest, RunActionOfAPluginAndOfABuiltinAction) {
    Plugin("run.dll", "Run");
    Builtin("3,Open,Close,Hide").Without(ModuleExport::kExpansionI);
    environment_.SetCombination(1, "Ctrl+A", "run.dll", "C:\\x.exe");
    environment_.SetCombination(2, "Ctrl+B", "actions.dll,3", "");
    host_.RunAction(1);
    host_.RunAction(2);
    EXPECT_THAT(environment_.reads, ElementsAre("HOT1/Plugin", "HOT1/HotKey", "HOT1/Command",
                                                "HOT2/Plugin", "HOT2/HotKey", "HOT2/Command"));
    EXPECT_THAT(loader_.calls,
                ElementsAre("load C:\\Quorvel\\PLUGIN\\run.dll", "ExpansionI()",
                            "Execute(\"Ctrl+A\",\"C:\\x.exe\",101)",
                            "free C:\\Quorvel\\PLUGIN\\run.dll", "load C:\\Quorvel\\actions.dll",
                            "Execute(\"Ctrl+B\",null,101,3)", "free C:\\Quorvel\\actions.dll"));
    EXPECT_EQ(loader_.lastRecord.editorWindow, 102u);
    EXPECT_FALSE(host_.Busy());
}

TEST_F(ModuleHostTest, WithoutAPluginFolderNoPluginIsListedOrLoaded) {
    // A bare "*.DLL" or file name would be looked for in the current folder.
    Plugin("run.dll", "Run");
    folder_.listings["*.DLL"] = {"run.dll"};
    loader_.Add("run.dll", "Run");
    environment_.pluginFolder = "";
    environment_.noActionWord = "Nein";
    FakeActionList list;
    host_.LoadPlugin(list);
    EXPECT_THAT(list.items, ElementsAre("Nein"));
    environment_.SetCombination(1, "Ctrl+A", "run.dll", "");
    host_.RunAction(1);
    EXPECT_THAT(loader_.calls, ::testing::IsEmpty());
}

TEST_F(ModuleHostTest, RunActionWhileAnotherExecuteRunsDoesNothing) {
    environment_.SetCombination(1, "Ctrl+A", "slow.dll", "");
    environment_.SetCombination(2, "Ctrl+B", "other.dll", "");
    Plugin("other.dll", "Other");
    bool busyInside = false;
    Plugin("slow.dll", "Slow").onExecute = [&] {
        busyInside = host_.Busy();
        host_.RunAction(2);  // a press that the module's message loop delivers
        host_.RunAction(1);
    };
    host_.RunAction(1);
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(host_.Busy());
    EXPECT_THAT(loader_.calls,
                ElementsAre("load C:\\Quorvel\\PLUGIN\\slow.dll", "ExpansionI()",
                            "Execute(\"Ctrl+A\",null,101)", "free C:\\Quorvel\\PLUGIN\\slow.dll"));
    // The press was dropped, not queued; the next one runs.
    loader_.calls.clear();
    host_.RunAction(2);
    EXPECT_EQ(loader_.calls.size(), 4u);
}

TEST_F(ModuleHostTest, RunActionClearsTheBusyFlagOnEveryPath) {
    Plugin("noexec.dll", "No execute").Without(ModuleExport::kExecute);
    environment_.SetCombination(1, "Ctrl+A", "noexec.dll", "");
    environment_.SetCombination(2, "Ctrl+B", "missing.dll", "");
    environment_.SetCombination(3, "Ctrl+C", "actions.dll,x", "");
    host_.RunAction(1);
    EXPECT_THAT(loader_.calls, ElementsAre("load C:\\Quorvel\\PLUGIN\\noexec.dll",
                                           "free C:\\Quorvel\\PLUGIN\\noexec.dll"));
    EXPECT_FALSE(host_.Busy());
    host_.RunAction(2);
    EXPECT_FALSE(host_.Busy());
    host_.RunAction(4);  // no such combination: "n/a" names no module
    EXPECT_FALSE(host_.Busy());
    EXPECT_THROW(host_.RunAction(3), Error);
    EXPECT_FALSE(host_.Busy());

    Plugin("boom.dll", "Boom").onExecute = [] { throw Error("boom"); };
    environment_.SetCombination(5, "Ctrl+D", "boom.dll", "");
    EXPECT_THROW(host_.RunAction(5), Error);
    EXPECT_FALSE(host_.Busy());
    EXPECT_EQ(loader_.calls.back(), "free C:\\Quorvel\\PLUGIN\\boom.dll");
}

}  // namespace
}  // namespace quorvel
