#include "hotkeys/shortcut_text.h"

#include <gtest/gtest.h>

#include <map>

namespace quorvel {
namespace {

// A keyboard whose layout names a few punctuation keys.
struct TestKeyboard : KeyNames {
    std::map<int, std::string> names{{186, ";"}, {191, "/"}, {144, "Num Lock"}, {300, "Weird"}};
    int asked = 0;
    std::string SystemKeyName(int code) override {
        ++asked;
        auto it = names.find(code);
        return it == names.end() ? std::string() : it->second;
    }
};

TEST(ShortCutText, WritesModifiersInFixedOrderBeforeTheKeyName) {
    TestKeyboard keyboard;
    EXPECT_EQ(ShortCutToText(kShortcutAlt | kShortcutShift | kShortcutCtrl | 'K', keyboard),
              "Shift+Ctrl+Alt+K");
    EXPECT_EQ(ShortCutToText(kShortcutCtrl | 46, keyboard), "Ctrl+Del");
    EXPECT_EQ(ShortCutToText(112 + 23, keyboard), "F24");
    EXPECT_EQ(ShortCutToText(kShortcutAlt | 186, keyboard), "Alt+;");
}

TEST(ShortCutText, KeyWithoutANameDropsTheModifiersToo) {
    TestKeyboard keyboard;
    EXPECT_EQ(ShortCutToText(kShortcutCtrl | 7, keyboard), "");
    EXPECT_EQ(ShortCutToText(0, keyboard), "");
}

TEST(ShortCutText, ReadsPrefixesInAnyOrderAndCase) {
    TestKeyboard keyboard;
    EXPECT_EQ(TextToShortCut("alt+SHIFT+ctrl+k", keyboard),
              kShortcutAlt | kShortcutShift | kShortcutCtrl | 'K');
    EXPECT_EQ(TextToShortCut("^Alt+F5", keyboard), kShortcutCtrl | kShortcutAlt | 116);
    EXPECT_EQ(TextToShortCut("pgdn", keyboard), 34);
    EXPECT_EQ(TextToShortCut("Alt+;", keyboard), kShortcutAlt | 186);
    EXPECT_EQ(TextToShortCut("num lock", keyboard), 144);
}

TEST(ShortCutText, NothingOrAnUnknownNameReadsAsNoKey) {
    TestKeyboard keyboard;
    EXPECT_EQ(TextToShortCut("", keyboard), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+", keyboard), 0);
    EXPECT_EQ(TextToShortCut("n/a", keyboard), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+Banana", keyboard), 0);
}

TEST(ShortCutText, KeypadDigitsAreStoredAsDigitsAndReadBackAsMainRowDigits) {
    TestKeyboard keyboard;
    const std::string text = ShortCutToText(kShortcutCtrl | 101, keyboard);  // Ctrl + keypad 5
    EXPECT_EQ(text, "Ctrl+5");
    EXPECT_EQ(TextToShortCut(text, keyboard), kShortcutCtrl | '5');
}

TEST(ShortCutText, EveryNamedKeyRoundTrips) {
    TestKeyboard keyboard;
    for (int code : std::initializer_list<int>{8,  9,  13, 27, 32,  33,  34,  35,  36,  37, 38,
                                               39, 40, 45, 46, 'A', 'Z', '0', 112, 186, 191}) {
        const Shortcut value = Shortcut(kShortcutShift | code);
        EXPECT_EQ(TextToShortCut(ShortCutToText(value, keyboard), keyboard), value) << code;
    }
}

// The Windows key comes first and reads in any position, for every key with a name; the
// keypad digits are named like the main-row ones, so they read back as those.
TEST(ShortCutText, EveryNamedKeyRoundTripsWithTheWindowsKey) {
    TestKeyboard keyboard;
    EXPECT_EQ(ShortCutToText(kShortcutWin | kShortcutCtrl | kShortcutAlt | 'Q', keyboard),
              "Win+Ctrl+Alt+Q");
    EXPECT_EQ(TextToShortCut("alt+WIN+F8", keyboard), kShortcutWin | kShortcutAlt | 119);
    for (int code = 8; code <= 597; ++code) {
        if (KeyName(code, keyboard).empty() || (code >= 96 && code <= 105)) continue;
        for (Shortcut modifiers :
             {kShortcutWin, kShortcutWin | kShortcutShift | kShortcutAlt, kShortcutModifiers}) {
            const Shortcut value = modifiers | Shortcut(code);
            const std::string text = ShortCutToText(value, keyboard);
            EXPECT_EQ(text.rfind("Win+", 0), 0u) << text;
            EXPECT_EQ(TextToShortCut(text, keyboard), value) << text;
        }
    }
}

// Existing list files hold no Windows key: their texts read and write exactly as before.
TEST(ShortCutText, TextsWithoutTheWindowsKeyStayAsTheyWere) {
    TestKeyboard keyboard;
    for (const char* text : {"Shift+Ctrl+Alt+A", "Ctrl+Alt+F9", "Alt+;", "F24", "Shift+Del"}) {
        const Shortcut value = TextToShortCut(text, keyboard);
        EXPECT_EQ(value & ~Shortcut(0xFFFF), 0u) << text;
        EXPECT_EQ(ShortCutToText(value, keyboard), text);
    }
}

// Found by the fuzzer: "Ctrl+^" read as Ctrl alone, so the combination was lost.
TEST(ShortCutText, AKeyNamedLikeAPrefixReadsBackAsThatKey) {
    TestKeyboard keyboard;
    keyboard.names[220] = "^";
    for (Shortcut value : {Shortcut(220), Shortcut(kShortcutCtrl | 220)})
        EXPECT_EQ(TextToShortCut(ShortCutToText(value, keyboard), keyboard), value);
    EXPECT_EQ(TextToShortCut("^^", keyboard), kShortcutCtrl | 220);
}

TEST(ShortCutText, CodesAboveTheByteRangeAreStillCompared) {
    TestKeyboard keyboard;
    EXPECT_EQ(TextToShortCut("Weird", keyboard), 300);
}

}  // namespace
}  // namespace quorvel
