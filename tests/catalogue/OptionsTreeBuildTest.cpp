#include <cctype>

#include "core/Diagnostics.h"
#include "core/LogChannel.h"
#include "core/PartNumbers.h"
#include "platform/vb/Strings.h"
#include "tests/catalogue/OptionsTreeFixture.h"

using namespace zomel;

namespace {

std::string Blanks(int count) {
    return std::string(static_cast<size_t>(count), ' ');
}

std::vector<std::string> ChildKeys(const forms::Node& node) {
    std::vector<std::string> keys;
    for (const forms::Node* child : node.ChildNodes())
        keys.push_back(child->Key());
    return keys;
}

std::vector<std::string> ChildTexts(const forms::Node& node) {
    std::vector<std::string> texts;
    for (const forms::Node* child : node.ChildNodes())
        texts.push_back(child->Text());
    return texts;
}

std::string Opt(int row) {
    return "OPT" + std::to_string(row);
}

using Keys = std::vector<std::string>;

TEST_F(OptionsTreeTest, TheShippedCatalogueMakesEveryKindOfNode) {
    frmChooser& tree = Open();
    EXPECT_EQ(tree.Caption(), "Sign Options");
    EXPECT_EQ(tree.cmdClear->Caption(), "&Clear");
    EXPECT_EQ(tree.cmdSolar->Caption(), "&Solar");
    EXPECT_FALSE(tree.cmdSolar->Visible());
    ASSERT_EQ(Zomel2Mode, vb::False);

    // The preset option (the ZOMEL installation kit) holds its kit items and second copies of
    // its set members; the ZOMEL2 kit and the ZOMEL2 items have no node.
    const int preset = Row(kPresetPartNo);
    EXPECT_EQ(PresetOptionIndex, preset);
    EXPECT_EQ(tree.tvOption->Roots().front(), &NodeOf(preset));
    EXPECT_EQ(
        ChildKeys(NodeOf(preset)),
        (Keys{Opt(Row("630-0100")), Opt(Row("350-1040")), Opt(Row("250-0025")),
              "CLN" + std::to_string(Row("630-0725")), "CLN" + std::to_string(Row("630-0800"))}));
    for (const char* partNo : {"610-2000", "350-2050", "240-2040"})
        EXPECT_EQ(tree.tvOption->Find(Opt(Row(partNo))), nullptr) << partNo;
    EXPECT_EQ(Node("CLN" + std::to_string(Row("630-0725"))).Text(),
              "Communication cable - 25 ft" + Blanks(56 - 27) + Blanks(5) + "630-0725");

    // A set: its node shows the caption before the "-", blank included; its members the rest.
    const forms::Node& cables = Node("SET1");
    EXPECT_EQ(cables.Text(), "Communication cable ");
    EXPECT_TRUE(cables.Expanded());
    EXPECT_TRUE(cables.Tag().IsEmpty() || cables.Tag().ToInteger() == 0);
    EXPECT_EQ(ChildTexts(cables),
              (Keys{"25 ft is in kit" + Blanks(56 - 15) + Blanks(5) + "630-0725",
                    "100 ft is in kit" + Blanks(56 - 16) + Blanks(5) + "630-0800"}));
    EXPECT_EQ(Node("SET2").Text(), "Long power cable ");
    EXPECT_EQ(ChildKeys(Node("SET3")), (Keys{Opt(Row(kSupply10PartNo)), Opt(Row(kSupply20PartNo)),
                                             Opt(Row(kSupply40PartNo)), Opt(Row("240-0100"))}));
    // Grouped rows make a set of their package.
    EXPECT_EQ(Node("SET42").Text(), kPairedSetCaption);
    EXPECT_EQ(Node("SET43").Text(), "QZ8 ");
    EXPECT_EQ(Node("SET41").Text(), "Solar array ");
    EXPECT_EQ(NodeOf(Row(kSolarPanelPartNo)).Text(),
              "Panels 85 watt" + Blanks(56 - 14 - 10) + "Call VELDO" + Blanks(5) + "650-0085");
    EXPECT_EQ(gPriceLoad.PanelOption.ToInteger(), Row(kSolarPanelPartNo));
    EXPECT_EQ(gPriceLoad.BatteryOption.ToInteger(), Row(kSolarBatteryPartNo));

    // Kits at the top level with their contents, which are no choices of their own.
    const int fuse = Row("260-0010");
    EXPECT_EQ(NodeOf(fuse).Text(), "Fuse kit" + Blanks(61 - 8) + Blanks(5) + "260-0010");
    EXPECT_EQ(NodeOf(fuse).Parent(), nullptr);
    const int cabinet = Row(kCabinetPlaceholderPartNo);
    EXPECT_EQ(NodeOf(cabinet).Text(), "NEMA 4X equipment cabinet" + Blanks(61 - 25 - 10) +
                                          "Call VELDO" + Blanks(5) + "N/A");
    const forms::Node& heater = NodeOf(Row("270-0110"));
    EXPECT_EQ(heater.Parent(), &NodeOf(cabinet));
    EXPECT_EQ(heater.Tag().ToInteger(), 0);
    EXPECT_EQ(heater.Text(), "Cabinet heater and thermostat" + Blanks(56 - 29 - 3) + "N/A" +
                                 Blanks(5) + "270-0110");

    // Packages of the communication group under its group node; a package of no group at the
    // top level.
    const forms::Node& group = Node("OPTION-GRP5");
    EXPECT_EQ(group.Text(), "Communication Alternatives");
    EXPECT_EQ(ChildTexts(group), (Keys{"Phone Related Options", "Hardwire modem Related Options",
                                       "Cellular modem Related Options"}));
    EXPECT_EQ(NodeOf(Row(kPhonePackagePartNo)).Text(),
              "Phone modem" + Blanks(51 - 11) + Blanks(5) + "630-1010");
    EXPECT_EQ(Node("OPTION-PKG34").Text(), "Photocell dimming sensor Related Options");
    EXPECT_EQ(Node("OPTION-PKG34").Parent(), nullptr);

    // Each shown row knows its node; the surge suppressor of two packages knows its twin.
    for (int i = 1; i <= gOptionCount; ++i) {
        if (const forms::Node* node = tree.tvOption->Find(Opt(i))) {
            EXPECT_EQ(gOptions(i).tvIndex, node->Index()) << i;
        }
    }
    const int phoneSurge = Row("630-0500");
    const int modemSurge = Row("630-0500", phoneSurge + 1);
    EXPECT_EQ(gOptions(phoneSurge).tvCloneIndex, NodeOf(modemSurge).Index());
    EXPECT_EQ(gOptions(modemSurge).tvCloneIndex, NodeOf(phoneSurge).Index());
    // The kit's 100 amp supply and the set's 100 amp supply are twins too.
    EXPECT_EQ(gOptions(Row("240-0100")).tvCloneIndex, NodeOf(Row("240-0100", 30)).Index());
    EXPECT_TRUE(host.Messages().empty());
}

// Name, blanks and price label fill the column of the node's level, so that the part numbers
// line up in the fixed-pitch font.
TEST_F(OptionsTreeTest, PartNumbersLineUpByLevel) {
    frmChooser& tree = Open();
    int checked = 0;
    for (vb::Long n = 1; n <= tree.tvOption->Count(); ++n) {
        const forms::Node& node = tree.tvOption->Item(n);
        const std::string prefix = vb::Left(node.Key(), 3);
        if ((prefix != "OPT" && prefix != "CLN") || !std::isdigit(node.Key()[3])) continue;
        const int row = std::stoi(node.Key().substr(3));
        int width = 61;
        if (node.Parent()) width = node.Parent()->Parent() ? 51 : 56;
        EXPECT_EQ(vb::InStr(node.Text(), gOptions(row).PartNo), width + 6) << node.Text();
        ++checked;
    }
    EXPECT_EQ(checked, 59 + 2);  // every row but the three of the other generation, two copies
}

TEST_F(OptionsTreeTest, AGenerationTwoSignGetsTheTwinPresetAndItsItems) {
    Click("id_Sign1");
    ASSERT_EQ(Zomel2Mode, vb::True);
    frmChooser& tree = Open();
    const int twin = Row(kPresetTwinPartNo);
    EXPECT_EQ(PresetOptionIndex, twin);
    EXPECT_EQ(tree.tvOption->Find(Opt(Row(kPresetPartNo))), nullptr);
    EXPECT_EQ(ChildKeys(NodeOf(twin)),
              (Keys{Opt(Row("630-0100")), Opt(Row("350-2050")), Opt(Row("240-2040")),
                    Opt(Row("250-0025")), "CLN" + std::to_string(Row("630-0725")),
                    "CLN" + std::to_string(Row("630-0800"))}));
    EXPECT_EQ(tree.tvOption->Find(Opt(Row("350-1040"))), nullptr);  // the ZOMEL item
}

TEST_F(OptionsTreeTest, EarlierChoicesAreShownAgainAndKitContentsFollowTheirKit) {
    const int kit = Row(kHighLoadKitPartNo);
    const int breaker = Row("270-0210");
    const int warranty = Row("690-1005");
    gOptions(kit).Checked = vb::True;
    gOptions(warranty).Checked = vb::True;
    gOptions(breaker).Checked = vb::True;  // a content's own flag does not count
    gOptions(Row("270-0110")).Checked = vb::True;
    gOptions(Row(kSolarPanelPartNo)).Checked = vb::True;
    frmChooser& tree = Open();
    EXPECT_TRUE(Shown(Opt(kit)));
    EXPECT_TRUE(Shown(Opt(warranty)));
    EXPECT_TRUE(Shown(Opt(breaker)));
    EXPECT_TRUE(Shown(Opt(Row("270-0220"))));
    EXPECT_FALSE(Shown(Opt(Row("270-0110"))));  // its cabinet kit is not chosen
    EXPECT_FALSE(Shown(Opt(Row(kSupply40PartNo))));
    EXPECT_TRUE(tree.cmdSolar->Visible());  // the solar panels are chosen
}

// With the preset chosen, each set of its package keeps one choice, the person's if there is
// one, else the kit's own item.
TEST_F(OptionsTreeTest, ThePresetsSetsTakeTheirDefaultChoiceAtTheBuild) {
    const int preset = Row(kPresetPartNo);
    const int shortCable = Row("630-0725");
    const int longCable = Row("630-0800");
    gOptions(preset).Checked = vb::True;
    Open();
    EXPECT_TRUE(Chosen(shortCable));
    EXPECT_FALSE(Chosen(longCable));
    EXPECT_TRUE(Shown(Opt(shortCable)));
    EXPECT_TRUE(Shown("CLN" + std::to_string(shortCable)));
    EXPECT_TRUE(Chosen(Row("630-0100")));   // a kit item of the preset
    EXPECT_FALSE(Chosen(Row("350-2050")));  // the ZOMEL2 item has no node and stays out
    Tree().Unload();

    // The person's 100 ft cable stays chosen, also with the fuse kit (the row after the set)
    // chosen.
    gOptions(shortCable).Checked = vb::False;
    gOptions(longCable).Checked = vb::True;
    gOptions(Row("260-0010")).Checked = vb::True;
    Open();
    EXPECT_FALSE(Chosen(shortCable));
    EXPECT_TRUE(Chosen(longCable));
    EXPECT_TRUE(Shown("CLN" + std::to_string(longCable)));
    EXPECT_FALSE(Shown("CLN" + std::to_string(shortCable)));
}

TEST_F(OptionsTreeTest, ANameTooLongForItsColumnIsKeptWholeAndTheTreeIsBuilt) {
    const int warranty = Row("690-1005");
    const int fan = Row("270-0120");
    const std::string longName(70, 'W');
    gOptions(warranty).Name = longName;
    gOptions(fan).Name = std::string(54, 'F');  // with "N/A" it passes 56
    frmChooser& tree = Open();
    EXPECT_EQ(NodeOf(warranty).Text(), longName + Blanks(5) + "690-1005");
    EXPECT_EQ(NodeOf(fan).Text(), std::string(54, 'F') + " N/A" + Blanks(5) + "270-0120");
    EXPECT_EQ(tree.tvOption->Count(), 76);  // every node of the shipped catalogue
    // Exactly the column: the part number right after the five blanks.
    gOptions(warranty).Name = std::string(61, 'X');
    tree.Unload();
    Open();
    EXPECT_EQ(NodeOf(warranty).Text(), std::string(61, 'X') + Blanks(5) + "690-1005");
}

TEST_F(OptionsTreeTest, ABuildThatFailsSetsTheLoadErrorAndSaysWhere) {
    const std::string log = env.Root() + "chooser.log";
    ASSERT_TRUE(OpenLog(log));
    DebugLevel = 4;
    gOptions(Row(kSupply20PartNo)).Name = "Power supply 20 amp";  // a set row without "-"
    Tree().Load();
    EXPECT_EQ(gPriceLoad.LoadError, vb::True);
    EXPECT_TRUE(host.Messages().empty());  // a trace line, no box
    CloseLog();
    const auto lines = LogLines(log);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines.back().ends_with(
        " - Function [Sign Options] debug number [9], [Before split sName into an array. "
        "sName ='Power supply 20 amp'] source [Load Step]"))
        << lines.back();
}

