#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/DocumentReaders.h"
#include "tests/support/FakePrintQueue.h"

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Host.h"
#include "platform/printer/PrintQueue.h"
#include "platform/printer/Printer.h"
#include "platform/vb/Error.h"
#include "tests/support/TestEnvironment.h"

namespace {

int PdfPageCount(const std::string& bytes) {
    static const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), {}));
}

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::SetHost(&host);
        forms::SetPrintQueue(&queue);
        queue.destination = "";  // no print queue unless a test sets one
        printer.KillDoc();
        printer.SetScaleMode(forms::PrinterObject::kTwips);
    }
    void TearDown() override {
        printer.KillDoc();
        forms::SetPrintQueue(nullptr);
        forms::SetHost(nullptr);
    }

    static gdi::PictureRef TwoByTwo() {
        gdi::Bitmap image(2, 2, gdi::kWhite);
        image.Set(1, 0, gdi::Rgb(255, 0, 0));
        image.Set(0, 1, gdi::kBlack);
        return std::make_shared<gdi::Picture>(image);
    }

    TestEnvironment env;
    forms::HeadlessHost host;
    FakePrintQueue queue;
    forms::PrinterObject& printer = forms::Printer();
};

TEST_F(PrinterTest, ScaleModesMeasureTheLetterPage) {
    EXPECT_FLOAT_EQ(printer.Width(), 12240);
    EXPECT_FLOAT_EQ(printer.Height(), 15840);
    printer.SetScaleMode(forms::PrinterObject::kInches);
    EXPECT_FLOAT_EQ(printer.ScaleWidth(), 8.5f);
    printer.SetScaleMode(forms::PrinterObject::kPixels);
    EXPECT_FLOAT_EQ(printer.ScaleWidth(), 8.5f * forms::PrinterObject::kDpi);
    printer.SetScaleMode(forms::PrinterObject::kPoints);
    EXPECT_FLOAT_EQ(printer.ScaleHeight(), 792);
    try {
        printer.SetScaleMode(4);
        FAIL() << "character mode is not a printer mode";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.Number(), vb::err::kInvalidPropertyValue);
    }
    EXPECT_EQ(printer.ScaleMode(), forms::PrinterObject::kPoints);
}

TEST_F(PrinterTest, PaintPictureStretchesPixelsIntoSquares) {
    printer.SetScaleMode(forms::PrinterObject::kPixels);
    printer.PaintPicture(*TwoByTwo(), 10, 20, 6, 6);
    const gdi::Bitmap& page = printer.Pages().at(0);
    EXPECT_EQ(page.At(10, 20), gdi::kWhite);
    EXPECT_EQ(page.At(12, 22), gdi::kWhite);
    EXPECT_EQ(page.At(13, 20), gdi::Rgb(255, 0, 0));
    EXPECT_EQ(page.At(15, 22), gdi::Rgb(255, 0, 0));
    EXPECT_EQ(page.At(10, 23), gdi::kBlack);
    EXPECT_EQ(page.At(15, 25), gdi::kWhite);
    // Outside the stretched picture the page stays white.
    EXPECT_EQ(page.At(16, 20), gdi::kWhite);
    EXPECT_EQ(page.At(10, 26), gdi::kWhite);
    EXPECT_EQ(page.At(9, 23), gdi::kWhite);
}

TEST_F(PrinterTest, PaintPictureKeepsItsScreenSizeAndClipsAtTheEdge) {
    printer.PaintPicture(*TwoByTwo(), -15, 0);  // one screen pixel to the left of the page
    const gdi::Bitmap& page = printer.Pages().at(0);
    // A screen pixel is Dpi / 96 dots; the left column is cut off the page.
    int dot = forms::PrinterObject::kDpi / 96;
    EXPECT_EQ(page.At(0, 0), gdi::Rgb(255, 0, 0));
    EXPECT_EQ(page.At(0, dot + 1), gdi::kWhite);
    EXPECT_EQ(page.At(dot + 1, 0), gdi::kWhite);
}

