// The Win32 windows and controls against the real API: layout values, texts, modal runs,
// shortcuts, lists and the hot-key control.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "win32/text_conversion.h"
#include "win32/win32_form.h"
#include "win32/win32_hot_key_edit.h"
#include "win32/win32_popup_menu.h"

namespace quorvel::win32 {
namespace {

constexpr ControlLayout kControls[] = {
    {.name = "Image1", .kind = ControlKind::kPicture, .bounds = {0, 0, 150, 120}, .autoSize = true},
    {.name = "List",
     .kind = ControlKind::kListBox,
     .bounds = {5, 30, 99, 80},
     .tabOrder = 0,
     .sorted = true,
     .border = false},
    {.name = "Ok",
     .kind = ControlKind::kPushButton,
     .bounds = {109, 29, 89, 24},
     .text = "Ok",
     .tabOrder = 1},
    {.name = "Box", .kind = ControlKind::kCheckBox, .bounds = {109, 60, 13, 13}, .tabOrder = 2},
    {.name = "Keys",
     .kind = ControlKind::kHotKeyEdit,
     .bounds = {5, 120, 164, 19},
     .tabOrder = 3,
     .hotKey = 57409},
    {.name = "Drives",
     .kind = ControlKind::kDropDownList,
     .bounds = {146, 80, 49, 21},
     .tabOrder = 4,
     .dropDownRows = 5},
    {.name = "Hidden",
     .kind = ControlKind::kEdit,
     .bounds = {8, 150, 100, 21},
     .tabOrder = 5,
     .visible = false},
};
constexpr FormLayout kLayout{.name = "Sample",
                             .caption = "Sample window",
                             .clientSize = {202, 183},
                             .font = {"MS Sans Serif", -11},
                             .centred = true,
                             .controls = kControls};
constexpr MenuItemLayout kItems[] = {
    {.name = "N1", .caption = "Show", .isDefault = true},
    {.name = "N5", .separator = true},
    {.name = "N14", .caption = "Web"},
    {.name = "N7", .caption = "Справка", .parent = "N14"},
    {.name = "N4", .caption = "Exit"},
};
constexpr MenuLayout kMenu{.name = "Menu", .items = kItems};

class ToolkitTest : public ::testing::Test {
  protected:
    ToolkitTest() : form(toolkit.CreateForm(kLayout)) {
        picture = toolkit.CreatePicture(*form, kControls[0]);
        list = toolkit.CreateListBox(*form, kControls[1]);
        ok = toolkit.CreatePushButton(*form, kControls[2]);
        box = toolkit.CreateCheckBox(*form, kControls[3]);
        keys = toolkit.CreateHotKeyEdit(*form, kControls[4]);
        drives = toolkit.CreateDropDownList(*form, kControls[5]);
        hidden = toolkit.CreateEdit(*form, kControls[6]);
    }
    HWND Window() const { return reinterpret_cast<HWND>(form->Handle()); }

