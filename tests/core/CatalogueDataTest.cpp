#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "core/Catalogue.h"
#include "core/CatalogueFields.h"
#include "core/PartNumbers.h"
#include "platform/vb/Strings.h"
#include "tests/core/CatalogueFixture.h"
#include "tools/catcode/CatalogueSource.h"

using namespace zomel;

namespace {

// The shipped catalogue, loaded by the program from a copy of the shipped files.
class ShippedCatalogue : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        CopyShipped("config2.bin");
        CopyShipped("mapping.bin");
        LoadSignOptions();
        std::ifstream in(std::string(ZOMEL_SOURCE_DIR) + "/data/catalogue/catalogue.txt");
        source_ = catcode::ParseCatalogueSource(
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    }

    std::vector<const OptionRecord*> Options() const {
        std::vector<const OptionRecord*> rows;
        for (int i = 1; i <= gOptionCount; ++i)
            rows.push_back(&gOptions(i));
        return rows;
    }
    int OptionIndexOf(std::string_view partNo) const {
        for (int i = 1; i <= gOptionCount; ++i)
            if (gOptions(i).PartNo == partNo) return i;
        return 0;
    }

    catcode::CatalogueSource source_;
};

std::string PriceText(std::int64_t cents) {
    char text[32];
    std::snprintf(text, sizeof text, "$%lld.%02lld", static_cast<long long>(cents / 100),
                  static_cast<long long>(cents % 100));
    return text;
}

}  // namespace

TEST_F(ShippedCatalogue, LoadsEveryRowOfItsSourceWithItsPrice) {
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(gPriceLoad.LoadError, vb::False);
    EXPECT_EQ(PriceListDate, source_.date);
    int base = 0, option = 0;
    for (const auto& row : source_.rows) {
        const bool isBase = base < gBaseCount && gBaseParts(base + 1).Name == row.fields[0] &&
                            gBaseParts(base + 1).Type == row.fields[2];
        const OptionRecord& loaded = isBase ? gBaseParts(++base) : gOptions(++option);
        ASSERT_EQ(loaded.Name, row.fields[0]) << "source line " << row.sourceLine;
        EXPECT_EQ(loaded.Price, PriceText(row.cents)) << row.fields[0];
        EXPECT_FLOAT_EQ(loaded.Cost, static_cast<float>(row.cents / 100.0)) << row.fields[0];
        EXPECT_EQ(isBase,
                  row.fields[2] != "OPTION-PKG" && row.fields[2] != "OPTION-KIT" &&
                      (row.fields[2] != "OPTION-SET" || catalogue::IsLayoutName(row.fields[5])))
            << row.fields[0];
    }
    EXPECT_EQ(base, gBaseCount);
    EXPECT_EQ(option, gOptionCount);
    EXPECT_EQ(CEOption, vb::False);
}

TEST_F(ShippedCatalogue, FixedRowsAreWhereTheOptionsTreeAndTheEstimateLookForThem) {
    EXPECT_EQ(PresetFirstIndex, 1);
    EXPECT_EQ(PresetNextIndex, 2);
    EXPECT_EQ(gOptions(2).PartNo, kPresetTwinPartNo);
    EXPECT_EQ(gOptions(2).ZomelVersion, 2);
    for (int i : {1, 2})
        EXPECT_EQ(vb::UCase(gOptions(i).Name.substr(0, 16)), "INSTALLATION KIT");
    EXPECT_GE(PresetPackage, 4);  // the twin is priced in generation 2
    EXPECT_EQ(gOptions(KitOptionIndex).PartNo, kHighLoadKitPartNo);
    EXPECT_EQ(gOptions(gPriceLoad.PanelOption.ToInteger()).PartNo, kSolarPanelPartNo);
    EXPECT_EQ(gOptions(gPriceLoad.BatteryOption.ToInteger()).PartNo, kSolarBatteryPartNo);
    EXPECT_EQ(vb::UCase(gOptions(gPriceLoad.PanelOption.ToInteger()).Name.substr(0, 15)),
              "SOLAR ARRAY - P");
    EXPECT_EQ(vb::UCase(gOptions(gPriceLoad.BatteryOption.ToInteger()).Name.substr(0, 15)),
              "SOLAR ARRAY - B");

    // The power cable row and the two cable rows right below it.
    int cable = 0;
    for (int i = 1; i <= gOptionCount && !cable; ++i)
        if (vb::UCase(gOptions(i).Name.substr(0, 7)) == "POWER C") cable = i;
    ASSERT_GT(cable, PresetNextIndex);
    EXPECT_EQ(gOptions(cable + 1).TreeSet, gOptions(cable + 2).TreeSet);
    EXPECT_GT(gOptions(cable + 1).TreeSet, 0);

    // Rows whose reductions need the installation kit reached first, and supplies before the
    // cabinet.
    const int fuse = OptionIndexOf("260-0010");
    EXPECT_EQ(gOptions(fuse).Name, "Fuse kit");
    EXPECT_EQ(gOptions(fuse).Type, "OPTION-KIT");
    for (auto supply : {kSupply10PartNo, kSupply20PartNo, kSupply40PartNo}) {
        EXPECT_GT(OptionIndexOf(supply), 0);
        EXPECT_EQ(vb::UCase(gOptions(OptionIndexOf(supply)).Name.substr(0, 7)), "POWER S");
    }
    int cabinet = 0;
    for (int i = 1; i <= gOptionCount; ++i)
        if (gOptions(i).Name == "NEMA 4X equipment cabinet") cabinet = i;
    EXPECT_EQ(gOptions(cabinet).PartNo, "N/A");  // the placeholder number
    EXPECT_GT(cabinet, OptionIndexOf(kSupply40PartNo));
    EXPECT_GT(OptionIndexOf(kRadarKitPartNo), 0);
    EXPECT_GT(OptionIndexOf(kPhonePackagePartNo), 0);
    EXPECT_GT(OptionIndexOf(kModemPackagePartNo), 0);
}

