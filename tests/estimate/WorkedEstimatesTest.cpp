#include "core/PartNumbers.h"
#include "platform/forms/TextBox.h"
#include "tests/estimate/EstimateFixture.h"

// Estimates worked by hand from data/catalogue/catalogue.txt for six signs that together
// reach every price rule.  Lengths are inches (the sign's unit here); a per-foot price is
// taken per inch as price / 12, a per-square-foot one as price / 144.  Each sign is priced
// twice, as a package of parts (model number "C...": every part listed, no assembly charge)
// and assembled ("A...": the parts before the installation kit become one line with the
// assembly charge of (modules / 12 + 1.5) x $80, $40 more for a segmented layout).
namespace {

using Row = std::vector<std::string>;
using Table = std::vector<Row>;

const Row kHeaders = {"Description:", "Selling Price", "Quantity", "Sub Total", "Part Number"};

class WorkedEstimate : public EstimateTest {
protected:
    // The person types the model number and shows it, as on the model number page.
    void ShowModel(const std::string& model) {
        Main().txtModel->SetText(model);
        Main().cmdShow->Click();
        ASSERT_EQ(TheSign().ModelNumber(), model);
    }
    // Chooses an option as the options tree does.
    static void Choose(std::string_view partNo, vb::Integer checked = vb::True) {
        for (vb::Integer i = 1; i <= zomel::gOptionCount; ++i)
            if (zomel::gOptions(i).CataloguePartNo == partNo) zomel::gOptions(i).Checked = checked;
    }
    void ExpectGrid(const Grid& grid, const Table& rows) {
        ASSERT_FALSE(grid.empty());
        EXPECT_EQ(grid[0], kHeaders);
        for (size_t i = 0; i < std::max(grid.size() - 1, rows.size()); ++i) {
            const Row seen = i + 1 < grid.size() ? grid[i + 1] : Row{"(none)"};
            const Row wanted = i < rows.size() ? rows[i] : Row{"(none)"};
            EXPECT_EQ(seen, wanted) << "grid row " << i + 1;
        }
    }
    // The package of parts first, then the assembled sign.
    void ExpectBoth(const std::string& model, const Table& parts, const Table& assembled) {
        ShowModel("C" + model.substr(1));
        ExpectGrid(PriceIt(), parts);
        ShowModel("A" + model.substr(1));
        ExpectGrid(PriceIt(), assembled);
    }
};

}  // namespace

// The default sign: HELLO typed, generation 1, high density, horizontal, full matrix, 3 x 1;
// the first estimate chooses the installation kit, and the 50 ft cable is taken for the
// estimate.
TEST_F(WorkedEstimate, HelloAsANewUserPricesIt) {
    Type(0, "HELLO");
    // Rail assembly, 67.75 in long: rail 67.75 x 14.25/12 = 80.453125 plus the 72.00 fitting;
    // conductor 3 x (3 x 19.25 + 9.5) + (2 x 17.25 + 27) = 263.25 in x 1.15/12 = 25.228125;
    // insulator 4 x (57.75 + 10) = 271 in x 0.42/12 = 9.485; reset spacer 2 x 3 in x
    // 2.10/12 = 1.05: 188.21625 for the one row.
    // Parts before the kit: 1850 + 1635 + 285 + 39 + 188.22 + 96 + 42 = 4135.22;
    // assembly (3/12 + 1.5) x 80 = 140.00.
    ExpectGrid(PriceIt(), {
                              {"AF0-1H2A4-0301H: ", "$4275.22", "1", "$4275.22", "AF0-1H2A4-0301H"},
                              {"Installation kit ZOMEL:", "$695.00", "1", "$695.00", "610-1000"},
                              {"Long power cable - 50 ft:", "$110.00", "1", "$110.00", "250-0050"},
                              {"Total:", "", "", "$5080.22", ""},
                          });
    EXPECT_EQ(zomel::gOptions(1).Checked, vb::True);   // the kit stays chosen
    EXPECT_EQ(zomel::gOptions(8).Checked, vb::False);  // the cable only for the estimate
    ShowModel("CF0-1H2A4-0301H");
    ExpectGrid(PriceIt(),
               {
                   {"Sign assembly and test:", "$1850.00", "1", "$1850.00", "000-0000"},
                   {"ZOMEL module high density:", "$545.00", "3", "$1635.00", "110-1100"},
                   {"Power supply ZOMEL 20 amp:", "$285.00", "1", "$285.00", "240-1020"},
                   {"Lockdown clamp:", "$6.50", "6", "$39.00", "330-1010"},
                   {"Mounting rail assembly (with length 67.75 in):", "$188.22", "1", "$188.22",
                    "210-1010-03"},
                   {"Mounting rail set, horizontal:", "$96.00", "1", "$96.00", "310-1100-01"},
                   {"Data harness set, horizontal:", "$42.00", "1", "$42.00", "310-2100-01"},
                   {"Installation kit ZOMEL:", "$695.00", "1", "$695.00", "610-1000"},
                   {"Long power cable - 50 ft:", "$110.00", "1", "$110.00", "250-0050"},
                   {"Total:", "", "", "$4940.22", ""},
               });
}

