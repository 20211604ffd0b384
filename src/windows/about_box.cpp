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

}  // namespace

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
}

}  // namespace quorvel
