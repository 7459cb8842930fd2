#include <gtest/gtest.h>

#include <fstream>

#include "core/Catalogue.h"
#include "core/ConvertItPrice.h"
#include "core/FontTable.h"
#include "core/LogChannel.h"
#include "core/PartNumbers.h"
#include "core/PriceCode.h"
#include "tests/core/CatalogueFixture.h"

using namespace zomel;

namespace {

// Builds a catalogue file line by line, coding each price for its line.
struct CatalogueText {
    CatalogueText& Row(const std::string& name, std::int64_t cents, const std::string& kind,
                       const std::string& part, const std::string& package = "0",
                       const std::string& info = "OPTION", const std::string& set = "0",
                       const std::string& group = "0", const std::string& version = "0") {
        const std::string price = pricecode::EncodePrice(cents, lines + 1);
        std::string line;
        for (const auto& field : {name, price, kind, part, package, info, set, group, version})
            line += (line.empty() ? "\"" : ",\"") + field + "\"";
        return Raw(line);
    }
    CatalogueText& Raw(const std::string& line) {
        text += line + "\r\n";
        ++lines;
        return *this;
    }

    std::string text;
    int lines = 0;
};

class CatalogueLoad : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        CopyShipped("mapping.bin");
    }
    void Load(const std::string& text) {
        Write("config2.bin", text);
        LoadSignOptions();
    }
    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const auto& message : Messages())
            prompts.push_back(message.prompt);
        return prompts;
    }
};

}  // namespace

TEST_F(CatalogueLoad, RowKindsGoToTheirTablesWithTheirMappings) {
    CatalogueText file;
    file.Raw(R"("Sign","3472.00","SIGN","000-0000","NA","ASSEMBLY","0","0","0","May 2005")")
        .Row("Wiring set", 4200, "OPTION-SET", "320-2400-01", "5", "VRT PWR", "0", "0", "2")
        .Row("Solar array - Panels", 64000, "OPTION-SET", "650-0085", "41", "GROUP", "3", "7", "0")
        .Row("Cover", 18500, "OPTION-SET", "000-0900", "20", "OPTION", "0", "0", "12345")
        .Row("Phone modem", 38500, "OPTION-PKG", "630-1010", "31", "OPTION", "0", "5", "2")
        .Row("Trailer", 5680000, "OPTION-KIT", "680-1000", "15", "TOP", "2", "9", "2")
        .Raw(R"("Last","17.00","SIGN","1","NA","X","0","0","0")");  // no line end follows
    file.text.resize(file.text.size() - 2);
    Load(file.text);

    EXPECT_EQ(PriceListDate, "May 2005");
    ASSERT_EQ(gBaseCount, 2);
    EXPECT_EQ(gBaseParts(1).PartNo, "000-0000");  // base rows keep a placeholder number
    EXPECT_EQ(gBaseParts(1).Package, 0);          // "NA"
    EXPECT_EQ(gBaseParts(2).Type, "OPTION-SET");
    EXPECT_EQ(gBaseParts(2).Row, 2);
    EXPECT_EQ(gBaseParts(2).Package, 5);
    EXPECT_EQ(gBaseParts(2).Price, "$42.00");

    ASSERT_EQ(gOptionCount, 4);
    const OptionRecord& group = gOptions(1);
    EXPECT_EQ(group.Row, 0);    // set rows keep no line
    EXPECT_EQ(group.Group, 0);  // nor a group
    EXPECT_EQ(group.TreeSet, 3);
    EXPECT_EQ(group.Empty, vb::False);
    EXPECT_EQ(gOptions(2).PartNo, "N/A");
    EXPECT_EQ(gOptions(2).CataloguePartNo, "000-0900");  // what the rules compare with
    EXPECT_EQ(gOptions(1).CataloguePartNo, "650-0085");
    EXPECT_EQ(gOptions(2).ZomelVersion, 0);  // a version field longer than four characters
    EXPECT_EQ(gOptions(3).Row, 5);
    EXPECT_EQ(gOptions(3).Group, 5);
    EXPECT_EQ(gOptions(3).ZomelVersion, 2);
    const OptionRecord& kit = gOptions(4);
    EXPECT_EQ(kit.Price, "$56800.00");
    EXPECT_FLOAT_EQ(kit.Cost, 56800.0f);
    EXPECT_EQ(kit.TreeSet, 2);
    EXPECT_EQ(kit.Group, 0);
    EXPECT_EQ(kit.ZomelVersion, 0);
    EXPECT_EQ(gOptions(5).Empty, vb::True);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(gPriceLoad.LoadError, vb::False);
}

