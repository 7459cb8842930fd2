#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/DiskFull.h"
#include "tests/support/DocumentReaders.h"
#include "tests/support/FakePrintQueue.h"
#include "tests/support/ScopedVariable.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Host.h"
#include "platform/printer/Paper.h"
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

// Whatever stops the save, the printout is not lost: it stays in the temporary folder under a
// name the clean-up of spooled files leaves alone, and the error says where.
TEST_F(PrinterTest, APrintoutThatCannotBeSavedIsKeptAndTheErrorSaysWhere) {
    auto saveFails = [&](const std::string& why) {
        printer.Print(why);
        std::string description;
        try {
            printer.EndDoc();
            ADD_FAILURE() << why << ": a printout that was not saved must not pass as printed";
        } catch (const vb::VbError& e) {
            EXPECT_EQ(e.Number(), vb::err::kPathFileAccess) << why;
            description = e.Description();
        }
        const std::regex kept(".*The printout is kept as (" + env.Root() +
                              "Unsaved printout [-0-9. ()]+\\.pdf)$");
        std::smatch where;
        if (!std::regex_match(description, where, kept)) {
            ADD_FAILURE() << why << ": " << description;
            return;
        }
        EXPECT_EQ(readers::PdfPages(where[1]), std::vector<std::string>{why});
        std::filesystem::remove(where[1].str());
        for (const auto& entry : std::filesystem::directory_iterator(env.Root()))
            EXPECT_FALSE(entry.path().filename().string().starts_with("zomel-print-"))
                << why << ": " << entry.path();
    };

    // The chosen file lies in a "folder" that is a file.
    env.WriteFile("blocked", "not a folder");
    host.AnswerPrinterDialog(forms::PrinterChoice{"", env.Root() + "blocked/chosen.pdf", 1});
    ASSERT_TRUE(printer.ShowPrinterDialog("Doc"));
    saveFails("into a file");

    // The printer refuses the job and the disk is full by the time it is saved instead.
    queue.destination = "office";
    queue.accept = false;
    std::optional<DiskFull> disk;
    queue.whenSubmitted = [&disk] { disk.emplace(512); };
    saveFails("on a full disk");
    disk.reset();
    EXPECT_FALSE(
        std::filesystem::exists(env.Root() + "home/Documents/ZomelBuilder/Printout 1.pdf"));

    // No save folder can be made.
    queue.destination = "";
    std::filesystem::remove_all(env.Root() + "home/Documents");
    env.WriteFile("home/Documents/ZomelBuilder", "not a folder");
    saveFails("without a save folder");
    EXPECT_TRUE(host.Messages().empty());
}

