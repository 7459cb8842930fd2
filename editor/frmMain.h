#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/MessageLines.h"
#include "core/ProgramForm.h"
#include "editor/InkScan.h"
#include "editor/LineFormat.h"
#include "editor/MessageRaster.h"
#include "platform/forms/ActiveToolBars.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/HostedControl.h"
#include "platform/forms/Instance.h"
#include "platform/forms/ItemControls.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/PictureClip.h"
#include "platform/forms/RangeControl.h"
#include "platform/forms/Ref.h"
#include "platform/forms/TextBox.h"
#include "platform/gdi/PictureRecycler.h"
#include "platform/vb/Types.h"
#include "platform/vb/Variant.h"

namespace zomel {

class Sign;

// The main window, the sign designer: the eleven message lines and their heights, the model
// number box, the toolbar-and-menu control whose one dispatcher carries every command, the
// layout road from a typed character to a sized sign on the display control, and the status
// figures.  Other windows reach it through MainForm.
//
// Where it lives (editor/):
//   frmMain.cpp            loading, activation, keys, resizing, closing
//   frmMainTools.cpp       the toolbar's one dispatcher, tool states, the tab strip's pages
//   frmMainFileMenu.cpp    File: print, exit
//   frmMainEditMenu.cpp    Edit: cut, copy, paste
//   frmMainSignMenu.cpp    Sign: layouts, generation, density and orientation, hold, start
//                          over, clear, outline, price, specification, stock messages, clip art
//   frmMainFormatMenu.cpp  Format: alignment, vertical placement, shrink to fit, font
//   frmMainViewMenu.cpp    View: status bar, toolbar, refresh, gallery, models, units, components
//   frmMainHelpMenu.cpp    Help: index, about, contact
//   frmMainLayout.cpp      the layout road: a changed line to lines drawn, ink measured and
//                          modules counted
//   frmMainPreview.cpp     the size check, the preview on the display control, the warnings
//                          and the status figures
//   frmMainLines.cpp       the lines' height bars and the character heights they show
//   frmMainModel.cpp       the model number box, the character size lists, the candidate list
class frmMain : public ProgramForm {
public:
    // The status bar panel that shows the size warnings.
    static constexpr vb::Long kWarningPanel = 5;
    // The name of the run's file in the temporary folder begins so.
    static constexpr const char* kTempFileStem = "VZB";

    frmMain();

    // Public variables (other windows read and write them).
    vb::Integer SignChanged = vb::False;
    vb::Integer FirstEstimate = vb::True;
    vb::Integer HighDensity = vb::True;  // follows Sign.HighDensity
    vb::Integer SolarUnlocked = vb::False;
    vb::Integer SelectedCandidate = 0;
    vb::Integer CharGap = 1;
    vb::Long SolarPercent = 25;
    vb::Long SolarCity = 2;
    std::string LogPath;  // set by start-up
    vb::Single MeasuredPercent = 0;

