#include <unistd.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "estimate/XMLdetail.h"
#include "platform/forms/Interaction.h"
#include "platform/os/Shell.h"
#include "platform/vb/Strings.h"
#include "tests/estimate/EstimateFixture.h"
#include "tests/support/DiskFull.h"
#include "tests/support/DocumentReaders.h"
#include "tests/support/FakePrintQueue.h"
#include "tests/support/PinnedFace.h"
#include "tests/support/ProgramData.h"
#include "tests/support/ScopedUmask.h"
#include "tests/support/ScopedVariable.h"

using readers::Collapsed;
using zomel::frmOrder;

namespace {

class EstimateDocumentTest : public EstimateTest {
protected:
    void SetUp() override {
        app = env.UseProgramFolder();
        CopyProgramData(app);
        EstimateTest::SetUp();
    }
    // The grid row as a reader of the printout or the document finds it.
    static std::string Shown(const std::vector<std::string>& row, bool withPart) {
        std::string text = row[0] + " " + row[1] + " " + row[2] + " " + row[3];
        if (withPart) text += " " + row[4];
        return Collapsed(text);
    }
    static bool Holds(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
    // A grid of `rows` rows, the header and the totals among them.
    static void FillRows(frmOrder& order, vb::Long rows) {
        forms::FlexGrid& grid = *order.fgPrices;
        grid.SetRows(rows);
        for (vb::Long r = 1; r < rows - 1; ++r) {
            grid.SetTextMatrix(r, 0, "Option number " + std::to_string(r) + ":");
            grid.SetTextMatrix(r, 1, "$1.00");
            grid.SetTextMatrix(r, 2, "1");
            grid.SetTextMatrix(r, 3, "$1.00");
            grid.SetTextMatrix(r, 4, "999-" + std::to_string(1000 + r));
        }
        grid.SetTextMatrix(rows - 1, 0, "Total:");
        grid.SetTextMatrix(rows - 1, 3, "$" + std::to_string(rows - 2) + ".00");
        grid.SetTextMatrix(rows - 1, 4, "");
    }
    std::string Read(const std::string& name) const {
        return TestEnvironment::ReadFile(app + name);
    }
    // The estimate of the sign, with the Print button pressed inside the window.
    Grid PrintIt(std::function<void(frmOrder&)> before = nullptr) {
        return PriceIt([&](frmOrder& order) {
            if (before) before(order);
            order.cmdPrint->Click();
        });
    }

    std::string app;
};

}  // namespace

TEST_F(EstimateDocumentTest, PrintingGivesThePageAndTheDocumentOfTheEstimate) {
    FakePrintQueue queue(env.Root());
    Type(0, "ROAD WORK");
    Type(1, "AHEAD");
    const std::string x = std::to_string(TheSign().XZomelCount());
    const std::string y = std::to_string(TheSign().YZomelCount());
    const Grid grid = PrintIt();
    ASSERT_GE(grid.size(), 4u);
    EXPECT_EQ(host.PrinterDialogs(), std::vector<std::string>{"ZOMELBuilder Estimate"});

    // On paper: the head, the heading, every row, the totals without a part number.
    ASSERT_EQ(queue.keptFiles.size(), 1u);
    std::vector<std::string> pages = queue.LastPages();
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_EQ(page.rfind("Estimated Retail Pricing Information - ", 0), 0u) << page;
    EXPECT_TRUE(Holds(page, "SIGN ESTIMATE The following is the estimated retail price"));
    EXPECT_TRUE(Holds(page, "This estimate is for " + x + " columns and " + y +
                                " rows of horizontal ZOMELS. Description: Selling Price Quantity "
                                "Sub Total Part Number " +
                                Shown(grid[1], true)));
    for (size_t r = 1; r + 1 < grid.size(); ++r)
        EXPECT_TRUE(Holds(page, Shown(grid[r], true))) << r;
    EXPECT_TRUE(Holds(page, Shown(grid.back(), false)));
    EXPECT_EQ(page.substr(page.size() - Shown(grid.back(), false).size()),
              Shown(grid.back(), false));

    // The document: the template with the sign's figures, then the same rows.
    EXPECT_TRUE(readers::RtfGroupsBalance(Read("Estimate.rtf")));
    const std::string document = readers::RtfText(app + "Estimate.rtf");
    EXPECT_TRUE(Holds(document, "price list of " + zomel::PriceListDate));
    EXPECT_TRUE(Holds(document,
                      "for a sign of " + x + " columns and " + y + " rows of horizontal ZOMELs."));
    EXPECT_TRUE(Holds(document, "flashing beacons, arrows and solar power"));
    for (const char* token : {"$date$", "$xcount$", "$ycount$", "$orientation$"})
        EXPECT_FALSE(Holds(document, token)) << token;
    for (size_t r = 1; r + 1 < grid.size(); ++r)
        EXPECT_TRUE(Holds(document, Shown(grid[r], true))) << r;
    EXPECT_EQ(document.substr(document.size() - Shown(grid.back(), false).size()),
              Shown(grid.back(), false));
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
}

TEST_F(EstimateDocumentTest, EveryTokenIsReplacedWhereverItStandsAndOnlyWholeWordsChange) {
    env.WriteFile("app/CustomEst.hms",
                  "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}rows, then columns: "
                  "$xcount$ columns by $ycount$ rows ($orientation$, $date$); arrows stay.\\par}");
    Type(0, "I");
    ASSERT_EQ(TheSign().XZomelCount(), 1);
    const std::string y = std::to_string(TheSign().YZomelCount());
    host.AnswerPrinterDialog(false);
    PrintIt();
    const std::string document = readers::RtfText(app + "Estimate.rtf");
    const std::string rowWord = TheSign().YZomelCount() == 1 ? "row" : "rows";
    EXPECT_EQ(document.rfind(rowWord + ", then column: 1 column by " + y + " " + rowWord +
                                 " (horizontal, " + zomel::PriceListDate + "); arrows stay.",
                             0),
              0u)
        << document;
}

TEST_F(EstimateDocumentTest, ACancelledPrinterDialogStillSavesTheDocument) {
    FakePrintQueue queue(env.Root());
    env.WriteFile("app/Estimate.rtf", "an old estimate");
    Type(0, "SLOW");
    host.AnswerPrinterDialog(false);
    const Grid grid = PrintIt();
    EXPECT_TRUE(queue.submittedBytes.empty());
    EXPECT_TRUE(Holds(readers::RtfText(app + "Estimate.rtf"), Shown(grid[1], true)));
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
}

namespace {

constexpr const char* kHeading = "Description: Selling Price Quantity Sub Total Part Number";

// The estimate in each monospace face a desktop may give for the print face, whatever its
// lines measure, on the desktop's paper: letter and A4 (a shorter landscape page).
class LongEstimateTest
    : public EstimateDocumentTest,
      public ::testing::WithParamInterface<std::tuple<const char*, const char*>> {
protected:
    static bool StartsWith(const std::string& text, const std::string& start) {
        return text.rfind(start, 0) == 0;
    }
};

}  // namespace

TEST_P(LongEstimateTest, ALongEstimateBreaksThePageAfterRow33WithTheHeadingAgain) {
    const auto [family, paperName] = GetParam();
    PinnedFace face(family);
    if (!face.Installed()) GTEST_SKIP() << family << " is not installed here";
    ScopedVariable paper("PAPERSIZE", paperName);
    FakePrintQueue queue(env.Root());
    Type(0, "EXIT");
    PriceIt([](frmOrder& order) {
        for (vb::Long rows : {34, 35, 40, 120}) {
            FillRows(order, rows);
            order.cmdPrint->Click();
        }
    });
    ASSERT_EQ(queue.keptFiles.size(), 4u);

    // Landscape on the desktop's paper.
    const std::pair<double, double> landscape =
        std::string(paperName) == "a4" ? std::pair(841.89, 595.28) : std::pair(792.0, 612.0);
    for (const std::string& file : queue.keptFiles)
        EXPECT_EQ(readers::PdfPageSize(file), landscape) << file;

    // 33 rows and the head fill one page.
    std::vector<std::string> pages = readers::PdfPages(queue.keptFiles[0]);
    ASSERT_EQ(pages.size(), 1u) << pages.back();
    EXPECT_TRUE(Holds(pages[0], "Option number 32: $1.00 1 $1.00 999-1032 Total: $32.00"));

    for (size_t job : {1u, 2u}) {
        pages = readers::PdfPages(queue.keptFiles[job]);
        ASSERT_EQ(pages.size(), 2u) << job;
        EXPECT_TRUE(Holds(pages[0], "Option number 33: $1.00 1 $1.00 999-1033"));
        EXPECT_FALSE(Holds(pages[0], "Option number 34:"));
        EXPECT_TRUE(StartsWith(pages[1],
                               kHeading + std::string(job == 1 ? " Total:" : " Option number 34:")))
            << pages[1];
    }
    EXPECT_TRUE(Holds(pages.back(), "Total: $38.00"));

    // However many pages the rows take, each one goes on under the heading.
    pages = readers::PdfPages(queue.keptFiles[3]);
    ASSERT_GE(pages.size(), 3u);
    for (size_t p = 1; p < pages.size(); ++p)
        EXPECT_TRUE(StartsWith(pages[p], kHeading)) << p << ": " << pages[p];
    EXPECT_TRUE(Holds(pages.back(), "Option number 118: $1.00 1 $1.00 999-1118"));
}

INSTANTIATE_TEST_SUITE_P(PrintFaces, LongEstimateTest,
                         ::testing::Combine(::testing::Values("DejaVu Sans Mono", "Liberation Mono",
                                                              "Nimbus Mono PS", "FreeMono"),
                                            ::testing::Values("letter", "a4")),
                         [](const auto& info) {
                             return FaceIdentifier(std::get<0>(info.param)) + "_" +
                                    std::get<1>(info.param);
                         });

// The saved estimate as LibreOffice Writer lays it out: every row on one line, its part number
// in the column of the others.
TEST_F(EstimateDocumentTest, TheSavedEstimateReadsAsATableInAWordProcessor) {
    if (os::FindProgram("soffice").empty())
        GTEST_SKIP() << "LibreOffice Writer is not installed (libreoffice-writer-nogui)";
    Type(0, "EXIT");
    host.AnswerPrinterDialog(false);
    PrintIt([](frmOrder& order) { FillRows(order, 40); });
    const std::string out = env.Root() + "converted/";
    auto converted = os::RunProgram({"soffice", "-env:UserInstallation=file://" + env.Root() + "lo",
                                     "--headless", "--convert-to", "pdf", "--outdir", out,
                                     app + "Estimate.rtf"});
    ASSERT_TRUE(converted && converted->exitCode == 0) << (converted ? converted->output : "");
    auto laidOut = os::RunProgram({"pdftotext", "-layout", out + "Estimate.pdf", "-"});
    ASSERT_TRUE(laidOut && laidOut->exitCode == 0);
    // pdftotext lays out each page on its own: the columns compare within a page.
    std::istringstream pages(laidOut->output);
    int rows = 0;
    for (std::string page; std::getline(pages, page, '\f');) {
        std::istringstream lines(page);
        std::map<int, size_t> partColumns;  // by row
        for (std::string line; std::getline(lines, line);) {
            const size_t at = line.find("Option number ");
            if (at == std::string::npos) continue;
            const int row = std::atoi(line.c_str() + at + 14);
            partColumns[row] = line.find("999-" + std::to_string(1000 + row));
            EXPECT_NE(partColumns[row], std::string::npos) << "row " << row << " wraps: " << line;
            EXPECT_NE(Collapsed(line).find("$1.00 1 $1.00"), std::string::npos) << line;
            ++rows;
        }
        for (const auto& [row, column] : partColumns)
            EXPECT_EQ(column, partColumns.begin()->second) << "row " << row << ":\n" << page;
    }
    EXPECT_EQ(rows, 38) << laidOut->output;
    EXPECT_NE(Collapsed(laidOut->output).find("Total: $38.00"), std::string::npos);
}

TEST_F(EstimateDocumentTest, PricesPrintAtTheHeadsSizeAndAFullFieldKeepsABlankBeforeIt) {
    FakePrintQueue queue(env.Root());
    Type(0, "EXIT");
    PrintIt([](frmOrder& order) {
        order.fgPrices->SetTextMatrix(1, 0, "Batteries 92 amp hour:");
        order.fgPrices->SetTextMatrix(1, 1, "Call VELDO");  // wider than its field
    });
    ASSERT_EQ(queue.keptFiles.size(), 1u);
    EXPECT_TRUE(Holds(queue.LastPages().at(0), "Batteries 92 amp hour: Call VELDO"));
    double head = 0, line = 0;
    for (const readers::PdfWord& word : readers::PdfWords(queue.keptFiles[0])) {
        if (word.text == "Estimated") head = word.bottom - word.top;
        if (word.text == "Batteries") line = word.bottom - word.top;
    }
    EXPECT_GT(head, 0);
    EXPECT_NEAR(line, head, 0.5);
}

TEST_F(EstimateDocumentTest, TextsThatLookLikeRtfStayText) {
    Type(0, "EXIT");
    host.AnswerPrinterDialog(false);
    PrintIt([](frmOrder& order) {
        order.fgPrices->SetTextMatrix(1, 0, "Sign {\\b0 bold} \\par caf\xC3\xA9:");
    });
    EXPECT_TRUE(readers::RtfGroupsBalance(Read("Estimate.rtf")));
    EXPECT_TRUE(Holds(readers::RtfText(app + "Estimate.rtf"), "Sign {\\b0 bold} \\par caf\xE9:"));
}

TEST_F(EstimateDocumentTest, AFailedPrintIsReportedAndTheNextOneWorks) {
    FakePrintQueue queue(env.Root());
    queue.destination = "";  // no print queue: the printout is saved instead
    env.WriteFile("home/Documents/ZomelBuilder", "a file where the save folder goes");
    Type(0, "SLOW");
    PriceIt([&](frmOrder& order) {
        order.cmdPrint->Click();
        ASSERT_EQ(host.Messages().size(), 1u);
        EXPECT_EQ(host.Messages()[0].prompt.rfind(
                      "An unexpected error has occurred in Price Estimate Print Error", 0),
                  0u)
            << host.Messages()[0].prompt;
        std::filesystem::remove(env.Root() + "home/Documents/ZomelBuilder");
        host.ClearMessages();
        order.cmdPrint->Click();
        ASSERT_EQ(host.Messages().size(), 1u);  // the saved printout's place
        EXPECT_TRUE(Holds(host.Messages()[0].prompt, "Printout 1.pdf"));
    });
    EXPECT_EQ(readers::PdfPages(env.Root() + "home/Documents/ZomelBuilder/Printout 1.pdf").size(),
              1u);
}

TEST_F(EstimateDocumentTest, AMissingTemplateIsReportedAndNothingIsPrinted) {
    FakePrintQueue queue(env.Root());
    std::filesystem::remove(app + "CustomEst.hms");
    Type(0, "SLOW");
    PrintIt();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_TRUE(Holds(host.Messages()[0].prompt, "Price Estimate Template Error"));
    EXPECT_TRUE(Holds(host.Messages()[0].prompt, "File not found: " + app + "CustomEst.hms"));
    EXPECT_TRUE(queue.submittedBytes.empty());
    EXPECT_FALSE(std::filesystem::exists(app + "Estimate.rtf"));
}

TEST_F(EstimateDocumentTest, CtrlCCopiesEveryRowWithThePartNumberTheGridShows) {
    Type(0, "ROAD WORK");
    Grid grid;
    PriceIt([&](frmOrder& order) {
        grid = TextsOf(*order.fgPrices);
        order.KeyUp(67, forms::vbCtrlMask | forms::vbShiftMask);  // not the combination
        EXPECT_TRUE(host.Messages().empty());
        order.KeyUp(67, forms::vbCtrlMask);
    });
    EXPECT_EQ(Prompts(), std::vector<std::string>{
                             "Control C key combination detected causing data suitable for "
                             "Excel to be written to the clipboard."});
    const std::string text = host.ClipboardText();
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), grid.size());
    EXPECT_EQ(lines[0], "Description:\tSelling Price\tQuantity\tSub Total\tPart Number");
    for (size_t r = 1; r + 1 < grid.size(); ++r) {
        std::string expected;
        for (size_t c = 0; c < 5; ++c)
            expected += (c ? "\t" : "") + vb::Trim(grid[r][c]);
        EXPECT_EQ(lines[r], expected) << r;
    }
    EXPECT_EQ(lines[1].substr(lines[1].rfind('\t') + 1), TheSign().ModelNumber());
    EXPECT_EQ(std::count(lines.back().begin(), lines.back().end(), '\t'), 3);
}

