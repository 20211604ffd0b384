// The hot-key field's decisions: what each key pressed in it does to the combination and
// what it shows.
#include "hotkeys/hot_key_recorder.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using Outcome = HotKeyRecorder::Outcome;

constexpr unsigned kCtrlKey = 0x11, kAltKey = 0x12, kLeftWinKey = 0x5B, kF8 = 0x77;

struct NoSystemNames : KeyNames {
    std::string SystemKeyName(int) override { return {}; }
};

class HotKeyRecorderTest : public ::testing::Test {
  protected:
    NoSystemNames names_;
    HotKeyRecorder field_{names_};
};

TEST_F(HotKeyRecorderTest, ModifiersShowAsPendingUntilAKeyCompletesTheCombination) {
    field_.SetValue(kShortcutCtrl | 'Q');
    EXPECT_EQ(field_.KeyDown(kLeftWinKey, kShortcutWin), Outcome::kPending);
    EXPECT_EQ(field_.Value(), kNoShortcut) << "a modifier starts a new combination";
    EXPECT_EQ(field_.Text(), "Win+");
    EXPECT_EQ(field_.KeyDown(kAltKey, kShortcutWin | kShortcutAlt), Outcome::kPending);
    EXPECT_EQ(field_.KeyDown(kAltKey, kShortcutWin | kShortcutAlt), Outcome::kPending)
        << "a held modifier repeats";
    EXPECT_EQ(field_.Text(), "Win+Alt+");
    EXPECT_EQ(field_.KeyDown(kF8, kShortcutWin | kShortcutAlt), Outcome::kRecorded);
    EXPECT_EQ(field_.Value(), kShortcutWin | kShortcutAlt | kF8);
    EXPECT_EQ(field_.Text(), "Win+Alt+F8");
    // Letting the keys go keeps the combination.
    EXPECT_EQ(field_.KeyUp(kF8, kShortcutWin | kShortcutAlt), Outcome::kIgnored);
    EXPECT_EQ(field_.KeyUp(kAltKey, kShortcutWin), Outcome::kIgnored);
    EXPECT_EQ(field_.KeyUp(kLeftWinKey, 0), Outcome::kIgnored);
    EXPECT_EQ(field_.Text(), "Win+Alt+F8");
}

TEST_F(HotKeyRecorderTest, AModifierLetGoAloneAndBackspaceLeaveNone) {
    field_.SetValue(kF8);
    field_.KeyDown(kCtrlKey, kShortcutCtrl);
    EXPECT_EQ(field_.KeyUp(kCtrlKey, 0), Outcome::kCleared);
    EXPECT_EQ(field_.Value(), kNoShortcut);
    EXPECT_EQ(field_.Text(), "None");

    field_.SetValue(kF8);
    EXPECT_EQ(field_.KeyDown(0x08, 0), Outcome::kCleared);
    EXPECT_EQ(field_.Text(), "None");
    EXPECT_EQ(field_.KeyDown(0x08, kShortcutCtrl), Outcome::kRecorded) << "Ctrl+BkSp is a key";
    EXPECT_EQ(field_.Text(), "Ctrl+BkSp");

    field_.KeyDown(kAltKey, kShortcutAlt);
    EXPECT_EQ(field_.FocusLost(), Outcome::kCleared) << "its key-up goes elsewhere";
    EXPECT_EQ(field_.Text(), "None");
}

TEST_F(HotKeyRecorderTest, CombinationsWindowsKeepsAndNamelessKeysAreNotRecorded) {
    field_.SetValue(kF8);
    field_.KeyDown(kLeftWinKey, kShortcutWin);
    EXPECT_EQ(field_.KeyDown('L', kShortcutWin), Outcome::kRefused);
    EXPECT_EQ(field_.Refused(), kShortcutWin | 'L');
    EXPECT_EQ(field_.KeyUp(kLeftWinKey, 0), Outcome::kIgnored) << "no change hides the word";
    EXPECT_EQ(field_.Text(), "F8");
    EXPECT_EQ(field_.KeyDown('3', kShortcutWin), Outcome::kRefused);
    EXPECT_EQ(field_.KeyDown(0x2E, kShortcutCtrl | kShortcutAlt), Outcome::kRefused);
    EXPECT_EQ(field_.Value(), kF8);
    EXPECT_EQ(field_.KeyDown(0xE8, kShortcutCtrl), Outcome::kIgnored);
    EXPECT_EQ(field_.Value(), kF8);
    EXPECT_EQ(field_.KeyDown('L', kShortcutWin | kShortcutAlt), Outcome::kRecorded);
}

TEST_F(HotKeyRecorderTest, TabEnterAndEscAloneAreTheWindowsAndModifiersComeAsUsual) {
    EXPECT_FALSE(HotKeyRecorder::TakesKey(0x09, 0));
    EXPECT_FALSE(HotKeyRecorder::TakesKey(0x09, kShortcutShift));
    EXPECT_FALSE(HotKeyRecorder::TakesKey(0x0D, 0));
    EXPECT_FALSE(HotKeyRecorder::TakesKey(0x1B, 0));
    EXPECT_TRUE(HotKeyRecorder::TakesKey(0x09, kShortcutCtrl));
    EXPECT_TRUE(HotKeyRecorder::TakesKey(0x0D, kShortcutWin));
    EXPECT_TRUE(HotKeyRecorder::TakesKey(0x26, 0)) << "arrows are keys";
    EXPECT_TRUE(HotKeyRecorder::TakesFirst(0x78, kShortcutCtrl | kShortcutAlt));
    EXPECT_FALSE(HotKeyRecorder::TakesFirst(kAltKey, kShortcutCtrl));
    EXPECT_FALSE(HotKeyRecorder::TakesFirst(0x1B, 0));
}

TEST_F(HotKeyRecorderTest, AHeldKeysRepeatsRecordNothingNew) {
    field_.KeyDown(kCtrlKey, kShortcutCtrl);
    EXPECT_EQ(field_.KeyDown(kF8, kShortcutCtrl), Outcome::kRecorded);
    EXPECT_EQ(field_.KeyDown(kF8, kShortcutCtrl), Outcome::kIgnored);
    EXPECT_EQ(field_.Value(), kShortcutCtrl | kF8);
}

}  // namespace
}  // namespace quorvel