    // Controls.
    forms::ArrayRef<forms::TextBox> txtZomelText{*this, "txtZomelText"};
    forms::ArrayRef<forms::HScrollBar> HSLine{*this, "HSLine"};
    forms::ArrayRef<forms::Label> LblCharHeight{*this, "LblCharHeight"};
    forms::Ref<forms::TextBox> txtModel{*this, "txtModel"};
    forms::Ref<forms::CommandButton> cmdShow{*this, "cmdShow"};
    forms::Ref<forms::TabStrip> tabCreate{*this, "tabCreate"};
    forms::ArrayRef<forms::Frame> Frame{*this, "Frame"};
    forms::Ref<forms::TextBox> txtLines{*this, "txtLines"};
    forms::Ref<forms::TextBox> txtChars{*this, "txtChars"};
    forms::Ref<forms::ComboBox> cbbHigh{*this, "cbbHigh"};
    forms::Ref<forms::ComboBox> cbbWide{*this, "cbbWide"};
    forms::Ref<forms::ComboBox> cbbCharGap{*this, "cbbCharGap"};
    forms::Ref<forms::ComboBox> cbbLineGap{*this, "cbbLineGap"};
    forms::Ref<forms::CheckBox> chkHigh{*this, "chkHigh"};
    forms::Ref<forms::CheckBox> chkWide{*this, "chkWide"};
    forms::Ref<forms::CommandButton> cmdList{*this, "cmdList"};
    forms::Ref<forms::ListBox> lstSigns{*this, "lstSigns"};
    forms::Ref<forms::Label> lblLineError{*this, "lblLineError"};
    forms::Ref<forms::Label> lblClick{*this, "lblClick"};
    forms::Ref<forms::StatusBar> sbStatusBar{*this, "sbStatusBar"};
    forms::Ref<forms::Label> lblWarn{*this, "lblWarn"};
    forms::Ref<forms::PictureBox> PicLine{*this, "PicLine"};
    forms::Ref<forms::PictureClip> PicClip{*this, "PicClip"};
    forms::Ref<forms::UpDown> VScrLineSpacing{*this, "VScrLineSpacing"};
    forms::Ref<forms::ActiveToolBars> SSBars{*this, "SSBars"};
    forms::Ref<forms::CheckBox> ChkVertical{*this, "ChkVertical"};
    forms::Ref<forms::CommonDialog> dlgCommonDialog{*this, "dlgCommonDialog"};
    // The display control, hosted by class id and driven by member name.
    forms::Ref<forms::HostedControl> ViewSign{*this, "ViewSign"};

    // The layout road (frmMainLayout.cpp, frmMainPreview.cpp).
    void txtZomelText_Change(vb::Integer Index);
    void txtZomelText_GotFocus(vb::Integer Index);
    void VScrLineSpacing_Change();
    void CalculateSize();

    // Line heights (frmMainLines.cpp).
    void HSLine_Change(vb::Integer Index);
    void HSLine_GotFocus(vb::Integer Index);

    // File menu.
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    // Draws the sign on show as LEDs into Picture2 and prints it; `hDC` is the printer's.
    void PrintSign(vb::Long hDC);

    // Edit menu.
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();

    // Sign menu.
    void mnuSignFull_Click();
    void mnuSignLine_Click();
    void mnuSignChar_Click();
    void SetZomelVersion();
    void mnuSignDensity_Click();
    // Vertical (True) or horizontal modules.
    void mnuSignVertical_Click(vb::Integer toVertical);
    void ChkVertical_Click();
    // Holds the present module counts, or releases a held size; `tool` is id_SignHold.
    void SetHoldSize(forms::Tool& tool);
    void mnuSignStartOver_Click();
    void mnuSignClear_Click();
    void mnuSignShow_Click();
    void mnuSignPrice_Click();
    void mnuSignSpec_Click();
    void mnuSignClipList_Click();
    void mnuSignClipArt_Click();

    // Format menu.
    void mnuFormatLeft_Click();
    void mnuFormatCenter_Click();
    void mnuFormatRight_Click();
    void SetVerticalPlacement(vb::Integer placement);
    void mnuFormatShrink_Click();
    void mnuFormatFont_Click();

    // View menu.
    void mnuViewStatus_Click();
    void mnuViewToolbar_Click();
    void mnuViewRefresh_Click();
    void mnuViewGallery_Click();
    void mnuViewModels_Click();
    void mnuViewOptions_Click();
    void mnuViewComponents_Click();

    // Help menu.
    // The path of the help's index page; "" when it is not installed.
    static std::string HelpFile();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();
    void mnuHelpContact_Click();

    // The toolbar's commands that need nothing of their tool, by tool id; the dispatcher runs
    // these before the tools whose command reads the tool or takes an argument.
    using Command = void (frmMain::*)();
    static const std::map<std::string, Command, std::less<>>& ToolCommands();

    // Toolbar and tabs.
    void SSBars_ToolClick(forms::Tool& Tool);
    void tabCreate_Click();
    // Shows page `index` of the tab strip, or puts it away.
    void PlacePage(vb::Integer index, bool shown);
    // The page (the index of its frame) that tab `tab` shows.
    vb::Integer PageOfTab(vb::Long tab);

