#include "lang/form_captions.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "fakes/fake_services.h"
#include "fakes/fake_toolkit.h"

namespace quorvel {
namespace {

class FormCaptionsTest : public ::testing::Test {
  protected:
    FakeToolkit toolkit_;
    FakeServices fake_;
    Program program_{toolkit_, fake_.services};
    FormCaptions captions_{program_.Form1()};
};

TEST_F(FormCaptionsTest, EveryCaptionOfTheLanguageTableNamesAControlOrMenuItemOfItsWindow) {
    captions_.Attach(CaptionOwner::kForm2, program_.Form2());
    captions_.Attach(CaptionOwner::kForm3, program_.Form3());
    captions_.Attach(CaptionOwner::kForm4, program_.Form4());
    for (const CaptionEntry& entry : CaptionEntries()) {
        ASSERT_NE(captions_.FormOf(entry.owner), nullptr);
        EXPECT_TRUE(captions_.FormOf(entry.owner)->SetCaption(entry.control, "x"))
            << entry.section << "/" << entry.key << " -> " << entry.control;
    }
}

// A dialog made after languages were loaded comes up with the last caption of each
// control, and takes later ones directly.
TEST_F(FormCaptionsTest, ADialogAttachedLateTakesTheLastCaptionOfEachControl) {
    captions_.SetCaption(CaptionOwner::kForm4, "XPBitBtn1", "first");
    captions_.SetCaption(CaptionOwner::kForm4, "XPBitBtn1", "second");
    captions_.SetCaption(CaptionOwner::kForm2, "Button1", "other window");
    EXPECT_EQ(captions_.FormOf(CaptionOwner::kForm4), nullptr);
    TForm4& about = program_.Form4();
    const std::string designed = about.XPBitBtn3->Text();
    captions_.Attach(CaptionOwner::kForm4, about);
    EXPECT_EQ(about.XPBitBtn1->Text(), "second");
    EXPECT_EQ(about.XPBitBtn3->Text(), designed);
    captions_.SetCaption(CaptionOwner::kForm4, "XPBitBtn3", "later");
    EXPECT_EQ(about.XPBitBtn3->Text(), "later");
}

}  // namespace
}  // namespace quorvel
