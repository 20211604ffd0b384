// Parking other programs' windows behind tray icons, through the main window's messages
// and Menu2, with the program on fakes.
#include "app/window_parking.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "heart_fixture.h"

namespace quorvel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ShownIcon = fakes::FakeParkingSystem::ShownIcon;

class WindowParkingTest : public HeartTest {
  protected:
    WindowParkingTest() : desktop_(*fake_.parking) {
        for (std::uintptr_t w = 1; w <= 60; ++w)
            desktop_.windows[w] = {.caption = "Window " + std::to_string(w),
                                   .icons = {{IconSource::kWindowSmall, 0x100 + w}}};
    }
    void Park(std::uintptr_t window) { MainWindow().Send(kParkWindowMessage, window, 0); }
    void IconSays(int slot, unsigned mouseMessage) {
        MainWindow().Send(kParkedIconMessage, std::uintptr_t(slot), std::intptr_t(mouseMessage));
    }
    void Click(int slot) { IconSays(slot, kLeftButtonDownMessage); }
    FakePopupMenu& Menu2() { return toolkit_.GetMenu("Menu2"); }
    // What happens when the icon of a slot is right-clicked and an item chosen.
    void ChooseFromIcon(int slot, const char* item) {
        Menu2().WhileNextPopup([this, item] { EXPECT_TRUE(Menu2().Choose(item)); });
        IconSays(slot, kRightButtonDownMessage);
    }
    std::vector<std::string> CallsAfterParking() {
        std::vector<std::string> calls = desktop_.calls;
        desktop_.calls.clear();
        return calls;
    }

    fakes::FakeParkingSystem& desktop_;
};

TEST_F(WindowParkingTest, SlotsAreTakenFromTheTopAndAFreedSlotIsReusedBeforeLowerOnes) {
    Park(1);
    Park(2);
    Park(3);
    EXPECT_THAT(desktop_.icons, ElementsAre(testing::Key(48), testing::Key(49), testing::Key(50)));
    EXPECT_FALSE(desktop_.windows[2].visible);

    Click(49);  // window 2 comes back
    EXPECT_TRUE(desktop_.windows[2].visible);
    Park(4);
    EXPECT_EQ(desktop_.icons.at(49).tip, "Window 4");

    Park(1);  // the same window again: a second icon
    EXPECT_EQ(desktop_.icons.at(47).tip, "Window 1");
    EXPECT_EQ(desktop_.icons.at(50).tip, "Window 1");
}

TEST_F(WindowParkingTest, TheTipIsTheCaptionCutTo63BytesOrTheNoCaptionText) {
    desktop_.windows[1].caption = std::string(70, 'x');
    desktop_.windows[2].caption = "";
    // 62 plain letters and a two-byte letter that would end past the limit.
    desktop_.windows[3].caption = std::string(62, 'a') + "\xD0\x96" + "b";
    desktop_.windows[4].caption = std::string(63, 'c');
    Park(1);
    Park(2);
    Park(3);
    Park(4);
    EXPECT_EQ(desktop_.icons.at(50).tip, std::string(63, 'x'));
    EXPECT_EQ(desktop_.icons.at(49).tip, "Pardon, caption text not detected");
    EXPECT_EQ(desktop_.icons.at(48).tip, std::string(62, 'a'));
    EXPECT_EQ(desktop_.icons.at(47).tip, std::string(63, 'c'));
}

TEST_F(WindowParkingTest, TheIconIsTheFirstOfSmallBigClassSmallClassAndTheSystemDefault) {
    using S = IconSource;
    desktop_.windows[1].icons = {{S::kWindowBig, 0xB1}, {S::kClassSmall, 0xC1}};
    desktop_.windows[2].icons = {{S::kClassSmall, 0xC2}, {S::kClass, 0xD2}};
    desktop_.windows[3].icons = {{S::kClass, 0xD3}};
    desktop_.windows[4].icons = {};
    desktop_.windows[5].icons = {{S::kWindowSmall, 0xA5}, {S::kWindowBig, 0xB5}};
    for (std::uintptr_t w = 1; w <= 5; ++w) Park(w);
    EXPECT_EQ(desktop_.icons.at(50).icon, 0xB1u);
    EXPECT_EQ(desktop_.icons.at(49).icon, 0xC2u);
    EXPECT_EQ(desktop_.icons.at(48).icon, 0xD3u);
    EXPECT_EQ(desktop_.icons.at(47).icon, desktop_.defaultIcon);
    EXPECT_EQ(desktop_.icons.at(46).icon, 0xA5u);
}