// A printout saved over a file is written as every document is: the file keeps the mode the
// person gave it, and a link stays a link to the file it names.
TEST_F(PrinterTest, ASavedPrintoutKeepsTheFilesModeAndItsLink) {
    const std::string own = env.WriteFile("own.pdf", "an older printout");
    std::filesystem::permissions(
        own, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    host.AnswerPrinterDialog(forms::PrinterChoice{"", own, 1});
    ASSERT_TRUE(printer.ShowPrinterDialog("Doc"));
    printer.Print("private");
    EXPECT_EQ(printer.EndDoc().destination, own);
    EXPECT_EQ(readers::PdfPages(own), std::vector<std::string>{"private"});
    struct stat info {};
    ASSERT_EQ(::stat(own.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);

    const std::string target = env.WriteFile("printouts/latest.pdf", "an older printout");
    const std::string link = env.Root() + "latest.pdf";
    std::filesystem::create_symlink(target, link);
    host.AnswerPrinterDialog(forms::PrinterChoice{"", link, 1});
    ASSERT_TRUE(printer.ShowPrinterDialog("Doc"));
    printer.Print("through the link");
    printer.EndDoc();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readers::PdfPages(target), std::vector<std::string>{"through the link"});
}

// The paper is the print queue's, else the desktop's as libpaper finds it; a document keeps
// the paper it was started on.
TEST_F(PrinterTest, ThePaperIsTheQueuesElseTheDesktops) {
    constexpr double kA4Width = 210 / 25.4 * 1440, kA4Height = 297 / 25.4 * 1440;
    ScopedVariable a4("PAPERSIZE", "a4");
    EXPECT_FLOAT_EQ(printer.Width(), kA4Width);
    EXPECT_FLOAT_EQ(printer.Height(), kA4Height);
    printer.SetOrientation(forms::PrinterObject::kLandscape);
    EXPECT_FLOAT_EQ(printer.Width(), kA4Height);
    printer.Print("landscape A4");
    ::setenv("PAPERSIZE", "letter", 1);
    printer.NewPage();
    EXPECT_FLOAT_EQ(printer.Width(), kA4Height);
    forms::PrintOutcome saved = printer.EndDoc();
    printer.SetOrientation(forms::PrinterObject::kPortrait);
    EXPECT_EQ(readers::PdfPageSize(saved.destination), std::pair(841.89, 595.28));
    EXPECT_EQ(readers::PdfPages(saved.destination).size(), 2u);

    // The queue's own default paper comes first; one that names none leaves the desktop's.
    ::setenv("PAPERSIZE", "a4", 1);
    FakePrintQueue kept(env.Root());
    kept.paper = "Letter";
    printer.Print("on the queue's letter");
    printer.EndDoc();
    ASSERT_EQ(kept.keptFiles.size(), 1u);
    EXPECT_EQ(readers::PdfPageSize(kept.keptFiles[0]), std::pair(612.0, 792.0));
    kept.paper = "";
    EXPECT_FLOAT_EQ(printer.Width(), kA4Width);
    // The queue chosen in the printer dialog, whatever the default one prints on.
    kept.paper = "na_legal_8.5x14in";
    host.AnswerPrinterDialog(forms::PrinterChoice{"upstairs", "", 1});
    ASSERT_TRUE(printer.ShowPrinterDialog("Doc"));
    EXPECT_FLOAT_EQ(printer.Height(), 14 * 1440);
    printer.Print("on legal");
    printer.EndDoc();
    ASSERT_EQ(kept.keptFiles.size(), 2u);
    EXPECT_EQ(readers::PdfPageSize(kept.keptFiles[1]), std::pair(612.0, 1008.0));

    // Without PAPERSIZE, the file PAPERCONF names.
    ::unsetenv("PAPERSIZE");
    ScopedVariable conf("PAPERCONF", env.WriteFile("papersize", "# the paper\n\n  a5\n"));
    kept.destination = "";
    EXPECT_FLOAT_EQ(printer.Width(), 148 / 25.4 * 1440);
}

TEST(PaperTest, NamesOfPapersAndTheQueuesDefault) {
    EXPECT_EQ(forms::PaperNamed("letter"), forms::kLetterPaper);
    EXPECT_EQ(forms::PaperNamed("A4.Fullbleed"), forms::PaperNamed("a4"));
    EXPECT_EQ(forms::PaperNamed("iso_a4_210x297mm"), forms::PaperNamed("A4"));
    EXPECT_EQ(forms::PaperNamed("na_letter_8.5x11in"), forms::kLetterPaper);
    for (const char* unknown : {"", "bogus", "iso_a4_0x297mm", "x_8.5x11ft", "iso_x_210x", "_x mm"})
        EXPECT_EQ(forms::PaperNamed(unknown), std::nullopt) << unknown;

    EXPECT_EQ(forms::DefaultPageSize("ColorModel/Color Mode: *Gray RGB\n"
                                     "PageSize/Media Size: Letter *A4 Legal Env10\n"
                                     "PageRegion/PageRegion: *Letter A4\n"),
              "A4");
    EXPECT_EQ(forms::DefaultPageSize("PageSize/Page Size: *iso_a4_210x297mm\r\n"),
              "iso_a4_210x297mm");
    EXPECT_EQ(forms::DefaultPageSize("PageSize/Media Size: Letter A4\n"), "");
    EXPECT_EQ(forms::DefaultPageSize("Duplex/2-Sided: *None\n"), "");
    EXPECT_EQ(forms::DefaultPageSize(""), "");

    // A PAPERCONF that names a device without end is read no further than a paper's name.
    ScopedVariable size("PAPERSIZE", "");
    ScopedVariable conf("PAPERCONF", "/dev/zero");
    const std::optional<forms::Paper> fromDevice = forms::DesktopPaper();
    ::unsetenv("PAPERCONF");
    EXPECT_EQ(fromDevice, forms::DesktopPaper());
}

}  // namespace
