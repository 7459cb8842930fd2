#include "editor/frmMain.h"

#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/FontTable.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/TranslateForm.h"
#include "core/mapParts.h"
#include "editor/LinePlacement.h"
#include "editor/SignEventsToWindows.h"
#include "editor/WarningPlace.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/gdi/Screen.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/Settings.h"
#include "platform/os/TempFiles.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

const char* const kSettingsSection = "Settings";
const char* const kUnitsApp = "ZomelBuilder";
const char* const kUnitsSection = "Units";
constexpr vb::Integer kEnter = 13;
// The resize rule's offsets: below these inner sizes its widths and places turn negative.
constexpr vb::Single kPageMargin = 32;
constexpr vb::Single kSignsListRoom = 6120;
constexpr vb::Long kActivateLabel = 10915;
constexpr vb::Long kColorDepthLead = 10946;
constexpr vb::Long kColorDepthTail = 10947;
constexpr vb::Long kColorDepthSupported = 10948;
const char* const kEuropeanModel = "AF1-2H2A4-0000H";

// "Main - Load" reports every failing step and goes on; an invalid argument passes silently.
vb::OnError LoadStep() {
    return vb::OnError([] {
        if (vb::Err().Number == vb::err::kInvalidCall)
            vb::Err().Clear();
        else
            ReportError("Main - Load");
    });
}

vb::Single SettingAsSingle(const std::string& key, vb::Single defaultValue) {
    return vb::CSng(vb::Variant(
        os::GetSetting(forms::App().Title, kSettingsSection, key, vb::CStr(defaultValue))));
}

}  // namespace

frmMain::frmMain() : ProgramForm("frmMain") {
    SubscribeWindowsToSign();
    BindEvents();
    BindModelNumberEvents();
}

void frmMain::BindEvents() {
    On("txtZomelText", "Change",
       [this](forms::Control& c, forms::EventArgs&) { txtZomelText_Change(c.Index()); });
    On("txtZomelText", "GotFocus",
       [this](forms::Control& c, forms::EventArgs&) { txtZomelText_GotFocus(c.Index()); });
    On("HSLine", "Change",
       [this](forms::Control& c, forms::EventArgs&) { HSLine_Change(c.Index()); });
    On("HSLine", "GotFocus",
       [this](forms::Control& c, forms::EventArgs&) { HSLine_GotFocus(c.Index()); });
    On("VScrLineSpacing", "Change",
       [this](forms::Control&, forms::EventArgs&) { VScrLineSpacing_Change(); });
    On("ChkVertical", "Click", [this](forms::Control&, forms::EventArgs&) { ChkVertical_Click(); });
    On("tabCreate", "Click", [this](forms::Control&, forms::EventArgs&) { tabCreate_Click(); });
    On("SSBars", "ToolClick", [this](forms::Control&, forms::EventArgs& args) {
        if (auto tool = args.at(0).As<forms::Tool>()) SSBars_ToolClick(*tool);
    });
}

Sign& frmMain::TheSign() const {
    if (!gSign) vb::Raise(vb::err::kObjectNotSet);
    return *gSign;
}

void frmMain::Form_Load() {
    if (gMapParts) return;  // loaded before in this run: the design stays as it is
    LoadOnce();
}

void frmMain::LoadOnce() {
    vb::OnError step = LoadStep();
    step([this] { TraceEntry(); });
    step([this] { TranslateForm(*this, false); });
    step([this] { sbStatusBar->Panels()(kWarningPanel).Let("Visible", false); });
    step([this] {
        // The line/character page has its tab too: its first visit gives its notice.
        pages_.FirstVisit = {vb::False, vb::True, vb::True, vb::True, vb::True};
        CharGap = 1;
        cbbCharGap->SetListIndex(0);
    });
    step([this] {
        for (vb::Long i = 1; i <= tabCreate->Tabs().Count(); ++i)
            PlacePage(PageOfTab(i), false);
    });
    step([this] {
        pages_.CurrentTab = 1;
        tabCreate->Select(1);
    });
    step([this] { RestorePlacement(); });
    step([this] {
        ViewSign->SetWidth(Width() - 20);
        ViewSign->SetVisible(false);
    });
    step([this] { RestoreUnits(); });
    step([] { LoadSignOptions(); });
    step([this] {
        SolarUnlocked = vb::False;
        FirstEstimate = vb::True;
        running_.SkipSizeCheck = vb::True;
        running_.BeepOnWarning = vb::True;
        estimate_.EstimateShown = vb::False;
        road_.LayoutBusy = vb::False;
        SignChanged = vb::False;
        CurrentLine = 0;
        SolarCity = 2;
        SolarPercent = 25;
    });
    step([this] { MakeTempFile(); });
    step([this] { mnuSignFull_Click(); });
    step([this] { CheckColorDepth(static_cast<vb::Integer>(gdi::kScreenBitsPerPixel)); });
    // The density command toggles the window's copy: start it opposite the sign's, so that
    // the window opens on the sign's density.
    step([this] {
        HighDensity = vb::Flag(!TheSign().HighDensity());
        mnuSignDensity_Click();
    });
    step([this] { mnuSignVertical_Click(vb::False); });
    step([this] { SetZomelVersion(); });
    step([this] { ResetLineFormats(); });
    step([this] { mnuFormatCenter_Click(); });
    step([this] { SetVerticalPlacement(1); });
    step([this] {
        TheSign().SetXZomelCount(0);
        TheSign().SetYZomelCount(0);
    });
    step([this] { CalculateSize(); });
    step([this] {
        if (!CEOption) return;
        SetToolEnabled("id_SignChar", false);
        TheSign().SetCE(vb::True);
        TheSign().SetModelNumber(kEuropeanModel);
    });
    running_.SkipSizeCheck = vb::False;
}