TEST_F(WindowParkingTest, AWindowIsHiddenOnlyWhenItsIconWasAdded) {
    desktop_.refuseIcons = true;
    Park(1);
    EXPECT_TRUE(desktop_.windows[1].visible);
    desktop_.refuseIcons = false;
    Park(1);  // the refused slot is still free
    EXPECT_THAT(desktop_.icons, ElementsAre(testing::Key(50)));
    EXPECT_FALSE(desktop_.windows[1].visible);
}

TEST_F(WindowParkingTest, TheTaskBarIsNeverParked) {
    desktop_.windows[desktop_.taskBar] = {.caption = "Task bar"};
    Park(desktop_.taskBar);
    EXPECT_THAT(desktop_.icons, IsEmpty());
    EXPECT_TRUE(desktop_.windows[desktop_.taskBar].visible);
}

TEST_F(WindowParkingTest, The52ndRequestIsRefusedWithABeepAndTheWindowStaysAsItWas) {
    for (std::uintptr_t w = 1; w <= 51; ++w) Park(w);
    EXPECT_EQ(desktop_.icons.size(), 51u);
    EXPECT_EQ(toolkit_.dialogs.beeps, 0);
    desktop_.calls.clear();
    Park(52);
    EXPECT_EQ(toolkit_.dialogs.beeps, 1);
    EXPECT_THAT(desktop_.calls, IsEmpty());
    EXPECT_TRUE(desktop_.windows[52].visible);
}

TEST_F(WindowParkingTest, ALeftClickRestoresTheWindowInFrontAndRemovesItsIcon) {
    Park(7);
    CallsAfterParking();
    Click(50);
    EXPECT_THAT(desktop_.calls,
                ElementsAre("foreground 7", "show 7 restore", "show 7 show", "remove 50"));
    EXPECT_THAT(desktop_.icons, IsEmpty());
    Click(50);  // the slot is free: nothing more
    EXPECT_EQ(desktop_.calls.size(), 4u);
}

TEST_F(WindowParkingTest, TheMenuOfAnIconActsOnTheSlotThatSpokeLast) {
    Park(1);
    Park(2);
    Park(3);
    CallsAfterParking();

    ChooseFromIcon(50, "N12");
    EXPECT_THAT(Menu2().popups, ElementsAre(desktop_.cursor));
    EXPECT_THAT(desktop_.calls, ElementsAre("show 1 restore", "show 1 minimize", "remove 50"));

    // A mere movement over another icon makes its slot the current one.
    IconSays(48, 0x200);
    desktop_.calls.clear();
    EXPECT_TRUE(Menu2().Choose("N13"));
    EXPECT_THAT(desktop_.calls, ElementsAre("show 3 show", "close 3", "remove 48"));

    IconSays(49, 0x200);
    desktop_.calls.clear();
    EXPECT_TRUE(Menu2().Choose("N11"));
    EXPECT_THAT(desktop_.calls,
                ElementsAre("foreground 2", "show 2 restore", "show 2 show", "remove 49"));
}

TEST_F(WindowParkingTest, AWindowThatHasGoneLosesItsIconAtTheFirstClickAndNothingElseHappens) {
    Park(1);
    Park(2);
    desktop_.windows.erase(1);
    desktop_.windows.erase(2);
    CallsAfterParking();
    Click(50);
    IconSays(49, kRightButtonDownMessage);
    EXPECT_THAT(desktop_.calls, ElementsAre("remove 50", "remove 49"));
    EXPECT_THAT(Menu2().popups, IsEmpty());
    Park(3);  // the slot is free again
    EXPECT_EQ(desktop_.icons.at(50).tip, "Window 3");
}

TEST_F(WindowParkingTest, ParkedIconsComeBackWhenTheTaskBarRestarts) {
    Park(1);
    Park(2);
    Click(49);
    desktop_.icons.clear();  // gone with the old task bar
    toolkit_.TrayIcons().at(0)->RestartTaskBar();
    EXPECT_THAT(desktop_.icons, ElementsAre(std::pair{50, ShownIcon{0x101, "Window 1"}}));
}

TEST_F(WindowParkingTest, WindowsStillParkedAreShownAgainWhenTheProgramEnds) {
    Park(1);
    Park(2);
    Park(3);
    Click(49);
    desktop_.windows.erase(3);  // its program ended meanwhile
    CallsAfterParking();
    program_->Run();
    EXPECT_THAT(desktop_.calls, ElementsAre("remove 48", "show 1 show", "remove 50"));
    EXPECT_THAT(desktop_.icons, IsEmpty());
}

}  // namespace
}  // namespace quorvel
