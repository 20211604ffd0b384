#include <gtest/gtest.h>
#include <windows.h>

#include "hotkeys/shortcut_text.h"
#include "win32/win32_key_names.h"

namespace quorvel::win32 {
namespace {

TEST(Win32KeyNames, TheSystemNamesKeysTheProgramDoesNot) {
    Win32KeyNames names;
    EXPECT_FALSE(names.SystemKeyName(VK_OEM_1).empty());     // ";" on a US layout
    EXPECT_FALSE(names.SystemKeyName(VK_MULTIPLY).empty());  // keypad *
    EXPECT_TRUE(names.SystemKeyName(0x3FF).empty());         // no such key
}

TEST(Win32KeyNames, SystemNamedKeysRoundTripThroughTheText) {
    Win32KeyNames names;
    for (int code : {VK_OEM_1, VK_OEM_COMMA, VK_OEM_PERIOD, VK_OEM_4}) {
        const Shortcut value = Shortcut(kShortcutCtrl | code);
        const std::string text = ShortCutToText(value, names);
        ASSERT_FALSE(text.empty()) << code;
        // Names are compared from code 8 up, so a key that shares its name with a lower
        // code (keypad "/" and VK_DIVIDE) reads back as that one; these names are unique.
        EXPECT_EQ(TextToShortCut(text, names) & kShortcutKeyMask, Shortcut(code)) << text;
    }
}

}  // namespace
}  // namespace quorvel::win32
