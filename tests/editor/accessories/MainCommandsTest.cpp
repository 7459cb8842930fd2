#include <filesystem>
#include <regex>

#include "core/Globals.h"
#include "core/Sign.h"
#include "platform/forms/Interaction.h"
#include "tests/editor/accessories/AccessoryFixture.h"

namespace {

class MainCommandsTest : public AccessoryTest {
protected:
    forms::TextBox& Box(vb::Integer line) { return Main().txtZomelText(line); }
    void Select(vb::Integer line, vb::Long start, vb::Long length) {
        zomel::CurrentLine = line;
        Box(line).SetSelStart(start);
        Box(line).SetSelLength(length);
    }
    forms::Tool& Tool(const std::string& id) { return Main().SSBars->ToolById(id); }
    bool Enabled(const std::string& id) { return Tool(id).Get("Enabled").ToBool(); }
    zomel::Sign& TheSign() { return *zomel::gSign; }
};

TEST_F(MainCommandsTest, CutTakesTheSelectionOutOfTheCurrentLine) {
    Box(0).SetText("ROAD WORK AHEAD");
    Select(0, 5, 5);
    Main().mnuEditCut_Click();
    EXPECT_EQ(Line(0), "ROAD AHEAD");
    EXPECT_EQ(forms::Clipboard().GetText(), "WORK ");
    Select(0, 0, 5);
    Main().mnuEditCut_Click();
    EXPECT_EQ(Line(0), "AHEAD");
    Select(0, 3, 2);
    Main().mnuEditCut_Click();
    EXPECT_EQ(Line(0), "AHE");
    Select(0, 0, 3);
    Main().mnuEditCut_Click();
    EXPECT_EQ(Line(0), "");
    EXPECT_EQ(forms::Clipboard().GetText(), "AHE");
}

TEST_F(MainCommandsTest, CutWithNothingSelectedOnlyCopiesTheEmptySelection) {
    forms::Clipboard().SetText("before");
    Box(0).SetText("SLOW");
    Select(0, 2, 0);
    Main().mnuEditCut_Click();
    EXPECT_EQ(Line(0), "SLOW");
    EXPECT_EQ(forms::Clipboard().GetText(), "");
}

TEST_F(MainCommandsTest, CopyAndPasteInsertAtTheSelectionStartKeepingTheSelection) {
    Box(0).SetText("Caf\xC3\xA9 open");  // characters, not bytes, count
    Select(0, 0, 4);
    Main().mnuEditCopy_Click();
    EXPECT_EQ(forms::Clipboard().GetText(), "Caf\xC3\xA9");
    EXPECT_EQ(Line(0), "Caf\xC3\xA9 open");
    Box(1).SetText("LANE");
    Select(1, 2, 2);
    Main().mnuEditPaste_Click();
    EXPECT_EQ(Line(1), "LACaf\xC3\xA9NE");
    Select(1, 0, 0);
    forms::Clipboard().SetText(">");
    Main().mnuEditPaste_Click();
    Select(1, 9, 0);
    forms::Clipboard().SetText("<");
    Main().mnuEditPaste_Click();
    EXPECT_EQ(Line(1), ">LACaf\xC3\xA9NE<");
    // The empty line offered under the last one takes a paste.
    Select(2, 0, 0);
    Main().mnuEditPaste_Click();
    EXPECT_EQ(Line(2), "<");
    forms::Clipboard().Clear();
    Main().mnuEditPaste_Click();
    EXPECT_EQ(Line(2), "<");
}

TEST_F(MainCommandsTest, LineMatrixGapsTheRowsAndKeepsFiveLines) {
    for (vb::Integer i = 0; i <= 10; ++i)
        Box(i).SetText("L" + std::to_string(i));
    Main().mnuSignLine_Click();
    EXPECT_EQ(TheSign().SegmentType(), zomel::LayoutKind::LineMatrix);
    EXPECT_EQ(MainSign().Get("SegSepX").ToLong(), 0);
    EXPECT_EQ(MainSign().Get("SegSepY").ToLong(), 3);
    for (vb::Integer i = 0; i <= 5; ++i)
        EXPECT_EQ(Line(i), "L" + std::to_string(i));
    for (vb::Integer i = 6; i <= 10; ++i)
        EXPECT_EQ(Line(i), "") << i;
    EXPECT_EQ(Main().VScrLineSpacing->Value(), -1);
    EXPECT_EQ(Tool("id_FormatMiddle").State(), 1);
    EXPECT_TRUE(Enabled("id_Bold"));
}

TEST_F(MainCommandsTest, CharacterSegmentedMakesAVerticalStandardDensitySign) {
    Main();
    ASSERT_TRUE(TheSign().HighDensity());
    ASSERT_FALSE(TheSign().Vertical());
    Main().mnuSignChar_Click();
    EXPECT_EQ(TheSign().SegmentType(), zomel::LayoutKind::CharacterSegmented);
    EXPECT_TRUE(TheSign().Vertical());
    EXPECT_FALSE(TheSign().HighDensity());
    EXPECT_EQ(MainSign().Get("SegSepX").ToLong(), 3);
    EXPECT_EQ(MainSign().Get("SegSepY").ToLong(), 3);
    for (const char* id :
         {"id_SignStandard", "id_SignVertical", "id_Bold", "id_Italic", "id_Underline"})
        EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(MainCommandsTest, StartOverRunsTheFullMatrixCommand) {
    Main().mnuSignLine_Click();
    ASSERT_EQ(MainSign().Get("SegSepY").ToLong(), 3);
    Tool("id_SignLine").SetState(1);
    Main().mnuSignStartOver_Click();
    EXPECT_EQ(TheSign().SegmentType(), zomel::LayoutKind::FullMatrix);
    EXPECT_EQ(MainSign().Get("SegSepY").ToLong(), 0);
    EXPECT_EQ(Tool("id_SignFull").State(), 1);
    EXPECT_EQ(Main().VScrLineSpacing->Value(), 0);
    EXPECT_FALSE(Main().ViewSign->Visible());
}

TEST_F(MainCommandsTest, PriceRefusesWithoutTextWithAStaleModelOrBeyondSixtyModules) {
    Main();
    TheSign().SetXZomelCount(0);
    Main().mnuSignPrice_Click();
    EXPECT_EQ(LastPrompt(),
              "Please type some text so we know how many Zomels to use for your sign.");
    EXPECT_EQ(host.Messages().back().Icon(), forms::vbInformation);

    TheSign().SetXZomelCount(12);
    TheSign().SetYZomelCount(6);
    Main().txtModel->SetText("something else");
    Main().mnuSignPrice_Click();
    EXPECT_EQ(LastPrompt(), "The visible sign does not match the current model number.");

    Main().txtModel->SetText(TheSign().ModelNumber());
    Main().mnuSignPrice_Click();
    EXPECT_EQ(LastPrompt(),
              "Your ZOMEL\xC2\xA9 count (rows * columns) is too big in " + TheSign().ModelNumber());
    size_t messages = host.Messages().size();
    TheSign().SetXZomelCount(10);
    Main().txtModel->SetText(TheSign().ModelNumber());
    Main().mnuSignPrice_Click();  // 60 modules pass every check
    EXPECT_EQ(host.Messages().size(), messages);
}

TEST_F(MainCommandsTest, ClearEmptiesTheLinesAndHoldsTheSizeOnlyWithText) {
    Box(0).SetText("HOLD ME");
    vb::Integer columns = TheSign().XZomelCount();
    Main().mnuSignClear_Click();
    EXPECT_EQ(Line(0), "");
    EXPECT_EQ(zomel::HoldSize, vb::True);
    EXPECT_EQ(Tool("id_SignHold").State(), 1);
    // The emptied lines lay the sign out again: an empty sign of the held size.
    EXPECT_EQ(TheSign().XZomelCount(), columns);
    EXPECT_EQ(MainSign().Get("FrameCount").ToLong(), 1);

    zomel::HoldSize = vb::False;
    Tool("id_SignHold").SetState(0);
    Main().mnuSignClear_Click();  // nothing typed: nothing held
    EXPECT_EQ(zomel::HoldSize, vb::False);
    EXPECT_EQ(Tool("id_SignHold").State(), 0);
}

TEST_F(MainCommandsTest, OutlineOnAndOffRestoresTheBackground) {
    Main();
    MainSign().Let("BackColor", vb::Long{0x123456});
    zomel::ColorDepth = 32;
    Main().mnuSignShow_Click();
    EXPECT_TRUE(MainSign().Get("ZomelOutline").ToBool());
    EXPECT_EQ(MainSign().Get("BackColor").ToLong(), 0x808080);
    Main().mnuSignShow_Click();
    EXPECT_FALSE(MainSign().Get("ZomelOutline").ToBool());
    EXPECT_EQ(MainSign().Get("BackColor").ToLong(), 0x123456);

    zomel::ColorDepth = 8;  // few colours: the background stays
    Main().mnuSignShow_Click();
    EXPECT_TRUE(MainSign().Get("ZomelOutline").ToBool());
    EXPECT_EQ(MainSign().Get("BackColor").ToLong(), 0x123456);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(MainCommandsTest, ViewTogglesFollowTheirTools) {
    Tool("id_ViewStatus").SetState(0);
    Main().mnuViewStatus_Click();
    EXPECT_FALSE(Main().sbStatusBar->Visible());
    Tool("id_ViewStatus").SetState(1);
    Main().mnuViewStatus_Click();
    EXPECT_TRUE(Main().sbStatusBar->Visible());
    // View > Toolbar puts the sign tools away and keeps the menu bar and the standard tools.
    auto barShown = [&](const char* key) {
        forms::ToolBar* bar = Main().SSBars->ToolBars().Find(key);
        EXPECT_NE(bar, nullptr) << key;
        return bar && bar->Get("Visible").ToBool();
    };
    Main().SSBars->ClickTool("id_ViewToolbar");
    EXPECT_FALSE(barShown("Sign"));
    EXPECT_TRUE(barShown("Standard"));
    EXPECT_TRUE(barShown("Menu"));
    Main().SSBars->ClickTool("id_ViewToolbar");
    EXPECT_TRUE(barShown("Sign"));
}

TEST_F(MainCommandsTest, HelpSearchOpensTheHelpsIndexPage) {
    Main().mnuHelpSearch_Click();
    ASSERT_EQ(host.OpenedDocuments().size(), 1u);
    // The page's address: a path with "#index" glued on names no file, and openers may drop
    // an address's fragment.
    const std::string help = zomel::frmMain::HelpFile();
    ASSERT_EQ(help.front(), '/');
    EXPECT_EQ(host.OpenedDocuments()[0], "file://" + help);
    EXPECT_TRUE(host.Messages().empty());

    // Each word of the index leads to a part of the help that is there.
    const std::string index = TestEnvironment::ReadFile(help);
    const std::string whole = TestEnvironment::ReadFile(
        std::filesystem::path(help).replace_filename("index.html").string());
    const std::regex link("href=\"index\\.html#([a-z]+)\"");
    int words = 0;
    for (std::sregex_iterator it(index.begin(), index.end(), link), end; it != end; ++it, ++words)
        EXPECT_NE(whole.find("id=\"" + (*it)[1].str() + "\""), std::string::npos) << (*it)[1];
    EXPECT_GT(words, 20);
    EXPECT_NE(whole.find("href=\"search.html\""), std::string::npos);  // the way back
}

TEST_F(MainCommandsTest, HelpSearchSaysWhyTheViewerCouldNotOpenTheHelp) {
    host.FailNextOpen("xdg-open: no method available for opening the file");
    Main().mnuHelpSearch_Click();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(LastPrompt(), "The help file " + zomel::frmMain::HelpFile() +
                                " could not be opened: xdg-open: no method available for "
                                "opening the file");
    EXPECT_EQ(host.Messages().back().Icon(), 0);  // a plain box
}

TEST_F(MainCommandsTest, HelpSearchWithoutAHelpFileSaysSo) {
    Main();
    env.UseProgramFolder();
    Main().mnuHelpSearch_Click();
    EXPECT_TRUE(host.OpenedDocuments().empty());
    EXPECT_NE(LastPrompt().find("Unable to display Help Contents."), std::string::npos);
    EXPECT_EQ(host.Messages().back().title, Main().Caption());
}

TEST_F(MainCommandsTest, ExitClosesTheMainWindow) {
    Main().mnuFileExit_Click();
    EXPECT_FALSE(zomel::MainForm->IsLoaded());
}

}  // namespace
