#include <gtest/gtest.h>

#include "core/mapParts.h"
#include "tests/core/CatalogueFixture.h"

using namespace zomel;

namespace {

using Grid = mapParts::Grid;
constexpr LayoutKind kFull = LayoutKind::FullMatrix;
constexpr LayoutKind kLine = LayoutKind::LineMatrix;
constexpr LayoutKind kChar = LayoutKind::CharacterSegmented;

class PartsMap : public ProgramFolderTest {
protected:
    mapParts Load(const std::string& text) {
        Write("mapping.bin", text);
        return mapParts();
    }
};

}  // namespace

TEST_F(PartsMap, ReadsEndedLinesOnly) {
    auto map = Load("3,2,VER,BP,523-0302,0,2\r\n4,1,HOR,JH,531-0400,0,2");
    EXPECT_EQ(map.Count(), 1);
    EXPECT_EQ(map.Item(1).X(), 3);
    EXPECT_EQ(map.Item(1).Y(), 2);
    EXPECT_TRUE(map.Item(1).Vertical());
    EXPECT_TRUE(map.Item(1).Zomel2());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(PartsMap, OrientationIsVerticalOnlyForVerOrTheSegmentedLayout) {
    auto map =
        Load("1,1,ver,BP,A,0,1\r\n1,1,VER,BP,B,0,2\r\n1,1,HOR,BP,C,2,2\r\n1,1,VER,BP,D,1,2\r\n");
    ASSERT_EQ(map.Count(), 4);
    EXPECT_FALSE(map.Item(1).Vertical());
    EXPECT_FALSE(map.Item(1).Zomel2());
    EXPECT_TRUE(map.Item(2).Vertical());
    EXPECT_TRUE(map.Item(3).Vertical());  // layout 2 overrides the orientation field
    EXPECT_EQ(map.Item(3).SegmentType(), 2);
    mapPart row;
    row.SegmentType(1);
    EXPECT_FALSE(row.Vertical());
    row.SegmentType(2);
    EXPECT_TRUE(row.Vertical());
}

TEST_F(PartsMap, ABadLineEndsTheLoadingWithOneReportAndKeepsTheRowsBefore) {
    for (const std::string bad : {"\r\n", "2,2,HOR,BP,A,0,2\r\n", "x,2,HOR,BP,C,0,2\r\n",
                                  "2,2,HOR,BP,C,0\r\n", "70000,2,HOR,BP,C,0,2\r\n"}) {
        host_.ClearMessages();
        auto map = Load("1,1,HOR,BP,A,0,2\r\n" + bad + "3,3,HOR,BP,D,0,2\r\n");
        EXPECT_EQ(map.Count(), 1) << bad;
        ASSERT_EQ(Messages().size(), 1u) << bad;
        EXPECT_NE(Messages()[0].prompt.find("Sign Map Load Step: 1 \r"), std::string::npos);
    }
}

TEST_F(PartsMap, MissingFileLeavesAnEmptyMapThatFindsNothing) {
    mapParts map;
    EXPECT_EQ(map.Count(), 0);
    EXPECT_FALSE(map.TestBackPlate({false, 1, 1, kFull}));
    EXPECT_FALSE(map.TestJumpHarn({false, 1, 1, kFull}));
    EXPECT_THROW(map.BackPlatePart(), vb::VbError);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].prompt.find("#, 53, File not found: " + folder_ + "mapping.bin"),
              std::string::npos)
        << Messages()[0].prompt;
}

TEST_F(PartsMap, BackPlateMatchesTheWholeGridAndTheEarlierLineWins) {
    auto map = Load(
        "5,2,HOR,BP,first,0,2\r\n5,2,HOR,BP,second,0,2\r\n5,2,VER,BP,vertical,0,2\r\n"
        "5,2,HOR,JH,harness,0,2\r\n");
    EXPECT_THROW(map.BackPlatePart(), vb::VbError);  // no test has succeeded yet
    ASSERT_TRUE(map.TestBackPlate({false, 5, 2, kFull}));
    EXPECT_EQ(map.BackPlatePart(), "first");
    ASSERT_TRUE(map.TestBackPlate({true, 5, 2, kFull}));
    EXPECT_EQ(map.BackPlatePart(), "vertical");
    EXPECT_FALSE(map.TestBackPlate({false, 5, 3, kFull}));
    EXPECT_FALSE(map.TestBackPlate({false, 5, 2, kLine}));
    EXPECT_EQ(map.BackPlatePart(), "vertical");  // a failed test keeps the last find
}

TEST_F(PartsMap, JumperHarnessIgnoresRowsAndServesVerticalLineMatrixFromAnyVerticalRow) {
    auto map = Load(
        "4,3,VER,JH,v-full,0,2\r\n4,1,HOR,JH,h-full,0,2\r\n4,1,VER,JH,v-line,1,2\r\n"
        "6,1,HOR,JH,h-line,1,2\r\n");
    ASSERT_TRUE(map.TestJumpHarn({false, 4, 6, kFull}));
    EXPECT_EQ(map.JumpHarnPart(), "h-full");
    ASSERT_TRUE(map.TestJumpHarn({true, 4, 2, kLine}));
    EXPECT_EQ(map.JumpHarnPart(), "v-full");  // the first vertical harness of 4 columns
    EXPECT_FALSE(map.TestJumpHarn({false, 4, 1, kLine}));  // horizontal line matrix: exact only
    ASSERT_TRUE(map.TestJumpHarn({false, 6, 1, kLine}));
    EXPECT_EQ(map.JumpHarnPart(), "h-line");
    EXPECT_FALSE(map.TestJumpHarn({true, 6, 1, kFull}));
    EXPECT_EQ(map.JumpHarnPart(), "h-line");
}

TEST_F(PartsMap, ShippedMapNamesThePartsOfEveryGridTheSizeLimitsAllow) {
    CopyShipped("mapping.bin");
    mapParts map;
    EXPECT_TRUE(Messages().empty());
    const struct {
        bool vertical;
        LayoutKind layout;
        char family;
    } mountings[] = {{false, kFull, '1'},
                     {false, kLine, '2'},
                     {true, kFull, '3'},
                     {true, kLine, '4'},
                     {true, kChar, '5'}};
    for (vb::Integer x = 1; x <= 20; ++x) {
        for (const auto& m : mountings) {
            char expected[16];
            std::snprintf(expected, sizeof expected, "53%c-%02d00", m.family, x);
            ASSERT_TRUE(map.TestJumpHarn({m.vertical, x, 1, m.layout}));
            EXPECT_EQ(map.JumpHarnPart(), expected);
            for (vb::Integer y = 1; y <= 6 && x * y <= 75; ++y) {
                std::snprintf(expected, sizeof expected, "52%c-%02d%02d", m.family, x, y);
                ASSERT_TRUE(map.TestBackPlate({m.vertical, x, y, m.layout}));
                EXPECT_EQ(map.BackPlatePart(), expected);
            }
        }
    }
    EXPECT_FALSE(map.TestBackPlate({false, 16, 5, kFull}));  // 80 modules: the sign loses a row
}
