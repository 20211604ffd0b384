#include "windows/combination_editor.h"

#include "ui/glyphs.h"

namespace quorvel {

namespace {

constexpr ControlLayout kForm2Controls[] = {
    {.name = "Image1", .kind = ControlKind::kPicture, .bounds = {0, 0, 203, 185}, .autoSize = true},
    {.name = "HotKey",
     .kind = ControlKind::kHotKeyEdit,
     .bounds = {5, 37, 164, 19},
     .tabOrder = 0,
     .hotKey = 57409},
    {.name = "C1",
     .kind = ControlKind::kCheckBox,
     .bounds = {6, 64, 13, 13},
     .text = "Enable hot key",
     .tabOrder = 1,
     .checked = true},
    {.name = "C2",
     .kind = ControlKind::kCheckBox,
     .bounds = {6, 83, 13, 13},
     .text = "To request acknowledgement",
     .tabOrder = 2},
    {.name = "Comment",
     .kind = ControlKind::kMemo,
     .bounds = {5, 64, 191, 33},
     .tabOrder = 3,
     .visible = false},
    {.name = "Plugin",
     .kind = ControlKind::kDropDownList,
     .bounds = {5, 117, 191, 21},
     .tabOrder = 4,
     .sorted = true,
     .dropDownRows = 19},
    {.name = "Button1",
     .kind = ControlKind::kPushButton,
     .bounds = {7, 150, 81, 25},
     .text = "Next",
     .tabOrder = 5},
    {.name = "Button2",
     .kind = ControlKind::kPushButton,
     .bounds = {113, 150, 81, 25},
     .text = "Cancel",
     .tabOrder = 6},
    {.name = "Speed",
     .kind = ControlKind::kGlyphButton,
     .bounds = {162, 8, 20, 15},
     .hint = "Close"},
    {.name = "Speed2",
     .kind = ControlKind::kGlyphButton,
     .bounds = {173, 37, 23, 20},
     .hint = "Show comment"},
};

}  // namespace

const FormLayout kForm2Layout{.name = "TForm2",
                              .caption = "Combination",
                              .clientSize = {203, 185},
                              .font = {"MS Sans Serif", -11},
                              .controls = kForm2Controls};

TForm2::TForm2(Toolkit& toolkit)
    : LayoutForm(toolkit, kForm2Layout),
      Image1(Bind<Picture>("Image1")),
      HotKey(Bind<HotKeyEdit>("HotKey")),
      C1(Bind<CheckBox>("C1")),
      C2(Bind<CheckBox>("C2")),
      Comment(Bind<Memo>("Comment")),
      Plugin(Bind<DropDownList>("Plugin")),
      Button1(Bind<PushButton>("Button1")),
      Button2(Bind<PushButton>("Button2")),
      Speed(Bind<GlyphButton>("Speed")),
      Speed2(Bind<GlyphButton>("Speed2")) {
    Speed->SetGlyph(CloseGlyph());
    Speed2->SetGlyph(CommentGlyph());
    ConnectEvents();
}

}  // namespace quorvel
