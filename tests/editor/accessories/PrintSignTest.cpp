#include "editor/SignPicture.h"
#include "platform/printer/PrintQueue.h"
#include "platform/printer/Printer.h"
#include "tests/editor/accessories/AccessoryFixture.h"

namespace {

using zomel::DrawSignPicture;
using zomel::SignPictureLayout;

constexpr gdi::Color kGrey = gdi::Rgb(128, 128, 128);
constexpr gdi::Color kDarkGrey = gdi::Rgb(64, 64, 64);

TEST(SignPictureTest, ZoomThreeDrawsThreePixelLedsSixApart) {
    gdi::Bitmap frame(3, 2, gdi::kBlack);
    frame.Set(0, 0, gdi::kWhite);
    frame.Set(2, 1, gdi::Rgb(255, 255, 0));  // the control's yellow LED counts as lit
    frame.Set(1, 1, gdi::Rgb(255, 0, 0));    // any other colour is unlit
    gdi::Bitmap picture = DrawSignPicture(frame, {12, 8, 0, 0, 3.0, false});
    ASSERT_EQ(picture.Width(), 3 * 2 * 3 + 2);
    ASSERT_EQ(picture.Height(), 3 * 2 * 2 + 2);
    // LED (i, j) covers 6i+1 .. 6i+3 across and 6j+1 .. 6j+3 down.
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j) {
            gdi::Color expected =
                (i == 0 && j == 0) || (i == 2 && j == 1) ? gdi::kWhite : gdi::kBlack;
            for (int d = 0; d < 3; ++d) {
                EXPECT_EQ(picture.At(6 * i + 1 + d, 6 * j + 1 + d), expected) << i << "," << j;
            }
            EXPECT_EQ(picture.At(6 * i + 4, 6 * j + 2), kGrey);
        }
    EXPECT_EQ(picture.At(0, 0), kGrey);
}

TEST(SignPictureTest, ZoomTwoAndAHalfDrawsLargerSquaresThanCells) {
    gdi::Bitmap frame(4, 1, gdi::kWhite);
    gdi::Bitmap picture = DrawSignPicture(frame, {12, 8, 0, 0, 2.5, false});
    ASSERT_EQ(picture.Width(), 22);
    // Cell 2, square 3, half cell 1: LED i starts at 5i + 1.
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(picture.At(5 * i + 1, 2), gdi::kWhite);
        EXPECT_EQ(picture.At(5 * i + 3, 2), gdi::kWhite);
        EXPECT_EQ(picture.At(5 * i + 4, 2), kGrey);
    }
}

TEST(SignPictureTest, ModuleGapsSkipOneCellEveryModule) {
    gdi::Bitmap frame(24, 1, gdi::kWhite);
    gdi::Bitmap gapped = DrawSignPicture(frame, {12, 1, 3, 0, 1.0, false});
    // One gap column: the picture is 2 x (24 + 1) + 2 wide, S = CX = 1, half cell 0.
    ASSERT_EQ(gapped.Width(), 52);
    EXPECT_EQ(gapped.At(2 * 11 + 1, 1), gdi::kWhite);  // last LED of module 1
    EXPECT_EQ(gapped.At(2 * 12 + 1, 1), kGrey);        // the skipped cell
    EXPECT_EQ(gapped.At(2 * 13 + 1, 1), gdi::kWhite);  // first LED of module 2
}

TEST(SignPictureTest, OutlinesDrawEdgesOrDarkGapStrips) {
    gdi::Bitmap frame(24, 8, gdi::kBlack);
    gdi::Bitmap lined = DrawSignPicture(frame, {12, 8, 0, 0, 1.0, true});
    // Between the modules at x = 1 x (1 + 1) x 12 = 24, a 2-pixel black pen.
    for (int y = 0; y < lined.Height() - 1; ++y) {
        EXPECT_EQ(lined.At(23, y), gdi::kBlack) << y;
        EXPECT_EQ(lined.At(24, y), gdi::kBlack) << y;
    }
    EXPECT_EQ(lined.At(22, 0), kGrey);

    gdi::Bitmap gapped = DrawSignPicture(frame, {12, 8, 3, 0, 1.0, true});
    // The gap cell's strip: from 24 to 26, dark grey over the full height.
    EXPECT_EQ(gapped.At(24, 0), kDarkGrey);
    EXPECT_EQ(gapped.At(25, gapped.Height() - 1), kDarkGrey);
    EXPECT_NE(gapped.At(26, 0), kDarkGrey);
}