TEST_F(OptionsTreeTest, ASetNumberThatIsAlsoAGroupsPackageFailsTheBuild) {
    // The controllers open a set node "SET41" before the solar group of package 41 wants the
    // same key.
    for (const char* controller : {"600-1000", "600-1100", "600-1200"})
        gOptions(Row(controller)).TreeSet = 41;
    Tree().Load();
    EXPECT_EQ(gPriceLoad.LoadError, vb::True);
}

TEST_F(OptionsTreeTest, TheLayoutFollowsTheWindowsSize) {
    frmChooser& tree = Open();
    tree.Move(0, 0, 12000, 9000);
    const vb::Single inner = tree.ScaleHeight();
    EXPECT_EQ(tree.tvOption->Height(), inner - 1185);
    EXPECT_EQ(tree.tvOption->Width(), tree.ScaleWidth() - 360);
    EXPECT_EQ(tree.cmdDone->Top(), inner - 920);
    EXPECT_EQ(tree.cmdClear->Top(), inner - 920);
    EXPECT_EQ(tree.cmdSolar->Top(), inner - 920);
    // Too small: the sizes stay.
    tree.Move(0, 0, 400, 1000);
    EXPECT_EQ(tree.tvOption->Height(), inner - 1185);
    EXPECT_EQ(tree.cmdDone->Top(), inner - 920);
}

