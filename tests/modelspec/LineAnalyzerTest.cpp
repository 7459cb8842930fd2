#include <string>
#include <vector>

#include "modelspec/engine/LineAnalyzer.h"
#include "platform/vb/Conversion.h"
#include "tests/modelspec/ModelFixture.h"

using namespace zomel;

namespace {

class LineAnalyzerTest : public ModelTest {
protected:
    LineAnalysis Analyze(const std::string& height, const std::string& width,
                         const std::string& gap = "1", const std::string& unit = "in",
                         const std::string& lines = "2", const std::string& chars = "10") {
        return AnalyzeLines({lines, chars, height, width, gap, unit}, charGap);
    }
    vb::Integer charGap = 1;
};

// One row of the pair table: the font and the proposals it gives.
struct PairRow {
    const char* height;
    const char* width;
    vb::Integer font;
    char proposals;  // 'V' vertical high, 'H' horizontal high, 'S' standard, vertical first
};

const PairRow kPairs[] = {
    {"08.00", "06.88", 6, 'V'},  {"08.60", "06.40", 6, 'H'},  {"09.60", "06.88", 7, 'V'},
    {"10.32", "06.40", 7, 'H'},  {"11.20", "05.16", 8, 'V'},  {"11.20", "06.88", 9, 'V'},
    {"11.20", "08.60", 10, 'V'}, {"12.04", "04.80", 8, 'H'},  {"12.04", "06.40", 9, 'H'},
    {"12.04", "08.00", 10, 'H'}, {"12.80", "06.88", 11, 'V'}, {"12.80", "08.60", 12, 'V'},
    {"13.75", "11.00", 6, 'S'},  {"13.76", "06.40", 11, 'H'}, {"13.76", "08.00", 12, 'H'},
    {"14.40", "08.60", 13, 'V'}, {"15.48", "08.00", 13, 'H'}, {"16.00", "08.60", 14, 'V'},
    {"16.50", "11.00", 7, 'S'},  {"17.20", "08.00", 14, 'H'}, {"17.60", "08.60", 15, 'V'},
    {"18.92", "08.00", 15, 'H'}, {"19.20", "08.60", 16, 'V'}, {"19.20", "10.32", 17, 'V'},
    {"19.20", "12.04", 18, 'V'}, {"19.20", "13.76", 19, 'V'}, {"19.25", "08.25", 8, 'S'},
    {"19.25", "11.00", 9, 'S'},  {"19.25", "13.75", 10, 'S'}, {"20.64", "08.00", 16, 'H'},
    {"20.64", "09.60", 17, 'H'}, {"20.64", "11.20", 18, 'H'}, {"20.64", "12.80", 19, 'H'},
    {"22.00", "11.00", 11, 'S'}, {"22.00", "13.75", 12, 'S'}, {"24.75", "13.75", 13, 'S'},
    {"27.50", "13.75", 14, 'S'}, {"30.25", "13.75", 15, 'S'}, {"33.00", "13.75", 16, 'S'},
    {"33.00", "16.50", 17, 'S'}, {"33.00", "19.25", 18, 'S'}, {"33.00", "22.00", 19, 'S'},
};

}  // namespace

TEST_F(LineAnalyzerTest, EveryPairGivesItsFontAndProposals) {
    for (const PairRow& row : kPairs) {
        SCOPED_TRACE(std::string(row.height) + " x " + row.width);
        const LineAnalysis a =
            Analyze(std::string(row.height) + " inches", std::string(row.width) + " inches");
        ASSERT_TRUE(a.Valid) << a.Message;
        const FontRecord& font = FontTable(row.font);
        const LayoutCandidate& first = LayoutCandidates(1);
        EXPECT_EQ(first.FontIndex, row.font);
        EXPECT_EQ(first.FontRows, font.Height);
        EXPECT_EQ(first.FontCols, vb::Val(font.Cols));
        EXPECT_EQ(first.Inches, vb::True);
        EXPECT_EQ(first.HighDensity, vb::Flag(row.proposals != 'S'));
        EXPECT_EQ(first.Vertical, vb::Flag(row.proposals != 'H'));
        EXPECT_EQ(first.CharHeight, static_cast<vb::Single>(vb::Val(row.height)));
        if (row.proposals == 'S') {
            ASSERT_EQ(a.ListLines.size(), 2u);
            EXPECT_EQ(LayoutCandidates(2).FontIndex, row.font);
            EXPECT_EQ(LayoutCandidates(2).Vertical, vb::False);
            EXPECT_EQ(LayoutCandidates(2).HighDensity, vb::False);
        } else {
            EXPECT_EQ(a.ListLines.size(), 1u);
            EXPECT_EQ(LayoutCandidates(2).FontRows, 0);
        }
    }
}