TEST_F(EstimateDocumentTest, AltXExportsWellFormedUtf16XmlWithEscapedTexts) {
    Type(0, "ROAD WORK");
    host.AnswerInputBox(std::string("Main Street & 5th <north>"));
    Grid grid;
    PriceIt([&](frmOrder& order) {
        order.fgPrices->SetTextMatrix(2, 0, "Spare lamp set & \"cover\" <new>");
        grid = TextsOf(*order.fgPrices);
        order.KeyUp(88, forms::vbAltMask | forms::vbCtrlMask);  // not the combination
        order.KeyUp(88, forms::vbAltMask);
    });
    const std::string path = app + "Export.xml";
    EXPECT_EQ(Prompts(), std::vector<std::string>{"Updated file " + path});
    EXPECT_EQ(host.InputPrompts(),
              std::vector<std::string>{"What unique name do you want to use?"});
    const std::string bytes = Read("Export.xml");
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE<\0", 4));  // UTF-16 with its mark
    ASSERT_TRUE(readers::XmlWellFormed(path));
    EXPECT_EQ(readers::XmlQuery(path, "count(//DocumentItem)"), std::to_string(grid.size() - 2));
    EXPECT_EQ(readers::XmlQuery(path, "string(//DocName)"), "Main Street & 5th <north>");
    EXPECT_EQ(readers::XmlQuery(path, "string(//DocumentItem[2]/Description)"),
              "Spare lamp set & \"cover\" <new>");
    EXPECT_EQ(readers::XmlQuery(path, "string(//DocumentItem[1]/@id)"), "1");
    EXPECT_EQ(readers::XmlQuery(path, "string(//DocumentItem[1]/Description)"),
              vb::Trim(grid[1][0]).substr(0, vb::Trim(grid[1][0]).size() - 1));  // its ":" goes
    EXPECT_EQ(readers::XmlQuery(path, "string(//DocumentItem[1]/ManufacturerPartNo)"),
              TheSign().ModelNumber());
    EXPECT_EQ(readers::XmlQuery(path, "string(//DocumentItem[1]/UnitPrice)"), grid[1][1].substr(1));
    EXPECT_EQ(readers::XmlQuery(path, "string(//DocumentItem[2]/ManufacturerPartNo)"),
              vb::Trim(grid[2][4]));
}