TEST_F(OptionsTreeTest, F12ShowsTheWindowsNumberAndDoneCloses) {
    frmChooser& tree = Open();
    tree.KeyUp(forms::vbKeyF12, 0);
    ASSERT_EQ(host.Messages().size(), 1U);
    EXPECT_EQ(host.Messages()[0].prompt, "Sign Options #103");
    tree.cmdDone->Click();
    EXPECT_FALSE(tree.IsLoaded());
    Open();
    tree.KeyDown(forms::vbKeyEscape, 0);  // Escape is Done too
    EXPECT_FALSE(tree.IsLoaded());
}

}  // namespace

namespace {

// The last row of the table has no row after it: the preset's default choice reads none.
TEST_F(OptionsTreeTest, APresetSetRowAtTheEndOfTheTableIsBuilt) {
    OptionRecord& last = gOptions(kMaxOptions);
    last.Name = "Spare cable - 10 ft";
    last.Type = "OPTION-SET";
    last.PartNo = last.CataloguePartNo = "630-0710";
    last.Package = PresetPackage;
    last.Info = "OPTION";
    last.TreeSet = 9;
    gOptions(Row(kPresetPartNo)).Checked = vb::True;
    Open();
    EXPECT_TRUE(Chosen(kMaxOptions));  // the only row of its set
    EXPECT_TRUE(Shown("CLN" + std::to_string(kMaxOptions)));
    EXPECT_EQ(Node("SET9").Text(), "Spare cable ");
}

}  // namespace