TEST_F(ShippedCatalogue, EveryKeywordOfThePriceEngineHasRowsForItsGeneration) {
    const std::set<std::string> keywords = {
        "ONE / 20ZOMELS", "ZOMEL * 1.5", "XZ*(ROWS-1)",     "ZOMEL",
        "ZOMEL2",         "Z2-TOP/BOT",  "Z2-SIDE",         "Z2-BACK",
        "Z2-PWR",         "SPACER",      "Z2-SPACER",       "CONDUCTOR",
        "INSULATOR",      "Z1-RAIL",     "Z2-RAIL",         "RESET-SPACER",
        "Z2-GAPJUMPER",   "SIGN",        "Z2-HARN",         "Z2-CLIP",
        "Z2=FIX",         "Z2=C2X(Y-1)", "Z2=C2X(Y+1)",     "Z2=C(Y+1)",
        "Z2=2(X+Y)",      "Z2=2XY",      "Z2=2XY+C2X(Y-1)", "Z2=2XY+C4X(Y-1)",
        "Z2=4(X+Y)",      "Z2=4Y"};
    std::set<std::string> seen;
    std::set<std::pair<std::string, int>> layouts;
    for (int i = 1; i <= gBaseCount; ++i) {
        const OptionRecord& base = gBaseParts(i);
        if (base.Type == "OPTION-SET") {
            layouts.insert({base.Info, base.ZomelVersion});
            EXPECT_EQ(base.Package >= 4, base.ZomelVersion == 2) << base.Name;
            continue;
        }
        EXPECT_TRUE(keywords.count(base.Type)) << base.Type;
        seen.insert(base.Type);
    }
    EXPECT_EQ(seen, keywords);
    EXPECT_EQ(gBaseParts(1).Type, "SIGN");
    EXPECT_EQ(layouts.size(), 28u);  // the fourteen layouts for each generation
    // The rail assembly: the rail first, the reset spacer last.
    int rail = 0, conductor = 0, insulator = 0, reset = 0;
    for (int i = 1; i <= gBaseCount; ++i) {
        const std::string& type = gBaseParts(i).Type;
        if (type == "Z1-RAIL") rail = i;
        if (type == "CONDUCTOR") conductor = i;
        if (type == "INSULATOR") insulator = i;
        if (type == "RESET-SPACER") reset = i;
    }
    EXPECT_LT(rail, conductor);
    EXPECT_LT(conductor, insulator);
    EXPECT_LT(insulator, reset);
}

// What the options tree needs of the option rows: names that fit their column, a "-" in the
// names it splits, and set keys that do not collide.
TEST_F(ShippedCatalogue, OptionRowsFitTheOptionsTree) {
    std::set<int> sets, groups;
    for (const OptionRecord* row : Options()) {
        const bool layoutRow = catalogue::IsLayoutName(row->Info);
        ASSERT_FALSE(layoutRow) << row->Name;
        size_t width = 56;
        std::string shown = row->Name;
        if (row->Type == "OPTION-SET" && (row->TreeSet > 0 || row->Info == "GROUP")) {
            ASSERT_NE(row->Name.find('-'), std::string::npos) << row->Name;
            shown = vb::Trim(vb::Split(row->Name, "-")[1]);
            if (row->Package == PresetPackage) shown += " is in kit";
            if (row->PartNo == kSolarPanelPartNo) shown += "Call VELDO";
            (row->TreeSet > 0 ? sets : groups)
                .insert(row->TreeSet > 0 ? row->TreeSet : row->Package);
        } else if (row->Type == "OPTION-KIT" && row->Info == "DETAIL") {
            shown += "N/A";
        } else if (row->Type == "OPTION-PKG" && row->Group > 0) {
            width = 51;
        } else if (row->Package != PresetPackage || row->Type != "OPTION-SET") {
            width = 61;
        }
        EXPECT_LE(shown.size(), width) << row->Name;
        if (row->Type == "OPTION-SET" && row->ZomelVersion != 1) {
            EXPECT_GE(row->Package, 4) << row->Name;  // generation 2 skips packages 1 to 3
        }
    }
    for (int set : sets)
        EXPECT_FALSE(groups.count(set)) << set;
    EXPECT_EQ(GroupCount, static_cast<int>(sets.size() + groups.size()));
}
