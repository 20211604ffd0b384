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
    FormCaptions captions_{program_.Form1(), program_.Form2(), program_.Form3(), program_.Form4()};
};

TEST_F(FormCaptionsTest, EveryCaptionOfTheLanguageTableNamesAControlOrMenuItemOfItsWindow) {
    for (const CaptionEntry& entry : CaptionEntries()) {
        EXPECT_TRUE(captions_.FormOf(entry.owner).SetCaption(entry.control, "x"))
            << entry.section << "/" << entry.key << " -> " << entry.control;
    }
}

}  // namespace
}  // namespace quorvel
