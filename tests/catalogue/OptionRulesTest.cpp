#include "catalogue/frmSolar.h"
#include "core/PartNumbers.h"
#include "tests/catalogue/OptionsTreeFixture.h"

using namespace zomel;

namespace {

// Each selection rule, tried on the shipped catalogue's rows as a person ticks and unticks the
// tree's boxes.
class OptionRules : public OptionsTreeTest {
protected:
    void SetUp() override {
        OptionsTreeTest::SetUp();
        preset = Row(kPresetPartNo);
        shortCable = Row("630-0725");
        longCable = Row("630-0800");
        supply10 = Row(kSupply10PartNo);
        supply20 = Row(kSupply20PartNo);
        supply100 = Row("240-0100");
        kit = Row(kHighLoadKitPartNo);
        kitSupply = Row("240-0100", kit);
        panel = Row(kSolarPanelPartNo);
        battery = Row(kSolarBatteryPartNo);
    }
    std::string Clone(int row) { return "CLN" + std::to_string(row); }
    int Modals(const std::string& window) {
        int count = 0;
        for (const std::string& line : host.Journal())
            count += line.starts_with("modal " + window + " ");
        return count;
    }

    int preset = 0, shortCable = 0, longCable = 0, supply10 = 0, supply20 = 0, supply100 = 0;
    int kit = 0, kitSupply = 0, panel = 0, battery = 0;
};

TEST_F(OptionRules, GroupPackageAndSetNodesChooseNothing) {
    Open();
    Tick(Node("OPTION-GRP5"));
    Tick(Node("SET3"));
    EXPECT_EQ(host.Beeps(), 2);
    EXPECT_TRUE(ChosenParts().empty());
    EXPECT_TRUE(Shown("SET3"));  // the box keeps the person's tick
    // A kit's content is no choice of its own either: it goes back to its kit's state.
    Tick(NodeOf(Row("270-0120")));
    EXPECT_EQ(host.Beeps(), 3);
    EXPECT_FALSE(Shown("OPT" + std::to_string(Row("270-0120"))));
    EXPECT_TRUE(ChosenParts().empty());
}

TEST_F(OptionRules, ThePairedSetNodeChoosesItsFirstAndLastMember) {
    Open();
    Tick(Node("SET42"));  // "TQX "
    EXPECT_EQ(ChosenParts(), (Parts{"640-0210", "640-0230"}));
    EXPECT_TRUE(Shown("OPT" + std::to_string(Row("640-0230"))));
    EXPECT_EQ(host.Beeps(), 0);
    Tick(Node("SET42"));
    EXPECT_TRUE(ChosenParts().empty());
}

TEST_F(OptionRules, ThePresetBringsItsKitItemsForTheGenerationInUse) {
    Open();
    gOptions(longCable).Checked = vb::True;  // chosen before
    Tick(preset);
    EXPECT_EQ(ChosenParts(), (Parts{"610-1000", "630-0100", "350-1040", "250-0025", "630-0725"}));
    EXPECT_TRUE(Shown(Clone(shortCable)));
    EXPECT_FALSE(Shown(Clone(longCable)));
    EXPECT_FALSE(Shown("OPT" + std::to_string(longCable)));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(OptionRules, ThePresetOnAGenerationTwoSignBringsTheGenerationTwoItems) {
    Click("id_Sign1");
    ASSERT_EQ(Zomel2Mode, vb::True);
    Open();
    gOptions(Row("350-1040")).Checked = vb::True;  // the ZOMEL item, chosen on an earlier sign
    Tick(Row(kPresetTwinPartNo));
    EXPECT_EQ(ChosenParts(),
              (Parts{"610-2000", "630-0100", "350-2050", "240-2040", "250-0025", "630-0725"}));
}

TEST_F(OptionRules, UncheckingAKitItemUnchecksThePresetButNotTheOtherWay) {
    Open();
    Tick(preset);
    Tick(Row("630-0100"));
    EXPECT_FALSE(Chosen(preset));
    EXPECT_FALSE(Shown("OPT" + std::to_string(preset)));
    EXPECT_TRUE(Chosen(Row("350-1040")));

    Tick(preset);
    Tick(preset);  // the preset itself: its items stay
    EXPECT_EQ(ChosenParts(), (Parts{"630-0100", "350-1040", "250-0025", "630-0725"}));
    // A copy under the preset is a kit item too.
    Tick(preset);
    Tick(Node(Clone(shortCable)));
    EXPECT_FALSE(Chosen(shortCable));
    EXPECT_FALSE(Chosen(preset));
    EXPECT_FALSE(Shown("OPT" + std::to_string(shortCable)));
}

TEST_F(OptionRules, ASetKeepsOneChoiceAndACopyFollowsItsRow) {
    Open();
    Tick(preset);
    Tick(longCable);  // the set's other member, in the kit's set
    EXPECT_TRUE(Chosen(longCable));
    EXPECT_FALSE(Chosen(shortCable));
    EXPECT_TRUE(Shown(Clone(longCable)));
    EXPECT_FALSE(Shown(Clone(shortCable)));  // its row was cleared: so is its copy
    EXPECT_TRUE(Chosen(preset));

    Tick(supply10);
    Tick(supply20);
    EXPECT_FALSE(Chosen(supply10));
    EXPECT_TRUE(Chosen(supply20));
    EXPECT_FALSE(Shown("OPT" + std::to_string(supply10)));
    Tick(supply20);
    EXPECT_FALSE(Chosen(supply20));
    EXPECT_FALSE(Chosen(supply10));
}

TEST_F(OptionRules, AKitShowsItsContentsWithoutChoosingThem) {
    Open();
    Tick(kit);
    EXPECT_EQ(ChosenParts(), (Parts{kHighLoadKitPartNo.data()}));
    for (int content = kit + 1; content <= kit + 3; ++content)
        EXPECT_TRUE(Shown("OPT" + std::to_string(content))) << content;
    // Another supply of the set leaves the kit's own supply in the kit.
    Tick(supply20);
    EXPECT_TRUE(Shown("OPT" + std::to_string(kitSupply)));
    EXPECT_FALSE(Shown("OPT" + std::to_string(supply100)));
    Tick(kit);
    EXPECT_EQ(ChosenParts(), (Parts{kSupply20PartNo.data()}));
    for (int content = kit + 1; content <= kit + 3; ++content)
        EXPECT_FALSE(Shown("OPT" + std::to_string(content))) << content;
    EXPECT_FALSE(Shown("OPT" + std::to_string(supply100)));  // nothing brings it now
}

TEST_F(OptionRules, APartInTwoPackagesIsChosenOnce) {
    Open();
    const int phoneSurge = Row("630-0500");
    const int modemSurge = Row("630-0500", phoneSurge + 1);
    Tick(phoneSurge);
    Tick(modemSurge);
    EXPECT_FALSE(Chosen(phoneSurge));
    EXPECT_TRUE(Chosen(modemSurge));
    EXPECT_FALSE(Shown("OPT" + std::to_string(phoneSurge)));
    Tick(phoneSurge);
    Tick(phoneSurge);  // unchecking one clears both
    EXPECT_FALSE(Chosen(modemSurge));
    EXPECT_TRUE(ChosenParts().empty());
}

TEST_F(OptionRules, TheCabinetKitReachesTheEstimate) {
    Open();
    const int cabinet = Row(kCabinetPlaceholderPartNo);
    ASSERT_EQ(gOptions(cabinet).PartNo, "N/A");
    Tick(cabinet);
    EXPECT_EQ(Estimate().CabinetOption, vb::True);
    Tick(cabinet);
    EXPECT_EQ(Estimate().CabinetOption, vb::False);
}

TEST_F(OptionRules, SolarPanelsAndBatteriesGoTogetherAndOpenTheSolarSizing) {
    Open();
    bool panelShown = false;
    host.OnModal("frmSolar", [&](forms::Form& solar) {
        panelShown = Shown("OPT" + std::to_string(panel));
        EXPECT_EQ(solar.Owner(), &Tree());
    });
    Tick(battery);
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(Modals("frmSolar"), 1);
    EXPECT_TRUE(Chosen(panel));
    EXPECT_TRUE(Tree().cmdSolar->Visible());
    // The sizing passed its suggestion to the estimate.
    EXPECT_GE(Estimate().PanelCount.ToLong(), 1);
    EXPECT_GE(Estimate().BatteryCount.ToLong(), 2);

    Tick(panel);
    EXPECT_FALSE(Chosen(battery));
    EXPECT_FALSE(Shown("OPT" + std::to_string(battery)));
    EXPECT_EQ(Estimate().PanelCount.ToLong(), 0);
    EXPECT_EQ(Estimate().BatteryCount.ToLong(), 0);
    EXPECT_FALSE(Tree().cmdSolar->Visible());
    EXPECT_EQ(Modals("frmSolar"), 1);
}

TEST_F(OptionRules, TheSolarWindowOpensFromTheTreeForAChosenSolarRow) {
    Open();
    forms::TreeView& tree = *Tree().tvOption;
    tree.DoubleClickNode(NodeOf(panel));  // not chosen: nothing
    vb::Integer key = 61;
    Tree().tvOption_KeyPress(key);
    EXPECT_EQ(Modals("frmSolar"), 0);

    Tick(panel);
    EXPECT_EQ(Modals("frmSolar"), 1);
    tree.DoubleClickNode(NodeOf(battery));
    EXPECT_EQ(Modals("frmSolar"), 2);
    Tree().KeyPress(61, &tree);  // "=" on the tree
    EXPECT_EQ(Modals("frmSolar"), 3);
    Tree().KeyPress(62, &tree);
    tree.DoubleClickNode(Node("SET41"));
    EXPECT_EQ(Modals("frmSolar"), 3);
    Tree().cmdSolar->Click();
    EXPECT_EQ(Modals("frmSolar"), 4);
}

TEST_F(OptionRules, ACatalogueWithoutASolarRowLeavesTheSolarRuleOut) {
    gOptions(panel).PartNo = "650-0086";
    gPriceLoad.PanelOption = vb::Variant();
    Open();
    Tick(battery);
    EXPECT_EQ(ChosenParts(), (Parts{kSolarBatteryPartNo.data()}));
    EXPECT_EQ(Modals("frmSolar"), 0);
    EXPECT_FALSE(Tree().cmdSolar->Visible());
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(OptionRules, PairedSetsTakeFirstAndLastTogether) {
    Open();
    const int adapter = Row("360-0800");
    const int clamps = Row("360-0810");
    Tick(adapter);
    EXPECT_TRUE(Chosen(clamps));
    EXPECT_TRUE(Shown("OPT" + std::to_string(clamps)));
    EXPECT_EQ(Estimate().AltPartsFlag, vb::True);
    Tick(clamps);
    EXPECT_FALSE(Chosen(adapter));
    EXPECT_EQ(Estimate().AltPartsFlag, vb::False);
    // "QZ6" pairs too, without the alternative part numbers.
    Tick(Row("360-0610"));
    EXPECT_TRUE(Chosen(Row("360-0600")));
    EXPECT_EQ(Estimate().AltPartsFlag, vb::False);
}

TEST_F(OptionRules, InAPairedSetOfThreeTheLastGoesWithWhicheverChanges) {
    const int cover = Row("690-0010");
    const int cleaning = Row("690-0020");
    const int spares = Row("690-0030");
    gOptions(cover).Name = "TQX - Sign cover";
    gOptions(cleaning).Name = "TQX - Cleaning kit";
    gOptions(spares).Name = "TQX - Spare parts kit";
    Open();
    Tick(cleaning);
    EXPECT_EQ(ChosenParts(), (Parts{"690-0020", "690-0030"}));
    Tick(spares);  // the last one pairs with the first
    EXPECT_EQ(ChosenParts(), (Parts{"690-0020"}));
    Tick(cover);
    EXPECT_EQ(ChosenParts(), (Parts{"690-0010", "690-0020", "690-0030"}));
}

TEST_F(OptionRules, APartOfTheOtherGenerationIsNotedAndKept) {
    Click("id_Sign1");  // a ZOMEL2 sign
    Open();
    const int caps = Row("210-1090");  // ZOMEL rail end caps
    Tick(caps);
    ASSERT_EQ(host.Messages().size(), 1U);
    EXPECT_EQ(host.Messages()[0].prompt,
              "You can order anything we sell. This part is normally used on or with a ZOMEL 1 "
              "sign.");
    EXPECT_EQ(host.Messages()[0].title, "ZomelBuilder");
    EXPECT_TRUE(Chosen(caps));
    Tree().Unload();

    Click("id_Sign2");  // back to ZOMEL
    gOptions(Row("690-1010")).ZomelVersion = 2;
    Open();
    host.ClearMessages();
    Tick(Row("690-1010"));
    ASSERT_EQ(host.Messages().size(), 1U);
    EXPECT_EQ(host.Messages()[0].prompt,
              "You can order anything we sell. This part is normally used on or with a ZOMEL 2 "
              "sign.");
    EXPECT_TRUE(Chosen(Row("690-1010")));
}

TEST_F(OptionRules, ClearEmptiesEveryRowNodeAndWhatTheEstimateWasTold) {
    Open();
    Tick(preset);
    Tick(Row("360-0800"));
    Tick(Row(kCabinetPlaceholderPartNo));
    Tick(battery);
    Tick(Node("OPTION-GRP5"));
    gOptions(kMaxOptions).Checked = vb::True;  // a row beyond the tree's nodes
    ASSERT_EQ(Estimate().AltPartsFlag, vb::True);
    Tree().cmdClear->Click();
    EXPECT_TRUE(ChosenParts().empty());
    EXPECT_EQ(gOptions(kMaxOptions).Checked, vb::False);
    for (vb::Long n = 1; n <= Tree().tvOption->Count(); ++n)
        EXPECT_FALSE(Tree().tvOption->Item(n).Checked()) << n;
    EXPECT_EQ(Estimate().AltPartsFlag, vb::False);
    EXPECT_EQ(Estimate().CabinetOption, vb::False);
    EXPECT_EQ(Estimate().PanelCount.ToLong(), 0);
    EXPECT_EQ(Estimate().BatteryCount.ToLong(), 0);
    EXPECT_FALSE(Tree().cmdSolar->Visible());
}

TEST_F(OptionRules, ClosingWithThePresetChosenChoosesItsItemsOfThisGenerationOnly) {
    Open();
    Tick(preset);
    Tick(longCable);  // the kit's short cable gives way
    ASSERT_FALSE(Chosen(shortCable));
    Tree().cmdDone->Click();
    EXPECT_FALSE(Tree().IsLoaded());
    EXPECT_TRUE(Chosen(shortCable));
    EXPECT_TRUE(Chosen(longCable));
    EXPECT_FALSE(Chosen(Row(kPresetTwinPartNo)));  // one installation kit only
    EXPECT_FALSE(Chosen(Row("350-2050")));
    EXPECT_FALSE(Chosen(Row("240-2040")));
    // Closed without the preset: nothing is added.
    Open();
    Tree().cmdClear->Click();
    EXPECT_TRUE(Tree().CloseByUser());
    EXPECT_TRUE(ChosenParts().empty());
}

TEST_F(OptionRules, AnUnexpectedValueIsReportedAndTheTreeStaysUsable) {
    Open();
    gPriceLoad.PanelOption = "not a row";
    Tick(battery);
    ASSERT_EQ(host.Messages().size(), 1U);
    EXPECT_TRUE(host.Messages()[0].prompt.starts_with(
        "An unexpected error has occurred in Sign Options Node Check"))
        << host.Messages()[0].prompt;
    EXPECT_TRUE(Shown("OPT" + std::to_string(battery)));
    EXPECT_TRUE(Chosen(battery));
    Tick(Row("690-1005"));
    EXPECT_TRUE(Chosen(Row("690-1005")));
    EXPECT_TRUE(Tree().IsLoaded());
}

}  // namespace

namespace {

// A full table of packages: the tree's nodes outnumber the table's rows, and the rules' walks
// stop at the table's end.
TEST_F(OptionRules, TheRulesWalkNoFurtherThanTheTable) {
    for (int i = gOptionCount + 1; i <= kMaxOptions; ++i) {
        OptionRecord& row = gOptions(i);
        row.Name = "Spare part " + std::to_string(i);
        row.Type = "OPTION-PKG";
        row.PartNo = row.CataloguePartNo = "699-" + std::to_string(1000 + i);
        row.Package = static_cast<vb::Integer>(100 + i);
        row.Info = "OPTION";
    }
    frmChooser& tree = Open();
    ASSERT_GT(tree.tvOption->Count() - GroupCount, kMaxOptions);
    Tick(preset);
    Tick(kit);
    Tick(kMaxOptions);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(Chosen(kMaxOptions));
    EXPECT_TRUE(Chosen(Row("630-0100")));
}

}  // namespace

namespace {

// Node indexes of an earlier build name other nodes now: a row left out of this build has
// none, and so no partner of it reaches into this tree.
TEST_F(OptionRules, ARowLeftOutOfThisBuildKeepsNoNodeOfAnEarlierOne) {
    const int modem = Row(kModemPackagePartNo);
    const int zomel2Hardware = Row("350-2050");
    gOptions(zomel2Hardware).PartNo = kModemPackagePartNo;  // one number on two rows
    Click("id_Sign1");
    Open();
    const vb::Integer earlierNode = gOptions(zomel2Hardware).tvIndex;
    ASSERT_GT(earlierNode, 0);
    Tree().cmdDone->Click();
    gOptions(PresetOptionIndex).Checked = vb::False;
    Click("id_Sign2");
    Open();
    EXPECT_EQ(gOptions(zomel2Hardware).tvIndex, 0);
    EXPECT_EQ(gOptions(modem).tvCloneIndex, 0);
    // Whatever row the earlier node's index shows now stays chosen when the modem is.
    const int other = std::stoi(Tree().tvOption->Item(earlierNode).Tag().ToString());
    ASSERT_GT(other, 0);
    Tick(other);
    Tick(modem);
    EXPECT_TRUE(Chosen(other));
    EXPECT_TRUE(Chosen(modem));
}

}  // namespace