TEST_F(PrinterTest, PrintWritesTextAndMovesToTheNextLine) {
    printer.SetCurrentX(1440);
    printer.SetCurrentY(1440);
    printer.Print("Estimate");
    EXPECT_FLOAT_EQ(printer.CurrentX(), 0);
    float lineHeight = printer.TextHeight("Estimate");
    EXPECT_GT(lineHeight, 100);  // a 10-point line is about 200 twips
    EXPECT_FLOAT_EQ(printer.CurrentY(), 1440 + lineHeight);
    const gdi::Bitmap& page = printer.Pages().at(0);
    int ink = 0;
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x)
            ink += page.At(x, y) == gdi::kBlack;
    EXPECT_GT(ink, 50);
    // Nothing lies left of or above the one-inch position.
    for (int y = 0; y < 195; ++y)
        for (int x = 0; x < 195; ++x)
            ASSERT_EQ(page.At(x, y), gdi::kWhite) << x << "," << y;
    EXPECT_GT(printer.TextWidth("Estimate"), printer.TextWidth("E"));
}

TEST_F(PrinterTest, EndDocSendsOnePdfToTheDefaultQueue) {
    queue.destination = "office";
    printer.PaintPicture(*TwoByTwo(), 0, 0);
    printer.NewPage();
    printer.Print("second page");
    EXPECT_EQ(printer.Page(), 2);
    forms::PrintOutcome outcome = printer.EndDoc();
    EXPECT_EQ(outcome.kind, forms::PrintOutcome::Kind::Queued);
    EXPECT_EQ(outcome.destination, "office");
    ASSERT_EQ(queue.submittedBytes.size(), 1u);
    EXPECT_TRUE(queue.submittedBytes[0].starts_with("%PDF-"));
    EXPECT_EQ(PdfPageCount(queue.submittedBytes[0]), 2);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(printer.Page(), 0);
    // The spooled file had a name nobody could foresee, made in the temporary folder, and it
    // is gone once the spooler has it.
    const std::string spooled = queue.jobs.at(0).path;
    EXPECT_EQ(std::filesystem::path(spooled).parent_path() / "", env.Root()) << spooled;
    EXPECT_FALSE(std::regex_search(
        spooled, std::regex("zomel-print-" + std::to_string(::getpid()) + "-[0-9]+\\.pdf$")))
        << spooled;
    EXPECT_FALSE(std::filesystem::exists(spooled));
}

TEST_F(PrinterTest, TheQueueAndCopiesChosenInThePrinterDialogReachTheSpooler) {
    queue.destination = "office";
    host.AnswerPrinterDialog(forms::PrinterChoice{"upstairs", "", 3});
    ASSERT_TRUE(printer.ShowPrinterDialog("Quarterly list"));
    // The dialog opened on the default queue, one copy.
    ASSERT_EQ(host.PrinterDialogChoices().size(), 1u);
    EXPECT_EQ(host.PrinterDialogChoices()[0], (forms::PrinterChoice{"office", "", 1}));
    printer.Print("chosen");
    EXPECT_EQ(printer.EndDoc().destination, "upstairs");
    ASSERT_EQ(queue.jobs.size(), 1u);
    EXPECT_EQ(queue.jobs[0].queue, "upstairs");
    EXPECT_EQ(queue.jobs[0].title, "Quarterly list");
    EXPECT_EQ(queue.jobs[0].copies, 3);

    // A file chosen instead of a queue gets the document, and the person is told where.
    const std::string file = env.Root() + "chosen.pdf";
    host.AnswerPrinterDialog(forms::PrinterChoice{"", file, 1});
    ASSERT_TRUE(printer.ShowPrinterDialog("Quarterly list"));
    printer.Print("to a file");
    EXPECT_EQ(printer.EndDoc().kind, forms::PrintOutcome::Kind::Saved);
    EXPECT_EQ(readers::PdfPages(file), std::vector<std::string>{"to a file"});
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, "The printout was saved as a PDF file:\n" + file);

    // Cancelled, the next document goes to the default queue as before.
    host.AnswerPrinterDialog(false);
    EXPECT_FALSE(printer.ShowPrinterDialog("Quarterly list"));
    printer.Print("default");
    printer.EndDoc();
    ASSERT_EQ(queue.jobs.size(), 2u);
    EXPECT_EQ(queue.jobs[1].queue, "office");
    EXPECT_EQ(queue.jobs[1].copies, 1);
}

