#include "windows/about_box.h"

namespace quorvel {

namespace {

constexpr ControlLayout kForm4Controls[] = {
    {.name = "Image1", .kind = ControlKind::kPicture, .bounds = {0, 0, 202, 183}, .autoSize = true},
    {.name = "XPLabel1",
     .kind = ControlKind::kLabel,
     .bounds = {19, 25, 162, 17},
     .text = "Quorvel 3.5",
     .hint = kHomePageAddress,
     .font = {"Courier New", -15, true},
     .handCursor = true},
    {.name = "XPBitBtn1",
     .kind = ControlKind::kPushButton,
     .bounds = {10, 149, 87, 25},
     .text = "Ok",
     .tabOrder = 0},
    {.name = "XPBitBtn3",
     .kind = ControlKind::kPushButton,
     .bounds = {104, 149, 89, 25},
     .text = "Gratitude ...",
     .tabOrder = 1},
};

// Line breaks of the contributors box are written as the characters 10 and 13.
constexpr std::string_view kParagraph = "\n\r\n\r";

// Groups, not names: everyone who made the program better. The last line is the notice the
// JPEG library's licence asks the documentation of a program built with it to carry.
constexpr std::string_view kThanked[] = {
    "The translators of the language files",
    "Everyone who reported a fault",
    "The authors of the libraries used: libjpeg-turbo. This software is based in part on the "
    "work of the Independent JPEG Group.",
};

}  // namespace

std::string GratitudeText() {
    std::string text = "The special gratitude is expressed these people :";
    for (std::string_view thanked : kThanked) (text += kParagraph) += thanked;
    return text;
}

const FormLayout kForm4Layout{.name = "TForm4",
                              .caption = "About",
                              .clientSize = {202, 183},
                              .font = {"MS Sans Serif", -11},
                              .controls = kForm4Controls};

TForm4::TForm4(Toolkit& toolkit)
    : LayoutForm(toolkit, kForm4Layout),
      Image1(Bind<Picture>("Image1")),
      XPLabel1(Bind<Label>("XPLabel1")),
      XPBitBtn1(Bind<PushButton>("XPBitBtn1")),
      XPBitBtn3(Bind<PushButton>("XPBitBtn3")) {
    XPBitBtn1->SetOnClick([this] { Window().EndModal(ModalResult::kOk); });
    XPBitBtn3->SetOnClick([this] {
        toolkit_.Dialogs().Show({.type = DialogType::kInformation, .text = GratitudeText()});
    });
}

}  // namespace quorvel