    // The text format of message line 0 to kLastMessageLine.
    const LineFormat& LineFormatOf(vb::Integer line) const {
        return lines_.LineFormats.at(static_cast<size_t>(line));
    }

    // Tool states by id, as the commands read and set them.
    vb::Integer ToolState(const std::string& id);
    void SetToolState(const std::string& id, vb::Integer state);
    void SetToolVisible(const std::string& id, bool visible);
    void SetToolEnabled(const std::string& id, bool enabled);

    // Model number box and candidate layouts (frmMainModel.cpp).
    void txtModel_Change();
    void cmdShow_Click();
    void ApplyModelNumber(const vb::Integer& Candidate);
    void cbbHigh_Click();
    void cbbWide_Click();
    void cbbHigh_DropDown();
    void cbbWide_DropDown();
    void cbbHigh_Validate(vb::Integer& Cancel);
    void cbbWide_Validate(vb::Integer& Cancel);
    void chkHigh_Click();
    void cmdList_Click();
    void lstSigns_Click();
    void lstSigns_KeyDown(vb::Integer& KeyCode, vb::Integer& Shift);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(vb::Integer& KeyAscii) override;
    void Form_Resize() override;
    void Form_Unload(vb::Integer& Cancel) override;

private:
    // The sign model; error 91 while start-up has not made it.
    Sign& TheSign() const;
    // Shows the one window of class Window, owned by this one.
    template <class Window>
    void ShowOwned(forms::ShowStyle style) {
        forms::Instance<Window>().Show(style, this);
    }

    // Lifecycle steps.
    void BindEvents();
    void LoadOnce();
    void RestorePlacement();
    void RestoreUnits();
    void MakeTempFile();
    void CheckColorDepth(vb::Integer depth);
    void ResetLineFormats();
    void SavePlacement();

    LineFormat& FormatOf(vb::Integer line) {
        return lines_.LineFormats.at(static_cast<size_t>(line));
    }

    // Toolbar: the command of a tool id; an id of none runs nothing.
    void RunTool(const std::string& id, forms::Tool& tool);
    void SetShipForm(const std::string& letter);
    void SetCurrentLineStyle(vb::Integer LineFormat::*field, vb::Integer state);

    // Sign menu: density and orientation.
    void SetModuleGeometry(bool vertical, bool onClip);
    void ShowDensityTools();
    void RetypeLines(const std::array<std::string, kMessageLineCount>& texts);
    static void RefuseLineMatrixChange();

    // Format menu: the font command.
    bool ChooseFontInDialog(bool& blockFont);
    void UseInstalledFont(vb::Integer Index);
    void UseBlockFont(vb::Integer Index);

    // Line heights.
    void KeepLineMatrixLimit(vb::Integer Index);
    void ShowBlockFontHeight(vb::Integer Index, double factor, const std::string& unitName);
    void ShowInstalledFontHeight(vb::Integer Index, double factor);
    void SyncLineMatrixHeights(vb::Integer Index);
    void SetWarningPanel(const std::string& text);

    // Model number box and candidate layouts.
    void BindModelNumberEvents();
    void ShowSizeMessage(const std::string& message);
    void ClearSizeMessage();
    void ShowModelWarning(const std::string& message);
    void ClearModelWarning();
    void SetSampleFonts(vb::Integer fontIndex);
    void LayOutSample(vb::Integer Candidate);
    void FitShortLastLine(vb::Long width, vb::Long height, vb::Long down, vb::Long& textRows,
                          vb::Long& perRow);
    void WriteSample(vb::Long textRows, vb::Long perRow, bool endDot);

    // Log lines name flags as the language prints them.
    static std::string TrueFalse(vb::Integer flag) { return flag ? "True" : "False"; }