// Generation 1, high density, vertical, full matrix, 2 x 2: hole plugs between the rows.
TEST_F(WorkedEstimate, TwoByTwoVertical) {
    // Rail 37.5 in: 2 x (37.5 x 14.25/12 + 72) = 233.0625; conductor 2 x (3 x (27.5 + 9.5) +
    // (11.75 + 21.25)) = 288 in x 1.15/12 = 27.60; insulator 4 x 2 x (27.5 + 10) = 300 in x
    // 0.42/12 = 10.50; reset spacer 2 x 2 x 2 in x 2.10/12 = 1.40: 272.5625, 136.28 a row.
    // Parts: 1850 + 2180 + 285 + 65 + 1.70 + 272.56 + 96 + 42 + 36 = 4828.26;
    // assembly (4/12 + 1.5) x 80 = 146.67.
    ExpectBoth("AF0-1H2A4-0202V",
               {
                   {"Sign assembly and test:", "$1850.00", "1", "$1850.00", "000-0000"},
                   {"ZOMEL module high density:", "$545.00", "4", "$2180.00", "110-1100"},
                   {"Power supply ZOMEL 20 amp:", "$285.00", "1", "$285.00", "240-1020"},
                   {"Lockdown clamp:", "$6.50", "10", "$65.00", "330-1010"},
                   {"Hole plug:", "$0.85", "2", "$1.70", "330-1001"},
                   {"Mounting rail assembly (with length 37.50 in):", "$136.28", "2", "$272.56",
                    "210-1020-02"},
                   {"Mounting rail set, vertical:", "$96.00", "1", "$96.00", "310-1200-01"},
                   {"Data harness set, vertical:", "$42.00", "1", "$42.00", "310-2300-01"},
                   {"Row jumper set, right vertical:", "$36.00", "1", "$36.00", "310-3600-01"},
                   {"Installation kit ZOMEL:", "$695.00", "1", "$695.00", "610-1000"},
                   {"Long power cable - 50 ft:", "$110.00", "1", "$110.00", "250-0050"},
                   {"Total:", "", "", "$5633.26", ""},
               },
               {
                   {"AF0-1H2A4-0202V: ", "$4974.93", "1", "$4974.93", "AF0-1H2A4-0202V"},
                   {"Installation kit ZOMEL:", "$695.00", "1", "$695.00", "610-1000"},
                   {"Long power cable - 50 ft:", "$110.00", "1", "$110.00", "250-0050"},
                   {"Total:", "", "", "$5779.93", ""},
               });
}

