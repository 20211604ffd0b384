// The disc-in-drive watch in the program on fakes: the CD drives listed, the tray picture
// at each tick, the hand edits it sees, and who starts and stops it.
#include "settings/disc_watch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "heart_fixture.h"

namespace quorvel {
namespace {

class DiscWatchTest : public HeartTest {
  protected:
    DiscWatchTest() {
        drives_.AddDrive('C', false);
        drives_.AddDrive('E', true);
        profile_.WriteIniValue("TRAY", "DRIVE", "E:", kOptions);
        SetOption("TRAY", "DISKINDRIVE", true);
        program_->Run();
    }
    FakeTimer& Timer() { return dynamic_cast<FakeTimer&>(*program_->Form1().Test); }
    FakeTrayIcon& Tray() { return dynamic_cast<FakeTrayIcon&>(*program_->Form1().Tray); }

    FakeDriveSystem& drives_ = fake_.drives;
};

TEST(CdDrives, OnlyCdDrivesAreListedInLetterOrder) {
    FakeDriveSystem drives;
    for (char letter : {'G', 'A', 'C', 'E', 'Z'})
        drives.AddDrive(letter, letter == 'E' || letter == 'G');
    EXPECT_THAT(CdDriveNames(drives), ::testing::ElementsAre("E:", "G:"));
}

TEST_F(DiscWatchTest, EachTickShowsTheDiscStateWithTheAnimationTheOptionsAskForNow) {
    Dispatcher().OnFonMode();
    ASSERT_TRUE(Timer().Enabled()) << "background mode starts the watch";
    EXPECT_EQ(Timer().Interval(), 10) << "the first check comes at once";

    Timer().Tick();
    EXPECT_EQ(Timer().Interval(), 1000);
    EXPECT_EQ(Tray().ImageIndex(), kTrayNoDiscImage);
    EXPECT_FALSE(Tray().Animated());

    drives_.SetDisc('E', true);
    Timer().Tick();
    EXPECT_EQ(Tray().ImageIndex(), kTrayDiscImage);
    EXPECT_FALSE(Tray().Animated());

    // A hand edit counts at the next tick, without any dialog.
    SetOption("TRAY", "ANIMATION", true);
    Timer().Tick();
    EXPECT_TRUE(Tray().Animated());

    drives_.SetDisc('E', false);
    Timer().Tick();
    EXPECT_EQ(Tray().ImageIndex(), kTrayNoDiscImage);
    EXPECT_FALSE(Tray().Animated());

    Dispatcher().OffFonMode();
    EXPECT_FALSE(Timer().Enabled());
    EXPECT_EQ(Tray().ImageIndex(), kTrayNormalImage);
}

TEST_F(DiscWatchTest, AnEmptyDriveIsNoDiscRatherThanTheCurrentDrive) {
    profile_.WriteIniValue("TRAY", "DRIVE", "", kOptions);
    Dispatcher().OnFonMode();
    Timer().Tick();
    EXPECT_EQ(Tray().ImageIndex(), kTrayNoDiscImage);
    EXPECT_THAT(drives_.queried, ::testing::IsEmpty());
}

TEST_F(DiscWatchTest, ABadAnimationValueIsReportedOnceAndTheDiscStillShown) {
    drives_.SetDisc('E', true);
    profile_.WriteIniValue("TRAY", "ANIMATION", "on", kOptions);
    Dispatcher().OnFonMode();
    for (int tick = 0; tick < 3; ++tick) Timer().Tick();
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(),
                ::testing::ElementsAre("'on' is not a valid boolean value"));
    EXPECT_EQ(Tray().ImageIndex(), kTrayDiscImage);
    EXPECT_FALSE(Tray().Animated());

    // Good in between, then bad again: reported again.
    SetOption("TRAY", "ANIMATION", true);
    Timer().Tick();
    profile_.WriteIniValue("TRAY", "ANIMATION", "on", kOptions);
    Timer().Tick();
    EXPECT_THAT(toolkit_.dialogs.ErrorTexts(), ::testing::SizeIs(2));
}

}  // namespace
}  // namespace quorvel
