#include <gtest/gtest.h>

#include "platform/vb/Strings.h"
#include "tests/support/ErrorNumber.h"

using namespace vb;

TEST(Strings, CountCharactersNotBytes) {
    EXPECT_EQ(Len("Größe"), 5);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("€1 ✓ 𝄞"), 6);
    EXPECT_EQ(Mid("Größe", 3, 2), "öß");
    EXPECT_EQ(Mid("Größe", 4), "ße");
    EXPECT_EQ(Mid("Größe", 6), "");
    EXPECT_EQ(Mid("Größe", 9, 2), "");
    EXPECT_EQ(Mid("Größe", 2, 100), "röße");
    EXPECT_EQ(Left("Größe", 3), "Grö");
    EXPECT_EQ(Left("Größe", 9), "Größe");
    EXPECT_EQ(Right("Größe", 2), "ße");
    EXPECT_EQ(Right("Größe", 0), "");
    EXPECT_EQ(Right("Größe", 7), "Größe");
}

TEST(Strings, MalformedBytesCountAsOneCharacterEach) {
    std::string text = "a\xFF\xC3z";  // a stray byte and a cut-off sequence
    EXPECT_EQ(Len(text), 4);
    EXPECT_EQ(Mid(text, 2, 2), "\xFF\xC3");
    EXPECT_EQ(UCase(text), "A\xFF\xC3Z");
}

TEST(Strings, BadArgumentsRaiseInvalidCall) {
    EXPECT_EQ(ErrorNumber([] { Mid("abc", 0); }), err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([] { Left("abc", -1); }), err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([] { Right("abc", -1); }), err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([] { InStr(0, "abc", "a"); }), err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([] { Space(-1); }), err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([] { AscW(""); }), err::kInvalidCall);
    EXPECT_EQ(ErrorNumber([] { ChrW(0x110000); }), err::kInvalidCall);
}

TEST(Strings, InStrFindsCharacterPositions) {
    EXPECT_EQ(InStr("Größe in cm", "in"), 7);
    EXPECT_EQ(InStr(3, "abcabc", "abc"), 4);
    EXPECT_EQ(InStr(5, "abcabc", "abc"), 0);
    EXPECT_EQ(InStr("abc", "x"), 0);
    EXPECT_EQ(InStr("abc", "abcd"), 0);
    EXPECT_EQ(InStr("ABC", "b"), 0);  // binary comparison
    // An empty search text is found where the search starts, up to one past the end.
    EXPECT_EQ(InStr("abc", ""), 1);
    EXPECT_EQ(InStr(4, "abc", ""), 4);
    EXPECT_EQ(InStr(5, "abc", ""), 0);
    EXPECT_EQ(InStr(9, "abc", "c"), 0);
    EXPECT_EQ(InStr("", ""), 0);
    EXPECT_EQ(InStr("", "a"), 0);
    EXPECT_EQ(InStrRev("a.b.c", "."), 4);
    EXPECT_EQ(InStrRev("ßaß", "ß"), 3);
    EXPECT_EQ(InStrRev("abc", "x"), 0);
    EXPECT_EQ(InStrRev("abc", ""), 3);
}

TEST(Strings, TrimAndCase) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");  // only blanks, as the language trims
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(UCase("größe àÿ ž"), "GRÖßE ÀŸ Ž");
    EXPECT_EQ(LCase("GRÖSSE ÀŸ Ž ДА"), "grösse àÿ ž да");
    EXPECT_TRUE(TextEquals("Größe", "GRÖßE"));
    EXPECT_FALSE(TextEquals("Größe", "Grösse"));
    EXPECT_FALSE(TextEquals("ab", "abc"));
    EXPECT_TRUE(TextStartsWith("Power Supply", "POWER S"));
    EXPECT_TRUE(TextStartsWith("größe", "GRÖ"));
    EXPECT_FALSE(TextStartsWith("Power", "POWER S"));
    EXPECT_FALSE(TextStartsWith("Power Cable", "POWER S"));
}

TEST(Strings, BuildAndSplit) {
    EXPECT_EQ(Replace("a-b-c", "-", "--"), "a--b--c");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
    EXPECT_EQ(Space(3), "   ");
    EXPECT_EQ(StringOf(3, U'ö'), "ööö");
    EXPECT_EQ(AscW("ßx"), 0xDF);
    EXPECT_EQ(ChrW(0x20AC), "€");
    EXPECT_EQ(ChrW(-8192), ChrW(0xE000));  // a negative 16-bit code
    EXPECT_EQ(Split("a,,b", ","), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Split("a<>b", "<>"), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(Split("", ",").empty());
    EXPECT_EQ(Split("a,b", ""), (std::vector<std::string>{"a,b"}));
}

TEST(Windows1252, ConvertsEveryByteBothWays) {
    EXPECT_EQ(FromWindows1252("\x80 \x93quoted\x94 \xE9t\xE9 \x9F"), "€ “quoted” été Ÿ");
    EXPECT_EQ(ToWindows1252("€ “quoted” été Ÿ"), "\x80 \x93quoted\x94 \xE9t\xE9 \x9F");
    EXPECT_EQ(ToWindows1252("日本"), "??");
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
    EXPECT_EQ(Len(FromWindows1252(all)), 256);
}