// Generation 1, standard density, character segmented (so vertical), 3 x 2, as a package of
// parts: character spacers, the segment rail, the vertical sets.
TEST_F(WorkedEstimate, CharacterSegmentedPackageOfParts) {
    ShowModel("CC0-1S2A4-0302V");
    // Rail 57.25 in: 2 x (57.25 x 15.10/12 + 72) = 288.0791667; conductor 2 x (3 x (41.25 +
    // 9.5) + (2 x 11.75 + 21.25)) = 394 in x 1.15/12 = 37.7583333; insulator 4 x 2 x (41.25 +
    // 10) = 410 in x 0.42/12 = 14.35; reset spacer 2 x 3 x 2 in x 2.10/12 = 2.10:
    // 342.2875, 171.14375 a row.
    ExpectGrid(PriceIt(),
               {
                   {"Sign assembly and test:", "$1850.00", "1", "$1850.00", "000-0000"},
                   {"ZOMEL module standard density:", "$385.00", "6", "$2310.00", "110-1000"},
                   {"Power supply ZOMEL 20 amp:", "$285.00", "1", "$285.00", "240-1020"},
                   {"Lockdown clamp:", "$6.50", "12", "$78.00", "330-1010"},
                   {"Mounting rail assembly (with length 57.25 in):", "$171.14", "2", "$342.28",
                    "210-1025-03"},
                   {"Character spacer:", "$4.75", "4", "$19.00", "330-1020"},
                   {"Mounting rail set, vertical:", "$96.00", "1", "$96.00", "310-1200-01"},
                   {"Data harness set, vertical:", "$42.00", "1", "$42.00", "310-2300-01"},
                   {"Row jumper set, right vertical:", "$36.00", "1", "$36.00", "310-3600-01"},
                   {"Installation kit ZOMEL:", "$695.00", "1", "$695.00", "610-1000"},
                   {"Long power cable - 50 ft:", "$110.00", "1", "$110.00", "250-0050"},
                   {"Total:", "", "", "$5863.28", ""},
               });
    EXPECT_EQ(TheSign().ModelNumber(), "CC0-1S2A4-0302V");  // not rebuilt for a package
}

// Generation 1, standard density, 1 x 1, horizontal; the person took the installation kit
// out and chose the radar kit, which advises on the sign's shape.
TEST_F(WorkedEstimate, OneByOneWithoutTheInstallationKit) {
    ShowModel("AF0-1S2A4-0101H");
    PriceIt();  // the first estimate chooses the kit
    Choose(zomel::kPresetPartNo, vb::False);
    Choose(zomel::kRadarKitPartNo);
    host.ClearMessages();
    // Rail 29.25 in: 29.25 x 14.25/12 + 72 = 106.734375; conductor 3 x (19.25 + 9.5) + 27 =
    // 113.25 in x 1.15/12 = 10.853125; insulator 4 x (19.25 + 10) = 117 in x 0.42/12 = 4.095;
    // reset spacer 2 in x 2.10/12 = 0.35: 122.0325.
    // Parts: 1850 + 385 + 285 + 26 + 122.03 + 96 + 42 = 2806.03; assembly (1/12 + 1.5) x 80 =
    // 126.666... = 126.67.
    ExpectBoth("AF0-1S2A4-0101H",
               {
                   {"Sign assembly and test:", "$1850.00", "1", "$1850.00", "000-0000"},
                   {"ZOMEL module standard density:", "$385.00", "1", "$385.00", "110-1000"},
                   {"Power supply ZOMEL 20 amp:", "$285.00", "1", "$285.00", "240-1020"},
                   {"Lockdown clamp:", "$6.50", "4", "$26.00", "330-1010"},
                   {"Mounting rail assembly (with length 29.25 in):", "$122.03", "1", "$122.03",
                    "210-1010-01"},
                   {"Mounting rail set, horizontal:", "$96.00", "1", "$96.00", "310-1100-01"},
                   {"Data harness set, horizontal:", "$42.00", "1", "$42.00", "310-2100-01"},
                   {"Long power cable - 50 ft:", "$110.00", "1", "$110.00", "250-0050"},
                   {"Radar speed display kit:", "$1450.00", "1", "$1450.00", "640-1200"},
                   {"Total:", "", "", "$4366.03", ""},
               },
               {
                   {"AF0-1S2A4-0101H: ", "$2932.70", "1", "$2932.70", "AF0-1S2A4-0101H"},
                   {"Long power cable - 50 ft:", "$110.00", "1", "$110.00", "250-0050"},
                   {"Radar speed display kit:", "$1450.00", "1", "$1450.00", "640-1200"},
                   {"Total:", "", "", "$4492.70", ""},
               });
    const std::string advice =
        "If the primary use of this sign is radar, then you should change to vertical standard "
        "ZOMELs.";
    ASSERT_EQ(host.Messages().size(), 2u);
    EXPECT_EQ(host.Messages()[0].prompt, advice);
    EXPECT_EQ(host.Messages()[0].title, "Recommend 2 or 3 vertical ZOMELs in 1 row.");
}

