#include "lang/form_captions.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_toolkit.h"
#include "lang/language.h"

namespace quorvel {
namespace {

class FormCaptionsTest : public ::testing::Test {
  protected:
    FakeToolkit toolkit_;
    Program program_{toolkit_};
    FormCaptions captions_{program_.Form1(), program_.Form2(), program_.Form3(), program_.Form4()};
};

TEST_F(FormCaptionsTest, EveryCaptionOfTheLanguageTableNamesAControlOrMenuItemOfItsWindow) {
    for (const CaptionEntry& entry : CaptionEntries()) {
        EXPECT_TRUE(captions_.FormOf(entry.owner).SetCaption(entry.control, "x"))
            << entry.section << "/" << entry.key << " -> " << entry.control;
    }
}

TEST_F(FormCaptionsTest, ALanguageFileRelabelsButtonsAndBothMenus) {
    FakeFileSystem files;
    files.AddFile("C:\\Q\\Option.ini", "[PROGRAM]\r\nFILE_LANGUAGE=Russian.TXT\r\n");
    files.AddFile("C:\\Q\\LANGUAGE\\Russian.TXT",
                  "[FORM1]\r\nButton3=Изменить\r\n[FORM3]\r\nC6=Стандартная папка\r\n"
                  "[FORM4]\r\nButton1=ОК\r\n[POPUPMENU]\r\nN10=Домашняя страница\r\n"
                  "[POPUPMENU2]\r\nN2=В панель задач\r\n");
    Profile profile(files);
    FakeKeyboard keyboard;
    Language language(profile, files, keyboard, "C:\\Q\\");
    language.TakeLanguageFromOptions();
    language.LoadLanguage(captions_);

    EXPECT_EQ(program_.Form1().Button3->Text(), "Изменить");
    EXPECT_EQ(program_.Form1().Button1->Text(), "n/a");
    EXPECT_EQ(program_.Form3().C6->Text(), "Стандартная папка");
    EXPECT_EQ(program_.Form4().XPBitBtn1->Text(), "ОК");
    EXPECT_EQ(toolkit_.GetMenu("Menu1").Caption("N10"), "Домашняя страница");
    EXPECT_EQ(toolkit_.GetMenu("Menu2").Caption("N12"), "В панель задач");
    // Not translated.
    EXPECT_EQ(toolkit_.GetMenu("Menu1").Caption("N14"), "Quorvel to Web");
    EXPECT_EQ(program_.Form4().XPBitBtn3->Text(), "Gratitude ...");
}

}  // namespace
}  // namespace quorvel
