#include "tests/editor/road/RoadFixture.h"

namespace {

class LayoutKindTest : public RoadTest {
protected:
    // The state the layout commands leave: the layout's tool down, the sign's kind set.
    void UseLayout(const char* tool, zomel::LayoutKind segmentType) {
        for (const char* id : {"id_SignFull", "id_SignLine", "id_SignChar"})
            Main().SSBars->ToolById(id).SetState(0);
        Main().SSBars->ToolById(tool).SetState(1);
        TheSign().SetSegmentType(segmentType);
    }
    void UseCharacterLayout() {
        UseLayout("id_SignChar", zomel::LayoutKind::CharacterSegmented);
        Main().mnuSignVertical_Click(vb::True);
    }
    // Text frame rows drawn one character per 5 x 7 cell, as the display draws them with
    // module gaps on.
    static std::vector<std::string> Cells(const std::vector<std::string>& rows, int width,
                                          int height) {
        std::vector<Placed> cells;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
                cells.push_back({c * 5, r * 7, std::string(1, rows[r][c])});
        return Expected(width, height, cells);
    }
};

TEST_F(LayoutKindTest, DensityAndOrientationChangeTheModuleCell) {
    Type(0, "HELLO");
    ASSERT_EQ(TheSign().XZomelCount(), 3);
    Main().mnuSignDensity_Click();  // standard: 7 x 5 LEDs
    EXPECT_EQ(Main().txtZomelText(0).Text(), "HELLO");
    EXPECT_EQ(TheSign().XZomelCount(), 5);
    EXPECT_EQ(TheSign().YZomelCount(), 2);
    EXPECT_EQ(Panel(3), "Typical Maximum Power: 7.0 Amps");
    EXPECT_EQ(Frame()->PixelWidth(), 35);
    Main().mnuSignDensity_Click();  // high again
    EXPECT_EQ(TheSign().XZomelCount(), 3);
    EXPECT_EQ(TheSign().YZomelCount(), 1);
    Main().mnuSignVertical_Click(vb::True);  // 8 x 12 LEDs
    EXPECT_EQ(TheSign().XZomelCount(), 4);
    EXPECT_EQ(TheSign().YZomelCount(), 1);
    EXPECT_EQ(DisplayNumber("PixPerSegX"), 8);
    EXPECT_EQ(Frame()->PixelWidth(), 32);
    EXPECT_EQ(Frame()->PixelHeight(), 12);
}

TEST_F(LayoutKindTest, CharacterLayoutShowsATextFrameOfOneModulePerCharacter) {
    Main().mnuSignDensity_Click();  // standard density, vertical: 5 x 7 LEDs, 1-pixel gaps
    UseCharacterLayout();
    Type(0, "AB");
    Align(1, 0);
    Type(1, "ABCD");
    EXPECT_EQ(TheSign().XZomelCount(), 4);
    EXPECT_EQ(TheSign().YZomelCount(), 2);
    // Rows " AB " and "ABCD", one 5 x 7 cell per character.
    EXPECT_EQ(FrameRows(20, 14), Cells({" AB ", "ABCD"}, 20, 14));
    EXPECT_EQ(DisplayNumber("SegCountX"), 4);
    EXPECT_EQ(DisplayNumber("SegCountY"), 2);
    EXPECT_EQ(DisplayNumber("SegSepX"), 3);
    EXPECT_EQ(DisplayNumber("SegSepY"), 3);
    EXPECT_EQ(DisplayNumber("PixPerSegX"), 5);
    // After the preview the clip again holds the module cell.
    EXPECT_EQ(Main().PicClip->ClipWidth(), 5);
    EXPECT_EQ(Main().PicClip->ClipHeight(), 7);
}

TEST_F(LayoutKindTest, CharacterLayoutCountsAtLeastOneModulePerCharacter) {
    UseCharacterLayout();  // high density, vertical: 8 x 12 LEDs
    Type(0, "IIIIIIIII");
    // Nine narrow characters of ink fit fewer modules; the sign still gets nine.
    EXPECT_EQ(TheSign().XZomelCount(), 9);
    Type(0, std::string(30, 'I'));
    EXPECT_EQ(TheSign().XZomelCount(), 20);
}

TEST_F(LayoutKindTest, CharacterRowsNeverShiftAndNeverExceedTheSign) {
    Main().mnuSignDensity_Click();
    UseCharacterLayout();
    const std::string longLine = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
    Type(0, longLine);
    Align(1, 1);
    Type(1, "XY");
    ASSERT_EQ(TheSign().XZomelCount(), 20);
    EXPECT_EQ(DisplayNumber("SegCountX"), 20);
    EXPECT_EQ(DisplayNumber("SegCountY"), 2);
    EXPECT_EQ(FrameRows(100, 14),
              Cells({longLine.substr(0, 20), std::string(18, ' ') + "XY"}, 100, 14));
}

TEST_F(LayoutKindTest, AHeldCharacterSignTakesTextThatFitsItsModulesAndGaps) {
    Main().mnuSignDensity_Click();
    UseCharacterLayout();
    Type(0, "ABCD");
    Type(1, "AB");
    Click("id_SignHold");
    ASSERT_TRUE(zomel::HoldSize);
    host.ClearMessages();
    // Ink to column 23 and row 15 on 4 x 2 modules of 5 x 7 LEDs and a gap each.
    Type(0, "ABCE");
    EXPECT_TRUE(host.Messages().empty()) << Prompts()[0];
    EXPECT_EQ(TheSign().XZomelCount(), 4);
    EXPECT_EQ(TheSign().YZomelCount(), 2);
    Type(0, "ABCDE");
    EXPECT_EQ(host.Messages().size(), 1u);
}

TEST_F(LayoutKindTest, LineMatrixPutsOneLinePerModuleRow) {
    UseLayout("id_SignLine", zomel::LayoutKind::LineMatrix);
    Type(0, "A");
    Type(1, "B");
    Type(2, "C");
    Main().VScrLineSpacing->SetValue(3);  // not used between module rows
    EXPECT_EQ(TheSign().XZomelCount(), 1);
    EXPECT_EQ(TheSign().YZomelCount(), 3);
    EXPECT_EQ(FrameRows(), Expected(12, 24, {{3, 0, "A"}, {3, 8, "B"}, {3, 16, "C"}}));
}

}  // namespace
