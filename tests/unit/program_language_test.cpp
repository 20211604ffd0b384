// The language steps of the program's start, on the windows through the fake toolkit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/program.h"
#include "fakes/fake_services.h"
#include "fakes/fake_toolkit.h"
#include "lang/language.h"

namespace quorvel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kOptions[] = "C:\\Quorvel\\Option.ini";
constexpr char kRussian[] =
    "[FILE]\r\nLANGUAGE=Русский\r\n"
    "[FORM1]\r\nButton1=Создать\r\nButton6=Свернуть\r\n"
    "[FORM3]\r\nC6=Стандартная папка\r\n[FORM4]\r\nButton1=ОК\r\n"
    "[POPUPMENU]\r\nN4=Выход\r\n[POPUPMENU2]\r\nN2=В панель задач\r\n"
    "[MSG]\r\nEXIT_PROGRAM=Выйти из программы?\r\n";

class ProgramLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override { files_.AddFile("C:\\Quorvel\\LANGUAGE\\Russian.TXT", kRussian); }
    void StoreLanguage(const std::string& name) {
        profile_.WriteIniValue("PROGRAM", "FILE_LANGUAGE", name, kOptions);
    }
    std::string StoredLanguage() {
        return profile_.ReadIniValue("PROGRAM", "FILE_LANGUAGE", kOptions);
    }

    FakeServices fake_;
    FakeFileSystem& files_ = fake_.files;
    Profile profile_{files_};
    FakeKeyboard& keyboard_ = fake_.keyboard;
    FakeToolkit toolkit_;
    Program program_{toolkit_, fake_.services};
    Language& language_ = program_.CurrentLanguage();
};

TEST_F(ProgramLanguageTest, TheLanguageChosenInTheOptionsShowsAtStart) {
    StoreLanguage("Russian.TXT");
    EXPECT_EQ(program_.Run(), 0);

    EXPECT_THAT(toolkit_.dialogs.shown, IsEmpty());
    EXPECT_EQ(program_.Form1().Button1->Text(), "Создать");
    EXPECT_EQ(program_.Form1().Button6->Text(), "Свернуть");
    EXPECT_EQ(program_.Form1().Button2->Text(), "n/a");
    EXPECT_EQ(program_.Form3().C6->Text(), "Стандартная папка");
    EXPECT_EQ(program_.Form4().XPBitBtn1->Text(), "ОК");
    EXPECT_EQ(toolkit_.GetMenu("Menu1").Caption("N4"), "Выход");
    EXPECT_EQ(toolkit_.GetMenu("Menu2").Caption("N12"), "В панель задач");
    // Not translated.
    EXPECT_EQ(toolkit_.GetMenu("Menu1").Caption("N14"), "Quorvel to Web");
    EXPECT_EQ(program_.Form4().XPBitBtn3->Text(), "Gratitude ...");
    EXPECT_EQ(language_.Text(LanguageText::kMsgExitProgram), "Выйти из программы?");
    EXPECT_EQ(language_.DisplayName(), "Русский");
    EXPECT_TRUE(program_.Form1().Window().Visible());
}

TEST_F(ProgramLanguageTest, TheBuiltInLanguageKeepsTheLayoutCaptionsWithoutAWarning) {
    StoreLanguage("STANDART LANGUAGE");
    program_.Run();
    EXPECT_THAT(toolkit_.dialogs.shown, IsEmpty());
    EXPECT_EQ(program_.Form1().Button1->Text(), "Create");
    EXPECT_EQ(toolkit_.GetMenu("Menu1").Caption("N4"), "Exit");
    EXPECT_EQ(language_.Text(LanguageText::kMsgExitProgram), "Exit from the program ?");
    EXPECT_EQ(StoredLanguage(), "STANDART LANGUAGE");
}

TEST_F(ProgramLanguageTest, AMissingLanguageFileIsReportedOnceAndTheBuiltInLanguageStored) {
    StoreLanguage("Deutsch.TXT");
    program_.Run();

    ASSERT_EQ(toolkit_.dialogs.shown.size(), 1u);
    const MessageRequest& warning = toolkit_.dialogs.shown[0];
    EXPECT_EQ(warning.text,
              "WARNING !!!\r\rThe not found file language, load language is default.");
    EXPECT_EQ(warning.type, DialogType::kPlain);
    EXPECT_EQ(warning.buttons, DialogButtons::kOk);
    EXPECT_FALSE(warning.beep);
    EXPECT_EQ(StoredLanguage(), "STANDART LANGUAGE");
    EXPECT_EQ(program_.Form1().Button1->Text(), "Create");
    EXPECT_EQ(language_.Text(LanguageText::kForm3Sheet4), "Skins");
}

TEST_F(ProgramLanguageTest, AnOptionsFileThatCannotBeWrittenIsReportedAndTheProgramGoesOn) {
    StoreLanguage("Deutsch.TXT");
    files_.FailWrites(kOptions);
    EXPECT_EQ(program_.Run(), 0);
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(),
                ElementsAre("Unable to write to C:\\Quorvel\\Option.ini"));
    EXPECT_TRUE(program_.Form1().Window().Visible());
}

}  // namespace
}  // namespace quorvel
