#include "platform/forms/Constants.h"
#include "tests/editor/mainwin/MainWindowFixture.h"

using namespace zomel;

namespace {

class FontCommand : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadMain();
        for (vb::Integer i = 0; i <= 10; ++i)
            Main().txtZomelText(i).SetVisible(true);  // lines a person has typed in
    }
    // Answers No to the block font question and chooses `name` at `size` in the dialog.
    void ChooseInstalled(const std::string& name, double size) {
        host.AnswerNext(forms::vbNo);
        host.AnswerFontDialog(forms::FontChoice{name, size});
        Main().mnuFormatFont_Click();
    }
    const LineFormat& Format(vb::Integer line) { return Main().LineFormatOf(line); }
};

}  // namespace

TEST_F(FontCommand, YesKeepsLinesThatAlreadyUseBlockFonts) {
    CurrentLine = 2;
    Main().HSLine(2).SetValue(12);
    host.AnswerNext(forms::vbYes);
    Main().mnuFormatFont_Click();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, "Do you wish to use VELDO block fonts?");
    EXPECT_EQ(host.Messages()[0].Buttons(), forms::vbYesNo);
    EXPECT_TRUE(host.FontDialogs().empty());
    EXPECT_EQ(Format(2).FontName, "VELDO 5x8");
    EXPECT_EQ(Main().HSLine(2).Value(), 12);
    EXPECT_EQ(Main().ActiveControl(), &Main().txtZomelText(2));
}

TEST_F(FontCommand, AnInstalledFontOnTheCurrentLine) {
    CurrentLine = 3;
    ChooseInstalled("DejaVu Sans", 12);
    ASSERT_EQ(host.FontDialogs().size(), 1u);
    EXPECT_EQ(host.FontDialogs()[0].flags, 259);
    EXPECT_EQ(Format(3).PixelFont, vb::False);
    EXPECT_EQ(Format(3).FontName, "DejaVu Sans");
    EXPECT_EQ(Format(3).FontSize, 12);
    EXPECT_EQ(Main().HSLine(3).Min(), 7);
    EXPECT_EQ(Main().HSLine(3).Max(), 60);
    EXPECT_EQ(Main().HSLine(3).Value(), 12);
    EXPECT_EQ(HeightLabel(3), "20.48 in");  // (12 - 2) x 1.601 + 2.468 + 2
    for (vb::Integer i : {0, 2, 4, 8, 10}) {
        EXPECT_EQ(Format(i).PixelFont, vb::True) << i;
        EXPECT_EQ(Format(i).FontName, "VELDO 5x7") << i;
    }
    EXPECT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(Main().ActiveControl(), &Main().txtZomelText(3));

    TheSign().SetCharSizeUnit("pix");
    Main().HSLine_Change(3);
    EXPECT_EQ(HeightLabel(3), "12 Font Size");
}

TEST_F(FontCommand, OnLineZeroTheSizedLinesChangeAndTheSizeIsKeptInRange) {
    CurrentLine = 0;
    ChooseInstalled("DejaVu Serif", 100);
    for (vb::Integer i = 0; i <= 8; ++i) {
        EXPECT_EQ(Format(i).FontName, "DejaVu Serif") << i;
        EXPECT_EQ(Format(i).FontSize, 60) << i;
        EXPECT_EQ(Main().HSLine(i).Value(), 60) << i;
    }
    EXPECT_EQ(Main().dlgCommonDialog->Get("FontSize").ToDouble(), 60);
    for (vb::Integer i : {9, 10}) {
        EXPECT_EQ(Format(i).PixelFont, vb::True) << i;
        EXPECT_EQ(Format(i).FontName, "VELDO 5x7") << i;
    }
    ChooseInstalled("DejaVu Serif", 3);
    EXPECT_EQ(Format(4).FontSize, 7);
}

TEST_F(FontCommand, CancelChangesNothing) {
    CurrentLine = 0;
    host.AnswerNext(forms::vbNo);
    Main().mnuFormatFont_Click();
    EXPECT_EQ(host.FontDialogs().size(), 1u);
    EXPECT_EQ(host.Messages().size(), 1u);  // the question only: no error report
    for (vb::Integer i = 0; i <= 10; ++i) {
        EXPECT_EQ(Format(i).PixelFont, vb::True) << i;
        EXPECT_EQ(Format(i).FontName, "VELDO 5x7") << i;
    }
    EXPECT_EQ(Main().HSLine(0).Max(), 19);
    EXPECT_EQ(Main().ActiveControl(), &Main().txtZomelText(0));
}

TEST_F(FontCommand, ABlockFontChosenInTheDialogIsAYes) {
    CurrentLine = 3;
    ChooseInstalled("DejaVu Sans", 20);
    ASSERT_EQ(Format(3).PixelFont, vb::False);
    host.ClearMessages();
    ChooseInstalled("VELDO 5x7", 8);
    ASSERT_EQ(host.Messages().size(), 2u);
    EXPECT_EQ(host.Messages()[1].prompt,
              "When using VELDO Fonts, select the size by using the scrollbars next to each "
              "line of text.");
    EXPECT_EQ(Format(3).PixelFont, vb::True);
    EXPECT_EQ(Format(3).FontName, "VELDO 5x7");
    EXPECT_EQ(Main().HSLine(3).Value(), 10);
    EXPECT_EQ(Main().HSLine(3).Max(), 19);
    EXPECT_EQ(HeightLabel(3), "5x7 VELDO Font 12.04 in");
}

TEST_F(FontCommand, ALineReturnsToTheBlockFontItHad) {
    CurrentLine = 5;
    Main().HSLine(5).SetValue(6);  // 4x5, below the installed fonts' range
    ChooseInstalled("DejaVu Sans", 24);
    ChooseInstalled("DejaVu Serif", 30);  // a second installed font keeps the saved LED font
    host.AnswerNext(forms::vbYes);
    Main().mnuFormatFont_Click();
    EXPECT_EQ(Format(5).PixelFont, vb::True);
    EXPECT_EQ(Main().HSLine(5).Value(), 6);
    EXPECT_EQ(Format(5).FontName, "VELDO 4x5");
    EXPECT_EQ(Main().HSLine(5).Min(), 6);
}
