#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "settings/ini_document.h"

namespace quorvel::ini {
namespace {

std::string Set(std::string_view text, std::string_view section, std::string_view key,
                std::string_view value) {
    auto result = SetValue(text, section, key, value);
    EXPECT_TRUE(result.has_value()) << "no change for " << section << "/" << key;
    return result.value_or(std::string(text));
}

TEST(IniRead, NamesMatchWithoutCaseAndSurroundingBlanks) {
    const std::string text =
        "[tray]\r\n"
        "diskindrive=-1\r\n"
        "  [ Program ]  ; hand-written note\r\n"
        "  Auto Run   =   1  \r\n";
    EXPECT_EQ(ReadValue(text, "TRAY", "DISKINDRIVE"), "-1");
    EXPECT_EQ(ReadValue(text, "PROGRAM", "AUTO RUN"), "1");
    EXPECT_EQ(ReadValue(text, " program ", " auto run "), "1");
    EXPECT_EQ(ReadValue(text, "PROGRAM", "AUTORUN"), "n/a");
}

TEST(IniRead, MissingPiecesGiveTheDefault) {
    const std::string text = "top=1\n[A]\nnoequals\n; comment=1\nempty=\n";
    EXPECT_EQ(ReadValue("", "A", "k"), "n/a");
    EXPECT_EQ(ReadValue(text, "B", "k"), "n/a");
    EXPECT_EQ(ReadValue(text, "A", "top"), "n/a");  // belongs to no section
    EXPECT_EQ(ReadValue(text, "A", "noequals"), "n/a");
    EXPECT_EQ(ReadValue(text, "A", "comment"), "n/a");
    EXPECT_EQ(ReadValue(text, "A", "empty"), "");
}

TEST(IniRead, FirstSectionAndFirstKeyWin) {
    const std::string text = "[A]\nk=first\nK=second\n[B]\n[a]\nk=third\nother=4\n";
    EXPECT_EQ(ReadValue(text, "a", "k"), "first");
    // Only the first section of a name is searched.
    EXPECT_EQ(ReadValue(text, "A", "other"), "n/a");
}

TEST(IniRead, OnePairOfEnclosingQuotesIsRemoved) {
    const std::string text =
        "[Q]\n"
        "double=\"C:\\Program Files\\x\"\n"
        "single='  padded  '\n"
        "inner=\"a\"b\"\n"
        "mixed=\"abc'\n"
        "lone=\"\n"
        "pair=\"\"\n"
        "open=\"abc\n"
        "middle=a\"b\"\n";
    EXPECT_EQ(ReadValue(text, "Q", "double"), "C:\\Program Files\\x");
    EXPECT_EQ(ReadValue(text, "Q", "single"), "  padded  ");
    EXPECT_EQ(ReadValue(text, "Q", "inner"), "a\"b");
    EXPECT_EQ(ReadValue(text, "Q", "mixed"), "\"abc'");
    EXPECT_EQ(ReadValue(text, "Q", "lone"), "\"");
    EXPECT_EQ(ReadValue(text, "Q", "pair"), "");
    EXPECT_EQ(ReadValue(text, "Q", "open"), "\"abc");
    EXPECT_EQ(ReadValue(text, "Q", "middle"), "a\"b\"");
}

TEST(IniRead, LongValuesAreCutAt2047Characters) {
    std::string value;
    for (int i = 0; i < 3000; ++i) value += static_cast<char>('a' + i % 26);
    const std::string text = "[L]\nplain=" + value + "\nquoted=\"" + value + "\"\n" + "edge=\"" +
                             value.substr(0, 2047) + "\"\n";
    EXPECT_EQ(ReadValue(text, "L", "plain"), value.substr(0, 2047));
    EXPECT_EQ(ReadValue(text, "L", "quoted"), value.substr(0, 2047));
    EXPECT_EQ(ReadValue(text, "L", "edge"), value.substr(0, 2047));
}

TEST(IniRead, LineEndingsAndByteOrderMark) {
    EXPECT_EQ(ReadValue("[A]\rk=cr\r", "A", "k"), "cr");
    EXPECT_EQ(ReadValue("[A]\r\n\r\nk=crlf", "A", "k"), "crlf");
    EXPECT_EQ(ReadValue("\xEF\xBB\xBF[A]\nk=bom\n", "A", "k"), "bom");
    EXPECT_EQ(ReadValue("[A]\nk=\t tab \x1a\n", "A", "k"), "tab");
}

TEST(IniWrite, ReplacesTheValueInPlaceAndKeepsEveryOtherByte) {
    const std::string crlf = "; settings\r\n[A]\r\n  key  =  old value  \r\nz=1\r\n\r\n[B]\r\nb=2";
    EXPECT_EQ(Set(crlf, "a", "KEY", "new"),
              "; settings\r\n[A]\r\n  key  =  new  \r\nz=1\r\n\r\n[B]\r\nb=2");
    EXPECT_EQ(Set(crlf, "B", "b", "3"),
              "; settings\r\n[A]\r\n  key  =  old value  \r\nz=1\r\n\r\n[B]\r\nb=3");

    const std::string mixed = "[A]\nk=1\r\nj=2\rl=3";
    EXPECT_EQ(Set(mixed, "A", "j", "22"), "[A]\nk=1\r\nj=22\rl=3");
    EXPECT_EQ(Set("[A]\nk=\n", "A", "k", "v"), "[A]\nk=v\n");
    EXPECT_EQ(Set("[A]\nflag\n", "A", "FLAG", "-1"), "[A]\nflag=-1\n");
}

TEST(IniWrite, TheValueAlreadyStoredChangesNothing) {
    EXPECT_FALSE(SetValue("[A]\nk =  same  \n", "A", "K", "same"));
    EXPECT_FALSE(SetValue("[A]\nk=same\n", "A", "k", "   same"));
    EXPECT_TRUE(SetValue("[A]\nk=Same\n", "A", "k", "same"));
    EXPECT_TRUE(SetValue("[A]\nk=\"x\"\n", "A", "k", "x"));
}

TEST(IniWrite, NewKeyFollowsTheSectionsLastLine) {
    EXPECT_EQ(Set("[A]\nx=1\n\n\n[B]\ny=2\n", "A", "new", "v"), "[A]\nx=1\nnew=v\n\n\n[B]\ny=2\n");
    EXPECT_EQ(Set("[A]\r\n; note\r\n\r\n[B]\r\n", "A", "k", "v"),
              "[A]\r\n; note\r\nk=v\r\n\r\n[B]\r\n");
    EXPECT_EQ(Set("[A]\n[B]\n", "A", "k", "v"), "[A]\nk=v\n[B]\n");
    // The key of a later section of the same name is not looked at.
    EXPECT_EQ(Set("[A]\n[a]\nk=1\n", "A", "k", "2"), "[A]\nk=2\n[a]\nk=1\n");
    // A file without a final line break gets one in the style of the file.
    EXPECT_EQ(Set("[A]\r\nx=1", "A", "y", "2"), "[A]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(Set("[A]", "A", "y", "2"), "[A]\r\ny=2\r\n");
}

TEST(IniWrite, NewSectionGoesAtTheEnd) {
    EXPECT_EQ(Set("", "PROGRAM", "AUTORUN", "0"), "[PROGRAM]\r\nAUTORUN=0\r\n");
    EXPECT_EQ(Set("[A]\nx=1\n", "B", "k", "v"), "[A]\nx=1\n[B]\nk=v\n");
    EXPECT_EQ(Set("[A]\nx=1", "B", "k", "v"), "[A]\nx=1\n[B]\nk=v\n");
    EXPECT_EQ(Set("\xEF\xBB\xBF", "B", "k", "v"), "\xEF\xBB\xBF[B]\r\nk=v\r\n");
    EXPECT_EQ(Set("[A]\nx=1\n", " B ", " k ", "v"), "[A]\nx=1\n[B]\nk=v\n");
}

TEST(IniWrite, ValueIsOneLineWithoutLeadingBlanks) {
    EXPECT_EQ(Set("[A]\nk=1\n", "A", "k", "  two words "), "[A]\nk=two words \n");
    EXPECT_EQ(Set("[A]\nk=1\n", "A", "k", "first\r\n[HOT1]\r\nx=y"), "[A]\nk=first\n");
    EXPECT_EQ(ReadValue(Set("", "A", "k", "a\nb"), "A", "k"), "a");
}

TEST(IniErase, RemovesTheFirstSectionOfTheNameWithAllItsLines) {
    const std::string text = "top\r\n[A]\r\nx=1\r\n; c\r\n\r\n[B]\r\ny=2\r\n[a]\r\nz=3";
    EXPECT_EQ(EraseSection(text, "a").value(), "top\r\n[B]\r\ny=2\r\n[a]\r\nz=3");
    EXPECT_EQ(EraseSection(text, "B").value(), "top\r\n[A]\r\nx=1\r\n; c\r\n\r\n[a]\r\nz=3");
    EXPECT_EQ(EraseSection("[A]\nx=1\n[B]\ny=2", "B").value(), "[A]\nx=1\n");
    EXPECT_FALSE(EraseSection(text, "C"));
    EXPECT_FALSE(EraseSection("", "A"));
}

// A document edited step by step holds what the same edits give on the text parsed afresh
// each time, whatever the bytes: line breaks in names, byte order marks, headers made by a
// value.
TEST(IniDocument, EditsInPlaceGiveTheTextOfEditsOnAFreshParse) {
    std::mt19937 random(11);
    const char* pieces[] = {
        "[", "]",  "=", "a",   "A",       "b",     "\r",   "\n", "\r\n", " ", "\xEF\xBB\xBF",
        ";", "\"", "k", "[a]", "[A]\r\n", "k=v\n", "\x1a", "[]", "=x\n", "\t"};
    auto piecesUpTo = [&](unsigned most) {
        std::string text;
        for (unsigned n = random() % most; n > 0; --n) text += pieces[random() % std::size(pieces)];
        return text;
    };
    for (int round = 0; round < 2000; ++round) {
        std::string text = piecesUpTo(14);
        Document document(text);
        for (int step = 0; step < 8; ++step) {
            const std::string section = piecesUpTo(3), key = piecesUpTo(3);
            if (random() % 3 == 0) {
                auto erased = EraseSection(text, section);
                ASSERT_EQ(document.Erase(section), erased.has_value());
                if (erased) text = *erased;
            } else {
                const std::string value = piecesUpTo(3);
                auto set = SetValue(text, section, key, value);
                ASSERT_EQ(document.Set(section, key, value), set.has_value());
                if (set) text = *set;
            }
            ASSERT_EQ(document.Text(), text) << "round " << round;
            ASSERT_EQ(document.Read(section, key), ReadValue(text, section, key));
        }
    }
}

}  // namespace
}  // namespace quorvel::ini