// Generation 2, standard density, line matrix, vertical, 4 x 3: row spacers, gap jumpers,
// coupling clips, the segment side and the line-matrix back plate; an extended warranty.
TEST_F(WorkedEstimate, Zomel2LineMatrixVertical) {
    Click("id_Sign2");
    ShowModel("AL0-2S2A4-0403V");
    Choose("690-1005");
    // Width 61 in, height 74.75 in, rail 56 in, spacer 55 in.
    // Top and bottom 61 x 9.80/12 = 49.8166; sides 74.75 x 10.40/12 = 64.7833; back plate
    // 74.75 x 61 x 7.15/144 = 226.4042; rail 56 x 11.60/12 = 54.1333; row spacer
    // (55 - 0.125) x 3.90/12 = 17.834375.  The small sign's left supply comes with the kit.
    // Parts: 7978.27; assembly (12/12 + 1.5) x 80 + 40 = 240.00.
    const Table parts = {
        {"Sign assembly and test:", "$1850.00", "1", "$1850.00", "000-0000"},
        {"ZOMEL2 module standard density:", "$365.00", "12", "$4380.00", "120-1000"},
        {"Lockdown clamp:", "$6.50", "15", "$97.50", "330-1010"},
        {"Frame top and bottom member:", "$49.82", "2", "$99.64", "220-2011-04"},
        {"Frame side member:", "$64.78", "2", "$129.56", "220-2022-03"},
        {"Back plate:", "$226.40", "1", "$226.40", "524-0403"},
        {"Mounting rail (with length 56.00 in):", "$54.13", "3", "$162.39", "220-1011-04"},
        {"Jumper harness:", "$74.00", "3", "$222.00", "534-0400"},
        {"Row spacer:", "$17.83", "2", "$35.66", "220-3010-04"},
        {"Power supply ZOMEL2 40 amp:", "$325.00", "1", "$325.00", "240-2040"},
        {"Gap jumper cable:", "$12.00", "2", "$24.00", "220-4020"},
        {"Module clip:", "$1.20", "12", "$14.40", "220-5010"},
        {"Row coupling clip:", "$0.90", "16", "$14.40", "220-5020"},
        {"Frame screw:", "$0.30", "14", "$4.20", "220-5040"},
        {"Module screw:", "$0.25", "24", "$6.00", "220-5050"},
        {"Module washer:", "$0.10", "40", "$4.00", "220-5060"},
        {"Module nut:", "$0.12", "56", "$6.72", "220-5070"},
        {"Frame rivet:", "$0.15", "28", "$4.20", "220-5080"},
        {"Side bracket bolt:", "$0.35", "12", "$4.20", "220-5090"},
        {"Lifting eye bolt:", "$8.50", "4", "$34.00", "220-5100"},
        {"Sign fixing kit:", "$145.00", "1", "$145.00", "350-2040"},
        {"Mounting set ZOMEL2, vertical:", "$84.00", "1", "$84.00", "320-1200-01"},
        {"Data harness set ZOMEL2, vertical:", "$39.00", "1", "$39.00", "320-2300-01"},
        {"Row jumper set ZOMEL2, left vertical:", "$33.00", "1", "$33.00", "320-3200-01"},
        {"Row jumper set ZOMEL2, right vertical:", "$33.00", "1", "$33.00", "320-3600-01"},
        {"Installation kit ZOMEL2:", "$745.00", "1", "$745.00", "610-2000"},
        {"Power Cable ZOMEL2 male:", "$110.00", "1", "$110.00", "250-0050"},
        {"Extended warranty 5 years:", "$950.00", "1", "$950.00", "690-1005"},
        {"Total:", "", "", "$9783.27", ""},
    };
    ExpectBoth("AL0-2S2A4-0403V", parts,
               {
                   {"AL0-2S2A4-0403V: ", "$8218.27", "1", "$8218.27", "AL0-2S2A4-0403V"},
                   {"Installation kit ZOMEL2:", "$745.00", "1", "$745.00", "610-2000"},
                   {"Power Cable ZOMEL2 male:", "$110.00", "1", "$110.00", "250-0050"},
                   {"Extended warranty 5 years:", "$950.00", "1", "$950.00", "690-1005"},
                   {"Total:", "", "", "$10023.27", ""},
               });
}

