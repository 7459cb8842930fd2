#include "catalogue/frmSolar.h"

#include <cmath>
#include <optional>
#include <string>

#include "catalogue/engine/SolarMonth.h"
#include "core/Globals.h"
#include "core/ModuleFigures.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "estimate/frmOrder.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"

namespace zomel {
namespace {

constexpr vb::Long kAtLeastOneBatteryId = 11201;

constexpr vb::Integer kKeyS = 83;

// The figures the sizing starts from while the extra controls are hidden.
constexpr vb::Single kDaysNeeded = 21.4f;
constexpr vb::Single kHoursOn = 18.0f;
constexpr vb::Integer kRechargePercent = 25;

constexpr vb::Long kHighDensityPixels = kHighDensityLedsLong * kHighDensityLedsShort;
constexpr vb::Single kHighDensityPixelLoad = 0.032f;
constexpr vb::Long kStandardPixels = kStandardLedsLong * kStandardLedsShort;
constexpr vb::Single kStandardPixelLoad = 0.02f;

// The share of lit pixels of the three fixed power choices; the fourth is the message's own.
constexpr vb::Long kPowerPercents[] = {25, 30, 37};
constexpr vb::Integer kCurrentText = 3;

// The estimate prices the counts as 16-bit integers: a larger count could not be priced.
constexpr vb::Long kMaxCount = 32767;

// A count box's text as a whole count (halves to even), or nothing when the text is not a
// number as a whole or the count is out of the range the estimate can price.
std::optional<vb::Long> CountIn(const std::string& text) {
    double value = 0;
    if (!vb::ParseNumber(text, value) || !std::isfinite(value)) return std::nullopt;
    if (std::fabs(value) > kMaxCount) return std::nullopt;
    return vb::CLng(value);
}

frmOrder& Order() {
    return forms::Instance<frmOrder>();
}

bool Unlocked() {
    return MainForm->SolarUnlocked != vb::False;
}

vb::Long MeasuredPercent() {
    return vb::CLng(double{MainForm->MeasuredPercent});
}

}  // namespace

frmSolar::frmSolar() : ProgramForm("frmSolar") {
    On("optCity", "Click", [this](auto& c, auto&) { optCity_Click(c.Index()); });
    On("optPower", "Click", [this](auto& c, auto&) { optPower_Click(c.Index()); });
    On("txtBats", "Change", [this](auto&, auto&) { txtBats_Change(); });
    On("txtPanels", "Change", [this](auto&, auto&) { txtPanels_Change(); });
    On("lblOut", "Click", [this](auto& c, auto&) { lblOut_Click(c.Index()); });
    On("UpDownDays", "Change", [this](auto&, auto&) { UpDownDays_Change(); });
    On("UpDownHours", "Change", [this](auto&, auto&) { UpDownHours_Change(); });
    On("UpDownRecharge", "Change", [this](auto&, auto&) { UpDownRecharge_Change(); });
    On("cmdSuggest", "Click", [this](auto&, auto&) { cmdSuggest_Click(); });
    On("cmdOk", "Click", [this](auto&, auto&) { Unload(); });
}

// Each opening works from the current sign and ends with the suggested counts.
void frmSolar::Window_Load() {
    ModuleCount = vb::Long{gSign->XZomelCount()} * gSign->YZomelCount();
    ShowExtraControls(Unlocked());
    if (Unlocked()) {
        ShowKeptFigures();
    } else {
        DaysNeeded = kDaysNeeded;
        HoursOn = kHoursOn;
        RechargePercent = kRechargePercent;
    }
    const bool high = MainForm->HighDensity != vb::False;
    PixelLoad = high ? kHighDensityPixelLoad : kStandardPixelLoad;
    PixelsPerModule = high ? kHighDensityPixels : kStandardPixels;
    FixedLoad = 0.84f;
    ModuleLoad = 0.06f;
    Batteries = 1;
    optCity(static_cast<vb::Integer>(MainForm->SolarCity)).SetValue(true);
    vb::Integer power = kCurrentText;
    for (vb::Integer i = 0; i < kCurrentText; ++i)
        if (MainForm->SolarPercent == kPowerPercents[i]) power = i;
    optPower(power).SetValue(true);
    forms::Screen().SetMousePointer(forms::vbDefault);
    if (Unlocked()) LoadPowerCaptions();
    cmdSuggest_Click();
}

SolarLoad frmSolar::Figures() const {
    return SolarLoad{ModuleCount, PixelsPerModule, PixelLoad, ModuleLoad,
                     FixedLoad,   HoursOn,         DaysNeeded};
}

void frmSolar::CalcSolarBalance() {
    NotEnough = vb::False;
    const SolarBalance balance =
        BalanceMonths(Figures(), MainForm->SolarPercent, static_cast<int>(MainForm->SolarCity),
                      Panels, Batteries);
    LitPixels = balance.LitPixels;
    NotEnough = vb::Flag(balance.NotEnough);
    MonthRate = balance.MonthRate;
    ShowSolarMonths();
}

// The report runs twelve months from StartMonth, each starting where the one before ended.
void frmSolar::ShowSolarMonths() {
    vb::Single level = kFullLevel;
    int m = StartMonth;
    for (int written = 0; written < kSolarMonths; ++written) {
        const SolarMonth month = ReportMonth(level, DaysInMonth(m), MonthRate[m], RechargePercent);
        lblOut(static_cast<vb::Integer>(m))
            .SetCaption(written == 0 ? month.Caption + " start" : month.Caption);
        level = month.EndLevel;
        m = (m + 1) % kSolarMonths;
    }
}

void frmSolar::LoadPowerCaptions() {
    if (Unlocked()) {
        optPower(0).SetCaption("General text or " + vb::CStr(kPowerPercents[0]) + "%");
        optPower(1).SetCaption("Many pixels on or " + vb::CStr(kPowerPercents[1]) + "%");
        optPower(2).SetCaption("Power to spare or " + vb::CStr(kPowerPercents[2]) + "%");
        optPower(3).SetCaption("Current text has " + vb::CStr(MeasuredPercent()) + "%");
    } else {
        optPower(0).SetCaption("General text");
        optPower(1).SetCaption("Many pixels on");
        optPower(2).SetCaption("Power to spare");
        optPower(3).SetCaption("Current text");
    }
}

// The smallest pair of the progression (2, 1), (4, 2), (6, 3), ... batteries and panels for
// which no month empties the bank too soon.  Each count goes through its box, whose change
// handling takes it and passes it to the estimate.  Every insolation is above 0, so the loop
// ends; it also ends at the largest pair the boxes can hold.
void frmSolar::cmdSuggest_Click() {
    Batteries = 2;
    Panels = 1;
    for (;;) {
        txtBats->SetText(vb::CStr(Batteries));
        txtPanels->SetText(vb::CStr(Panels));
        CalcSolarBalance();
        if (NotEnough == vb::False || Batteries + 2 > kMaxCount) break;
        Batteries += 2;
        Panels += 1;
    }
}

// A count below one battery is refused and the previous count stays in force; a text that is
// no count becomes "1", which this handling then takes.
void frmSolar::txtBats_Change() {
    const std::string text = txtBats->Text();
    const std::optional<vb::Long> count = CountIn(text);
    if (vb::Val(text) >= 1 && count) {
        Batteries = *count;
        CalcSolarBalance();
        Order().BatteryCount = vb::Variant(Batteries);
        return;
    }
    forms::MsgBox(forms::LoadResString(kAtLeastOneBatteryId), forms::vbOKOnly);
    if (!count) txtBats->SetText("1");
}

// A negative count is ignored; a text that is no count becomes "0", which this handling then
// takes.
void frmSolar::txtPanels_Change() {
    const std::string text = txtPanels->Text();
    if (vb::Val(text) < 0) return;
    const std::optional<vb::Long> count = CountIn(text);
    if (!count) {
        txtPanels->SetText("0");
        return;
    }
    Panels = *count;
    CalcSolarBalance();
    Order().PanelCount = vb::Variant(Panels);
}

void frmSolar::optCity_Click(vb::Integer Index) {
    MainForm->SolarCity = Index;
    CalcSolarBalance();
}

void frmSolar::optPower_Click(vb::Integer Index) {
    MainForm->SolarPercent = Index < kCurrentText ? kPowerPercents[Index] : MeasuredPercent();
    CalcSolarBalance();
}

void frmSolar::lblOut_Click(vb::Integer Index) {
    StartMonth = Index;
    ShowSolarMonths();
}

// The new figure applies from the next balance.
void frmSolar::UpDownDays_Change() {
    const vb::Integer value = UpDownDays->Value();
    if (!showingFigures_) DaysNeeded = value;
    lblDays->SetCaption(vb::CStr(vb::Long{value}) + " days");
}

void frmSolar::UpDownHours_Change() {
    const vb::Integer value = UpDownHours->Value();
    if (!showingFigures_) HoursOn = value;
    lblHours->SetCaption(vb::CStr(vb::Long{value}) + " hours");
    SetCaption("Solar Panels and Batteries " + vb::CStr(vb::Long{value}) + " hour days");
}

// The month rates stay; only the report is drawn again.
void frmSolar::UpDownRecharge_Change() {
    const vb::Integer value = UpDownRecharge->Value();
    lblRecharge->SetCaption("Recharge at " + vb::CStr(vb::Long{value}) + "%");
    if (showingFigures_) return;
    RechargePercent = value;
    ShowSolarMonths();
}

void frmSolar::ShowExtraControls(bool shown) {
    UpDownDays->SetVisible(shown);
    UpDownHours->SetVisible(shown);
    UpDownRecharge->SetVisible(shown);
    if (!shown) {
        lblDays->SetCaption("");
        lblHours->SetCaption("");
        lblRecharge->SetCaption("");
        return;
    }
    lblDays->SetCaption(vb::CStr(vb::Long{UpDownDays->Value()}) + " days");
    lblHours->SetCaption(vb::CStr(vb::Long{UpDownHours->Value()}) + " hours");
    lblRecharge->SetCaption("Recharge at " + vb::CStr(vb::Long{UpDownRecharge->Value()}) + "%");
}

// The controls open at their design values; they are set to the figures kept from the last
// use, so that what they show is what the sizing works with.  A figure the controls never set
// (the 21.4 days of the start) shows as its whole number and is kept as it is.
void frmSolar::ShowKeptFigures() {
    showingFigures_ = true;
    auto show = [](forms::UpDown& control, vb::Single figure) {
        const vb::Long value = vb::CLng(double{figure});
        if (value >= control.Min() && value <= control.Max())
            control.SetValue(static_cast<vb::Integer>(value));
    };
    show(*UpDownDays, DaysNeeded);
    show(*UpDownHours, HoursOn);
    show(*UpDownRecharge, RechargePercent);
    showingFigures_ = false;
}

void frmSolar::Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) {
    if (KeyCode != kKeyS || Shift != forms::vbAltMask) return;
    MainForm->SolarUnlocked = vb::Flag(!Unlocked());
    LoadPowerCaptions();
    ShowExtraControls(Unlocked());
    CalcSolarBalance();
}

}  // namespace zomel
