// Damaged catalogues, parts maps and typed texts of the test data go through the readers the
// program uses for them: each bad row is reported with the step and the text it failed on,
// the rows around it load, and nothing else is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/Catalogue.h"
#include "core/mapParts.h"
#include "estimate/XMLdetail.h"
#include "platform/os/Paths.h"
#include "platform/vb/Conversion.h"
#include "tests/core/CatalogueFixture.h"
#include "tests/estimate/EstimateFixture.h"
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

// What loading a damaged file leaves: the rows read, and the one box: the start of its first
// error, and the first bad line with the number of bad rows (0: no row named).
struct Outcome {
    int options = 0;
    int baseRows = 0;
    std::string report;  // empty: no box
    int firstBadLine = 0;
    int badRows = 0;
};

const char* const kBox = "An unexpected error has occurred in ";

const std::map<std::string, Outcome> kCatalogues = {
    {"truncated.bin", {0, 5, "", 0, 0}},
    {"empty-first-line.bin", {0, 1, "Sign Options Load Step: 0 Problem string: \r#, 9,", 1, 1}},
    {"short-row.bin",
     {0, 2,
      "Sign Options Load Step: 0 Problem string: \"Lockdown clamp\",\"6.50\",\"ZOMEL * "
      "1.5\",\"330-1010\"\r#, 9,",
      2, 1}},
    {"price-parts-not-numbers.bin",
     {1, 1, "Convert It Price Step: 0 Problem string: 1A7.5Z\r#, 5,", 2, 1}},
    {"price-without-point.bin",
     {1, 1, "Convert It Price Step: 0 Problem string: 347200\r#, 5,", 2, 1}},
    {"price-beyond-32-bits.bin",
     {1, 1, "Convert It Price Step: 12 Problem string: 77777777777.00\r#, 6,", 2, 1}},
    {"package-beyond-16-bits.bin",
     {1, 1, "Sign Options Load Step: 1 Problem string: \"99999\"\r#, 6,", 2, 1}},
    {"unquoted-name.bin", {1, 1, "Sign Options Load Step: 0 Problem string: x\r#, 5,", 2, 1}},
    {"binary.bin", {0, 0, "Sign Options Load Step: 0 Problem string: ", 1, 4}},
    {"config2-group-row-package-0.bin", {1, 0, "", 0, 0}},
    {"config2-group-row-33-bytes.bin",
     {1, 0, "Sign Options Load Step: 0 Problem string: \r#, 5,", 1, 1}},
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

        const Outcome& outcome = expected->second;
        EXPECT_EQ(zomel::gOptionCount, outcome.options);
        EXPECT_EQ(zomel::gBaseCount, outcome.baseRows);
        // One box for the file, however many of its rows are bad.
        const auto reports = Reports();
        ASSERT_EQ(reports.size(), outcome.report.empty() ? 0u : 1u);
        if (!reports.empty()) {
            EXPECT_EQ(reports[0].rfind(outcome.report, 0), 0u) << reports[0];
            const std::string rows = ": line " + std::to_string(outcome.firstBadLine) +
                                     " is the first bad row; " + std::to_string(outcome.badRows) +
                                     (outcome.badRows == 1 ? " row was" : " rows were");
            EXPECT_NE(reports[0].find(folder_ + "config2.bin" + rows), std::string::npos)
                << reports[0];
        }
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

// The program with a damaged data file in place of the shipped one, beside its other files.
class DamagedFileEstimate : public EstimateTest {
protected:
    void SetUp() override {
        EstimateTest::SetUp();
        const fs::path shipped = os::ProgramFolder();
        folder_ = env.UseProgramFolder();
        // The documents a run of the program in the build's folder wrote there are a person's:
        // linked, the estimate and export of a test would be written into them.
        const std::vector<std::string> documents = {"Estimate.rtf", "Export.xml", "ZomelSpec.rtf",
                                                    "CustomSpec.rtf"};
        for (const auto& entry : fs::directory_iterator(shipped)) {
            const std::string name = entry.path().filename().string();
            if (std::ranges::find(documents, name) == documents.end())
                fs::create_symlink(entry.path(), folder_ + name);
        }
    }
    void Use(const std::string& name, const std::string& bytes) {
        fs::remove(folder_ + name);
        std::ofstream(folder_ + name, std::ios::binary) << bytes;
    }
    void UseCatalogue(const std::string& bytes) {
        Use("config2.bin", bytes);
        zomel::ResetOptions();
        zomel::LoadSignOptions();
        host.ClearMessages();
        host.ClearJournal();
    }
    bool TreeShown() const {
        const auto& journal = host.Journal();
        return std::find(journal.begin(), journal.end(), "modal frmChooser owner frmOrder") !=
               journal.end();
    }
    std::string folder_;
};

// Options... in the estimate with each damaged catalogue: the tree is shown, or it could not
// be built and the estimate stays as it was; the program goes on either way.
TEST_F(DamagedFileEstimate, OptionsShowsTheTreeOrLeavesTheEstimateAsItWas) {
    Type(0, "HELLO");
    for (const std::string& name : FileNamesIn("catalogue")) {
        SCOPED_TRACE(name);
        UseCatalogue(Bytes(DataPath("catalogue/" + name)));
        Grid before, after;
        PriceIt([&](zomel::frmOrder& order) {
            before = TextsOf(*order.fgPrices);
            order.cmdOpt->Click();
            after = TextsOf(*order.fgPrices);
        });
        EXPECT_FALSE(before.empty());
        if (!TreeShown()) {
            EXPECT_EQ(after, before);
        }
        // A group's row before any set of the group: no node to hang it on.
        if (name.starts_with("config2-group-row")) {
            EXPECT_FALSE(TreeShown());
            EXPECT_EQ(zomel::gPriceLoad.LoadError, vb::True);
        }
    }
}

// Without its catalogue the estimate cannot price options; what it says names the file.
TEST_F(DamagedFileEstimate, AMissingCatalogueIsNamedByTheEstimate) {
    Type(0, "HELLO");
    fs::remove(folder_ + "config2.bin");
    zomel::ResetOptions();
    zomel::LoadSignOptions();
    host.ClearMessages();
    host.AnswerPrinterDialog(false);
    PriceIt([](zomel::frmOrder& order) {
        order.cmdOpt->Click();
        order.cmdPrint->Click();
    });
    const auto prompts = Prompts();
    EXPECT_FALSE(prompts.empty());
    for (const std::string& prompt : prompts)
        EXPECT_NE(prompt.find(folder_ + "config2.bin"), std::string::npos) << prompt;
}

// Alt+X in the estimate with each damaged export head: refused with a message that names the
// file, and no export written.
TEST_F(DamagedFileEstimate, AnExportHeadThatOpensNoItemsIsRefused) {
    Type(0, "HELLO");
    for (const std::string& name : FileNamesIn("header")) {
        SCOPED_TRACE(name);
        Use("Header.inc", Bytes(DataPath("header/" + name)));
        host.ClearMessages();
        PriceIt([](zomel::frmOrder& order) { order.KeyUp(88, forms::vbAltMask); });
        const auto prompts = Prompts();
        ASSERT_EQ(prompts.size(), 1u);
        EXPECT_EQ(
            prompts[0].rfind("The file " + folder_ + "Header.inc does not hold the XML head", 0),
            0u)
            << prompts[0];
        EXPECT_FALSE(fs::exists(zomel::XMLdetail::ExportPath()));
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