TEST_F(EstimateDocumentTest, AFailedExportSaysSoAndKeepsWhatWasThere) {
    std::filesystem::create_directory(app + "Export.xml");  // its place is taken
    Type(0, "SLOW");
    PriceIt([](frmOrder& order) { order.KeyUp(88, forms::vbAltMask); });
    EXPECT_EQ(Prompts(), std::vector<std::string>{"Make sure the file is not read only " + app +
                                                  "Export.xml"});
    EXPECT_TRUE(std::filesystem::is_directory(app + "Export.xml"));

    host.ClearMessages();
    std::filesystem::remove(app + "Export.xml");
    std::filesystem::remove(app + "Header.inc");
    PriceIt([](frmOrder& order) { order.KeyUp(88, forms::vbAltMask); });
    EXPECT_EQ(Prompts(), std::vector<std::string>{"Could not open file " + app + "Header.inc"});
    EXPECT_FALSE(std::filesystem::exists(app + "Export.xml"));
}

TEST_F(EstimateDocumentTest, AFullDiskKeepsTheOldDocumentsAndSaysWhichFileAndWhy) {
    env.WriteFile("app/Estimate.rtf", "an old estimate");
    env.WriteFile("app/Export.xml", "an old export");
    Type(0, "ROAD WORK");
    host.AnswerPrinterDialog(false);
    host.AnswerInputBox(std::string("Main Street"));
    PriceIt([&](frmOrder& order) {
        DiskFull disk(512);
        order.cmdPrint->Click();
        order.KeyUp(88, forms::vbAltMask);
    });
    ASSERT_EQ(Prompts().size(), 2u);
    EXPECT_TRUE(Holds(Prompts()[0], "Price Estimate Save Error")) << Prompts()[0];
    EXPECT_TRUE(Holds(Prompts()[0], "#, 61, Disk full: " + app + "Estimate.rtf")) << Prompts()[0];
    EXPECT_EQ(Prompts()[1], "There is not enough disk space to write " + app + "Export.xml");
    EXPECT_EQ(Read("Estimate.rtf"), "an old estimate");
    EXPECT_EQ(Read("Export.xml"), "an old export");
}

