// Damaged catalogues, parts maps and typed texts of the test data go through the readers the
// program uses for them: each bad row is reported with the step and the text it failed on,
// the rows around it load, and nothing else is shown.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/Catalogue.h"
#include "core/mapParts.h"
#include "platform/vb/Conversion.h"
#include "tests/core/CatalogueFixture.h"
#include "tests/modelspec/ModelFixture.h"
#include "tests/support/ErrorNumber.h"

namespace {

namespace fs = std::filesystem;

std::string DataPath(const std::string& name) {
    return std::string(ZOMEL_BAD_INPUTS) + "/" + name;
}

std::vector<std::string> FileNamesIn(const std::string& kind) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(DataPath(kind)))
        names.push_back(entry.path().filename().string());
    EXPECT_FALSE(names.empty()) << "no damaged " << kind;
    return names;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The lines of a typed-text file, each split at its tab.
std::vector<std::pair<std::string, std::string>> TypedLines(const std::string& name) {
    std::vector<std::pair<std::string, std::string>> lines;
    std::ifstream in(DataPath("typed/" + name));
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        lines.emplace_back(line.substr(0, tab),
                           tab == std::string::npos ? "" : line.substr(tab + 1));
    }
    EXPECT_FALSE(lines.empty()) << name;
    return lines;
}

// What loading a damaged file leaves: the rows read and the start of each error box, in order.
struct Outcome {
    int options = 0;
    int baseRows = 0;
    std::vector<std::string> reports;
};

const char* const kBox = "An unexpected error has occurred in ";

const std::map<std::string, Outcome> kCatalogues = {
    {"truncated.bin", {0, 5, {}}},
    {"empty-first-line.bin", {0, 1, {"Sign Options Load Step: 0 Problem string: \r#, 9,"}}},
    {"short-row.bin",
     {0,
      2,
      {"Sign Options Load Step: 0 Problem string: \"Lockdown clamp\",\"6.50\",\"ZOMEL * "
       "1.5\",\"330-1010\"\r#, 9,"}}},
    {"price-parts-not-numbers.bin",
     {1,
      1,
      {"Convert It Price Step: 0 Problem string: 1A7.5Z\r#, 5,",
       "Sign Options Load Step: 3 Problem string: \"1A7.5Z\"\r#, 13,"}}},
    {"price-without-point.bin",
     {1,
      1,
      {"Convert It Price Step: 0 Problem string: 347200\r#, 5,",
       "Sign Options Load Step: 3 Problem string: \"347200\"\r#, 13,"}}},
    {"price-beyond-32-bits.bin",
     {1,
      1,
      {"Convert It Price Step: 12 Problem string: 77777777777.00\r#, 6,",
       "Sign Options Load Step: 3 Problem string: \"77777777777.00\"\r#, 13,"}}},
    {"package-beyond-16-bits.bin",
     {1, 1, {"Sign Options Load Step: 1 Problem string: \"99999\"\r#, 6,"}}},
    {"unquoted-name.bin", {1, 1, {"Sign Options Load Step: 0 Problem string: x\r#, 5,"}}},
    {"binary.bin",
     {0,
      0,
      {"Sign Options Load Step: 0 Problem string: ", "Sign Options Load Step: 0 Problem string: ",
       "Sign Options Load Step: 0 Problem string: ",
       "Sign Options Load Step: 0 Problem string: "}}},
};

// Rows read before the bad line, and the error number of the one report.
const std::map<std::string, std::pair<int, vb::Long>> kPartsMaps = {
    {"truncated.bin", {3, 0}},
    {"huge-count.bin", {1, vb::err::kOverflow}},
    {"duplicate-part.bin", {1, vb::err::kDuplicateKey}},
    {"short-row.bin", {1, vb::err::kSubscriptOutOfRange}},
    {"count-not-number.bin", {1, vb::err::kTypeMismatch}},
};

class DamagedData : public ProgramFolderTest {
protected:
    std::vector<std::string> Reports() const {
        std::vector<std::string> reports;
        for (const auto& message : Messages()) {
            EXPECT_EQ(message.prompt.rfind(kBox, 0), 0u) << message.prompt;
            reports.push_back(message.prompt.substr(std::string(kBox).size()));
        }
        return reports;
    }
};

