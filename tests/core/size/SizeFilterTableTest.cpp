#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/SizeFilterTable.h"
#include "core/SizeValidation.h"
#include "platform/forms/StringTable.h"

using namespace zomel;

namespace {

using Sizes = std::vector<vb::Integer>;

// The allowed pairs by height index, as the catalogue of character sizes lists them.
const std::map<vb::Integer, Sizes> kWidthsByHeight = {
    {5, {4}},
    {7, {3}},
    {8, {4}},
    {9, {3}},
    {11, {2, 4, 7}},
    {12, {1, 3, 5}},
    {13, {4, 7}},
    {14, {10}},
    {15, {3, 5}},
    {16, {7}},
    {17, {5}},
    {18, {7}},
    {19, {10}},
    {20, {5}},
    {21, {7}},
    {22, {5}},
    {23, {7, 9, 12, 15}},
    {24, {6, 10, 14}},
    {25, {5, 8, 11, 13}},
    {26, {10, 14}},
    {27, {14}},
    {28, {14}},
    {29, {14}},
    {30, {14, 19, 24, 26}},
};

const std::map<vb::Integer, Sizes> kHeightsByWidth = {
    {1, {12}},
    {2, {11}},
    {3, {7, 9, 12, 15}},
    {4, {5, 8, 11, 13}},
    {5, {12, 15, 17, 20, 22, 25}},
    {6, {24}},
    {7, {11, 13, 16, 18, 21, 23}},
    {8, {25}},
    {9, {23}},
    {10, {14, 19, 24, 26}},
    {11, {25}},
    {12, {23}},
    {13, {25}},
    {14, {24, 26, 27, 28, 29, 30}},
    {15, {23}},
    {19, {30}},
    {24, {30}},
    {26, {30}},
};

std::string Text(vb::Long base, vb::Integer index) {
    return forms::LoadResString(base + index);
}

}  // namespace

TEST(SizeFilterTable, AllowsExactlyTheFortyTwoPairsReadByHeight) {
    int pairs = 0;
    for (vb::Integer h = 1; h <= kCharSizeCount; ++h) {
        auto it = kWidthsByHeight.find(h);
        EXPECT_EQ(WidthsForHeight(h), it == kWidthsByHeight.end() ? Sizes{} : it->second)
            << "height " << h;
        pairs += static_cast<int>(WidthsForHeight(h).size());
    }
    EXPECT_EQ(pairs, 42);
}

TEST(SizeFilterTable, ReadByWidthOffersTheSamePairs) {
    for (vb::Integer w = 1; w <= kCharSizeCount; ++w) {
        auto it = kHeightsByWidth.find(w);
        EXPECT_EQ(HeightsForWidth(w), it == kHeightsByWidth.end() ? Sizes{} : it->second)
            << "width " << w;
        for (vb::Integer h : HeightsForWidth(w))
            EXPECT_TRUE(SizePairAllowed(h, w));
    }
    EXPECT_FALSE(SizePairAllowed(0, 4));
    EXPECT_FALSE(SizePairAllowed(5, 31));
}

TEST(SizeFilterTable, ListsOfferTheSizesThatHavePartners) {
    EXPECT_EQ(HeightSizes(), (Sizes{5,  7,  8,  9,  11, 12, 13, 14, 15, 16, 17, 18,
                                    19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}));
    EXPECT_EQ(WidthSizes(), (Sizes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 24, 26}));
}

TEST(SizeFilterTable, TextsInInchesAndCentimetres) {
    EXPECT_EQ(Text(kInchSizeBase, 1), "04.80 inches");
    EXPECT_EQ(Text(kInchSizeBase, 14), "13.75 inches");
    EXPECT_EQ(Text(kInchSizeBase, 15), "13.76 inches");
    EXPECT_EQ(Text(kInchSizeBase, 30), "33.00 inches");
    EXPECT_EQ(Text(kCentimetreSizeBase, 1), "12.19 centemeters");
    EXPECT_EQ(Text(kCentimetreSizeBase, 14), "34.93 centemeters");
    EXPECT_EQ(Text(kCentimetreSizeBase, 24), "48.90 centemeters");
    EXPECT_EQ(Text(kCentimetreSizeBase, 30), "83.82 centemeters");
    // Every centimetre text stands for its inch text, rounded to two decimals.
    for (vb::Integer i = 1; i <= kCharSizeCount; ++i) {
        const double inches = SizeOfEntry(Text(kInchSizeBase, i));
        const double cm = SizeOfEntry(Text(kCentimetreSizeBase, i));
        EXPECT_NEAR(cm, inches * 2.54, 0.00501) << i;  // half a hundredth, in single precision
        EXPECT_EQ(SizeIndex(SizeOfEntry(Text(kInchSizeBase, i)), kInchSizeBase), i);
        EXPECT_EQ(SizeIndex(SizeOfEntry(Text(kCentimetreSizeBase, i)), kCentimetreSizeBase), i);
    }
}

