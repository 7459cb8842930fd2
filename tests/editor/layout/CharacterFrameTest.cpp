#include <gtest/gtest.h>

#include <array>
#include <string>

#include "editor/CharacterFrame.h"
#include "editor/LinePlacement.h"

namespace {

using namespace zomel;

std::array<LineFormat, 2> Formats(vb::Integer first, vb::Integer second) {
    std::array<LineFormat, 2> formats{};
    formats[0].Align = first;
    formats[1].Align = second;
    return formats;
}

TEST(CharacterFrame, CentredAndLeftLines) {
    const std::array<std::string, 2> lines{"AB", "ABCD"};
    EXPECT_EQ(CharacterFrameText(lines, Formats(kAlignCentre, kAlignLeft), 4), " AB ABCD|");
}

TEST(CharacterFrame, RightAlignedAndOddSurplus) {
    const std::array<std::string, 2> lines{"AB", "ABCDE"};
    EXPECT_EQ(CharacterFrameText(lines, Formats(kAlignRight, kAlignCentre), 5), "   ABABCDE|");
    const std::array<std::string, 2> odd{"AB", ""};
    EXPECT_EQ(CharacterFrameText(odd, Formats(kAlignCentre, kAlignLeft), 5), " AB       |");
}

TEST(CharacterFrame, EveryRowIsExactlyTheColumnCount) {
    const std::string longLine(30, 'X');
    const std::array<std::string, 2> lines{longLine, "Y"};
    const int columns = CharacterFrameColumns(30, 20);
    EXPECT_EQ(columns, 20);
    const std::string frame = CharacterFrameText(lines, Formats(kAlignRight, kAlignRight), columns);
    EXPECT_EQ(frame, std::string(20, 'X') + std::string(19, ' ') + "Y|");
}

TEST(CharacterFrame, ColumnsAreTheLongestLineWithinTheSign) {
    EXPECT_EQ(CharacterFrameColumns(9, 20), 9);
    EXPECT_EQ(CharacterFrameColumns(30, 40), 25);
    EXPECT_EQ(CharacterFrameColumns(9, 0), 9);
}

TEST(CharacterFrame, CharactersNotBytesAreCounted) {
    const std::array<std::string, 2> lines{
        "\xC3\x84"
        "B",
        "ABC"};  // "ÄB"
    EXPECT_EQ(CharacterFrameText(lines, Formats(kAlignRight, kAlignLeft), 3),
              " \xC3\x84"
              "BABC|");
}

TEST(CharacterFrame, UnknownAlignmentLeavesTheRowBlank) {
    const std::array<std::string, 2> lines{"AB", "CD"};
    EXPECT_EQ(CharacterFrameText(lines, Formats(7, kAlignLeft), 3), "   CD |");
}

}  // namespace
