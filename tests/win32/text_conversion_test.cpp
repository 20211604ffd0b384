#include "win32/text_conversion.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace quorvel::win32 {
namespace {

TEST(TextConversion, ValidUtf8IsShownAsUtf8) {
    EXPECT_EQ(Widen("\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4"), L"\u0412\u044B\u0445\u043E\u0434");
    EXPECT_EQ(Narrow(L"\u0412\u044B\u0445\u043E\u0434"), "\xD0\x92\xD1\x8B\xD1\x85\xD0\xBE\xD0\xB4");
}

TEST(TextConversion, OtherBytesAreDecodedWithTheAnsiCodePage) {
    const std::string ansi = "caf\xE9";  // not UTF-8: a lone lead byte
    wchar_t expected[8] = {};
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, expected, 8);
    EXPECT_EQ(Widen(ansi), expected);
    EXPECT_EQ(Widen(""), L"");
}

}  // namespace
}  // namespace quorvel::win32