TEST(SizeFilterTable, UnitBasesAndLookups) {
    EXPECT_EQ(SizeTextBase("in"), kInchSizeBase);
    EXPECT_EQ(SizeTextBase("cm"), kCentimetreSizeBase);
    EXPECT_EQ(SizeTextBase("pix"), 0);
    EXPECT_EQ(SizeIndex(8.0f, 0), 0);
    EXPECT_EQ(SizeIndex(8.01f, kInchSizeBase), 0);
    EXPECT_EQ(SizeOfEntry("21.84 centemeters"), 21.84f);
    EXPECT_EQ(SizeOfEntry("abc"), 0.0f);
}

// ---- The checks of a chosen pair ------------------------------------------------------------

namespace {

std::string Check(const std::string& height, const std::string& width, const std::string& unit,
                  bool widthFirst, vb::Integer& missing) {
    return CheckSizePair({!height.empty(), height}, {!width.empty(), width}, unit, widthFirst,
                         missing);
}

const char* const kMismatch1375 =
    "A height of 13.75 does NOT match a width of 13.75 using any VELDO font.";

}  // namespace

TEST(SizeValidation, ValidPairsInEitherUnitAndEitherOrder) {
    vb::Integer missing = vb::False;
    EXPECT_EQ(Check("13.75 inches", "11.00 inches", "in", false, missing), "");
    EXPECT_EQ(Check("27.50 inches", "13.75 inches", "in", true, missing), "");
    EXPECT_EQ(Check("20.32 centemeters", "17.48 centemeters", "cm", false, missing), "");
    EXPECT_EQ(missing, vb::False);
    EXPECT_EQ(Check("13.75 inches", "13.75 inches", "in", false, missing), kMismatch1375);
    EXPECT_EQ(Check("13.75 inches", "13.75 inches", "in", true, missing), kMismatch1375);
    EXPECT_EQ(Check("21.84 centemeters", "21.84 centemeters", "cm", false, missing),
              "A height of 21.84 does NOT match a width of 21.84 using any VELDO font.");
}

TEST(SizeValidation, AnyOtherUnitReadsCentimetres) {
    vb::Integer missing = vb::False;
    EXPECT_EQ(Check("20.32 centemeters", "17.48 centemeters", "pix", false, missing), "");
    // Inch texts read as centimetres fall below the minimum.
    EXPECT_EQ(Check("19.20 inches", "08.60 inches", "pix", false, missing),
              "You must have a character height of at least 8.0 inches or 20.32 centemeters.");
}

TEST(SizeValidation, MissingSelectionsAndMinimumsInTheirOrder) {
    vb::Integer missing = vb::False;
    EXPECT_EQ(Check("", "", "in", false, missing), "You have not selected a character height.");
    EXPECT_EQ(missing, vb::True);
    missing = vb::False;
    EXPECT_EQ(Check("", "", "in", true, missing), "You have not selected a character width.");
    EXPECT_EQ(missing, vb::True);
    missing = vb::False;
    EXPECT_EQ(Check("07.00 inches", "", "in", false, missing),
              "You must have a character height of at least 8.0 inches or 20.32 centemeters.");
    EXPECT_EQ(missing, vb::False);
    EXPECT_EQ(Check("08.00 inches", "", "in", false, missing),
              "You have not selected a character width.");
    EXPECT_EQ(Check("08.00 inches", "04.00 inches", "in", false, missing),
              "You must have a character width of at least 4.8 inches or 12.19 centemeters.");
    // Width first makes no height-minimum check.
    EXPECT_EQ(Check("07.00 inches", "04.00 inches", "in", true, missing),
              "You must have a character width of at least 4.8 inches or 12.19 centemeters.");
    EXPECT_EQ(Check("07.00 inches", "06.88 inches", "in", true, missing),
              "A height of 7 does NOT match a width of 6.88 using any VELDO font.");
}