    Win32Toolkit toolkit{GetModuleHandleW(nullptr)};
    std::unique_ptr<Form> form;
    std::unique_ptr<Picture> picture;
    std::unique_ptr<ListBox> list;
    std::unique_ptr<PushButton> ok;
    std::unique_ptr<CheckBox> box;
    std::unique_ptr<HotKeyEdit> keys;
    std::unique_ptr<DropDownList> drives;
    std::unique_ptr<Edit> hidden;
};

TEST_F(ToolkitTest, AFormIsBorderlessCentredAndHoldsItsControlsWhereTheLayoutSays) {
    EXPECT_EQ(form->ClientSize(), (Size{202, 183}));
    EXPECT_EQ(GetWindowLongW(Window(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    const Point at = form->Position();
    EXPECT_EQ(at.x, (GetSystemMetrics(SM_CXSCREEN) - 202) / 2);
    EXPECT_EQ(at.y, (GetSystemMetrics(SM_CYSCREEN) - 183) / 2);
    EXPECT_EQ(TextOf(Window()), L"Sample window");

    EXPECT_EQ(list->Bounds(), (LayoutRect{5, 30, 99, 80}));
    EXPECT_EQ(ok->Bounds(), (LayoutRect{109, 29, 89, 24}));
    EXPECT_EQ(box->Bounds(), (LayoutRect{109, 60, 13, 13}));
    EXPECT_EQ(keys->Bounds(), (LayoutRect{5, 120, 164, 19}));
    const LayoutRect closed = drives->Bounds();  // the closed box: its height is the font's
    EXPECT_EQ((LayoutRect{closed.left, closed.top, closed.width, 0}), (LayoutRect{146, 80, 49, 0}));
    EXPECT_EQ(ok->Text(), "Ok");
    EXPECT_FALSE(hidden->Visible());
    EXPECT_TRUE(ok->Visible());
    EXPECT_EQ(
        GetWindowLongW(reinterpret_cast<HWND>(GetDlgItem(Window(), 104)), GWL_STYLE) & WS_TABSTOP,
        WS_TABSTOP);
}

TEST_F(ToolkitTest, TextsKeepTheirCharactersBothWays) {
    ok->SetText("Закрыть");
    EXPECT_EQ(ok->Text(), "Закрыть");
    EXPECT_EQ(TextOf(GetDlgItem(Window(), 102)), L"Закрыть");
    form->SetCaption("ZORIZED3");
    EXPECT_EQ(form->Caption(), "ZORIZED3");

    Win32PopupMenu menu(dynamic_cast<Win32Form&>(*form), kMenu);
    menu.SetCaption("N7", "Домашняя страница");
    EXPECT_EQ(menu.Caption("N7"), "Домашняя страница");
    HMENU web = GetSubMenu(menu.Menu(), 2);
    wchar_t text[64] = {};
    GetMenuStringW(web, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Домашняя страница");
    EXPECT_EQ(GetMenuDefaultItem(menu.Menu(), TRUE, 0), 0u) << "the default item is the first";
    menu.SetEnabled("N4", false);
    EXPECT_FALSE(menu.Enabled("N4"));
    EXPECT_TRUE(menu.Enabled("N1"));
}

TEST_F(ToolkitTest, ASortedListOrdersWithoutRegardToCase) {
    list->Add("b");
    list->Add("Ctrl+A");
    list->Add("a");
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Item(0), "a");
    EXPECT_EQ(list->Item(1), "b");
    EXPECT_EQ(list->Item(2), "Ctrl+A");
    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
    list->SetItemIndex(7);
    EXPECT_EQ(list->ItemIndex(), -1);
    list->Delete(0);
    EXPECT_EQ(list->Item(0), "b");
}

TEST_F(ToolkitTest, TheHotKeyFieldHoldsTheWindowsKeyAndRecordsTheKeysItGets) {
    EXPECT_EQ(keys->Value(), 57409);  // Shift+Ctrl+Alt+A
    keys->SetValue(kShortcutWin | kShortcutCtrl | 'Q');
    EXPECT_EQ(keys->Value(), kShortcutWin | kShortcutCtrl | 'Q');
    EXPECT_EQ(keys->Text(), "Win+Ctrl+Q");
    int changes = 0;
    keys->SetOnChange([&] { ++changes; });
    HWND field = dynamic_cast<Win32HotKeyEdit&>(*keys).Hwnd();
    SendMessageW(field, WM_KEYDOWN, VK_F8, 0);
    EXPECT_EQ(keys->Value(), Shortcut(VK_F8));
    EXPECT_EQ(keys->Text(), "F8");
    SendMessageW(field, WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(keys->Value(), 0u);
    EXPECT_EQ(keys->Text(), "None");
    EXPECT_EQ(changes, 2);
}

TEST_F(ToolkitTest, SettingACheckBoxRaisesItsClickOnlyWhenTheStateChanges) {
    int clicks = 0;
    box->SetOnClick([&] { ++clicks; });
    box->SetChecked(true);
    box->SetChecked(true);
    box->SetChecked(false);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box->Checked());
}

TEST_F(ToolkitTest, AModalRunEndsWithTheResultItsButtonGivesAndTheOwnerIsEnabledAgain) {
    static constexpr FormLayout kOwnerLayout{
        .name = "Owner", .caption = "Owner", .clientSize = {300, 200}, .centred = true};
    auto owner = toolkit.CreateForm(kOwnerLayout);
    owner->Show();
    HWND ownerWindow = reinterpret_cast<HWND>(owner->Handle());
    SetActiveWindow(ownerWindow);
    ok->SetOnClick([&] { form->EndModal(ModalResult::kOk); });
    int shown = 0;
    form->SetOnShow([&] { ++shown; });

    bool ownerDisabled = false;
    UserThread user([&] {
        HWND modal = WaitForWindow(Win32Form::kClassName, L"Sample window");
        if (!modal) return;
        ownerDisabled = !IsWindowEnabled(ownerWindow);
        PressButton(modal, 102);
    });
    EXPECT_EQ(form->ShowModal(), ModalResult::kOk);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(ownerWindow));
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->Modal());
}

TEST_F(ToolkitTest, TheCloseCommandEndsAModalRunWithCancelUnlessRefused) {
    int asked = 0;
    form->SetOnClose([&] { return ++asked > 1; });
    UserThread user([&] {
        HWND modal = WaitForWindow(Win32Form::kClassName, L"Sample window");
        if (!modal) return;
        PostMessageW(modal, WM_CLOSE, 0, 0);  // refused
        PostMessageW(modal, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(form->ShowModal(), ModalResult::kCancel);
    EXPECT_EQ(asked, 2);
}

TEST_F(ToolkitTest, ShortcutsReachTheFormBeforeTheFocusedControl) {
    std::vector<Shortcut> taken;
    form->SetOnShortcut([&](Shortcut shortcut) {
        if ((shortcut & kShortcutKeyMask) != VK_INSERT) return false;
        taken.push_back(shortcut);
        return true;
    });
    form->Show();
    list->Add("one");
    list->SetFocus();
    PostMessageW(GetDlgItem(Window(), 101), WM_KEYDOWN, VK_INSERT, 1);
    PostMessageW(GetDlgItem(Window(), 101), WM_KEYDOWN, VK_DOWN, 1);
    PumpUntil(
        toolkit, [&] { return list->ItemIndex() == 0; }, std::chrono::seconds(3));
    EXPECT_EQ(taken, std::vector<Shortcut>{VK_INSERT});
    EXPECT_EQ(list->ItemIndex(), 0) << "other keys still reach the list";
}

TEST_F(ToolkitTest, APictureShowsItsBitmapAndTakesItsSize) {
    Bitmap image(40, 30, Rgb(10, 200, 30));
    image.SetPixel(0, 0, Rgb(255, 0, 0));
    picture->SetImage(image);
    EXPECT_EQ(picture->Bounds(), (LayoutRect{0, 0, 40, 30}));
    form->Show();
    PumpUntil(
        toolkit, [] { return false; }, std::chrono::milliseconds(200));
    HDC dc = GetDC(Window());
    const COLORREF corner = GetPixel(dc, 0, 0);
    const COLORREF inside = GetPixel(dc, 20, 15);
    ReleaseDC(Window(), dc);
    EXPECT_EQ(corner, RGB(255, 0, 0));
    EXPECT_EQ(inside, RGB(10, 200, 30));
}

TEST_F(ToolkitTest, ARegionShapesTheWindow) {
    form->SetRegion({{0, 0, 202}, {10, 182, 60}});  // runs: left, row, right
    RECT box{};
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(Window(), region), COMPLEXREGION);
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_EQ(box.right, 202);
    EXPECT_EQ(box.bottom, 183);
}

}  // namespace
}  // namespace quorvel::win32