    // The layout road.
    vb::Integer LastUsedLine(bool useCache);
    vb::Integer LongestLineLength();
    void SetAllLineHeights(vb::Integer value);
    // How far down the next line starts: the line's height and spacing, or one module row.
    struct LineAdvance {
        vb::Integer spacing = 0;
        std::optional<int> moduleRows;
        double Of(const LineFormat& format, MessageRaster& raster, std::string_view text) const;
    };
    void TidyLines();
    void MoveLineUp(vb::Integer from);
    void OfferNextLine();
    void ShowLine(vb::Integer Index, bool visible);
    void MeasureMessage();
    void PlaceMessage();
    void PrepareRaster();
    MessageRaster LineRaster();
    void DrawLines(int startY, std::optional<int> offset);
    LineAdvance CurrentLineAdvance();
    ExtentInfo GetExtents();
    vb::Integer ColumnGap();
    vb::Integer RowGap();
    void CountModules(const ExtentInfo& extent, bool tracing);
    void MeasureLitShare(vb::Long litCount);
    void TraceScan(const InkScan& scan, int bytesPerPixel);

    // The size check, the preview and the warnings.
    vb::Integer CheckSize(vb::Integer tryCount, const std::string& which, const ExtentInfo& extent);
    vb::Integer SettleCount(const std::string& which, vb::Integer count, const ExtentInfo& extent);
    void ZomelDraw(const ExtentInfo& extent);
    void ShowBitmapFrame(vb::Integer columns);
    bool ShrinkZoom();
    void ShowTextFrame(vb::Integer signColumns, vb::Integer signRows);
    void ShowWarning(const std::string& text);
    void ShowWarningLabel(const std::string& text);
    void ShowTextNotVisible();
    void ClearWarning();
    void PutWarning(const std::string& text, bool visible);

    // Window fields, in the parts of the window that own them.

    // Start-up, and the guards that keep one command from running into another.
    struct Running {
        vb::Integer SkipSizeCheck = vb::False;  // start-up: state changes without a relayout
        vb::Integer BeepOnWarning = vb::True;
        vb::Integer DensityChanging = vb::False;
        std::string TempFileName;
        vb::Long SavedBackColor = 0;  // the display's own background while outlines show
    } running_;

    // The tab strip's pages.
    struct Pages {
        std::array<vb::Integer, 5> FirstVisit{};  // indexed 1 to 4
        vb::Integer CurrentTab = 1;
    } pages_;

    // The message lines: formats, heights kept for moving lines up, vertical placement.
    struct Lines {
        std::array<LineFormat, kMessageLineCount> LineFormats{};
        std::array<vb::Integer, kMessageLineCount> SavedLineHeight = kStartLineHeights;
        vb::Integer VerticalPlacement = 1;
        vb::Integer SyncingHeights = vb::False;
    } lines_;

    // The layout road, and the buffers it reuses from one keystroke to the next.
    struct Road {
        vb::Integer LayoutBusy = vb::False;
        ExtentInfo Extent{};
        vb::Integer SizeAdjusted = vb::False;
        bool LastUsedLineCached = false;
        vb::Integer CachedLastUsedLine = 0;
        RasterWork LineRasterWork;
        std::vector<WiderRow> WiderRows;
        std::vector<std::string> FrameLines;
        gdi::PictureRecycler RasterPictures;
    } road_;

    // What the size check found.
    struct SizeCheck {
        vb::Integer TooWide = vb::False;
        vb::Integer TooTall = vb::False;
        vb::Integer BeyondMaxColumns = vb::False;
        vb::Integer BeyondMaxRows = vb::False;
        std::string WidthMessage;
        std::string HeightMessage;
        vb::Integer QuietSize = vb::False;
    } size_;

    // A held sign size.
    struct Hold {
        vb::Integer HeldColumns = -1;
        vb::Integer HeldRows = -1;
        vb::Integer HoldBusy = vb::False;
    } hold_;

    // The last estimate opened.
    struct Estimate {
        vb::Integer EstimateShown = vb::False;
        vb::Integer EstimateCount = 0;
        vb::Integer EstimateHighDensity = vb::False;
    } estimate_;

    // The model number page and the line-and-character page.
    struct ModelPages {
        vb::Integer ApplyingModel = vb::False;
        vb::Integer SizeNotSelected = vb::False;
    } model_;
};

}  // namespace zomel
