#include <filesystem>
#include <fstream>

#include "core/FontTable.h"
#include "editor/frmSplash.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/Metrics.h"
#include "platform/forms/TextMeasure.h"
#include "tests/editor/mainwin/MainWindowFixture.h"

using namespace zomel;

namespace {

std::string Saved(const char* key) {
    return os::GetSetting("ZomelBuilder", "Units", key, "<none>");
}

}  // namespace

TEST_F(MainWindowTest, FirstRunOpensFullScreenOnTheDefaultSign) {
    frmMain& main = LoadMain();
    EXPECT_EQ(main.Left(), 0);
    EXPECT_EQ(main.Top(), 0);
    EXPECT_EQ(main.Width(), forms::Screen().Width());
    EXPECT_EQ(main.Height(), forms::Screen().Height());
    EXPECT_EQ(TheSign().WeightUnit(), "lbs");
    EXPECT_EQ(TheSign().LengthUnit(), "in");
    EXPECT_EQ(TheSign().CharSizeUnit(), "in");
    EXPECT_EQ(Saved("CharSizeUnit"), "in");

    // Texts from the string table.
    EXPECT_EQ(main.Caption(), "VELDO ZOMELBuilder");
    EXPECT_EQ(main.tabCreate->Tabs()(1).Get("Caption").ToString(), "Create by &Text");
    EXPECT_EQ(main.tabCreate->Tabs()(2).Get("Caption").ToString(), "Create by &Model");
    EXPECT_EQ(main.tabCreate->Tabs()(3).Get("Caption").ToString(), "Create by &Line/Character");
    EXPECT_EQ(main.Frame(4).Caption(), "Line Count, Character Count and Character Size");
    EXPECT_EQ(main.cmdShow->Caption(), "Sho&w");
    forms::Tool& sign = main.SSBars->ToolBars()(1).Tools()(3);
    EXPECT_EQ(sign.Get("Name").ToString(), "&Sign");
    EXPECT_EQ(sign.Menu()(1).Get("Name").ToString(), "Cl&ear Sign");
    EXPECT_EQ(sign.Menu()(1).Get("ToolTipText").ToString(),
              "Clear all current text from sign; but hold the sign size as its current height "
              "and width");
    EXPECT_EQ(sign.Menu()(3).Get("Name").ToString(), "-");

    // The text page on show, the first line offered in the 5x7 font, high density.
    EXPECT_EQ(main.Frame(1).Left(), 16);
    EXPECT_EQ(main.Frame(2).Left(), -10000);
    EXPECT_EQ(main.tabCreate->SelectedIndex(), 1);
    EXPECT_TRUE(main.txtZomelText(0).Visible());
    for (vb::Integer i = 1; i <= 10; ++i) {
        EXPECT_FALSE(main.txtZomelText(i).Visible()) << i;
        EXPECT_FALSE(main.HSLine(i).Visible()) << i;  // no bar without its line
        EXPECT_FALSE(main.LblCharHeight(i).Visible()) << i;
    }
    EXPECT_EQ(main.HSLine(0).Value(), 10);
    EXPECT_EQ(HeightLabel(0), "5x7 VELDO Font 12.04 in");
    EXPECT_EQ(main.LineFormatOf(10).FontName, FontTable(10).Name);
    EXPECT_EQ(main.LineFormatOf(10).Align, 2);
    EXPECT_EQ(main.HighDensity, vb::True);
    EXPECT_EQ(TheSign().HighDensity(), vb::True);
    EXPECT_TRUE(ToolVisible("id_SignHigh"));
    EXPECT_FALSE(ToolVisible("id_SignStandard"));
    EXPECT_TRUE(ToolVisible("id_Sign1"));
    EXPECT_FALSE(ToolVisible("id_Sign2"));
    EXPECT_TRUE(ToolVisible("id_SignHorizontal"));
    EXPECT_FALSE(ToolVisible("id_SignVertical"));
    EXPECT_EQ(Tool("id_FormatMiddle").State(), 1);
    EXPECT_EQ(ViewSign().Get("PixPerSegX").ToInteger(), 12);
    EXPECT_EQ(ViewSign().Get("PixPerSegY").ToInteger(), 8);
    EXPECT_FALSE(ViewSign().Visible());
    EXPECT_EQ(ViewSign().Width(), main.Width() - 20);

    // An empty sign of the full-matrix layout, warning panel hidden.
    EXPECT_EQ(TheSign().XZomelCount(), 0);
    EXPECT_EQ(TheSign().YZomelCount(), 0);
    EXPECT_EQ(TheSign().SegmentType(), zomel::LayoutKind::FullMatrix);
    EXPECT_FALSE(main.sbStatusBar->Panels()(5).Get("Visible").ToBool());
    EXPECT_EQ(ColorDepth, 32);
    EXPECT_EQ(CurrentLine, 0);
    EXPECT_TRUE(gMapParts);

    // The temporary file of the run.
    int made = 0;
    for (const auto& entry : std::filesystem::directory_iterator(env.Root()))
        made += entry.path().filename().string().starts_with("VZB");
    EXPECT_EQ(made, 1);
}