void frmMain::RestorePlacement() {
    SetLeft(SettingAsSingle("MainLeft", 0));
    SetTop(SettingAsSingle("MainTop", 0));
    SetWidth(SettingAsSingle("MainWidth", forms::Screen().Width()));
    SetHeight(SettingAsSingle("MainHeight", forms::Screen().Height()));
}

void frmMain::RestoreUnits() {
    Sign& sign = TheSign();
    sign.SetWeightUnit(os::GetSetting(kUnitsApp, kUnitsSection, "WeightUnit", "lbs"));
    sign.SetLengthUnit(os::GetSetting(kUnitsApp, kUnitsSection, "LengthUnit", "in"));
    sign.SetCharSizeUnit(os::GetSetting(kUnitsApp, kUnitsSection, "CharSizeUnit", "in"));
}

// An empty file of a name of its own in the temporary folder, kept for the run: the program
// removes it as it ends, and a start removes the one a killed run left.
void frmMain::MakeTempFile() {
    running_.TempFileName = os::NewTempFile(kTempFileStem);
}

void frmMain::CheckColorDepth(vb::Integer depth) {
    ColorDepth = depth;
    if (depth == 8 || depth == 16 || depth == 24 || depth == 32) return;
    forms::MsgBox(forms::LoadResString(kColorDepthLead) + std::to_string(depth) +
                      forms::LoadResString(kColorDepthTail) + "\n" +
                      forms::LoadResString(kColorDepthSupported),
                  forms::vbCritical);
}

// Every line in the start-up font, sized from the font table as every later change of height,
// font or Start Over sizes it: the same message lays out the same from the first keystroke.
void frmMain::ResetLineFormats() {
    const FontRecord& font = FontTable(kStartFont);
    for (vb::Integer i = 0; i <= kLastMessageLine; ++i) {
        LineFormat& format = lines_.LineFormats[static_cast<size_t>(i)];
        format.FontName = font.Name;
        format.Bold = format.Italic = format.Underline = vb::False;
        format.FontSize = font.Size;
        format.FontRows = font.Height;
        format.PixelFont = vb::True;
        format.Align = kAlignCentre;
        lines_.SavedLineHeight[static_cast<size_t>(i)] = kStartLineHeight;
        if (i <= kLastSizedLine) HSLine(i).SetValue(kStartLineHeight);
        if (i == 0) continue;
        if (i <= kLastSizedLine) HSLine(i).SetVisible(false);
        txtZomelText(i).SetVisible(false);
        LblCharHeight(i).SetVisible(false);
    }
}

void frmMain::Form_Activate() {
    vb::OnError([] { ReportError(forms::LoadResString(kActivateLabel)); })(
        [this] { txtModel->SetText(TheSign().ModelNumber()); });
}

void frmMain::Form_KeyPress(vb::Integer& KeyAscii) {
    if (KeyAscii != kEnter || tabCreate->SelectedIndex() != 1) return;
    vb::Integer next = 0;
    if (CurrentLine < kLastSizedLine &&
        txtZomelText(static_cast<vb::Integer>(CurrentLine + 1)).Visible())
        next = static_cast<vb::Integer>(CurrentLine + 1);
    txtZomelText(next).SetFocus();
}

void frmMain::Form_Resize() {
    // Minimised, or smaller than the rule's offsets: the rule would give negative sizes.
    if (WindowState() == forms::vbMinimized || ScaleWidth() < kWarningLeftOfTabEnd ||
        ScaleHeight() < kWarningAbove)
        return;
    tabCreate->SetWidth(ScaleWidth());
    for (vb::Long i = 1; i <= tabCreate->Tabs().Count(); ++i)
        Frame(PageOfTab(i)).SetWidth(ScaleWidth() - kPageMargin);
    if (Width() > kSignsListRoom) lstSigns->SetWidth(Width() - kSignsListRoom);
    PlaceWarning(*this);
}

void frmMain::Form_Unload(vb::Integer&) {
    vb::OnError step([] { LogError("Main-Unload"); });
    step([this] {
        std::vector<forms::Form*> open = forms::LoadedForms();
        for (auto it = open.rbegin(); it != open.rend(); ++it)
            if (*it != this) (*it)->Unload();
    });
    step([this] { SavePlacement(); });
    step([] { gMapParts.reset(); });
    step([this] { TraceExit(); });
}

// Only a normal window's placement is kept: a maximised or minimised one would come back
// so at the next start.
void frmMain::SavePlacement() {
    if (WindowState() != forms::vbNormal) return;
    const std::string& app = forms::App().Title;
    os::SaveSetting(app, kSettingsSection, "MainLeft", vb::CStr(Left()));
    os::SaveSetting(app, kSettingsSection, "MainTop", vb::CStr(Top()));
    os::SaveSetting(app, kSettingsSection, "MainWidth", vb::CStr(Width()));
    os::SaveSetting(app, kSettingsSection, "MainHeight", vb::CStr(Height()));
}

}  // namespace zomel
