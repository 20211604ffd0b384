#include "win32/win32_keyboard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/fake_language_target.h"
#include "import_hook.h"
#include "lang/language.h"

namespace quorvel::win32 {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

// Wine keeps the layout of the X keyboard whatever is asked, so the calls themselves are
// what can be checked.
std::vector<std::pair<std::string, UINT>> loadCalls;
using LoadKeyboardLayoutAFunction = HKL(WINAPI*)(LPCSTR, UINT);
LoadKeyboardLayoutAFunction realLoadKeyboardLayoutA = nullptr;

HKL WINAPI RecordingLoadKeyboardLayoutA(LPCSTR identifier, UINT flags) {
    loadCalls.emplace_back(identifier, flags);
    return realLoadKeyboardLayoutA(identifier, flags);
}

class SystemKeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        loadCalls.clear();
        ASSERT_TRUE(hook_.Installed()) << "the program does not import LoadKeyboardLayoutA";
        realLoadKeyboardLayoutA = reinterpret_cast<LoadKeyboardLayoutAFunction>(hook_.Original());
    }
    ImportHook hook_{"user32.dll", "LoadKeyboardLayoutA",
                     reinterpret_cast<void*>(&RecordingLoadKeyboardLayoutA)};
    Win32Keyboard keyboard_;
};

TEST_F(SystemKeyboardTest, LoadsAndActivatesTheLayoutNamedByItsIdentifier) {
    keyboard_.ActivateLayout("00000419");
    // A text that names no layout is passed as it is; the system keeps its layout.
    keyboard_.ActivateLayout("n/a");
    EXPECT_THAT(loadCalls,
                ElementsAre(Pair("00000419", UINT(KLF_ACTIVATE)), Pair("n/a", UINT(KLF_ACTIVATE))));
    EXPECT_NE(GetKeyboardLayout(0), nullptr);
}

TEST_F(SystemKeyboardTest, TheLanguagesIdentifierReachesTheSystem) {
    FakeFileSystem files;
    files.AddFile("C:\\Q\\Option.ini", "[PROGRAM]\r\nFILE_LANGUAGE=Russian.TXT\r\n");
    files.AddFile(
        "C:\\Q\\LANGUAGE\\Russian.TXT",
        "[FILE]\r\nLANGUAGE=Russian\r\n[VARIABLES]\r\nLANGUAGE_IDENTIFICATOR=00000419\r\n");
    Profile profile(files);
    FakeLanguageTarget target;
    Language language(profile, files, keyboard_, "C:\\Q\\");
    language.TakeLanguageFromOptions();
    language.LoadLanguage(target);
    language.ActivateKeyboardLayout();

    language.SetCurrentLanguage("STANDART LANGUAGE");
    language.LoadLanguage(target);
    language.ActivateKeyboardLayout();

    EXPECT_THAT(loadCalls, ElementsAre(Pair("00000419", UINT(KLF_ACTIVATE)),
                                       Pair("00000409", UINT(KLF_ACTIVATE))));
}

}  // namespace
}  // namespace quorvel::win32