TEST_F(DamagedData, EveryBadCatalogueRowIsReportedWithItsStepAndTheOthersLoad) {
    CopyShipped("mapping.bin");
    for (const std::string& name : FileNamesIn("catalogue")) {
        SCOPED_TRACE(name);
        const auto expected = kCatalogues.find(name);
        ASSERT_NE(expected, kCatalogues.end()) << "say what loading it must leave";
        host_.ClearMessages();
        zomel::gPriceLoad = {};
        Write("config2.bin", Bytes(DataPath("catalogue/" + name)));
        zomel::LoadSignOptions();

        EXPECT_EQ(zomel::gOptionCount, expected->second.options);
        EXPECT_EQ(zomel::gBaseCount, expected->second.baseRows);
        const auto reports = Reports();
        ASSERT_EQ(reports.size(), expected->second.reports.size());
        for (size_t i = 0; i < reports.size(); ++i)
            EXPECT_EQ(reports[i].rfind(expected->second.reports[i], 0), 0u) << reports[i];
        EXPECT_EQ(zomel::gPriceLoad.LoadError, reports.empty() ? vb::False : vb::True);
        ASSERT_NE(zomel::gMapParts, nullptr);
        EXPECT_EQ(zomel::gMapParts->Count(), 625);  // the parts map loads all the same
    }
}

TEST_F(DamagedData, ABadPartsMapLineEndsTheMapWithOneReport) {
    for (const std::string& name : FileNamesIn("parts-map")) {
        SCOPED_TRACE(name);
        const auto expected = kPartsMaps.find(name);
        ASSERT_NE(expected, kPartsMaps.end()) << "say what loading it must leave";
        host_.ClearMessages();
        Write("mapping.bin", Bytes(DataPath("parts-map/" + name)));
        zomel::mapParts map;

        EXPECT_EQ(map.Count(), expected->second.first);
        const auto reports = Reports();
        if (expected->second.second == 0) {
            EXPECT_TRUE(reports.empty());
            continue;
        }
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(
            reports[0].rfind(
                "Sign Map Load Step: 1 \r#, " + std::to_string(expected->second.second) + ",", 0),
            0u)
            << reports[0];
        // What was read before the bad line is still found.
        const zomel::mapPart& first = map.Item(1);
        EXPECT_TRUE(map.TestBackPlate(
            {first.Vertical(), first.X(), first.Y(), zomel::LayoutKindOf(first.SegmentType())}));
        EXPECT_EQ(map.BackPlatePart(), first.Part());
    }
}

// Texts a person may type where a number belongs: none is a number, and none becomes an
// endless or undefined value on the way.
TEST(DamagedTypedText, TextsThatAreNoNumbersAreRefusedAsATypeMismatch) {
    for (const auto& line : TypedLines("numbers.txt")) {
        const std::string& text = line.first;
        SCOPED_TRACE(text);
        EXPECT_FALSE(vb::Variant(text).IsNumeric());
        EXPECT_EQ(ErrorNumber([&] { vb::CDbl(vb::Variant(text)); }), vb::err::kTypeMismatch);
        EXPECT_EQ(ErrorNumber([&] { vb::CInt(vb::Variant(text)); }), vb::err::kTypeMismatch);
        double value = 0;
        const vb::Long error = ErrorNumber([&] { value = vb::Val(text); });
        EXPECT_TRUE(error == vb::err::kOverflow || (error == 0 && std::isfinite(value)));
    }
}

class DamagedModelNumber : public ModelTest {};

TEST_F(DamagedModelNumber, EachTypedNumberIsRefusedWithTheReason) {
    for (const auto& [number, message] : TypedLines("model-numbers.txt")) {
        SCOPED_TRACE(number);
        Show(number);
        EXPECT_FALSE(window().Valid);
        EXPECT_EQ(window().Message, message);
        EXPECT_EQ(main().lblWarn->Caption(), message);
    }
    EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
