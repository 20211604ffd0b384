#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "base/error.h"
#include "fakes/fake_module_host.h"
#include "modules/module_host.h"
#include "win32/module_call_guard.h"
#include "win32/text_conversion.h"
#include "win32/win32_module_loader.h"

namespace quorvel::win32 {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::IsEmpty;

const fs::path kModules = QUORVEL_TEST_MODULES_DIR;

// A program folder with a PLUGIN folder in the temporary folder, and the log file the
// test modules append their calls to; both removed afterwards.
class ModuleFolder {
  public:
    ModuleFolder() {
        static int counter = 0;
        root_ = fs::temp_directory_path() /
                ("quorvel-modules-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++counter));
        fs::create_directories(root_ / "PLUGIN");
        log_ = root_ / "calls.log";
        SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG", log_.wstring().c_str());
    }
    ~ModuleFolder() {
        SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG", nullptr);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    std::string Program() const { return root_.string() + "\\"; }
    std::string Plugins() const { return Program() + "PLUGIN\\"; }

    // Copies a built test module (or the non-module file) into the plug-in folder.
    void AddPlugin(const std::string& built, const std::string& as = "") {
        fs::copy_file(kModules / built, root_ / "PLUGIN" / (as.empty() ? built : as));
    }
    void AddBuiltin(const std::string& built) {
        fs::copy_file(kModules / built, root_ / "actions.dll",
                      fs::copy_options::overwrite_existing);
    }

    // The calls logged since the last time, one per line.
    std::vector<std::string> TakeCalls() {
        std::vector<std::string> lines;
        std::ifstream in(log_, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        in.close();
        fs::remove(log_);
        return lines;
    }

  private:
    fs::path root_;
    fs::path log_;
};

// Lists a real folder as the system's file search reports it.
class FolderListing : public fakes::FakeFolderListing {
  public:
    std::vector<std::string> ListFiles(const std::string& pattern) override {
        std::vector<std::string> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(Widen(pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                names.push_back(Narrow(found.cFileName));
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }
};

// A real top-level window standing for the editor.
class WindowEditor : public ModuleEditor {
  public:
    WindowEditor() {
        window_ = CreateWindowExW(0, L"STATIC", L"Combination", WS_POPUP | WS_VISIBLE, 40, 50, 203,
                                  185, nullptr, nullptr, nullptr, nullptr);
    }
    ~WindowEditor() override { DestroyWindow(window_); }
    NativeHandle Window() override { return reinterpret_cast<NativeHandle>(window_); }
    int Left() override { return Rect().left; }
    int Top() override { return Rect().top; }
    void Hide() override { ShowWindow(window_, SW_HIDE); }
    void Show() override { ShowWindow(window_, SW_SHOW); }
    bool Visible() const { return IsWindowVisible(window_); }

  private:
    RECT Rect() const {
        RECT rect{};
        GetWindowRect(window_, &rect);
        return rect;
    }
    HWND window_ = nullptr;
};

// The lines of each module, in order, by the tag before ": ".
std::map<std::string, std::vector<std::string>> ByModule(const std::vector<std::string>& lines) {
    std::map<std::string, std::vector<std::string>> modules;
    for (const std::string& line : lines) {
        std::size_t colon = line.find(": ");
        modules[line.substr(0, colon)].push_back(line.substr(colon + 2));
    }
    return modules;
}

// True when each module's lines follow one another: one module loaded at a time.
bool OneModuleAtATime(const std::vector<std::string>& lines) {
    std::vector<std::string> seen;
    for (const std::string& line : lines) {
        std::string tag = line.substr(0, line.find(": "));
        if (!seen.empty() && seen.back() == tag) continue;
        if (std::find(seen.begin(), seen.end(), tag) != seen.end()) return false;
        seen.push_back(tag);
    }
    return true;
}

TEST(Win32ModuleLoader, LoadsEveryTestModuleWithItsExports) {
    ModuleFolder folder;
    Win32ModuleLoader loader;
    using E = ModuleExport;
    const std::map<std::string, std::set<E>> shapes = {
        {"qv_complete.dll",
         {E::kInformation, E::kExpansionA, E::kExpansionB, E::kExpansionI, E::kSetting, E::kCommand,
          E::kExecute}},
        {"qv_no_expansion_a.dll",
         {E::kInformation, E::kExpansionI, E::kSetting, E::kCommand, E::kExecute}},
        {"qv_no_setting.dll",
         {E::kInformation, E::kExpansionA, E::kExpansionB, E::kExpansionI, E::kExecute}},
        {"qv_no_execute.dll",
         {E::kInformation, E::kExpansionA, E::kExpansionI, E::kSetting, E::kCommand}},
        {"qv_no_information.dll", {E::kExpansionA, E::kExpansionI, E::kExecute}},
        {"qv_long_information.dll", {E::kInformation, E::kExpansionA, E::kExecute}},
        {"qv_builtin.dll",
         {E::kInformation, E::kExpansionA, E::kExpansionB, E::kExpansionI, E::kSetting, E::kCommand,
          E::kExecute}},
        {"qv_cancel.dll", {E::kInformation, E::kExpansionA, E::kSetting, E::kCommand, E::kExecute}},
        {"qv_modal.dll", {E::kInformation, E::kExpansionA, E::kExpansionI, E::kExecute}},
    };
    for (const auto& [file, exports] : shapes) {
        folder.AddPlugin(file);
        auto module = loader.Load(folder.Plugins() + file);
        ASSERT_TRUE(module) << file;
        for (E which : {E::kInformation, E::kExpansionA, E::kExpansionB, E::kExpansionI,
                        E::kSetting, E::kCommand, E::kExecute}) {
            EXPECT_EQ(module->Has(which), exports.count(which) > 0)
                << file << " " << ExportName(which);
        }
    }
}

TEST(Win32ModuleLoader, LoadsOnlyTheExactFileAndFreesIt) {
    ModuleFolder folder;
    Win32ModuleLoader loader;
    folder.AddPlugin("NOT_A_MODULE.DLL");
    folder.AddPlugin("qv_complete.dll", "plain.dll");
    EXPECT_EQ(loader.Load(folder.Plugins() + "NOT_A_MODULE.DLL"), nullptr);
    EXPECT_EQ(loader.Load(folder.Plugins() + "missing.dll"), nullptr);
    // A name without extension is that file, not "name.dll".
    EXPECT_EQ(loader.Load(folder.Plugins() + "plain"), nullptr);
    EXPECT_THAT(folder.TakeCalls(), IsEmpty());

    {
        auto module = loader.Load(folder.Plugins() + "plain.dll");
        ASSERT_TRUE(module);
        EXPECT_NE(GetModuleHandleW(Widen(folder.Plugins() + "plain.dll").c_str()), nullptr);
    }
    EXPECT_EQ(GetModuleHandleW(Widen(folder.Plugins() + "plain.dll").c_str()), nullptr);
    EXPECT_THAT(folder.TakeCalls(), ElementsAre("complete: attach", "complete: detach"));
}

TEST(Win32ModuleLoader, CallsCrossTheCInterfaceWithTheirArguments) {
    ModuleFolder folder;
    Win32ModuleLoader loader;
    folder.AddPlugin("qv_complete.dll");
    Bitmap skin(4, 3, kWhite);
    skin.SetPixel(0, 0, Rgb(0x12, 0x34, 0x56));
    auto picture = loader.CreatePicture(skin);
    ASSERT_NE(picture->Handle(), 0u);
    EXPECT_EQ(loader.CreatePicture(Bitmap())->Handle(), 0u);
    {
        auto module = loader.Load(folder.Plugins() + "qv_complete.dll");
        ASSERT_TRUE(module);
        module->ExpansionA("English");
        EXPECT_EQ(module->Information(), "Complete action");
        module->ExpansionB(picture->Handle(), -5, 200);
        module->ExpansionI(ExpansionRecord{"C:\\Q\\quorvel.exe", "C:\\Q\\", "D:\\P\\",
                                           "C:\\Q\\LANGUAGE\\", "C:\\Q\\Option.ini", "",
                                           "C:\\Q\\a.jpg", 11, 12, 13, 14});
        module->Setting(0, "Ctrl+Alt+A", "", std::nullopt);
        EXPECT_EQ(module->Command(), "ready");
        EXPECT_EQ(module->Command(), "Ctrl+Alt+A|new");
        module->Execute("Ctrl+Alt+A", "C:\\x.exe", 77, std::nullopt);
    }
    EXPECT_THAT(
        folder.TakeCalls(),
        ElementsAre("complete: attach", "complete: ExpansionA(\"English\")",
                    "complete: Information()", "complete: ExpansionB(4x3/123456,-5,200)",
                    "complete: ExpansionI(\"C:\\Q\\quorvel.exe\",\"C:\\Q\\\",\"D:\\P\\\","
                    "\"C:\\Q\\LANGUAGE\\\",\"C:\\Q\\Option.ini\",null,\"C:\\Q\\a.jpg\",0,11,12,13,"
                    "14)",
                    "complete: Setting(0,\"Ctrl+Alt+A\",null) editor hidden picture alive",
                    "complete: Command()", "complete: Command()",
                    "complete: Execute(\"Ctrl+Alt+A\",\"C:\\x.exe\",77)", "complete: detach"));
}

// The host over the real loader and every test module in a real program folder.
class ModuleHostWin32 : public testing::Test {
  protected:
    ModuleHostWin32() {
        environment_.programFile = folder_.Program() + "quorvel.exe";
        environment_.programFolder = folder_.Program();
        environment_.pluginFolder = folder_.Plugins();
        environment_.listFile = folder_.Program() + "DATA\\BASE.INI";
        environment_.skinFile = "";
        environment_.skin = Bitmap(3, 2, Rgb(0, 0, 255));
        folder_.AddBuiltin("qv_builtin.dll");
        for (const char* file :
             {"qv_complete.dll", "qv_no_expansion_a.dll", "qv_no_setting.dll", "qv_no_execute.dll",
              "qv_no_information.dll", "qv_long_information.dll", "qv_cancel.dll", "qv_modal.dll",
              "NOT_A_MODULE.DLL"}) {
            folder_.AddPlugin(file);
        }
    }

    std::string ExpansionILine(const std::string& tag) {
        return tag + ": ExpansionI(\"" + folder_.Program() + "quorvel.exe\",\"" +
               folder_.Program() + "\",\"" + folder_.Plugins() + "\",\"" + folder_.Program() +
               "LANGUAGE\\\",\"" + folder_.Program() + "Option.ini\",\"" + folder_.Program() +
               "DATA\\BASE.INI\",null,0,101,102,103,104)";
    }

    ModuleFolder folder_;
    Win32ModuleLoader loader_;
    FolderListing listing_;
    fakes::FakeModuleHostEnvironment environment_;
    ModuleHost host_{loader_, listing_, environment_};
};

TEST_F(ModuleHostWin32, ListsAndNamesTheActionsOfEveryModule) {
    fakes::FakeActionList list;
    host_.LoadPlugin(list);
    EXPECT_THAT(list.items,
                ElementsAre("3,One,Two," + std::string(290, 'x'), "Cancelling action",
                            "Complete action", "Idle action", "Modal action", "Plain action"));
    EXPECT_EQ(list.Text(), list.items.front());
    auto lines = folder_.TakeCalls();
    EXPECT_TRUE(OneModuleAtATime(lines));
    auto calls = ByModule(lines);
    EXPECT_THAT(calls["complete"],
                ElementsAre("attach", "ExpansionA(\"English\")", "Information()", "detach"));
    EXPECT_THAT(calls["no_expansion_a"], ElementsAre("attach", "detach"));
    EXPECT_THAT(calls["no_information"], ElementsAre("attach", "detach"));
    EXPECT_EQ(calls.size(), 8u);  // the file that is not a module logs nothing

    host_.LoadBuiltinActions();
    EXPECT_THAT(host_.BuiltinActionNames(), ElementsAre("Open", "Close", "Hide"));
    EXPECT_THAT(folder_.TakeCalls(),
                ElementsAre("builtin: attach", "builtin: ExpansionA(\"English\")",
                            "builtin: Information()", "builtin: detach"));

    // Not listed, yet a stored combination naming its file still resolves.
    EXPECT_EQ(host_.ResolveAction("qv_no_expansion_a.dll", ResolveMode::kName), "Unlisted action");
    EXPECT_THAT(ByModule(folder_.TakeCalls())["no_expansion_a"],
                ElementsAre("attach", "Information()", "detach"));
    EXPECT_EQ(host_.ResolveAction("Modal action", ResolveMode::kAction), "qv_modal.dll");
    EXPECT_EQ(host_.ResolveAction("Close", ResolveMode::kAction), "actions.dll,2");
    EXPECT_EQ(host_.ResolveAction("actions.dll,2", ResolveMode::kName), "Close");
    EXPECT_EQ(host_.ResolveAction("NOT_A_MODULE.DLL", ResolveMode::kName), "No");
}

TEST_F(ModuleHostWin32, BuiltinTableFromOtherActionsDlls) {
    folder_.AddBuiltin("qv_long_information.dll");
    host_.LoadBuiltinActions();
    EXPECT_THAT(host_.BuiltinActionNames(), ElementsAre("One", "Two", std::string(245, 'x')));
    folder_.AddBuiltin("qv_no_expansion_a.dll");
    host_.LoadBuiltinActions();
    EXPECT_THAT(host_.BuiltinActionNames(), IsEmpty());
    folder_.AddBuiltin("NOT_A_MODULE.DLL");
    host_.LoadBuiltinActions();
    EXPECT_THAT(host_.BuiltinActionNames(), IsEmpty());
}

TEST_F(ModuleHostWin32, SettingsStepsSeeTheirExactCalls) {
    WindowEditor editor;
    const std::string window = std::to_string(editor.Window());
    auto command = host_.ConfigureAction(editor, "Complete action", "Ctrl+A", std::nullopt);
    EXPECT_EQ(command, "Ctrl+A|new");
    EXPECT_TRUE(editor.Visible());
    auto lines = folder_.TakeCalls();
    std::vector<std::string> last(
        std::find(lines.rbegin(), lines.rend(), "complete: attach").base() - 1, lines.end());
    EXPECT_THAT(
        last,
        ElementsAre("complete: attach", "complete: ExpansionA(\"English\")",
                    "complete: ExpansionB(3x2/0000FF,40,50)", ExpansionILine("complete"),
                    "complete: Setting(" + window + ",\"Ctrl+A\",null) editor hidden picture alive",
                    "complete: Command()", "complete: Command()", "complete: detach"));

    host_.LoadBuiltinActions();
    folder_.TakeCalls();
    EXPECT_EQ(host_.ConfigureAction(editor, "Close", "Alt+C", std::string("old")), "Alt+C|old");
    EXPECT_THAT(
        ByModule(folder_.TakeCalls())["builtin"],
        ElementsAre("attach", "ExpansionA(\"English\")", "ExpansionB(3x2/0000FF,40,50)",
                    ExpansionILine("builtin").substr(9),
                    "Setting(" + window + ",\"Alt+C\",\"old\",2) editor hidden picture alive",
                    "Command()", "Command()", "detach"));

    EXPECT_EQ(host_.ConfigureAction(editor, "Cancelling action", "Ctrl+A", std::nullopt),
              std::nullopt);
    EXPECT_THAT(ByModule(folder_.TakeCalls())["cancel"],
                ElementsAre("attach", "ExpansionA(\"English\")", "Information()", "detach",
                            "attach", "ExpansionA(\"English\")",
                            "Setting(" + window + ",\"Ctrl+A\",null) editor hidden", "Command()",
                            "detach"));
    EXPECT_TRUE(editor.Visible());

    EXPECT_EQ(host_.ConfigureAction(editor, "Plain action", "Ctrl+A", std::nullopt),
              "NOSUPPORTCOMMAND");
    EXPECT_THAT(ByModule(folder_.TakeCalls())["no_setting"],
                ElementsAre("attach", "ExpansionA(\"English\")", "Information()", "detach",
                            "attach", "detach"));
}

TEST_F(ModuleHostWin32, RunActionCallsExpansionIThenExecute) {
    environment_.SetCombination(1, "Ctrl+A", "qv_complete.dll", "C:\\x.exe");
    environment_.SetCombination(2, "Ctrl+B", "actions.dll,3", "");
    environment_.SetCombination(3, "Ctrl+C", "qv_no_execute.dll", "x");
    environment_.SetCombination(4, "Ctrl+D", "NOT_A_MODULE.DLL", "x");
    for (int n = 1; n <= 4; ++n) host_.RunAction(n);
    EXPECT_FALSE(host_.Busy());
    EXPECT_THAT(folder_.TakeCalls(),
                ElementsAre("complete: attach", ExpansionILine("complete"),
                            "complete: Execute(\"Ctrl+A\",\"C:\\x.exe\",101)", "complete: detach",
                            "builtin: attach", ExpansionILine("builtin"),
                            "builtin: Execute(\"Ctrl+B\",null,101,3)", "builtin: detach",
                            "no_execute: attach", "no_execute: detach"));
}

// A press delivered by the module's own message loop while its Execute runs does nothing.
ModuleHost* nestedHost = nullptr;
int nestedPresses = 0;
LRESULT CALLBACK PressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        ++nestedPresses;
        nestedHost->RunAction(int(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(ModuleHostWin32, PressDuringAModalExecuteIsDropped) {
    environment_.SetCombination(1, "Ctrl+A", "qv_modal.dll", "");
    environment_.SetCombination(2, "Ctrl+B", "qv_complete.dll", "");
    SetEnvironmentVariableW(L"QUORVEL_MODULE_LOOP_MS", L"200");
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PressProc;
    windowClass.lpszClassName = L"QuorvelTestPress";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"QuorvelTestPress", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
    nestedHost = &host_;
    nestedPresses = 0;
    PostMessageW(window, WM_APP, 2, 0);
    PostMessageW(window, WM_APP, 1, 0);
    host_.RunAction(1);
    EXPECT_EQ(nestedPresses, 2);
    EXPECT_FALSE(host_.Busy());
    EXPECT_THAT(folder_.TakeCalls(), ElementsAre("modal: attach", ExpansionILine("modal"),
                                                 "modal: Execute(\"Ctrl+A\",null,101)",
                                                 "modal: Execute done", "modal: detach"));
    host_.RunAction(2);
    EXPECT_EQ(folder_.TakeCalls().size(), 4u);
    DestroyWindow(window);
    SetEnvironmentVariableW(L"QUORVEL_MODULE_LOOP_MS", nullptr);
}

// Modules that break the rules: the host reads their texts within their memory, and a
// module that fails inside a call ends that call, not the program.
TEST(Win32ModuleLoader, BrokenTextsAndFailingCallsNeitherCrashNorHang) {
    ModuleFolder folder;
    for (const char* file :
         {"qv_null_information.dll", "qv_empty_information.dll", "qv_huge_information.dll",
          "qv_unterminated_information.dll", "qv_faulty.dll"})
        folder.AddPlugin(file);
    Win32ModuleLoader loader;
    FolderListing listing;
    fakes::FakeModuleHostEnvironment environment;
    environment.programFolder = folder.Program();
    environment.pluginFolder = folder.Plugins();
    ModuleHost host(loader, listing, environment);

    fakes::FakeActionList list;
    host.LoadPlugin(list);
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    EXPECT_THAT(list.items, ElementsAre("", "", "Faulty action", std::string(kMaxModuleText, 'h'),
                                        std::string(system.dwPageSize, 'y')));

    // Setting that does nothing and Command that gives null: an empty command.
    WindowEditor editor;
    EXPECT_EQ(host.ConfigureAction(editor, "Faulty action", "Ctrl+A", std::nullopt), "");
    EXPECT_TRUE(editor.Visible());

    // A C++ exception, and a system exception as other compilers' modules throw.
    environment.SetCombination(1, "Ctrl+A", "qv_faulty.dll", "throw");
    environment.SetCombination(2, "Ctrl+B", "qv_faulty.dll", "raise");
    for (int n : {1, 2, 1}) {
        try {
            host.RunAction(n);
            ADD_FAILURE() << "combination " << n << " did not report the failure";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(),
                         "The action module qv_faulty.dll failed in Execute and was stopped.");
        }
        EXPECT_FALSE(host.Busy());
    }
}

}  // namespace
}  // namespace quorvel::win32