TEST_F(MainWindowTest, LoadRestoresPlacementAndUnits) {
    os::SaveSetting("ZomelBuilder", "Settings", "MainLeft", "150");
    os::SaveSetting("ZomelBuilder", "Settings", "MainTop", "300.5");
    os::SaveSetting("ZomelBuilder", "Settings", "MainWidth", "9000");
    os::SaveSetting("ZomelBuilder", "Settings", "MainHeight", "7000");
    os::SaveSetting("ZomelBuilder", "Units", "WeightUnit", "kg");
    os::SaveSetting("ZomelBuilder", "Units", "LengthUnit", "m");
    os::SaveSetting("ZomelBuilder", "Units", "CharSizeUnit", "cm");
    frmMain& main = LoadMain();
    EXPECT_EQ(main.Left(), 150);
    EXPECT_FLOAT_EQ(main.Top(), 300.5f);
    EXPECT_EQ(main.Width(), 9000);
    EXPECT_EQ(main.Height(), 7000);
    EXPECT_EQ(TheSign().WeightUnit(), "kg");
    EXPECT_EQ(TheSign().LengthUnit(), "m");
    EXPECT_EQ(TheSign().CharSizeUnit(), "cm");
    EXPECT_EQ(HeightLabel(0), "5x7 VELDO Font 30.58 cm");  // 12.04 in
}

TEST_F(MainWindowTest, EuropeanPriceListSetsCEAndItsModelNumber) {
    std::string app = env.UseProgramFolder();
    const std::string bin = std::filesystem::current_path().string() + "/";
    for (const char* item : {"strings.tsv", "mapping.bin", "forms", "fonts"})
        std::filesystem::copy(bin + item, app + item, std::filesystem::copy_options::recursive);
    std::string catalogue = TestEnvironment::ReadFile(bin + "config2.bin");
    const std::string high = "\"ZOMEL module high density\"";
    ASSERT_NE(catalogue.find(high), std::string::npos);
    catalogue.replace(catalogue.find(high), high.size(), "\"ZOMEL module high density Euro\"");
    std::ofstream(app + "config2.bin", std::ios::binary) << catalogue;
    forms::ReloadStringTable();
    forms::ReloadWindowDescriptions();

    frmMain& main = LoadMain();
    EXPECT_EQ(CEOption, vb::True);
    EXPECT_EQ(TheSign().CE(), vb::True);
    EXPECT_EQ(TheSign().ModelNumber(), "AF1-2H2A4-0000H");
    EXPECT_EQ(main.txtModel->Text(), "AF1-2H2A4-0000H");
    EXPECT_FALSE(ToolEnabled("id_SignChar"));
    EXPECT_TRUE(ToolEnabled("id_SignLine"));
}

TEST_F(MainWindowTest, ALaterLoadWithThePartsMapLeavesTheWindowAlone) {
    gMapParts = std::make_unique<mapParts>();
    Main().HighDensity = vb::False;
    Main().Load();
    EXPECT_EQ(Main().HighDensity, vb::False);
    EXPECT_EQ(Main().Width(), 12960);  // the description's size, no placement read
    EXPECT_EQ(Main().Caption(), "VELDO ZOMELBuilder");
    EXPECT_EQ(HeightLabel(0), "");
}

TEST_F(MainWindowTest, ActivateShowsTheSignsModelNumberAndF12ItsNumber) {
    frmMain& main = LoadMain();
    main.txtModel->SetText("SOMETHING ELSE");
    main.Activate();
    EXPECT_EQ(main.txtModel->Text(), TheSign().ModelNumber());

    main.KeyUp(forms::vbKeyF12, 0, &main.txtZomelText(0));
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, "VELDO ZOMELBuilder #109");
}

TEST_F(MainWindowTest, EnterMovesToTheNextOfferedLineOrBackToTheFirst) {
    frmMain& main = LoadMain();
    main.txtZomelText(4).SetVisible(true);
    CurrentLine = 3;
    main.KeyPress(13, &main.txtZomelText(3));
    EXPECT_EQ(main.ActiveControl(), &main.txtZomelText(4));
    EXPECT_EQ(CurrentLine, 4);

    main.KeyPress(13, &main.txtZomelText(4));  // line 5 is hidden
    EXPECT_EQ(main.ActiveControl(), &main.txtZomelText(0));

    main.txtZomelText(9).SetVisible(true);
    CurrentLine = 8;
    main.KeyPress(13, &main.txtZomelText(8));
    EXPECT_EQ(main.ActiveControl(), &main.txtZomelText(0));

    // Other keys, and Enter on the model page, leave the focus where it is.
    main.txtZomelText(4).SetFocus();
    main.KeyPress('A', &main.txtZomelText(4));
    main.tabCreate->Select(2);
    main.KeyPress(13, &main.txtZomelText(4));
    EXPECT_EQ(main.ActiveControl(), &main.txtZomelText(4));
}