TEST_F(CatalogueLoad, PresetGroupsAndFixedRowsSetTheIndexes) {
    CatalogueText file;
    file.Row("Sign", 100, "SIGN", "000-0000", "NA", "ASSEMBLY")
        .Row("Installation kit ZOMEL", 69500, "OPTION-SET", std::string(kPresetPartNo), "10", "KIT",
             "0", "0", "1")
        .Row("Installation kit ZOMEL2", 74500, "OPTION-SET", std::string(kPresetTwinPartNo), "10",
             "KIT", "0", "0", "2")
        .Row("Cable - 25 ft", 4500, "OPTION-SET", "630-0725", "10", "KIT", "1")
        .Row("Cable - 100 ft", 12000, "OPTION-SET", "630-0800", "10", "OPTION", "1")
        .Row("Supply - 10 amp", 9500, "OPTION-SET", "240-0010", "20", "OPTION", "3")
        .Row("Kit item", 100, "OPTION-SET", "630-0100", "10", "GROUP")
        .Row("Solar array - Panels", 64000, "OPTION-SET", std::string(kSolarPanelPartNo), "41",
             "GROUP")
        .Row("Solar array - Batteries", 31000, "OPTION-SET", std::string(kSolarBatteryPartNo), "41",
             "GROUP")
        .Row("TQX - Radar", 98000, "OPTION-SET", "640-0210", "42", "GROUP")
        .Row("Power distribution kit", 38000, "OPTION-KIT", std::string(kHighLoadKitPartNo), "13",
             "TOP");
    Load(file.text);

    EXPECT_EQ(PresetOptionIndex, 1);
    EXPECT_EQ(PresetFirstIndex, 1);
    EXPECT_EQ(PresetNextIndex, 2);
    EXPECT_EQ(PresetPackage, 10);
    EXPECT_EQ(KitOptionIndex, 10);
    // Sets 1 and 3, groups 41 and 42; the preset package's group row is no group.
    EXPECT_EQ(GroupCount, 4);
    EXPECT_EQ(gPriceLoad.PanelOption, vb::Variant(vb::Integer{7}));
    EXPECT_EQ(gPriceLoad.BatteryOption, vb::Variant(vb::Integer{8}));
}

TEST_F(CatalogueLoad, APresetWithoutItsTwinPointsTheNextIndexBack) {
    CatalogueText file;
    file.Row("Installation kit", 100, "OPTION-SET", std::string(kPresetPartNo), "10", "KIT")
        .Row("Other", 100, "OPTION-SET", "690-1005", "20", "OPTION", "0", "0", "1");
    Load(file.text);
    EXPECT_EQ(PresetNextIndex, 1);
    EXPECT_EQ(PresetPackage, 10);

    CatalogueText none;
    none.Row("Other", 100, "OPTION-SET", "690-1005", "20");
    Load(none.text);
    EXPECT_EQ(PresetPackage, 50);
    EXPECT_EQ(PresetFirstIndex, 0);
}

TEST_F(CatalogueLoad, TheLastZomelRowDecidesTheEuropeanList) {
    CatalogueText file;
    file.Row("ZOMEL module Euro", 100, "ZOMEL", "110-1000", "NA", "STD DENSITY", "0", "0", "1");
    Load(file.text);
    EXPECT_EQ(CEOption, vb::True);
    file.Row("ZOMEL module", 100, "ZOMEL", "110-1100", "NA", "HIGH DENSITY", "0", "0", "1");
    Load(file.text);
    EXPECT_EQ(CEOption, vb::False);
    EXPECT_EQ(gBaseCount, 2);  // a second load starts the base table afresh
}