// The largest sign the area rule allows at high density: generation 2, 10 x 6 = 60 modules,
// horizontal full matrix, drawing 186 A.  Solar panels and batteries, the phone modem, the
// fuse kit, 40 amp supplies and the NEMA cabinet are chosen; the power distribution kit is
// chosen by the estimate for the load.  The sign changed since the last estimate, so the
// solar window opens and the person asks for 4 panels and 8 batteries.
TEST_F(WorkedEstimate, LargestSignWithSolarAndEveryKindOfOption) {
    Type(0, "HELLO");
    PriceIt();
    Click("id_Sign2");
    ShowModel("AF0-2H2A4-1006H");
    for (std::string_view part :
         {zomel::kSolarPanelPartNo, zomel::kSolarBatteryPartNo, zomel::kPhonePackagePartNo,
          std::string_view("260-0010"), zomel::kSupply40PartNo, zomel::kCabinetPlaceholderPartNo})
        Choose(part);
    Order().CabinetOption = vb::True;
    int solarShown = 0;
    const auto solar = [&](forms::Form& window) {
        ++solarShown;
        window.ControlAs<forms::TextBox>("txtPanels").SetText("4");
        window.ControlAs<forms::TextBox>("txtBats").SetText("8");
    };
    host.OnModal("frmSolar", solar);
    host.ClearMessages();
    // Width 198.5 in, height 88.5 in, rail 193.5 in, lockdown rail 175.25 in.
    // Top and bottom 198.5 x 9.80/12 = 162.1083; sides 88.5 x 9.80/12 = 72.275 (half a cent
    // up); back plate 88.5 x 198.5 x 6.40/144 = 780.7667; rail 193.5 x 11.60/12 = 187.05;
    // lockdown rail 175.25 x 5.20/12 = 75.9417, Y + 1 = 7 of them.
    // Supplies: left (6 + 1) / 2 = 3 less the kit's one, right 6 / 2, centre 3.
    // Sets: Y even and large: the power set, 5 \ 2 = 2 left power jumpers, 6 \ 2 = 3 right:
    // 3 power sets, so 4 cables.  Fuse kits 186 / 60 = 3 + 1 less the kit's; 40 amp supplies
    // 186 / 40 = 4 + 1 less the cabinet's.  The batteries' 8 x 310 counts in the total.
    // Parts: 41152.43; assembly (60/12 + 1.5) x 80 = 520.00.
    const Table options = {
        {"Installation kit ZOMEL2:", "$745.00", "1", "$745.00", "610-2000"},
        {"Power Cable ZOMEL2 male:", "$110.00", "4", "$440.00", "250-0050"},
        {"Fuse kit:", "$38.00", "3", "$114.00", "260-0010"},
        {"Power supply - 40 amp:", "$225.00", "4", "$900.00", "240-0040"},
        {"Solar array - Panels 85 watt:", "$640.00", "4", "$2560.00", "650-0085"},
        {"Solar array - Batteries 92 amp hour:", "Call VELDO", "8", "Call VELDO", "650-0092"},
        {"NEMA 4X equipment cabinet:", "Call VELDO", "1", "Call VELDO", "N/A"},
        {"Power distribution kit:", "$380.00", "1", "$380.00", "640-1100"},
        {"Phone modem:", "$385.00", "1", "$385.00", "630-1010"},
    };
    Table parts = {
        {"Sign assembly and test:", "$1850.00", "1", "$1850.00", "000-0000"},
        {"ZOMEL2 module high density:", "$515.00", "60", "$30900.00", "120-1100"},
        {"Lockdown clamp:", "$6.50", "136", "$884.00", "330-1010"},
        {"Frame top and bottom member:", "$162.11", "2", "$324.22", "220-2010-10"},
        {"Frame side member:", "$72.28", "2", "$144.56", "220-2020-06"},
        {"Back plate:", "$780.77", "1", "$780.77", "521-1006"},
        {"Mounting rail (with length 193.50 in):", "$187.05", "6", "$1122.30", "220-1010-10"},
        {"Lockdown rail:", "$75.94", "7", "$531.58", "220-1020-10"},
        {"Jumper harness:", "$185.00", "6", "$1110.00", "531-1000"},
        {"Power supply ZOMEL2 40 amp:", "$325.00", "2", "$650.00", "240-2040"},
        {"Power supply ZOMEL2 40 amp:", "$325.00", "3", "$975.00", "240-2040"},
        {"Power supply ZOMEL2 40 amp:", "$325.00", "3", "$975.00", "240-2040"},
        {"Module clip:", "$1.20", "60", "$72.00", "220-5010"},
        {"Lockdown clip:", "$0.75", "140", "$105.00", "220-5030"},
        {"Frame screw:", "$0.30", "32", "$9.60", "220-5040"},
        {"Module screw:", "$0.25", "120", "$30.00", "220-5050"},
        {"Module washer:", "$0.10", "120", "$12.00", "220-5060"},
        {"Module nut:", "$0.12", "120", "$14.40", "220-5070"},
        {"Frame rivet:", "$0.15", "64", "$9.60", "220-5080"},
        {"Side bracket bolt:", "$0.35", "24", "$8.40", "220-5090"},
        {"Lifting eye bolt:", "$8.50", "4", "$34.00", "220-5100"},
        {"Sign fixing kit:", "$145.00", "1", "$145.00", "350-2040"},
        {"Mounting set ZOMEL2, horizontal:", "$84.00", "1", "$84.00", "320-1100-01"},
        {"Data and power harness set ZOMEL2, horizontal with power:", "$81.00", "1", "$81.00",
         "320-2200-01"},
        {"Row jumper set with power ZOMEL2, left horizontal with power:", "$69.00", "2", "$138.00",
         "320-3300-01"},
        {"Data and reset jumper set ZOMEL2, right horizontal data and reset:", "$54.00", "3",
         "$162.00", "320-3700-01"},
    };
    parts.insert(parts.end(), options.begin(), options.end());
    parts.push_back({"Total:", "", "", "$49156.43", ""});
    Table assembled = {{"AF0-2H2A4-1006H: ", "$41672.43", "1", "$41672.43", "AF0-2H2A4-1006H"}};
    assembled.insert(assembled.end(), options.begin(), options.end());
    assembled.push_back({"Total:", "", "", "$49676.43", ""});
    ExpectBoth("AF0-2H2A4-1006H", parts, assembled);

    EXPECT_EQ(solarShown, 1);  // once for the changed sign, not again for the same sign
    const std::string supplies =
        "You should consider replacing more than one 'Power supply - 40 amp' with one of the "
        "higher amp parts.";
    const std::string cabinet = Text(11113);
    EXPECT_EQ(Prompts(), (std::vector<std::string>{supplies, cabinet, supplies, cabinet}));
}

// Advice comes when the estimate reaches its row: the supplies' before the solar window that
// a later row opens for the changed sign, the cabinet's after it.
TEST_F(WorkedEstimate, AdviceComesWhenItsRowIsReached) {
    Type(0, "HELLO");
    PriceIt();
    Click("id_Sign2");
    ShowModel("AF0-2H2A4-1006H");
    for (std::string_view part : {zomel::kSolarPanelPartNo, zomel::kSolarBatteryPartNo,
                                  zomel::kSupply40PartNo, zomel::kCabinetPlaceholderPartNo})
        Choose(part);
    std::vector<std::string> beforeSolar;
    host.OnModal("frmSolar", [&](forms::Form&) { beforeSolar = Prompts(); });
    host.ClearMessages();
    PriceIt();
    const std::string supplies =
        "You should consider replacing more than one 'Power supply - 40 amp' with one of the "
        "higher amp parts.";
    EXPECT_EQ(beforeSolar, std::vector<std::string>{supplies});
    EXPECT_EQ(Prompts(), (std::vector<std::string>{supplies, Text(11113)}));
}
