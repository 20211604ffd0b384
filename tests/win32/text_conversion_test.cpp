#include "win32/text_conversion.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace quorvel::win32 {
namespace {

TEST(TextConversion, ValidUtf8IsShownAsUtf8) {
    EXPECT_EQ(Widen("\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4"), L"\u0412\u044B\u0445\u043E\u0434");
    EXPECT_EQ(Narrow(L"\u0412\u044B\u0445\u043E\u0434"), "\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4");
}

TEST(TextConversion, OtherBytesAreDecodedWithTheAnsiCodePageOfTheSystemsLocale) {
    // The program's own ANSI code page is UTF-8 (its manifest): legacy bytes need the
    // locale's, which is Western European in the test prefix.
    ASSERT_EQ(GetACP(), UINT(CP_UTF8));
    const std::string ansi = "caf\xE9";  // not UTF-8: a lone lead byte
    EXPECT_EQ(Widen(ansi), L"caf\u00E9");
    EXPECT_EQ(Widen(""), L"");
}

}  // namespace
}  // namespace quorvel::win32
