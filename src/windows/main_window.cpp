#include "windows/main_window.h"

#include "base/program_names.h"
#include "base/window_messages.h"
#include "platform/error_report.h"
#include "ui/glyphs.h"
#include "windows/about_box.h"
#include "windows/combination_editor.h"
#include "windows/options_dialog.h"

namespace quorvel {

namespace {

constexpr FontSpec kFormFont{"MS Sans Serif", -11};

constexpr ControlLayout kForm1Controls[] = {
    {.name = "Image1", .kind = ControlKind::kPicture, .bounds = {0, 0, 202, 183}, .autoSize = true},
    {.name = "Speedbut123",
     .kind = ControlKind::kGlyphButton,
     .bounds = {172, 8, 20, 15},
     .hint = "Exit"},
    {.name = "SpeedButton",
     .kind = ControlKind::kGlyphButton,
     .bounds = {152, 8, 20, 15},
     .hint = kDocumentationPageAddress},
    {.name = "List",
     .kind = ControlKind::kListBox,
     .bounds = {5, 30, 99, 113},
     .tabOrder = 0,
     .sorted = true,
     .border = false},
    {.name = "Button1",
     .kind = ControlKind::kPushButton,
     .bounds = {109, 29, 89, 24},
     .text = "Create",
     .tabOrder = 1},
    {.name = "Button2",
     .kind = ControlKind::kPushButton,
     .bounds = {109, 59, 89, 25},
     .text = "Delete",
     .tabOrder = 2},
    {.name = "Button3",
     .kind = ControlKind::kPushButton,
     .bounds = {109, 89, 89, 25},
     .text = "Update",
     .tabOrder = 3},
    {.name = "Button4",
     .kind = ControlKind::kPushButton,
     .bounds = {109, 119, 89, 25},
     .text = "Setting",
     .tabOrder = 4},
    {.name = "Button5",
     .kind = ControlKind::kPushButton,
     .bounds = {3, 150, 103, 25},
     .text = "About",
     .tabOrder = 5},
    {.name = "Button6",
     .kind = ControlKind::kPushButton,
     .bounds = {109, 150, 89, 25},
     .text = "Minimized",
     .tabOrder = 6},
};

constexpr MenuItemLayout kMenu1Items[] = {
    {.name = "N1", .caption = "Show main window", .imageIndex = 0, .isDefault = true},
    {.name = "N2", .caption = "Setting", .imageIndex = 3},
    {.name = "N5", .separator = true},
    {.name = "N14", .caption = "Quorvel to Web", .imageIndex = 4},
    {.name = "N7", .caption = "Справка", .imageIndex = 7, .parent = "N14"},
    {.name = "N10", .caption = "Домашняя страница Quorvel", .imageIndex = 7, .parent = "N14"},
    {.name = "N6", .separator = true},
    {.name = "N9", .caption = "About ...", .imageIndex = 8},
    {.name = "N4", .caption = "Exit", .imageIndex = 5},
};

constexpr MenuItemLayout kMenu2Items[] = {
    {.name = "N11", .caption = "Развернуть", .isDefault = true},
    {.name = "N12", .caption = "Перенести в панель задач"},
    {.name = "N13", .caption = "Закрыть"},
};

}  // namespace

const FormLayout kForm1Layout{.name = "TForm1",
                              .caption = kMainWindowCaption,
                              .clientSize = {202, 183},
                              .font = kFormFont,
                              .centred = true,
                              .controls = kForm1Controls};
const MenuLayout kMenu1Layout{.name = "Menu1", .items = kMenu1Items};
const MenuLayout kMenu2Layout{.name = "Menu2", .items = kMenu2Items};

TForm1::TForm1(Toolkit& toolkit)
    : LayoutForm(toolkit, kForm1Layout),
      Image1(Bind<Picture>("Image1")),
      Speedbut123(Bind<GlyphButton>("Speedbut123")),
      SpeedButton(Bind<GlyphButton>("SpeedButton")),
      List(Bind<ListBox>("List")),
      Button1(Bind<PushButton>("Button1")),
      Button2(Bind<PushButton>("Button2")),
      Button3(Bind<PushButton>("Button3")),
      Button4(Bind<PushButton>("Button4")),
      Button5(Bind<PushButton>("Button5")),
      Button6(Bind<PushButton>("Button6")),
      ImageList(toolkit.ProgramImageList()),
      Menu1(toolkit.CreatePopupMenu(Window(), kMenu1Layout)),
      Menu2(toolkit.CreatePopupMenu(Window(), kMenu2Layout)),
      Tray(toolkit.CreateTrayIcon()),
      Test(toolkit.CreateTimer(10)) {
    AddMenu(*Menu1);
    AddMenu(*Menu2);
    Menu1->SetImages(ImageList);
    Tray->SetImages(ImageList);
    Tray->SetAnimationImages([&toolkit] { return toolkit.TrayAnimationFrames(); });
    Tray->SetImageIndex(0);
    Tray->SetHint(kApplicationTitle);
    Tray->SetPopupMenu(Menu1.get());
    Speedbut123->SetGlyph(CloseGlyph());
    SpeedButton->SetGlyph(HelpGlyph());
    CreateActions();
    ConnectEvents();
}

TForm1::~TForm1() = default;

void TForm1::FogWhenShown(LayoutForm& dialog) {
    dialog.Window().SetOnShow([this] { Window().Send(kFogMessage, 0, 0); });
}

ModalResult TForm1::ShowDialog(LayoutForm& dialog) {
    dialogOpen_ = true;
    ModalResult result = ModalResult::kNone;
    try {
        result = dialog.ShowModalOver(*this);
    } catch (...) {
        dialogOpen_ = false;
        throw;
    }
    dialogOpen_ = false;
    Window().Send(kFogMessage, 1, 0);
    return result;
}

void TForm1::AttachParts(MainWindowParts parts) {
    parts_.emplace(std::move(parts));
}

void TForm1::PopupMenuAt(int menu, Point at) {
    if (menu == 1) Menu1->Popup(at);
    if (menu == 2) Menu2->Popup(at);
}

}  // namespace quorvel