TEST(SignPictureTest, AModuleWithoutLedsIsAnErrorNotACrash) {
    gdi::Bitmap frame(4, 4, gdi::kWhite);
    EXPECT_THROW(DrawSignPicture(frame, {0, 8, 0, 0, 1.0, false}), vb::VbError);
    EXPECT_TRUE(DrawSignPicture(gdi::Bitmap(), {12, 8, 0, 0, 1.0, false}).Empty());
}

// The printout reaches a spooler of the test's own.
class CapturingQueue : public forms::PrintQueue {
public:
    std::string DefaultDestination() override { return "office"; }
    std::string DefaultPaper(const std::string&) override { return {}; }
    bool Submit(const std::string&, const std::string&, const std::string&, int) override {
        ++jobs;
        return true;
    }
    int jobs = 0;
};

class PrintSignTest : public AccessoryTest {
protected:
    void SetUp() override {
        AccessoryTest::SetUp();
        forms::SetPrintQueue(&queue);
    }
    void TearDown() override {
        forms::SetPrintQueue(nullptr);
        AccessoryTest::TearDown();
    }
    void AddFrame(gdi::PictureRef picture) {
        MainSign().Call("AddBMPFrame", {vb::ObjectRef(picture), "Sign"});
    }
    CapturingQueue queue;
};

TEST_F(PrintSignTest, NoFrameOnShowOnlyBeeps) {
    Main().mnuFilePrint_Click();
    EXPECT_EQ(host.Beeps(), 1);
    EXPECT_EQ(queue.jobs, 0);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(PrintSignTest, TheWholeSignPrintsOnOnePageWithTheHourglassMeanwhile) {
    // A sign of 240 by 96 LEDs is wider than the page at its own size: it is narrowed.
    gdi::Bitmap frame(240, 96, gdi::kBlack);
    frame.Set(239, 95, gdi::kWhite);
    AddFrame(std::make_shared<gdi::Picture>(frame));
    forms::PrinterObject& printer = forms::Printer();
    Main().mnuFilePrint_Click();
    EXPECT_EQ(queue.jobs, 1);
    EXPECT_TRUE(host.Messages().empty());
    ASSERT_GE(host.MousePointers().size(), 2u);
    EXPECT_EQ(host.MousePointers()[host.MousePointers().size() - 2], forms::vbHourglass);
    EXPECT_EQ(host.MousePointers().back(), forms::vbDefault);
    EXPECT_EQ(printer.Page(), 0);  // the document went out
    // The estimate and the components list, printed next, measure in twips again.
    EXPECT_EQ(printer.ScaleMode(), forms::PrinterObject::kTwips);
}

TEST_F(PrintSignTest, ThePrinterDialogComesFirstAndItsCancelPrintsNothing) {
    AddFrame(std::make_shared<gdi::Picture>(gdi::Bitmap(72, 48, gdi::kWhite)));
    host.AnswerPrinterDialog(false);
    Main().mnuFilePrint_Click();
    EXPECT_EQ(host.PrinterDialogs(), std::vector<std::string>{"ZOMELBuilder Sign"});
    EXPECT_EQ(queue.jobs, 0);
    EXPECT_EQ(forms::Printer().Page(), 0);
    EXPECT_EQ(host.MousePointers().back(), forms::vbDefault);
    Main().mnuFilePrint_Click();
    EXPECT_EQ(queue.jobs, 1);
}

TEST_F(PrintSignTest, WithoutAPrinterThePersonIsToldWhereThePrintoutIs) {
    forms::SetPrintQueue(nullptr);  // the machine's own: no CUPS queue here
    AddFrame(std::make_shared<gdi::Picture>(gdi::Bitmap(72, 48, gdi::kWhite)));
    Main().mnuFilePrint_Click();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(LastPrompt().find(env.Root() + "home/Documents/ZomelBuilder/Printout 1.pdf"),
              std::string::npos)
        << LastPrompt();
}

TEST_F(PrintSignTest, AFailureWhileDrawingIsReportedUnderItsLabel) {
    AddFrame(std::make_shared<gdi::Picture>(gdi::Bitmap(72, 48, gdi::kWhite)));
    forms::SetPrintQueue(nullptr);
    env.WriteFile("home/Documents/ZomelBuilder", "a file where the folder should be");
    Main().mnuFilePrint_Click();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_NE(LastPrompt().find("Main - PrintSign"), std::string::npos);
    // What went wrong, not only that it did.
    EXPECT_NE(LastPrompt().find("could not be saved"), std::string::npos) << LastPrompt();
    EXPECT_NE(LastPrompt().find(vb::ErrorText(vb::err::kPathNotFound)), std::string::npos)
        << LastPrompt();
    EXPECT_EQ(queue.jobs, 0);
}

}  // namespace
