#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "platform/forms/Interaction.h"
#include "tests/editor/mainwin/MainWindowFixture.h"

using namespace zomel;

class ToolDispatch : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadMain();
    }
};

// The commands that open a window, a click on their tool each: the window comes up over the
// main window, modal or not as the command shows it.
TEST_F(ToolDispatch, WindowToolsOpenTheirWindowsOverTheMainWindow) {
    const std::vector<std::pair<const char*, std::string>> tools = {
        {"id_HelpAbout", "modal frmAbout owner frmMain"},
        {"id_HelpContact", "modal frmVELDOInfo owner frmMain"},
        {"id_SignCArt", "modal frmClipArt owner frmMain"},
        {"id_SignCList", "modal frmClipList owner frmMain"},
        {"id_SignSpec", "modal frmSpecChoose owner frmMain"},
        {"id_ViewGallery", "modal frmGallery owner frmMain"},
        {"id_ViewOptions", "show frmOptions owner frmMain"},
        {"id_ViewModels", "show frmModelNum owner frmMain"},
        {"id_ViewComponents", "show frmComponents"},
    };
    for (const auto& [id, shown] : tools) {
        host.ClearJournal();
        Click(id);
        EXPECT_TRUE(std::ranges::count(host.Journal(), shown) == 1) << id;
    }
    // The clip art window's own notice is the only message on the way.
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_TRUE(host.Messages().front().prompt.starts_with("ZOMEL signs can display graphics."));
}

TEST_F(ToolDispatch, EditToolsWorkOnTheCurrentLinesSelection) {
    Main().txtZomelText(0).SetText("LEFT LANE");
    CurrentLine = 1;
    forms::TextBox& line = Main().txtZomelText(1);
    line.SetText("ROAD WORK");
    line.SetSelStart(0);
    line.SetSelLength(5);
    Click("id_EditCopy");
    EXPECT_EQ(forms::Clipboard().GetText(), "ROAD ");
    EXPECT_EQ(line.Text(), "ROAD WORK");
    Click("id_EditCut");
    EXPECT_EQ(line.Text(), "WORK");
    line.SetSelStart(4);
    Click("id_EditPaste");
    EXPECT_EQ(line.Text(), "WORKROAD ");
    EXPECT_EQ(Main().txtZomelText(0).Text(), "LEFT LANE");
}

TEST_F(ToolDispatch, SignAndViewToolsReachTheirCommands) {
    Click("id_SignChar");
    EXPECT_EQ(TheSign().SegmentType(), LayoutKind::CharacterSegmented);
    const bool outlined = ViewSign().Get("ZomelOutline").ToBool();
    Click("id_SignShow");
    EXPECT_NE(ViewSign().Get("ZomelOutline").ToBool(), outlined);
    host.ClearJournal();
    Click("id_ViewRefresh");
    EXPECT_TRUE(std::ranges::count(host.Journal(), "refresh frmMain") == 1);
    Click("id_FilePrint");  // nothing typed: nothing to print
    EXPECT_EQ(host.Beeps(), 1);
    EXPECT_TRUE(host.PrinterDialogs().empty());
}

TEST_F(ToolDispatch, FontHelpAndExitToolsReachTheirCommands) {
    host.AnswerNext(forms::vbNo);  // not the LED block fonts: the font dialog, cancelled
    Click("id_FormatFont");
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages().front().prompt, Text(10922));
    EXPECT_EQ(host.FontDialogs().size(), 1u);
    host.ClearMessages();
    Click("id_HelpSearch");
    ASSERT_EQ(host.OpenedDocuments().size(), 1u);
    EXPECT_TRUE(host.OpenedDocuments().front().ends_with("/help/search.html"));
    EXPECT_TRUE(host.Messages().empty());
    Click("id_FileExit");
    EXPECT_FALSE(Main().IsLoaded());
}