TEST_F(MainWindowTest, AWarningShowsWholeInsideTheWindowAndAboveTheStatusBar) {
    frmMain& main = LoadMain();
    main.txtModel->SetText("AF1-2H2A4-0000HX");  // one character too many
    forms::Label& warning = *main.lblWarn;
    ASSERT_TRUE(warning.Visible());
    const forms::StdFont& font = *warning.Font();
    // 400 x 300 pixels, the designed size, a full screen of 1680 x 1050, a long narrow one.
    const std::pair<vb::Single, vb::Single> sizes[] = {
        {6000, 4500}, {12960, 9000}, {25200, 15750}, {4200, 15750}};
    for (auto [width, height] : sizes) {
        main.Move(0, 0, width, height);
        const std::string at = std::to_string(width) + " x " + std::to_string(height);
        EXPECT_GE(warning.Left(), 0) << at;
        EXPECT_LE(warning.Left() + warning.Width(), main.ScaleWidth()) << at;
        EXPECT_GE(warning.Top(), 0) << at;
        EXPECT_LE(warning.Top() + warning.Height(), main.ScaleHeight() - main.sbStatusBar->Height())
            << at;
        // Its lines, wrapped to its width, fit its height.
        const int lines = forms::WrappedLinesIn(font, warning.Caption(), warning.Width());
        EXPECT_GE(warning.Height(), lines * forms::LineHeightIn(font)) << at;
    }
}

TEST_F(MainWindowTest, TabReachesEveryLinesHeightBarTheLineSpacingTheTabsAndEachToolbar) {
    frmMain& main = LoadMain();
    main.txtZomelText(1).SetVisible(true);
    main.HSLine(1).SetVisible(true);
    main.txtZomelText(0).SetFocus();
    auto stop = [&] {
        forms::Control* active = main.ActiveControl();
        if (!active) return std::string("nothing");
        std::string name = active->Name();
        if (active->Index() >= 0) name += "(" + std::to_string(active->Index()) + ")";
        if (active == &*main.SSBars)
            name += " " + main.SSBars->FocusedToolbar()->Get("Key").ToString();
        return name;
    };
    std::vector<std::string> walked;
    for (int i = 0; i < 8; ++i) {
        host.PressTab(main);
        walked.push_back(stop());
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"HSLine(0)", "txtZomelText(1)", "HSLine(1)",
                                                "VScrLineSpacing", "tabCreate", "SSBars Standard",
                                                "SSBars Sign", "txtZomelText(0)"}));
    // Back the other way, and past the sign tools once they are put away.
    host.PressTab(main, true);
    EXPECT_EQ(stop(), "SSBars Sign");
    main.SSBars->ClickTool("id_ViewToolbar");
    host.PressTab(main, true);
    EXPECT_EQ(stop(), "SSBars Standard");
    host.PressTab(main, true);
    EXPECT_EQ(stop(), "tabCreate");
}

TEST_F(MainWindowTest, ResizeFitsThePagesAndSkipsWhatWouldTurnNegative) {
    frmMain& main = LoadMain();
    main.Move(0, 0, 10000, 8000);
    EXPECT_EQ(main.tabCreate->Width(), main.ScaleWidth());
    EXPECT_EQ(main.Frame(1).Width(), main.ScaleWidth() - 32);
    EXPECT_EQ(main.Frame(2).Width(), main.ScaleWidth() - 32);
    EXPECT_EQ(main.Frame(4).Width(), main.ScaleWidth() - 32);  // the third tab's page
    EXPECT_EQ(main.lstSigns->Width(), 10000 - 6120);

    // Narrow: the candidate list keeps its width.
    main.Move(0, 0, 6000, 8000);
    EXPECT_EQ(main.lstSigns->Width(), 10000 - 6120);
    EXPECT_EQ(main.tabCreate->Width(), main.ScaleWidth());

    // Minimised, or too small for the offsets: nothing moves and nothing fails.
    main.SetWindowState(forms::vbMinimized);
    main.Move(0, 0, 300, 100);
    main.SetWindowState(forms::vbNormal);
    EXPECT_EQ(main.tabCreate->Width(), 6000 - 2 * forms::kWindowBorderTwips);
    EXPECT_EQ(main.Frame(1).Width(), main.tabCreate->Width() - 32);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(MainWindowTest, UnloadKeepsTheNormalPlacementAndClosesTheRun) {
    frmMain& main = LoadMain();
    forms::Instance<frmSplash>().Load();
    main.Move(120, 240, 9600, 7200);
    EXPECT_TRUE(main.Unload());
    EXPECT_EQ(Placement("MainLeft"), "120");
    EXPECT_EQ(Placement("MainTop"), "240");
    EXPECT_EQ(Placement("MainWidth"), "9600");
    EXPECT_EQ(Placement("MainHeight"), "7200");
    EXPECT_FALSE(forms::Instance<frmSplash>().IsLoaded());
    EXPECT_FALSE(gMapParts);

    for (vb::Integer state : {forms::vbMaximized, forms::vbMinimized}) {
        main.Load();
        main.Move(0, 0, 3000, 2000);
        main.SetWindowState(state);
        main.Unload();
        EXPECT_EQ(Placement("MainLeft"), "120") << state;
        EXPECT_EQ(Placement("MainWidth"), "9600") << state;
    }
}
