#include "windows/options_dialog.h"

#include "ui/glyphs.h"

namespace quorvel {

namespace {

constexpr Shortcut kEnterKey = 13;
constexpr Shortcut kEscapeKey = 27;

// Page 1's controls are shown as designed; the pages' other controls are shown by page.
constexpr ControlLayout kForm3Controls[] = {
    {.name = "Image1", .kind = ControlKind::kPicture, .bounds = {0, 0, 202, 183}, .autoSize = true},
    {.name = "S1", .kind = ControlKind::kGlyphButton, .bounds = {152, 8, 20, 15}, .hint = "Back"},
    {.name = "S2", .kind = ControlKind::kGlyphButton, .bounds = {176, 8, 20, 15}, .hint = "Next"},
    {.name = "C1",
     .kind = ControlKind::kCheckBox,
     .bounds = {4, 28, 13, 13},
     .text = "Run at Startup",
     .tabOrder = 0,
     .checked = true},
    {.name = "C2",
     .kind = ControlKind::kCheckBox,
     .bounds = {4, 52, 13, 13},
     .text = "Enable hot key",
     .tabOrder = 1,
     .checked = true},
    {.name = "C3",
     .kind = ControlKind::kCheckBox,
     .bounds = {4, 77, 13, 13},
     .text = "Warn when exiting program",
     .tabOrder = 2,
     .checked = true},
    {.name = "C4",
     .kind = ControlKind::kCheckBox,
     .bounds = {4, 101, 13, 13},
     .text = "Warn when setting window",
     .tabOrder = 3,
     .checked = true},
    {.name = "C5",
     .kind = ControlKind::kCheckBox,
     .bounds = {4, 126, 13, 13},
     .text = "Warn when deleting hot key",
     .tabOrder = 4,
     .checked = true},
    {.name = "C7",
     .kind = ControlKind::kCheckBox,
     .bounds = {4, 28, 13, 13},
     .text = "Disable fast call",
     .tabOrder = 5,
     .visible = false},
    {.name = "C8",
     .kind = ControlKind::kCheckBox,
     .bounds = {4, 52, 13, 13},
     .text = "Detected disk in CD-ROM",
     .tabOrder = 6,
     .visible = false},
    {.name = "DriveLeter",
     .kind = ControlKind::kDropDownList,
     .bounds = {146, 73, 49, 21},
     .tabOrder = 7,
     .visible = false},
    {.name = "C9",
     .kind = ControlKind::kCheckBox,
     .bounds = {21, 100, 13, 13},
     .text = "Animation",
     .tabOrder = 8,
     .visible = false},
    {.name = "Box",
     .kind = ControlKind::kDropDownList,
     .bounds = {8, 73, 187, 21},
     .tabOrder = 9,
     .visible = false},
    {.name = "Button3",
     .kind = ControlKind::kPushButton,
     .bounds = {49, 110, 105, 25},
     .text = "Load language",
     .tabOrder = 10,
     .visible = false},
    {.name = "ListSkin",
     .kind = ControlKind::kListBox,
     .bounds = {11, 48, 83, 97},
     .tabOrder = 11,
     .visible = false,
     .border = false},
    {.name = "Button4",
     .kind = ControlKind::kPushButton,
     .bounds = {108, 49, 85, 25},
     .text = "Load skin",
     .tabOrder = 12,
     .visible = false},
    {.name = "FolderEdit",
     .kind = ControlKind::kEdit,
     .bounds = {8, 73, 187, 21},
     .tabOrder = 13,
     .visible = false},
    {.name = "C6",
     .kind = ControlKind::kCheckBox,
     .bounds = {8, 100, 13, 13},
     .text = "Auto",
     .tabOrder = 14,
     .visible = false,
     .checked = true},
    {.name = "Button1",
     .kind = ControlKind::kPushButton,
     .bounds = {10, 150, 85, 25},
     .text = "Ok",
     .tabOrder = 15},
    {.name = "Button2",
     .kind = ControlKind::kPushButton,
     .bounds = {108, 150, 85, 25},
     .text = "Cancel",
     .tabOrder = 16},
};

}  // namespace

const FormLayout kForm3Layout{.name = "TForm3",
                              .caption = "Option",
                              .clientSize = {202, 183},
                              .font = {"MS Sans Serif", -11},
                              .controls = kForm3Controls};

TForm3::TForm3(Toolkit& toolkit)
    : LayoutForm(toolkit, kForm3Layout),
      Image1(Bind<Picture>("Image1")),
      S1(Bind<GlyphButton>("S1")),
      S2(Bind<GlyphButton>("S2")),
      Button1(Bind<PushButton>("Button1")),
      Button2(Bind<PushButton>("Button2")),
      C1(Bind<CheckBox>("C1")),
      C2(Bind<CheckBox>("C2")),
      C3(Bind<CheckBox>("C3")),
      C4(Bind<CheckBox>("C4")),
      C5(Bind<CheckBox>("C5")),
      C6(Bind<CheckBox>("C6")),
      C7(Bind<CheckBox>("C7")),
      C8(Bind<CheckBox>("C8")),
      C9(Bind<CheckBox>("C9")),
      DriveLeter(Bind<DropDownList>("DriveLeter")),
      Box(Bind<DropDownList>("Box")),
      Button3(Bind<PushButton>("Button3")),
      ListSkin(Bind<ListBox>("ListSkin")),
      Button4(Bind<PushButton>("Button4")),
      FolderEdit(Bind<Edit>("FolderEdit")) {
    S1->SetGlyph(BackGlyph());
    S2->SetGlyph(NextGlyph());
    ConnectEvents();
}

void TForm3::ConnectEvents() {
    S1->SetOnClick([this] { StepOptionsPage(false); });
    S2->SetOnClick([this] { StepOptionsPage(true); });
    Button1->SetOnClick([this] { Ok(); });
    Button2->SetOnClick([this] { Window().EndModal(ModalResult::kCancel); });
    Button3->SetOnClick([this] { LoadLanguageClick(); });
    Button4->SetOnClick([this] { LoadSkinClick(); });
    ListSkin->SetOnDoubleClick([this] { LoadSkinClick(); });
    C6->SetOnClick([this] { C6Click(); });
    C8->SetOnClick([this] { C8Click(); });
    Window().SetOnShow([this] { Showing(); });
    Window().SetOnShortcut([this](Shortcut shortcut) { return HandleShortcut(shortcut); });
}

// Enter is Ok and Esc is Cancel, as in any dialog; Enter on a focused button presses that
// button, and in an open drop-down list it takes the entry.
bool TForm3::HandleShortcut(Shortcut shortcut) {
    if (shortcut == kEscapeKey) {
        Window().EndModal(ModalResult::kCancel);
        return true;
    }
    if (shortcut != kEnterKey || DriveLeter->DroppedDown() || Box->DroppedDown()) return false;
    if (Button2->Focused())
        Window().EndModal(ModalResult::kCancel);
    else if (Button3->Focused())
        LoadLanguageClick();
    else if (Button4->Focused())
        LoadSkinClick();
    else
        Ok();
    return true;
}

void TForm3::Ok() {
    // A write that fails stops here, with the dialog still open and its values kept.
    SaveOption();
    Window().EndModal(ModalResult::kOk);
}

}  // namespace quorvel
