#include <utility>
#include <vector>

#include "tests/editor/mainwin/MainWindowFixture.h"

using namespace zomel;

namespace {

// The main window with its other commands recorded instead of run.
class RecordingMain : public frmMain {
public:
    std::vector<std::string> ran;

#define RECORD(name)          \
    void name() override {    \
        ran.push_back(#name); \
    }
    RECORD(mnuEditCut_Click)
    RECORD(mnuEditCopy_Click)
    RECORD(mnuEditPaste_Click)
    RECORD(mnuFileExit_Click)
    RECORD(mnuFilePrint_Click)
    RECORD(mnuFormatLeft_Click)
    RECORD(mnuFormatRight_Click)
    RECORD(mnuFormatShrink_Click)
    RECORD(mnuHelpAbout_Click)
    RECORD(mnuHelpContact_Click)
    RECORD(mnuHelpSearch_Click)
    RECORD(mnuSignClear_Click)
    RECORD(mnuSignShow_Click)
    RECORD(mnuSignSpec_Click)
    RECORD(mnuSignClipArt_Click)
    RECORD(mnuSignClipList_Click)
    RECORD(mnuSignLine_Click)
    RECORD(mnuSignChar_Click)
    RECORD(mnuSignPrice_Click)
    RECORD(mnuViewComponents_Click)
    RECORD(mnuViewGallery_Click)
    RECORD(mnuViewModels_Click)
    RECORD(mnuViewOptions_Click)
    RECORD(mnuViewRefresh_Click)
    RECORD(mnuViewStatus_Click)
    RECORD(mnuViewToolbar_Click)
#undef RECORD
    void mnuSignVertical_Click(vb::Integer toVertical) override {
        ran.push_back(toVertical ? "vertical" : "horizontal");
    }
};

class ToolDispatch : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        MainForm = &recording;
        recording.Load();
        recording.ran.clear();
    }
    void TearDown() override {
        recording.Unload();
        MainWindowTest::TearDown();
    }
    RecordingMain recording;
};

}  // namespace

TEST_F(ToolDispatch, EveryCommandToolReachesItsCommand) {
    const std::vector<std::pair<const char*, const char*>> tools = {
        {"id_EditCut", "mnuEditCut_Click"},
        {"id_EditCopy", "mnuEditCopy_Click"},
        {"id_EditPaste", "mnuEditPaste_Click"},
        {"id_FileExit", "mnuFileExit_Click"},
        {"id_FilePrint", "mnuFilePrint_Click"},
        {"id_FormatLeft", "mnuFormatLeft_Click"},
        {"id_FormatRight", "mnuFormatRight_Click"},
        {"id_FormatShrink", "mnuFormatShrink_Click"},
        {"id_HelpAbout", "mnuHelpAbout_Click"},
        {"id_HelpContact", "mnuHelpContact_Click"},
        {"id_HelpSearch", "mnuHelpSearch_Click"},
        {"id_SignClear", "mnuSignClear_Click"},
        {"id_SignShow", "mnuSignShow_Click"},
        {"id_SignSpec", "mnuSignSpec_Click"},
        {"id_SignCArt", "mnuSignClipArt_Click"},
        {"id_SignCList", "mnuSignClipList_Click"},
        {"id_SignLine", "mnuSignLine_Click"},
        {"id_SignChar", "mnuSignChar_Click"},
        {"id_SignPrice", "mnuSignPrice_Click"},
        {"id_ViewComponents", "mnuViewComponents_Click"},
        {"id_ViewGallery", "mnuViewGallery_Click"},
        {"id_ViewModels", "mnuViewModels_Click"},
        {"id_ViewOptions", "mnuViewOptions_Click"},
        {"id_ViewRefresh", "mnuViewRefresh_Click"},
        {"id_ViewStatus", "mnuViewStatus_Click"},
        {"id_ViewToolbar", "mnuViewToolbar_Click"},
        {"id_SignHorizontal", "vertical"},
        {"id_SignVertical", "horizontal"},
    };
    for (const auto& [id, command] : tools) {
        recording.ran.clear();
        Tool(id).Let("Visible", true);
        Click(id);
        ASSERT_EQ(recording.ran.size(), 1u) << id;
        EXPECT_EQ(recording.ran[0], command) << id;
    }
}

TEST_F(ToolDispatch, MenusAndLedCountToolsRunNothing) {
    const std::string model = TheSign().ModelNumber();
    for (const char* id : {"id_File", "id_Edit", "id_Sign", "id_Format", "id_View", "id_Help",
                           "id_4PerPixel", "id_6PerPixel", "id_8PerPixel"})
        Click(id);
    EXPECT_TRUE(recording.ran.empty());
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(TheSign().ModelNumber(), model);
    EXPECT_EQ(Tool("id_8PerPixel").State(), 1);  // the control's own option set
    EXPECT_EQ(Tool("id_4PerPixel").State(), 0);
}

