// The four windows and the two menus as their layouts declare them, built through the
// fake toolkit.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "fakes/fake_services.h"
#include "fakes/fake_toolkit.h"

namespace quorvel {
namespace {

const FormLayout* const kAllLayouts[] = {&kForm1Layout, &kForm2Layout, &kForm3Layout,
                                         &kForm4Layout};

class FormsLayoutTest : public ::testing::Test {
  protected:
    // The dialogs are made as they are first needed; here all of them, after the start.
    FormsLayoutTest() {
        program.Form2();
        program.Form3();
        program.Form4();
    }

    FakeToolkit toolkit;
    FakeServices fake_;
    Program program{toolkit, fake_.services};
    const std::vector<std::string> createdAtStart = toolkit.created;
};

TEST(FormLayouts, NamesAreUniqueAndTabStopsFormOneUnbrokenCycle) {
    for (const FormLayout* layout : kAllLayouts) {
        SCOPED_TRACE(std::string(layout->name));
        std::set<std::string_view> names;
        std::vector<int> tabOrders;
        for (const ControlLayout& control : layout->controls) {
            EXPECT_TRUE(names.insert(control.name).second) << "twice: " << control.name;
            if (control.tabOrder >= 0) tabOrders.push_back(control.tabOrder);
        }
        std::sort(tabOrders.begin(), tabOrders.end());
        for (std::size_t i = 0; i < tabOrders.size(); ++i) EXPECT_EQ(tabOrders[i], int(i));
    }
}

TEST(FormLayouts, EveryControlLiesInsideItsWindowOverAPictureThatFillsIt) {
    for (const FormLayout* layout : kAllLayouts) {
        SCOPED_TRACE(std::string(layout->name));
        const ControlLayout& picture = layout->controls.front();
        EXPECT_EQ(picture.name, "Image1");
        EXPECT_EQ(picture.kind, ControlKind::kPicture);
        EXPECT_EQ(picture.bounds,
                  (LayoutRect{0, 0, layout->clientSize.width, layout->clientSize.height}));
        for (const ControlLayout& control : layout->controls) {
            EXPECT_GE(control.bounds.left, 0) << control.name;
            EXPECT_GE(control.bounds.top, 0) << control.name;
            EXPECT_LE(control.bounds.left + control.bounds.width, layout->clientSize.width)
                << control.name;
            EXPECT_LE(control.bounds.top + control.bounds.height, layout->clientSize.height)
                << control.name;
        }
    }
}

TEST(FormLayouts, MenuItemNamesAreUniqueAcrossTheMainWindowAndItsMenus) {
    std::set<std::string_view> names;
    for (const ControlLayout& control : kForm1Layout.controls) names.insert(control.name);
    for (const MenuLayout* menu : {&kMenu1Layout, &kMenu2Layout})
        for (const MenuItemLayout& item : menu->items)
            EXPECT_TRUE(names.insert(item.name).second) << "twice: " << item.name;
}

TEST_F(FormsLayoutTest, WindowsAreCreatedInOrderEachFollowedByItsControls) {
    auto forms = [](const std::vector<std::string>& created) {
        std::vector<std::string> forms;
        for (const std::string& name : created)
            if (name.starts_with("TForm")) forms.push_back(name);
        return forms;
    };
    // Only the main window at start; each dialog as it is first needed.
    EXPECT_EQ(forms(createdAtStart), (std::vector<std::string>{"TForm1"}));
    EXPECT_EQ(forms(toolkit.created),
              (std::vector<std::string>{"TForm1", "TForm2", "TForm3", "TForm4"}));

    // Within a window: tab stops in Tab order, the picture last (beneath the others).
    auto at = [&](const std::string& name) {
        return std::find(toolkit.created.begin(), toolkit.created.end(), name) -
               toolkit.created.begin();
    };
    EXPECT_LT(at("TForm1"), at("List"));
    EXPECT_LT(at("List"), at("Button1"));
    EXPECT_LT(at("Button5"), at("Button6"));
    EXPECT_LT(at("Button6"), at("Speedbut123"));
    EXPECT_LT(at("Speedbut123"), at("Image1"));
    EXPECT_LT(at("Image1"), at("TForm2"));
}

TEST_F(FormsLayoutTest, EveryControlOfEveryLayoutExistsWithItsKindPlaceAndCaption) {
    for (const FormLayout* layout : kAllLayouts) {
        SCOPED_TRACE(std::string(layout->name));
        FakeForm& form = toolkit.FormNamed(layout->name);
        EXPECT_EQ(form.Controls().size(), layout->controls.size());
        for (const ControlLayout& control : layout->controls) {
            FakeControlBase* fake = form.Find(control.name);
            ASSERT_NE(fake, nullptr) << control.name;
            EXPECT_EQ(fake->Layout().kind, control.kind) << control.name;
            EXPECT_EQ(fake->AsControl().Bounds(), control.bounds) << control.name;
            EXPECT_EQ(fake->AsControl().Text(), control.text) << control.name;
            EXPECT_EQ(fake->AsControl().Visible(), control.visible) << control.name;
        }
        EXPECT_EQ(form.Caption(), layout->caption);
        EXPECT_EQ(form.ClientSize(), layout->clientSize);
        EXPECT_FALSE(form.Visible()) << "windows are shown by the program, not by creation";
    }
}

// A few controls of each window, as the layout tables give them.
struct Expected {
    std::string_view form;
    std::string_view name;
    ControlKind kind;
    LayoutRect bounds;
    std::string_view text;
};

const Expected kRepresentative[] = {
    {"TForm1", "List", ControlKind::kListBox, {5, 30, 99, 113}, ""},
    {"TForm1", "Button1", ControlKind::kPushButton, {109, 29, 89, 24}, "Create"},
    {"TForm1", "Button3", ControlKind::kPushButton, {109, 89, 89, 25}, "Update"},
    {"TForm1", "Button5", ControlKind::kPushButton, {3, 150, 103, 25}, "About"},
    {"TForm1", "Button6", ControlKind::kPushButton, {109, 150, 89, 25}, "Minimized"},
    {"TForm1", "Speedbut123", ControlKind::kGlyphButton, {172, 8, 20, 15}, ""},
    {"TForm2", "HotKey", ControlKind::kHotKeyEdit, {5, 37, 164, 19}, ""},
    {"TForm2", "C2", ControlKind::kCheckBox, {6, 83, 13, 13}, "To request acknowledgement"},
    {"TForm2", "Comment", ControlKind::kMemo, {5, 64, 191, 33}, ""},
    {"TForm2", "Plugin", ControlKind::kDropDownList, {5, 117, 191, 21}, ""},
    {"TForm2", "Button2", ControlKind::kPushButton, {113, 150, 81, 25}, "Cancel"},
    {"TForm2", "Speed2", ControlKind::kGlyphButton, {173, 37, 23, 20}, ""},
    {"TForm3", "S2", ControlKind::kGlyphButton, {176, 8, 20, 15}, ""},
    {"TForm3", "C5", ControlKind::kCheckBox, {4, 126, 13, 13}, "Warn when deleting hot key"},
    {"TForm3", "C9", ControlKind::kCheckBox, {21, 100, 13, 13}, "Animation"},
    {"TForm3", "DriveLeter", ControlKind::kDropDownList, {146, 73, 49, 21}, ""},
    {"TForm3", "ListSkin", ControlKind::kListBox, {11, 48, 83, 97}, ""},
    {"TForm3", "Button3", ControlKind::kPushButton, {49, 110, 105, 25}, "Load language"},
    {"TForm3", "FolderEdit", ControlKind::kEdit, {8, 73, 187, 21}, ""},
    {"TForm4", "XPLabel1", ControlKind::kLabel, {19, 25, 162, 17}, "Quorvel 3.5"},
    {"TForm4", "XPBitBtn1", ControlKind::kPushButton, {10, 149, 87, 25}, "Ok"},
    {"TForm4", "XPBitBtn3", ControlKind::kPushButton, {104, 149, 89, 25}, "Gratitude ..."},
};

TEST_F(FormsLayoutTest, RepresentativeControlsHaveTheirLayoutValues) {
    for (const Expected& expected : kRepresentative) {
        SCOPED_TRACE(std::string(expected.form) + "." + std::string(expected.name));
        FakeControlBase* fake = toolkit.FormNamed(expected.form).Find(expected.name);
        ASSERT_NE(fake, nullptr);
        EXPECT_EQ(fake->Layout().kind, expected.kind);
        EXPECT_EQ(fake->AsControl().Bounds(), expected.bounds);
        EXPECT_EQ(fake->AsControl().Text(), expected.text);
    }
}

TEST_F(FormsLayoutTest, ControlSettingsOfTheLayouts) {
    FakeForm& main = toolkit.FormNamed("TForm1");
    EXPECT_EQ(main.Caption(), "ZORIZED3");
    EXPECT_EQ(main.ClientSize(), (Size{202, 183}));
    EXPECT_EQ(main.Layout().font, (FontSpec{"MS Sans Serif", -11}));
    EXPECT_TRUE(main.Layout().centred);
    EXPECT_TRUE(main.Get<FakeListBox>("List").Layout().sorted);
    EXPECT_FALSE(main.Get<FakeListBox>("List").Layout().border);
    EXPECT_EQ(main.Get<FakeGlyphButton>("Speedbut123").Hint(), "Exit");
    EXPECT_EQ(main.Get<FakeGlyphButton>("SpeedButton").Hint(),
              "http://www.quorvel.net/documentation.htm");

    FakeForm& editor = toolkit.FormNamed("TForm2");
    EXPECT_EQ(editor.Caption(), "Combination");
    EXPECT_EQ(editor.Get<FakeHotKeyEdit>("HotKey").Value(), 57409);  // Shift+Ctrl+Alt+A
    EXPECT_TRUE(editor.Get<FakeCheckBox>("C1").Checked());
    EXPECT_FALSE(editor.Get<FakeCheckBox>("C2").Checked());
    EXPECT_EQ(editor.Get<FakeDropDownList>("Plugin").Layout().dropDownRows, 19);
    EXPECT_TRUE(editor.Get<FakeDropDownList>("Plugin").Layout().sorted);
    EXPECT_EQ(editor.Get<FakeGlyphButton>("Speed").Hint(), "Close");

    FakeForm& options = toolkit.FormNamed("TForm3");
    for (const char* name : {"C1", "C2", "C3", "C4", "C5", "C6"})
        EXPECT_TRUE(options.Get<FakeCheckBox>(name).Checked()) << name;
    for (const char* name : {"C7", "C8", "C9"})
        EXPECT_FALSE(options.Get<FakeCheckBox>(name).Checked()) << name;
    EXPECT_FALSE(options.Get<FakeDropDownList>("DriveLeter").Layout().sorted);
    EXPECT_FALSE(options.Get<FakeListBox>("ListSkin").Layout().border);
    EXPECT_EQ(options.Get<FakeGlyphButton>("S1").Hint(), "Back");

    const FakeLabel& label = toolkit.FormNamed("TForm4").Get<FakeLabel>("XPLabel1");
    EXPECT_EQ(label.Layout().font, (FontSpec{"Courier New", -15, true}));
    EXPECT_TRUE(label.Layout().handCursor);
    EXPECT_EQ(label.Hint(), "http://www.quorvel.net/index.htm");
}

TEST_F(FormsLayoutTest, EachPictureHoldsAPlainBitmapOfItsLayoutSize) {
    for (const FormLayout* layout : kAllLayouts) {
        const auto& picture = toolkit.FormNamed(layout->name).Get<FakePicture>("Image1");
        EXPECT_EQ(picture.Image(),
                  Bitmap(layout->clientSize.width, layout->clientSize.height, kPlainPictureColor))
            << layout->name;
    }
}

TEST_F(FormsLayoutTest, EveryGlyphButtonShowsAGlyph) {
    for (const FormLayout* layout : kAllLayouts) {
        for (const ControlLayout& control : layout->controls) {
            if (control.kind != ControlKind::kGlyphButton) continue;
            const auto& button = toolkit.FormNamed(layout->name).Get<FakeGlyphButton>(control.name);
            EXPECT_FALSE(button.Glyph().Empty()) << control.name;
        }
    }
}

TEST_F(FormsLayoutTest, TheTrayMenuHasItsItemsSubmenuAndDefault) {
    FakePopupMenu& menu = toolkit.GetMenu("Menu1");
    EXPECT_EQ(&menu.Owner(), &toolkit.FormNamed("TForm1"));
    std::vector<std::string_view> order;
    for (const MenuItemLayout& item : menu.Layout().items) order.push_back(item.name);
    EXPECT_EQ(order, (std::vector<std::string_view>{"N1", "N2", "N5", "N14", "N7", "N10", "N6",
                                                    "N9", "N4"}));
    EXPECT_TRUE(menu.Layout().items[0].isDefault);
    EXPECT_TRUE(menu.Layout().items[2].separator);
    EXPECT_TRUE(menu.Layout().items[6].separator);
    EXPECT_EQ(menu.Layout().items[4].parent, "N14");
    EXPECT_EQ(menu.Layout().items[5].parent, "N14");
    EXPECT_EQ(menu.Caption("N7"), "Справка");
    EXPECT_EQ(menu.Caption("N10"), "Домашняя страница Quorvel");
    EXPECT_EQ(menu.Caption("N14"), "Quorvel to Web");
    EXPECT_EQ(menu.ImageIndex("N1"), 0);
    EXPECT_EQ(menu.ImageIndex("N2"), 3);
    EXPECT_EQ(menu.ImageIndex("N14"), 4);
    EXPECT_EQ(menu.ImageIndex("N7"), 7);
    EXPECT_EQ(menu.ImageIndex("N9"), 8);
    EXPECT_EQ(menu.ImageIndex("N4"), 5);
    EXPECT_EQ(menu.Images().size(), 9u);
    EXPECT_FALSE(menu.Choose("N14")) << "a submenu is opened, not run";
    EXPECT_FALSE(menu.Choose("N5")) << "a separator cannot be chosen";
}

TEST_F(FormsLayoutTest, TheParkingMenuHasThreeItemsRestoreFirstAndDefault) {
    FakePopupMenu& menu = toolkit.GetMenu("Menu2");
    ASSERT_EQ(menu.Layout().items.size(), 3u);
    EXPECT_TRUE(menu.Layout().items[0].isDefault);
    EXPECT_EQ(menu.Caption("N11"), "Развернуть");
    EXPECT_EQ(menu.Caption("N12"), "Перенести в панель задач");
    EXPECT_EQ(menu.Caption("N13"), "Закрыть");
}

TEST_F(FormsLayoutTest, TheTrayIconAndTheWatchTimerStartIdle) {
    ASSERT_EQ(toolkit.TrayIcons().size(), 1u);
    const FakeTrayIcon& tray = *toolkit.TrayIcons().front();
    EXPECT_FALSE(tray.Active());
    EXPECT_EQ(tray.Hint(), "Quorvel 3.5");
    EXPECT_EQ(tray.Menu(), program.Form1().Menu1.get());
    EXPECT_EQ(tray.ImageIndex(), 0);
    EXPECT_EQ(tray.Images().size(), 9u);

    // The disc watch's, then the held-key watch's.
    ASSERT_EQ(toolkit.Timers().size(), 2u);
    for (const FakeTimer* timer : toolkit.Timers()) EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(toolkit.Timers().front()->Interval(), 10);
}

TEST_F(FormsLayoutTest, ImageListPicturesAreDistinct) {
    const auto& images = program.Form1().ImageList;
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << i << " and " << j;
}

TEST_F(FormsLayoutTest, CaptionsAreSetByLayoutNameOnControlsAndMenuItems) {
    TForm1& main = program.Form1();
    EXPECT_TRUE(main.SetCaption("Button3", "Ändern"));
    EXPECT_EQ(main.Button3->Text(), "Ändern");
    EXPECT_TRUE(main.SetCaption("N10", "Home page"));
    EXPECT_EQ(main.Menu1->Caption("N10"), "Home page");
    EXPECT_TRUE(main.SetCaption("N13", "Close"));
    EXPECT_EQ(main.Menu2->Caption("N13"), "Close");
    EXPECT_FALSE(main.SetCaption("Button7", "x"));
    EXPECT_FALSE(main.SetCaption("XPBitBtn1", "x")) << "a control of another window";

    EXPECT_TRUE(program.Form4().SetCaption("XPBitBtn1", "OK!"));
    EXPECT_EQ(program.Form4().XPBitBtn1->Text(), "OK!");
    EXPECT_TRUE(program.Form3().SetCaption("C6", "Auto"));
    EXPECT_FALSE(program.Form2().SetCaption("N1", "x"));
}

}  // namespace
}  // namespace quorvel
