#include <string>
#include <vector>

#include "catalogue/frmOptions.h"
#include "tests/modelspec/ModelFixture.h"

namespace {

std::vector<std::string> Entries(forms::ListControl& list) {
    std::vector<std::string> entries;
    for (vb::Integer i = 0; i < list.ListCount(); ++i)
        entries.push_back(list.List(i));
    return entries;
}

vb::Integer Find(forms::ListControl& list, const std::string& text) {
    for (vb::Integer i = 0; i < list.ListCount(); ++i)
        if (list.List(i) == text) return i;
    ADD_FAILURE() << text << " is not in the list";
    return -1;
}

class SizeListsTest : public ModelTest {
protected:
    forms::ComboBox& high() { return *main().cbbHigh; }
    forms::ComboBox& wide() { return *main().cbbWide; }
    void ChooseHeight(const std::string& text) { high().SetListIndex(Find(high(), text)); }
    forms::Label& lineError() { return *main().lblLineError; }
};

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(SizeListsTest, SettingTheUnitFillsTheHeightsAndEmptiesTheWidths) {
    sign().SetCharSizeUnit("in");
    wide().AddItem("stale");
    sign().SetCharSizeUnit("cm");
    ASSERT_EQ(high().ListCount(), 24);
    EXPECT_EQ(high().List(0), "20.32 centemeters");
    EXPECT_EQ(high().List(23), "83.82 centemeters");
    EXPECT_EQ(wide().ListCount(), 0);
    sign().SetCharSizeUnit("in");
    EXPECT_EQ(high().List(0), "08.00 inches");
    EXPECT_EQ(high().List(23), "33.00 inches");
}

TEST_F(SizeListsTest, PixelUnitLeavesBothListsEmpty) {
    sign().SetCharSizeUnit("pix");
    EXPECT_EQ(high().ListCount(), 0);
    forms::Instance<zomel::frmOptions>().LoadCharWide();
    EXPECT_EQ(wide().ListCount(), 0);
    high().AddItem("08.00 inches");
    main().chkHigh->SetValue(1);
    high().SetListIndex(0);
    EXPECT_EQ(wide().ListCount(), 0);
    EXPECT_EQ(wide().ListIndex(), -1);
}

TEST_F(SizeListsTest, ChoosingAHeightOffersItsWidthsWidestChosen) {
    sign().SetCharSizeUnit("in");
    main().chkHigh->SetValue(1);
    ChooseHeight("08.00 inches");
    EXPECT_EQ(Entries(wide()), Texts{"06.88 inches"});
    EXPECT_EQ(wide().ListIndex(), 0);
    ChooseHeight("19.20 inches");
    EXPECT_EQ(Entries(wide()),
              (Texts{"08.60 inches", "10.32 inches", "12.04 inches", "13.76 inches"}));
    EXPECT_EQ(wide().ListIndex(), 3);
    ChooseHeight("33.00 inches");
    EXPECT_EQ(Entries(wide()),
              (Texts{"13.75 inches", "16.50 inches", "19.25 inches", "22.00 inches"}));
    ChooseHeight("13.75 inches");
    EXPECT_EQ(Entries(wide()), Texts{"11.00 inches"});
    ChooseHeight("13.76 inches");
    EXPECT_EQ(Entries(wide()), (Texts{"06.40 inches", "08.00 inches"}));
}

TEST_F(SizeListsTest, CentimetreHeightsOfferCentimetreWidths) {
    sign().SetCharSizeUnit("cm");
    main().chkHigh->SetValue(1);
    ChooseHeight("48.77 centemeters");
    EXPECT_EQ(Entries(wide()), (Texts{"21.84 centemeters", "26.21 centemeters", "30.58 centemeters",
                                      "34.95 centemeters"}));
}

TEST_F(SizeListsTest, WithoutTheHeightFilterAHeightEmptiesTheWidths) {
    sign().SetCharSizeUnit("in");
    forms::Instance<zomel::frmOptions>().LoadCharWide();
    wide().SetListIndex(2);
    main().lstSigns->AddItem("old candidate");
    main().lblWarn->SetVisible(true);
    ChooseHeight("19.20 inches");
    EXPECT_EQ(wide().ListCount(), 0);
    EXPECT_EQ(wide().ListIndex(), -1);
    EXPECT_EQ(main().lstSigns->ListCount(), 0);
    EXPECT_FALSE(main().lblWarn->Visible());
}

TEST_F(SizeListsTest, AllWidthsInOrder) {
    sign().SetCharSizeUnit("in");
    forms::Instance<zomel::frmOptions>().LoadCharWide();
    const Texts widths = Entries(wide());
    ASSERT_EQ(widths.size(), 18u);
    EXPECT_EQ(widths.front(), "04.80 inches");
    EXPECT_EQ(widths.back(), "22.00 inches");
    EXPECT_EQ(Texts(widths.begin() + 14, widths.end()),
              (Texts{"13.76 inches", "16.50 inches", "19.25 inches", "22.00 inches"}));
}

TEST_F(SizeListsTest, OpeningTheHeightsWithAWidthChosenNarrowsThem) {
    sign().SetCharSizeUnit("in");
    forms::Instance<zomel::frmOptions>().LoadCharWide();
    wide().SetListIndex(Find(wide(), "13.75 inches"));
    main().chkWide->SetValue(1);
    main().cbbHigh->RaiseEvent("DropDown");
    EXPECT_EQ(Entries(high()), (Texts{"19.25 inches", "22.00 inches", "24.75 inches",
                                      "27.50 inches", "30.25 inches", "33.00 inches"}));
    EXPECT_EQ(high().ListIndex(), -1);
    wide().SetListIndex(Find(wide(), "06.40 inches"));
    main().cbbHigh->RaiseEvent("DropDown");
    EXPECT_EQ(Entries(high()),
              (Texts{"08.60 inches", "10.32 inches", "12.04 inches", "13.76 inches"}));
}

TEST_F(SizeListsTest, LeavingTheHeightListShowsOrClearsTheSizeMessage) {
    sign().SetCharSizeUnit("in");
    main().chkHigh->SetValue(1);
    ChooseHeight("13.75 inches");
    forms::EventArgs cancel{vb::Variant(vb::Integer{0})};
    main().cbbHigh->RaiseEvent("Validate", cancel);
    EXPECT_FALSE(lineError().Visible());
    EXPECT_TRUE(main().lstSigns->Visible());
    EXPECT_EQ(Panel5(), " ");

    wide().Clear();
    wide().AddItem("13.75 inches");
    wide().SetListIndex(0);
    main().cbbHigh->RaiseEvent("Validate", cancel);
    const std::string mismatch =
        "A height of 13.75 does NOT match a width of 13.75 using any VELDO font.";
    EXPECT_TRUE(lineError().Visible());
    EXPECT_EQ(lineError().Caption(), mismatch);
    EXPECT_EQ(Panel5(), mismatch);
    EXPECT_TRUE(Panel5Visible());
    EXPECT_FALSE(main().lstSigns->Visible());
}

TEST_F(SizeListsTest, AMissingWidthSilencesTheWidthCheckUntilTheHeightIsChecked) {
    sign().SetCharSizeUnit("in");
    forms::EventArgs cancel{vb::Variant(vb::Integer{0})};
    main().cbbWide->RaiseEvent("Validate", cancel);  // nothing chosen: flag set, message shown
    EXPECT_EQ(lineError().Caption(), "You have not selected a character width.");
    lineError().SetCaption("");
    main().cbbWide->RaiseEvent("Validate", cancel);  // skipped while the flag is set
    EXPECT_EQ(lineError().Caption(), "");
    main().chkHigh->SetValue(1);  // the height check runs and clears the flag
    EXPECT_EQ(lineError().Caption(), "You have not selected a character height.");
    main().chkHigh->SetValue(0);  // unticking checks nothing
    main().cbbWide->RaiseEvent("Validate", cancel);
    EXPECT_EQ(lineError().Caption(), "You have not selected a character width.");
}