// Every tool of the bars is in the table, is one of the tools whose command reads the tool,
// or is one that runs nothing.
TEST_F(ToolDispatch, EveryToolOfTheBarsIsDispatched) {
    const std::set<std::string> withTool = {
        "id_Build",        "id_Parts",          "id_CE",          "id_UL",   "id_FormatTop",
        "id_FormatMiddle", "id_FormatBottom",   "id_SignHold",    "id_Bold", "id_Italic",
        "id_Underline",    "id_SignHorizontal", "id_SignVertical"};
    const std::set<std::string> nothing = {"id_File",      "id_Edit",      "id_Sign",
                                           "id_Format",    "id_View",      "id_Help",
                                           "id_4PerPixel", "id_6PerPixel", "id_8PerPixel"};
    const auto& table = frmMain::ToolCommands();
    auto& tools = Main().SSBars->Tools();
    ASSERT_GT(tools.Count(), 0);
    for (vb::Long i = 1; i <= tools.Count(); ++i) {
        const std::string id = tools(i).ID();
        EXPECT_TRUE(table.contains(id) || withTool.contains(id) || nothing.contains(id)) << id;
    }
}

TEST_F(ToolDispatch, OrientationToolsTurnTheModules) {
    Click("id_SignHorizontal");
    EXPECT_EQ(TheSign().Vertical(), vb::True);
    EXPECT_EQ(Main().ChkVertical->Value(), 1);
    Click("id_SignVertical");
    EXPECT_EQ(TheSign().Vertical(), vb::False);
    EXPECT_EQ(Main().ChkVertical->Value(), 0);
}

TEST_F(ToolDispatch, MenusAndLedCountToolsRunNothing) {
    const std::string model = TheSign().ModelNumber();
    for (const char* id : {"id_File", "id_Edit", "id_Sign", "id_Format", "id_View", "id_Help",
                           "id_4PerPixel", "id_6PerPixel", "id_8PerPixel"})
        Click(id);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(TheSign().ModelNumber(), model);
    EXPECT_EQ(Tool("id_8PerPixel").State(), 1);  // the control's own option set
    EXPECT_EQ(Tool("id_4PerPixel").State(), 0);
}

TEST_F(ToolDispatch, ShipAsToolsRewriteTheFirstCharacterOnly) {
    TheSign().SetModelNumber("AF0-2H2A4-0602V");
    Click("id_Parts");
    EXPECT_EQ(Main().txtModel->Text(), "CF0-2H2A4-0602V");
    EXPECT_EQ(TheSign().ModelNumber(), "CF0-2H2A4-0602V");
    Click("id_Build");
    EXPECT_EQ(TheSign().ModelNumber(), "AF0-2H2A4-0602V");

    Main().txtModel->SetText("XYZ");  // shorter than 14: the whole box follows the letter
    Click("id_Build");
    EXPECT_EQ(TheSign().ModelNumber(), "AXYZ");
}

TEST_F(ToolDispatch, ApprovalToolsFollowTheirState) {
    Click("id_CE");
    EXPECT_EQ(TheSign().CE(), vb::True);
    Tool("id_CE").SetState(0);
    Main().SSBars_ToolClick(Tool("id_CE"));  // released
    EXPECT_EQ(TheSign().CE(), vb::False);
    Click("id_UL");
    EXPECT_EQ(TheSign().UL(), vb::True);
    EXPECT_EQ(TheSign().CE(), vb::False);
}

TEST_F(ToolDispatch, CharacterStylesChangeTheCurrentLineOnly) {
    CurrentLine = 3;
    Click("id_Bold");
    Click("id_Underline");
    EXPECT_EQ(Main().LineFormatOf(3).Bold, vb::True);
    EXPECT_EQ(Main().LineFormatOf(3).Underline, vb::True);
    EXPECT_EQ(Main().LineFormatOf(3).Italic, vb::False);
    for (vb::Integer i : {0, 2, 4, 10}) {
        EXPECT_EQ(Main().LineFormatOf(i).Bold, vb::False) << i;
        EXPECT_EQ(Main().LineFormatOf(i).Underline, vb::False) << i;
    }
    Click("id_Bold");  // released
    EXPECT_EQ(Main().LineFormatOf(3).Bold, vb::False);
    CurrentLine = 0;
    Click("id_Italic");
    EXPECT_EQ(Main().LineFormatOf(0).Italic, vb::True);
    EXPECT_EQ(Main().LineFormatOf(3).Italic, vb::False);
}