TEST_F(ToolDispatch, ShipAsToolsRewriteTheFirstCharacterOnly) {
    TheSign().SetModelNumber("AF0-2H2A4-0602V");
    Click("id_Parts");
    EXPECT_EQ(recording.txtModel->Text(), "CF0-2H2A4-0602V");
    EXPECT_EQ(TheSign().ModelNumber(), "CF0-2H2A4-0602V");
    Click("id_Build");
    EXPECT_EQ(TheSign().ModelNumber(), "AF0-2H2A4-0602V");

    recording.txtModel->SetText("XYZ");  // shorter than 14: the whole box follows the letter
    Click("id_Build");
    EXPECT_EQ(TheSign().ModelNumber(), "AXYZ");
}

TEST_F(ToolDispatch, ApprovalToolsFollowTheirState) {
    Click("id_CE");
    EXPECT_EQ(TheSign().CE(), vb::True);
    Tool("id_CE").SetState(0);
    recording.SSBars_ToolClick(Tool("id_CE"));  // released
    EXPECT_EQ(TheSign().CE(), vb::False);
    Click("id_UL");
    EXPECT_EQ(TheSign().UL(), vb::True);
    EXPECT_EQ(TheSign().CE(), vb::False);
}

TEST_F(ToolDispatch, CharacterStylesChangeTheCurrentLineOnly) {
    CurrentLine = 3;
    Click("id_Bold");
    Click("id_Underline");
    EXPECT_EQ(recording.LineFormatOf(3).Bold, vb::True);
    EXPECT_EQ(recording.LineFormatOf(3).Underline, vb::True);
    EXPECT_EQ(recording.LineFormatOf(3).Italic, vb::False);
    for (vb::Integer i : {0, 2, 4, 10}) {
        EXPECT_EQ(recording.LineFormatOf(i).Bold, vb::False) << i;
        EXPECT_EQ(recording.LineFormatOf(i).Underline, vb::False) << i;
    }
    Click("id_Bold");  // released
    EXPECT_EQ(recording.LineFormatOf(3).Bold, vb::False);
    CurrentLine = 0;
    Click("id_Italic");
    EXPECT_EQ(recording.LineFormatOf(0).Italic, vb::True);
    EXPECT_EQ(recording.LineFormatOf(3).Italic, vb::False);
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
    recording.tabCreate->Select(2);
    EXPECT_EQ(recording.Frame(2).Left(), 16);
    EXPECT_EQ(recording.Frame(1).Left(), -10000);
    recording.tabCreate->Select(2);  // again: the same page stays on show
    EXPECT_EQ(recording.Frame(2).Left(), 16);
    EXPECT_EQ(recording.Frame(1).Left(), -10000);
    recording.tabCreate->Select(1);
    EXPECT_EQ(recording.Frame(1).Left(), 16);
    EXPECT_EQ(recording.Frame(2).Left(), -10000);
    EXPECT_EQ(recording.Frame(4).Left(), -10000);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(ToolDispatch, StartOverReturnsToTheStartDesign) {
    recording.txtZomelText(0).SetText("HELLO");
    recording.txtZomelText(1).SetText("WORLD");
    Click("id_Bold");
    Click("id_FormatTop");
    Click("id_SignLine");  // recorded only: the layout stays full matrix
    Click("id_Sign1");
    recording.HSLine(2).SetValue(14);
    recording.VScrLineSpacing->SetValue(3);
    Click("id_SignHold");
    ASSERT_EQ(HoldSize, vb::True);

    Click("id_SignStart");
    for (vb::Integer i = 0; i <= 10; ++i)
        EXPECT_EQ(recording.txtZomelText(i).Text(), "") << i;
    EXPECT_EQ(HoldSize, vb::False);
    EXPECT_EQ(Tool("id_SignHold").State(), 0);
    EXPECT_EQ(Tool("id_Bold").State(), 0);
    EXPECT_EQ(recording.LineFormatOf(0).Bold, vb::False);
    EXPECT_EQ(Tool("id_FormatMiddle").State(), 1);
    EXPECT_EQ(Tool("id_SignFull").State(), 1);
    EXPECT_EQ(Zomel2Mode, vb::False);
    EXPECT_TRUE(ToolVisible("id_Sign1"));
    EXPECT_EQ(recording.HSLine(2).Value(), 10);
    EXPECT_EQ(recording.VScrLineSpacing->Value(), 0);
    EXPECT_EQ(TheSign().XZomelCount(), 0);
    EXPECT_FALSE(recording.ViewSign->Visible());
    EXPECT_EQ(recording.ActiveControl(), &recording.txtZomelText(0));
}
