#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

#include "core/PriceCode.h"
#include "tools/catcode/CatalogueSource.h"
#include "tools/catcode/PartsMapSource.h"

using namespace catcode;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (auto end = text.find(separator); end != std::string::npos;
         end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

const std::string SourceDir = ZOMEL_SOURCE_DIR;

}  // namespace

TEST(CatalogueSource, ShippedFileDecodesToTheSourceRowByRow) {
    const auto source = ParseCatalogueSource(ReadFile(SourceDir + "/data/catalogue/catalogue.txt"));
    auto lines = Split(ReadFile(SourceDir + "/resources/config2.bin"), "\r\n");
    ASSERT_EQ(lines.back(), "");  // every line, the last included, is ended
    lines.pop_back();
    ASSERT_EQ(lines.size(), source.rows.size());

    for (size_t i = 0; i < lines.size(); ++i) {
        const auto fields = Split(lines[i], ",");
        ASSERT_EQ(fields.size(), i == 0 ? 10u : 9u) << lines[i];
        const auto& row = source.rows[i];
        for (size_t f = 0; f < fields.size(); ++f) {
            ASSERT_GE(fields[f].size(), 2u);
            EXPECT_EQ(fields[f].front(), '"');
            EXPECT_EQ(fields[f].back(), '"');
        }
        const auto field = [&](size_t f) { return fields[f].substr(1, fields[f].size() - 2); };
        for (size_t f = 0; f < row.fields.size(); ++f) {
            if (f != PriceField) {
                EXPECT_EQ(field(f), row.fields[f]) << "line " << i + 1;
            }
        }
        const auto price = zomel::pricecode::DecodePrice(field(PriceField), int(i + 1));
        ASSERT_TRUE(price.ok) << lines[i];
        EXPECT_EQ(*price.amount, zomel::Cents(row.cents)) << lines[i];
        if (i == 0) {
            EXPECT_EQ(field(9), source.date);
        }
    }
}

TEST(CatalogueSource, CodesQuotedFieldsWithTheDateOnTheFirstLineOnly) {
    const auto source = ParseCatalogueSource(
        "# comment\n@date May 2005\n\n"
        "Sign | 15.50 | SIGN | 000-0000 | NA | ASSEMBLY | 0 | 0 | 0\n"
        "Trailer | 56800 | OPTION-KIT | 680-1000 | 15 | TOP | 0 | 0 | 0\r\n");
    ASSERT_EQ(source.rows.size(), 2u);
    EXPECT_EQ(source.rows[1].sourceLine, 5);
    const auto lifted = zomel::pricecode::EncodePrice(5680000, 2);
    EXPECT_EQ(CodeCatalogue(source),
              "\"Sign\",\"17.50\",\"SIGN\",\"000-0000\",\"NA\",\"ASSEMBLY\",\"0\",\"0\",\"0\","
              "\"May 2005\"\r\n"
              "\"Trailer\",\"" +
                  lifted + "\",\"OPTION-KIT\",\"680-1000\",\"15\",\"TOP\",\"0\",\"0\",\"0\"\r\n");
    EXPECT_EQ(*zomel::pricecode::DecodePrice(lifted, 2).amount, zomel::Cents(5680000));
}

TEST(CatalogueSource, RefusesRowsTheFileCannotCarry) {
    const auto fails = [](const std::string& row) {
        try {
            ParseCatalogueSource("# one\n" + row + "\n");
        } catch (const std::runtime_error& e) {
            return std::string(e.what()).starts_with("line 2:");
        }
        return false;
    };
    EXPECT_TRUE(fails("A | 1.00 | SIGN | 1 | NA | X | 0 | 0"));
    EXPECT_TRUE(fails("A | 1.00 | SIGN | 1 | NA | X | 0 | 0 | 0 | 0"));
    EXPECT_TRUE(fails("A, B | 1.00 | SIGN | 1 | NA | X | 0 | 0 | 0"));
    EXPECT_TRUE(fails("A \"B\" | 1.00 | SIGN | 1 | NA | X | 0 | 0 | 0"));
    EXPECT_TRUE(fails("A | $1.00 | SIGN | 1 | NA | X | 0 | 0 | 0"));
    EXPECT_TRUE(fails("A | 1.005 | SIGN | 1 | NA | X | 0 | 0 | 0"));
    EXPECT_TRUE(fails("A | -1 | SIGN | 1 | NA | X | 0 | 0 | 0"));
}

TEST(CatalogueSource, AmountsAreDollarsWithUpToTwoDecimals) {
    EXPECT_EQ(ParseAmount("12"), 1200);
    EXPECT_EQ(ParseAmount("12.5"), 1250);
    EXPECT_EQ(ParseAmount("0.05"), 5);
    EXPECT_EQ(ParseAmount("56800.00"), 5680000);
    EXPECT_THROW(ParseAmount(".50"), std::invalid_argument);
    EXPECT_THROW(ParseAmount("1,000"), std::invalid_argument);
    EXPECT_THROW(ParseAmount(""), std::invalid_argument);
}

TEST(PartsMapSource, CoversEveryGridTheSizeLimitsAllowOnce) {
    const auto rows = PartsMapRows();
    std::set<std::string> parts;
    std::map<std::tuple<int, int, bool, int>, int> plates;
    std::map<std::tuple<int, bool, int>, int> harnesses;
    for (const auto& row : rows) {
        EXPECT_TRUE(parts.insert(row.part).second) << row.part;  // parts are the map's keys
        if (row.layout == 2) {
            EXPECT_TRUE(row.vertical);
        }
        if (row.kind == "BP") ++plates[{row.columns, row.rows, row.vertical, row.layout}];
        if (row.kind == "JH") ++harnesses[{row.columns, row.vertical, row.layout}];
    }
    const std::tuple<bool, int> mountings[] = {
        {false, 0}, {false, 1}, {true, 0}, {true, 1}, {true, 2}};
    int grids = 0;
    for (int x = 1; x <= 20; ++x) {
        for (const auto& [vertical, layout] : mountings)
            EXPECT_EQ((harnesses[{x, vertical, layout}]), 1);
        for (int y = 1; y <= 6; ++y) {
            const bool allowed = x * y <= 75;
            grids += allowed;
            for (const auto& [vertical, layout] : mountings)
                EXPECT_EQ((plates[{x, y, vertical, layout}]), allowed ? 1 : 0) << x << "x" << y;
        }
    }
    EXPECT_EQ(grids, 105);
    EXPECT_EQ(rows.size(), 105u * 5 + 20 * 5);
}

TEST(PartsMapSource, LineMatrixHarnessIsTheFirstVerticalHarnessOfItsColumns) {
    std::map<int, int> firstVerticalLayout;
    for (const auto& row : PartsMapRows()) {
        if (row.kind == "JH" && row.vertical)
            firstVerticalLayout.try_emplace(row.columns, row.layout);
    }
    ASSERT_EQ(firstVerticalLayout.size(), 20u);
    for (const auto& [columns, layout] : firstVerticalLayout)
        EXPECT_EQ(layout, 1) << columns;
}

TEST(PartsMapSource, FileLinesHoldSevenFieldsEndedByCrLf) {
    const std::vector<MapRow> rows = {{3, 2, true, "BP", "523-0302", 0},
                                      {4, 0, false, "JH", "532-0400", 1}};
    EXPECT_EQ(CodePartsMap(rows), "3,2,VER,BP,523-0302,0,2\r\n4,0,HOR,JH,532-0400,1,2\r\n");
    EXPECT_EQ(ReadFile(SourceDir + "/resources/mapping.bin"), CodePartsMap(PartsMapRows()));
}