TEST_F(LineAnalyzerTest, ListLinesNameTheSizesAsEnteredAndTheModules) {
    LineAnalysis a = Analyze("11.20 inches", "08.60 inches", "2");
    ASSERT_TRUE(a.Valid);
    EXPECT_EQ(a.ListLines,
              (std::vector<std::string>{"Height=11.2 with width=8.6 in using 5x7 on vertical high "
                                        "density ZOMELs"}));
    EXPECT_EQ(LayoutCandidates(1).ListText, a.ListLines[0]);
    EXPECT_EQ(charGap, 2);

    a = Analyze("13.75 inches", "11.00 inches");
    EXPECT_EQ(a.ListLines, (std::vector<std::string>{
                               "Height=13.75 with width=11 in using 4x5 on vertical standard "
                               "density ZOMELs",
                               "Height=13.75 with width=11 in using 4x5 on horizontal standard "
                               "density ZOMELs"}));
}

TEST_F(LineAnalyzerTest, CentimetresAreConvertedToInchesForTheTable) {
    const LineAnalysis a = Analyze("20.32 centemeters", "17.48 centemeters", "1", "cm");
    ASSERT_TRUE(a.Valid) << a.Message;
    EXPECT_EQ(a.ListLines, (std::vector<std::string>{
                               "Height=20.32 with width=17.48 cm using 4x5 on vertical high "
                               "density ZOMELs"}));
    EXPECT_EQ(LayoutCandidates(1).CharHeight, 8.0f);
    EXPECT_EQ(LayoutCandidates(1).CharWidth, 6.88f);
    EXPECT_EQ(LayoutCandidates(1).Inches, vb::False);
}

TEST_F(LineAnalyzerTest, InputMessagesInStepOrder) {
    Analyze("13.75 inches", "11.00 inches");
    LineAnalysis a = Analyze("07.00 inches", "01.00 inches", "1", "in", "0");
    EXPECT_EQ(a.Message, "You must have at least one line of text.");
    EXPECT_EQ(LayoutCandidates(2).FontRows, 5);  // earlier proposals kept
    a = Analyze("07.00 inches", "01.00 inches");
    EXPECT_EQ(a.Message,
              "You must have a character height of at least 8.0 inches or 20.32 centemeters.");
    a = Analyze("20.00 centemeters", "01.00 centemeters", "1", "cm");
    EXPECT_EQ(a.Message,
              "You must have a character height of at least 8.0 inches or 20.32 centemeters.");
    a = Analyze("08.00 inches", "04.00 inches");
    EXPECT_EQ(a.Message,
              "You must have a character width of at least 4.8 inches or 12.19 centemeters.");
    a = Analyze("08.00 inches", "06.88 inches", "1", "in", "2", "0");
    EXPECT_EQ(a.Message, "You must have at least one character of text.");
    a = Analyze("08.00 inches", "06.88 inches", "0");
    EXPECT_EQ(a.Message, "You must have at least one pixel between characters.");
    EXPECT_EQ(charGap, 0);
    EXPECT_FALSE(a.Valid);
    EXPECT_TRUE(a.ListLines.empty());
}

TEST_F(LineAnalyzerTest, TextsThatAreNoNumbersGiveTheirStepsMessages) {
    EXPECT_EQ(Analyze("08.00 inches", "06.88 inches", "1", "in", "two").Message,
              "You must have a integer for lines of text.");
    EXPECT_EQ(Analyze("08.00 inches", "06.88 inches", "1", "in", "99999").Message,
              "You must have a integer for lines of text.");
    EXPECT_EQ(Analyze("08.00 inches", "06.88 inches", "1", "in", "2", "").Message,
              "You must have a integer for charcters per line.");
    EXPECT_EQ(Analyze("08.00 inches", "06.88 inches", "").Message,
              "You must have a integer for pixels between charcters.");
}

TEST_F(LineAnalyzerTest, PairsOutsideTheTableAndGapsTheFontRefuses) {
    LineAnalysis a = Analyze("08.00 inches", "06.40 inches");
    EXPECT_EQ(a.Message, "A height of 8 does NOT match a width of 6.4 using any VELDO font.");
    EXPECT_EQ(LayoutCandidates(1).FontRows, 0);  // cleared before the look-up
    a = Analyze("20.64 inches", "08.00 inches", "2");
    EXPECT_EQ(a.Message,
              "Height=20.64 and width=8 requires VELDO 5x12 font which only supports a character "
              "gap of 1.");
    a = Analyze("19.25 inches", "13.75 inches", "3");
    ASSERT_TRUE(a.Valid);
    EXPECT_EQ(a.ListLines.size(), 2u);
    EXPECT_EQ(LayoutCandidates(1).FontIndex, 10);
}
