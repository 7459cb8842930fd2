#include <memory>

#include "catalogue/frmComponents.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Instance.h"
#include "platform/printer/Printer.h"
#include "tests/estimate/EstimateFixture.h"
#include "tests/printing/PrintServer.h"
#include "tests/support/DocumentReaders.h"
#include "tests/support/ProgramData.h"

namespace {

constexpr const char* kOffice = "ZomelOffice";
constexpr const char* kUpstairs = "ZomelUpstairs";

// The program's printer, its dialog answered as a person would, and lp handing the PDF to a
// running CUPS server with two cups-pdf queues.
class PrintServerTest : public EstimateTest {
protected:
    static void SetUpTestSuite() {
        missing_ = PrintServer::Missing();
        if (!missing_.empty()) return;
        server_ = std::make_unique<PrintServer>();
        if (!server_->Running() || !server_->AddPdfQueue(kOffice, true) ||
            !server_->AddPdfQueue(kUpstairs, false))
            failure_ = "the print server did not start:\n" + server_->Log();
    }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override {
        if (!missing_.empty()) GTEST_SKIP() << "no print server here: " << missing_;
        ASSERT_TRUE(failure_.empty()) << failure_;
        // The test's environment keeps every other server away; this one it reaches.
        ::setenv("CUPS_SERVER", server_->Address().c_str(), 1);
        CopyProgramData(env.UseProgramFolder());
        EstimateTest::SetUp();
    }

    // The pages of the one PDF the queue put out.
    std::vector<std::string> PrintedPages(const std::string& queue) {
        auto files = server_->PrintedBy(queue);
        EXPECT_TRUE(files) << "nothing came out of " << queue << ":\n" << server_->Log();
        if (!files) return {};
        EXPECT_EQ(files->size(), 1u);
        return readers::PdfPages(files->front());
    }

    static std::unique_ptr<PrintServer> server_;
    static std::string missing_;
    static std::string failure_;
};

std::unique_ptr<PrintServer> PrintServerTest::server_;
std::string PrintServerTest::missing_;
std::string PrintServerTest::failure_;

}  // namespace

TEST_F(PrintServerTest, TheEstimateComesOutOfTheQueueAndCopiesChosenInTheDialog) {
    Type(0, "ROAD WORK");
    host.AnswerPrinterDialog(forms::PrinterChoice{kUpstairs, "", 2});
    Grid grid;
    PriceIt([&](zomel::frmOrder& order) {
        grid = TextsOf(*order.fgPrices);
        order.cmdPrint->Click();
    });
    // The dialog opened on the server's default queue.
    ASSERT_EQ(host.PrinterDialogChoices().size(), 1u);
    EXPECT_EQ(host.PrinterDialogChoices()[0].queue, kOffice);
    EXPECT_TRUE(host.Messages().empty()) << host.Messages().front().prompt;

    std::vector<std::string> pages = PrintedPages(kUpstairs);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].rfind("Estimated Retail Pricing Information - ", 0), 0u) << pages[0];
    EXPECT_NE(pages[0].find("SIGN ESTIMATE"), std::string::npos) << pages[0];
    ASSERT_GE(grid.size(), 3u);
    const std::string firstRow =
        readers::Collapsed(grid[1][0] + " " + grid[1][1] + " " + grid[1][2] + " " + grid[1][3]);
    EXPECT_NE(pages[0].find(firstRow), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find(readers::Collapsed(grid.back()[0] + " " + grid.back()[3])),
              std::string::npos)
        << pages[0];
    // One page, twice.
    EXPECT_EQ(server_->PagesCounted(kUpstairs), 2);
}

TEST_F(PrintServerTest, TheComponentsListComesOutOfTheDefaultQueue) {
    Click("id_ViewComponents");
    auto& list = forms::Instance<zomel::frmComponents>();
    ASSERT_GT(list.lvComp->ListItems().Count(), 0);
    const std::string first = list.lvComp->ListItems()(1).Text();
    list.KeyUp(80, forms::vbShiftMask | forms::vbCtrlMask | forms::vbAltMask);
    EXPECT_TRUE(host.Messages().empty()) << host.Messages().front().prompt;

    std::vector<std::string> pages = PrintedPages(kOffice);
    ASSERT_GE(pages.size(), 2u);  // the list is longer than a page
    EXPECT_EQ(pages[0].rfind("Description Part Number Price", 0), 0u) << pages[0];
    EXPECT_NE(pages[0].find(readers::Collapsed(first)), std::string::npos) << pages[0];
    EXPECT_EQ(server_->PagesCounted(kOffice), static_cast<int>(pages.size()));
}

// A queue set up for A4 gives its paper to the printout, on a desktop whose paper is letter.
TEST_F(PrintServerTest, TheQueuesOwnPaperIsThePrintouts) {
    constexpr const char* kA4 = "ZomelA4";
    ASSERT_TRUE(server_->AddPdfQueue(kA4, false));
    auto set = os::RunProgram({"lpadmin", "-p", kA4, "-o", "PageSize=A4"});
    ASSERT_TRUE(set && set->exitCode == 0);
    forms::PrinterObject& printer = forms::Printer();
    host.AnswerPrinterDialog(forms::PrinterChoice{kA4, "", 1});
    ASSERT_TRUE(printer.ShowPrinterDialog("On A4"));
    EXPECT_FLOAT_EQ(printer.Width(), 210 / 25.4 * 1440);
    EXPECT_FLOAT_EQ(printer.Height(), 297 / 25.4 * 1440);
    printer.Print("on A4");
    EXPECT_EQ(printer.EndDoc().destination, kA4);
    auto files = server_->PrintedBy(kA4);
    ASSERT_TRUE(files) << server_->Log();
    ASSERT_EQ(files->size(), 1u);
    EXPECT_EQ(readers::PdfPageSize(files->front()), std::pair(595.0, 842.0));
    EXPECT_EQ(readers::PdfPages(files->front()), std::vector<std::string>{"on A4"});
}
