#include "tests/editor/mainwin/MainWindowFixture.h"

using namespace zomel;

namespace {

class DensityOrientation : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadMain();
    }
    vb::Integer Geometry(const char* member) { return ViewSign().Get(member).ToInteger(); }
    void ExpectRefusal(const std::string& text, const std::string& title) {
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].prompt, text);
        EXPECT_EQ(host.Messages()[0].title, title);
        host.ClearMessages();
    }
};

}  // namespace

TEST_F(DensityOrientation, DensityTogglesTheModulesAndKeepsTheLines) {
    frmMain& main = Main();
    main.txtZomelText(0).SetText("AB");
    main.txtZomelText(1).SetText("CD");
    ASSERT_EQ(ViewSign().Get("FrameCount").ToInteger(), 1);
    Click("id_SignHigh");
    EXPECT_EQ(main.HighDensity, vb::False);
    EXPECT_EQ(TheSign().HighDensity(), vb::False);
    EXPECT_EQ(Geometry("PixPerSegX"), 7);
    EXPECT_EQ(Geometry("PixPerSegY"), 5);
    EXPECT_FALSE(ToolVisible("id_SignHigh"));
    EXPECT_TRUE(ToolVisible("id_SignStandard"));
    EXPECT_EQ(main.txtZomelText(0).Text(), "AB");
    EXPECT_EQ(main.txtZomelText(1).Text(), "CD");
    EXPECT_EQ(main.txtZomelText(2).Text(), "");
    // The design started over and the kept lines were laid out again: one frame on show.
    EXPECT_EQ(ViewSign().Get("FrameCount").ToInteger(), 1);

    Click("id_SignStandard");
    EXPECT_EQ(main.HighDensity, vb::True);
    EXPECT_EQ(Geometry("PixPerSegX"), 12);
    EXPECT_EQ(Geometry("PixPerSegY"), 8);
    EXPECT_TRUE(ToolVisible("id_SignHigh"));
    EXPECT_EQ(main.txtZomelText(0).Text(), "AB");
    EXPECT_EQ(main.txtZomelText(1).Text(), "CD");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(DensityOrientation, EuropeanSignsStayHighDensity) {
    CEOption = vb::True;
    Click("id_SignHigh");
    ExpectRefusal("Only the high density ZOMEL is CE certified.", "European ZOMEL signs");
    EXPECT_EQ(Main().HighDensity, vb::True);
    EXPECT_TRUE(ToolVisible("id_SignHigh"));
    CEOption = vb::False;
}

TEST_F(DensityOrientation, HorizontalLineMatrixNeedsHighDensity) {
    TheSign().SetSegmentType(zomel::LayoutKind::LineMatrix);
    Click("id_SignHigh");
    ExpectRefusal("Only high density ZOMELs allow both horizontal and line segmented",
                  "Line Segmented Horizontal ZOMEL Signs");
    EXPECT_EQ(Main().HighDensity, vb::True);

    Click("id_SignHorizontal");  // vertical modules may go to standard density
    Click("id_SignHigh");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(Main().HighDensity, vb::False);
    EXPECT_EQ(Geometry("PixPerSegX"), 5);
    EXPECT_EQ(Geometry("PixPerSegY"), 7);

    Click("id_SignVertical");  // and then cannot turn horizontal
    ExpectRefusal("Only high density ZOMELs allow both horizontal and line segmented",
                  "Line Segmented Horizontal ZOMEL Signs");
    EXPECT_EQ(Main().ChkVertical->Value(), 1);
    EXPECT_EQ(TheSign().Vertical(), vb::True);
}

TEST_F(DensityOrientation, OrientationSwapsTheModuleSidesAndTheTools) {
    frmMain& main = Main();
    main.ViewSign->SetVisible(true);
    Click("id_SignHorizontal");
    EXPECT_EQ(main.ChkVertical->Value(), 1);
    EXPECT_EQ(TheSign().Vertical(), vb::True);
    EXPECT_EQ(main.PicClip->ClipWidth(), 8);
    EXPECT_EQ(main.PicClip->ClipHeight(), 12);
    EXPECT_EQ(Geometry("PixPerSegX"), 8);
    EXPECT_EQ(Geometry("PixPerSegY"), 12);
    EXPECT_TRUE(ToolVisible("id_SignVertical"));
    EXPECT_FALSE(ToolVisible("id_SignHorizontal"));
    EXPECT_TRUE(main.ViewSign->Visible());  // shown again as it was
    EXPECT_EQ(HeightLabel(0), "5x7 VELDO Font 11.20 in");

    main.mnuSignVertical_Click(vb::True);  // already vertical: figures only
    EXPECT_EQ(main.ChkVertical->Value(), 1);
    EXPECT_TRUE(ToolVisible("id_SignVertical"));

    Click("id_SignHigh");
    Click("id_SignVertical");
    EXPECT_EQ(main.ChkVertical->Value(), 0);
    EXPECT_EQ(TheSign().Vertical(), vb::False);
    EXPECT_EQ(main.PicClip->ClipWidth(), 7);
    EXPECT_EQ(main.PicClip->ClipHeight(), 5);
    EXPECT_TRUE(ToolVisible("id_SignHorizontal"));
    EXPECT_FALSE(ToolVisible("id_SignVertical"));
    EXPECT_EQ(HeightLabel(0), "5x7 VELDO Font 19.25 in");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(DensityOrientation, TurningTheModulesReleasesAHeldSize) {
    Main().txtZomelText(0).SetText("HOLD");
    Click("id_SignHold");
    ASSERT_EQ(HoldSize, vb::True);
    ASSERT_EQ(Tool("id_SignHold").State(), 1);
    Click("id_SignHorizontal");
    EXPECT_EQ(HoldSize, vb::False);
    EXPECT_EQ(Tool("id_SignHold").State(), 0);
    EXPECT_EQ(Main().txtZomelText(0).Text(), "HOLD");
}

TEST_F(DensityOrientation, HoldingAnEmptySignHoldsNothing) {
    Click("id_SignHold");
    EXPECT_EQ(HoldSize, vb::False);
    EXPECT_EQ(Tool("id_SignHold").State(), 0);
}