TEST_F(CatalogueLoad, ShortFirstLineLeavesNoDate) {
    CatalogueText file;
    file.Raw(R"("Sign","17.00","SIGN","000-0000","NA","X","0","0","0")");
    Load(file.text);
    EXPECT_EQ(PriceListDate, "");
    EXPECT_EQ(gBaseCount, 1);
}

TEST_F(CatalogueLoad, FontTableHoldsTheFourteenBlockFonts) {
    Load("");
    EXPECT_EQ(FontTable(10).Name, "VELDO 5x7");
    EXPECT_EQ(FontTable(10).Size, 8);
    EXPECT_EQ(FontTable(10).Height, 7);
    EXPECT_EQ(FontTable(8).Name, "VELDO 3x7");
    EXPECT_EQ(FontTable(6).Name, "VELDO 4x5");
    EXPECT_EQ(FontTable(19).Name, "VELDO 8x12");
    EXPECT_EQ(FontTable(19).Size, 13);
    for (const FontRecord& font : FontTable)
        EXPECT_EQ(font.DefaultAlign, 2);
    EXPECT_THROW(FontTable(5), vb::VbError);
    EXPECT_THROW(FontTable(20), vb::VbError);
}

TEST_F(CatalogueLoad, BadFieldsAreReportedWithTheirStepAndLoadingGoesOn) {
    CatalogueText file;
    file.Row("Phone modem", 100, "OPTION-PKG", "630-1010", "31", "OPTION", "0", "99999", "2")
        .Raw(R"("Broken","1A.00","OPTION-KIT","640-1200","12","TOP","0","0","0")")
        .Row("Sign", 100, "SIGN", "000-0000", "NA", "X", "0", "0", "two");
    Load(file.text);

    EXPECT_EQ(gOptionCount, 2);
    EXPECT_EQ(gOptions(1).Group, 0);         // failed: keeps its value
    EXPECT_EQ(gOptions(1).ZomelVersion, 2);  // the next step still runs
    EXPECT_EQ(gOptions(2).Price, "");
    EXPECT_FLOAT_EQ(gOptions(2).Cost, 0);
    EXPECT_EQ(gBaseParts(1).ZomelVersion, 0);
    // One box for the file: its first error; the base row's version is only logged.
    const auto prompts = Prompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].rfind("An unexpected error has occurred in Sign Options Load Step: 3 "
                               "Problem string: \"99999\"",
                               0),
              0u)
        << prompts[0];
    EXPECT_NE(prompts[0].find(folder_ + "config2.bin: line 1 is the first bad row; 2 rows were "
                                        "left out or not read whole."),
              std::string::npos)
        << prompts[0];
    EXPECT_EQ(gPriceLoad.LoadError, vb::True);
}

TEST_F(CatalogueLoad, RowsTheFormatExcludesAreReportedAndSkipped) {
    CatalogueText file;
    file.Row("First", 100, "OPTION-SET", "690-0001", "20")
        .Raw("")
        .Raw(R"("Short","17.00","OPTION-SET","690-0002")")
        .Row("Second", 100, "OPTION-SET", "690-0003", "20");
    Load(file.text);
    ASSERT_EQ(gOptionCount, 2);
    EXPECT_EQ(gOptions(2).Name, "Second");
    EXPECT_EQ(gOptions(2).Row, 0);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].prompt.find(": line 2 is the first bad row; 2 rows were"),
              std::string::npos);
    EXPECT_EQ(gPriceLoad.LoadError, vb::True);
}

TEST_F(CatalogueLoad, AnEmptyFirstLineIsReportedAndLeavesTheDateUnset) {
    CatalogueText file;
    file.Raw("").Row("Sign", 100, "SIGN", "000-0000", "NA", "X", "0", "0", "1");
    Load(file.text);
    EXPECT_EQ(PriceListDate, "");
    EXPECT_EQ(gBaseCount, 1);
    const auto prompts = Prompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_NE(prompts[0].find("Sign Options Load Step: 0 Problem string: \r#, 9,"),
              std::string::npos);
}