TEST_F(ToolDispatch, PlacementAndGenerationTools) {
    Click("id_FormatTop");
    EXPECT_EQ(Tool("id_FormatTop").State(), 1);
    EXPECT_EQ(Tool("id_FormatMiddle").State(), 0);

    Click("id_Sign1");
    EXPECT_EQ(Zomel2Mode, vb::True);
    EXPECT_EQ(TheSign().Zomel2(), vb::True);
    EXPECT_TRUE(ToolVisible("id_Sign2"));
    EXPECT_FALSE(ToolVisible("id_Sign1"));
    Click("id_Sign2");
    EXPECT_EQ(TheSign().Zomel2(), vb::False);
    EXPECT_TRUE(ToolVisible("id_Sign1"));
    EXPECT_FALSE(ToolVisible("id_Sign2"));
}

TEST_F(ToolDispatch, TabsShowTheirPageOnly) {
    Main().tabCreate->Select(2);
    EXPECT_EQ(Main().Frame(2).Left(), 16);
    EXPECT_EQ(Main().Frame(1).Left(), -10000);
    Main().tabCreate->Select(2);  // again: the same page stays on show
    EXPECT_EQ(Main().Frame(2).Left(), 16);
    EXPECT_EQ(Main().Frame(1).Left(), -10000);
    Main().tabCreate->Select(1);
    EXPECT_EQ(Main().Frame(1).Left(), 16);
    EXPECT_EQ(Main().Frame(2).Left(), -10000);
    EXPECT_EQ(Main().Frame(4).Left(), -10000);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(ToolDispatch, StartOverReturnsToTheStartDesign) {
    Main().txtZomelText(0).SetText("HELLO");
    Main().txtZomelText(1).SetText("WORLD");
    Click("id_Bold");
    Click("id_FormatTop");
    Click("id_SignLine");
    ASSERT_EQ(TheSign().SegmentType(), zomel::LayoutKind::LineMatrix);
    Click("id_Sign1");
    Main().HSLine(2).SetValue(14);
    Main().VScrLineSpacing->SetValue(3);
    Click("id_SignHold");
    ASSERT_EQ(HoldSize, vb::True);

    Click("id_SignStart");
    for (vb::Integer i = 0; i <= 10; ++i)
        EXPECT_EQ(Main().txtZomelText(i).Text(), "") << i;
    EXPECT_EQ(HoldSize, vb::False);
    EXPECT_EQ(Tool("id_SignHold").State(), 0);
    EXPECT_EQ(Tool("id_Bold").State(), 0);
    EXPECT_EQ(Main().LineFormatOf(0).Bold, vb::False);
    EXPECT_EQ(Tool("id_FormatMiddle").State(), 1);
    EXPECT_EQ(Tool("id_SignFull").State(), 1);
    EXPECT_EQ(TheSign().SegmentType(), zomel::LayoutKind::FullMatrix);
    EXPECT_EQ(Zomel2Mode, vb::False);
    EXPECT_TRUE(ToolVisible("id_Sign1"));
    EXPECT_EQ(Main().HSLine(2).Value(), 10);
    EXPECT_EQ(Main().VScrLineSpacing->Value(), 0);
    EXPECT_EQ(TheSign().XZomelCount(), 0);
    EXPECT_FALSE(Main().ViewSign->Visible());
    EXPECT_EQ(Main().ActiveControl(), &Main().txtZomelText(0));
}