TEST_F(PrinterTest, WithoutAQueueTheDocumentIsSavedAndThePersonTold) {
    // The dialog shows where it will go.
    EXPECT_TRUE(printer.ShowPrinterDialog("Doc"));
    EXPECT_EQ(host.PrinterDialogChoices().at(0).file,
              env.Root() + "home/Documents/ZomelBuilder/Printout 1.pdf");
    printer.Print("one");
    forms::PrintOutcome first = printer.EndDoc();
    ASSERT_EQ(first.kind, forms::PrintOutcome::Kind::Saved);
    EXPECT_EQ(first.destination, env.Root() + "home/Documents/ZomelBuilder/Printout 1.pdf");
    EXPECT_TRUE(TestEnvironment::ReadFile(first.destination).starts_with("%PDF-"));
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(host.Messages()[0].prompt.find(first.destination), std::string::npos);

    // A second printout never replaces the first.
    printer.Print("two");
    forms::PrintOutcome second = printer.EndDoc();
    EXPECT_EQ(second.destination, env.Root() + "home/Documents/ZomelBuilder/Printout 2.pdf");
    EXPECT_TRUE(std::filesystem::exists(first.destination));
}

TEST_F(PrinterTest, ThePrintedTextCanBeFoundInThePdfOnItsPage) {
    printer.SetFont(gdi::Font{"courier new", 10});
    printer.Print("Description:   Selling Price");
    printer.Print("Spare lamp set & caf\xC3\xA9");
    printer.NewPage();
    printer.Print("Total:  $1234.50");
    forms::PrintOutcome outcome = printer.EndDoc();
    ASSERT_EQ(outcome.kind, forms::PrintOutcome::Kind::Saved);
    std::vector<std::string> pages = readers::PdfPages(outcome.destination);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], "Description: Selling Price Spare lamp set & caf\xC3\xA9");
    EXPECT_EQ(pages[1], "Total: $1234.50");
}

TEST_F(PrinterTest, AFixedPitchFaceThatIsNotInstalledStaysFixedPitch) {
    printer.SetFont(gdi::Font{"courier new", 10});
    EXPECT_FLOAT_EQ(printer.TextWidth("iiiiiiii"), printer.TextWidth("MMMMMMMM"));
    printer.SetFont(gdi::Font{"no such face at all", 10});
    EXPECT_LT(printer.TextWidth("iiiiiiii"), printer.TextWidth("MMMMMMMM"));
}

TEST_F(PrinterTest, ARefusedJobIsSavedInstead) {
    queue.destination = "office";
    queue.accept = false;
    printer.Print("refused");
    forms::PrintOutcome outcome = printer.EndDoc();
    EXPECT_EQ(queue.submittedBytes.size(), 1u);
    EXPECT_EQ(outcome.kind, forms::PrintOutcome::Kind::Saved);
    ASSERT_EQ(host.Messages().size(), 1u);
    // The printer is there: the person is told it refused, not that there is none.
    EXPECT_EQ(host.Messages()[0].prompt.rfind("The printer office did not take the printout", 0),
              0u)
        << host.Messages()[0].prompt;
}

TEST_F(PrinterTest, NothingDrawnPrintsNothingAndKillDocDrops) {
    queue.destination = "office";
    EXPECT_EQ(printer.EndDoc().kind, forms::PrintOutcome::Kind::Nothing);
    printer.Print("dropped");
    printer.KillDoc();
    EXPECT_EQ(printer.EndDoc().kind, forms::PrintOutcome::Kind::Nothing);
    EXPECT_TRUE(queue.submittedBytes.empty());
}

TEST_F(PrinterTest, AnUnwritableSaveFolderRaisesAFileError) {
    // The save folder's place is taken by a file.
    env.WriteFile("home/Documents/ZomelBuilder", "not a folder");
    printer.Print("lost");
    try {
        printer.EndDoc();
        FAIL() << "a printout that could not be saved must not pass as printed";
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.Number(), vb::err::kPathFileAccess);
    }
    EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