TEST_F(EstimateDocumentTest, AHeadWithoutTheNamePlaceholderAsksNothing) {
    env.WriteFile("app/Header.inc",
                  "<?xml version=\"1.0\" encoding=\"windows-1252\"?><QuoteWerksXML><Documents>"
                  "<Document><DocDate>2004-05-03</DocDate><DocumentItems>");
    Type(0, "SLOW");
    PriceIt([](frmOrder& order) { order.KeyUp(88, forms::vbAltMask); });
    EXPECT_TRUE(host.InputPrompts().empty());
    const std::string path = app + "Export.xml";
    ASSERT_TRUE(readers::XmlWellFormed(path));  // the encoding named is the one written
    EXPECT_NE(readers::XmlQuery(path, "string(//DocDate)"), "2004-05-03");
    EXPECT_EQ(readers::XmlQuery(path, "string-length(//DocDate)"), "10");
}

// Saving the documents touches no other file of the person's: the copies beside them stay
// whole, new documents are made as the umask says, and a link another user planted in a
// shared program folder leads the writes nowhere, with the file and the reason said.
TEST_F(EstimateDocumentTest, SavingTheDocumentsTouchesNoOtherFileOfThePerson) {
    const std::vector<std::string> copies = {"Estimate.rtf.Backup", "Estimate.rtf.202612",
                                             "Estimate.rtf.COPY01", "Export.xml.Final1"};
    for (const std::string& copy : copies)
        env.WriteFile("app/" + copy, "a copy of mine");
    Type(0, "SLOW");
    const auto printAndExport = [this] {
        host.AnswerPrinterDialog(false);
        host.AnswerInputBox(std::string("Main Street"));
        PriceIt([](frmOrder& order) {
            order.cmdPrint->Click();
            order.KeyUp(88, forms::vbAltMask);
        });
    };
    {
        ScopedUmask mask(077);
        printAndExport();
    }
    EXPECT_EQ(Prompts(), std::vector<std::string>{"Updated file " + app + "Export.xml"});
    for (const std::string& copy : copies)
        EXPECT_EQ(Read(copy), "a copy of mine") << copy;
    EXPECT_EQ(ScopedUmask::ModeOf(app + "Estimate.rtf"), 0600u);
    EXPECT_EQ(ScopedUmask::ModeOf(app + "Export.xml"), 0600u);

    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
    ASSERT_EQ(::chmod(app.c_str(), 01777), 0);
    const std::string notes = env.WriteFile("home/notes.txt", "my notes");
    for (const char* document : {"Estimate.rtf", "Export.xml"}) {
        const std::string planted = app + document;
        std::filesystem::remove(planted);
        ASSERT_EQ(::symlink(notes.c_str(), planted.c_str()), 0);
        ASSERT_EQ(::lchown(planted.c_str(), 65534, 65534), 0);
    }
    host.ClearMessages();
    printAndExport();
    const std::string why = " is a link another user made in the shared folder " +
                            app.substr(0, app.size() - 1) +
                            "; it was not followed and nothing was written";
    ASSERT_EQ(Prompts().size(), 2u);
    EXPECT_TRUE(Holds(Prompts()[0], "Price Estimate Save Error")) << Prompts()[0];
    EXPECT_TRUE(Holds(Prompts()[0], "Permission denied: " + app + "Estimate.rtf" + why))
        << Prompts()[0];
    EXPECT_EQ(Prompts()[1], "Permission denied: " + app + "Export.xml" + why);
    EXPECT_EQ(TestEnvironment::ReadFile(notes), "my notes");
    EXPECT_TRUE(std::filesystem::is_symlink(app + "Estimate.rtf"));
    EXPECT_TRUE(std::filesystem::is_symlink(app + "Export.xml"));
}

TEST(ExportTextTest, DescriptionsLoseOnlyTheirTrailingBlanksAndOneColon) {
    EXPECT_EQ(zomel::ExportDescription("Spare lamp set"), "Spare lamp set");
    EXPECT_EQ(zomel::ExportDescription("AF0-2H2A4-0602V:  "), "AF0-2H2A4-0602V");
    EXPECT_EQ(zomel::ExportDescription("Ratio 1::"), "Ratio 1:");
    EXPECT_EQ(zomel::ExportDescription(""), "");
    EXPECT_EQ(zomel::ExportPrice("$12.50"), "12.50");
    EXPECT_EQ(zomel::ExportPrice("Call VELDO"), "Call VELDO");
    EXPECT_EQ(zomel::XmlEscape("a<b>&'\""), "a&lt;b&gt;&amp;&apos;&quot;");
}