TEST_F(CatalogueLoad, RowsBeyondTheTablesAreReportedNotWritten) {
    CatalogueText file;
    for (int i = 1; i <= kMaxOptions + 2; ++i)
        file.Row("Option " + std::to_string(i) + std::string(100, '.'), 100, "OPTION-PKG",
                 "690-" + std::to_string(i));
    for (int i = 1; i <= kMaxBaseParts + 1; ++i)
        file.Row("Base " + std::to_string(i), 100, "Z2-CLIP", "220-" + std::to_string(i));
    ASSERT_GT(file.text.size(), 32767u);  // rows past the first 32,767 characters load too
    const std::string log = folder_ + "load.log";
    ASSERT_TRUE(OpenLog(log));
    Load(file.text);
    CloseLog();

    EXPECT_EQ(gOptionCount, kMaxOptions);
    EXPECT_EQ(gOptions(kMaxOptions).Name, "Option 195" + std::string(100, '.'));
    EXPECT_EQ(gBaseCount, kMaxBaseParts);
    EXPECT_EQ(gBaseParts(kMaxBaseParts).Name, "Base 100");
    EXPECT_EQ(gBaseParts(kMaxBaseParts).Row, kMaxBaseParts);
    // One box, naming the file, its first bad row and how many were left out; each row's
    // error in the log.
    const auto prompts = Prompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_NE(prompts[0].find("Option 196"), std::string::npos);
    EXPECT_NE(prompts[0].find(folder_ + "config2.bin: line 196 is the first bad row; 3 rows were "
                                        "left out"),
              std::string::npos)
        << prompts[0];
    std::ifstream in(log);
    int logged = 0;
    for (std::string line; std::getline(in, line);)
        logged += line.find("[Sign Options Load Step: ") != std::string::npos;
    EXPECT_EQ(logged, 3);
    EXPECT_EQ(gPriceLoad.LoadError, vb::True);
}

TEST_F(CatalogueLoad, MissingCatalogueIsReportedOnceAndTheRestStillRuns) {
    Load("");
    std::filesystem::remove(folder_ + "config2.bin");
    host_.ClearMessages();
    LoadSignOptions();
    EXPECT_EQ(gOptionCount, 0);
    EXPECT_EQ(gBaseCount, 0);
    ASSERT_NE(gMapParts, nullptr);
    EXPECT_EQ(FontTable(10).Name, "VELDO 5x7");
    EXPECT_EQ(gMapParts->Count(), 625);
    const auto prompts = Prompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_NE(prompts[0].find("Sign Options Load Step: 0"), std::string::npos);
    EXPECT_NE(prompts[0].find("#, 53, File not found: " + folder_ + "config2.bin"),
              std::string::npos)
        << prompts[0];
    EXPECT_EQ(gPriceLoad.LoadError, vb::True);
}

TEST_F(CatalogueLoad, ConvertItPriceLeavesTheAmountInTheEstimateWindow) {
    EXPECT_EQ(ConvertItPrice("17.50", 3), "$15.50");
    EXPECT_EQ(gPriceLoad.PriceValue, Cents(1550));
    EXPECT_TRUE(Messages().empty());

    EXPECT_EQ(ConvertItPrice("1750", 3), "");
    EXPECT_EQ(gPriceLoad.PriceValue, Cents(1550));  // nothing was read
    EXPECT_EQ(ConvertItPrice("1x.25", 3), "");
    EXPECT_EQ(gPriceLoad.PriceValue, Cents(25));  // the cents were read before the fault
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].prompt,
              "An unexpected error has occurred in Convert It Price Step: 0 Problem string: "
              "1750\r#, 5, Invalid procedure call or argument\rZomelBuilder");
    EXPECT_NE(Messages()[1].prompt.find("Step: 12 Problem string: 1x.25\r#, 13,"),
              std::string::npos);
}
