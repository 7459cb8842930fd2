#pragma once

#include <array>
#include <cstdint>

#include "catalogue/engine/SolarBalance.h"
#include "core/ProgramForm.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/RangeControl.h"
#include "platform/forms/Ref.h"
#include "platform/forms/TextBox.h"
#include "platform/vb/Types.h"

namespace zomel {

// The solar sizing window: for a sample city it balances the panels' daily charge against the
// sign's daily draw month by month, reports how the battery level runs through the year, and
// suggests the smallest panel and battery counts for which no month empties the bank too
// soon.  The counts in its boxes go to the estimate window.  Other windows only show it,
// modally; its figures outlive a closing, as the window object does.
class frmSolar : public ProgramForm {
public:
    frmSolar();

    forms::ArrayRef<forms::OptionButton> optCity{*this, "optCity"};
    forms::ArrayRef<forms::OptionButton> optPower{*this, "optPower"};
    forms::Ref<forms::TextBox> txtPanels{*this, "txtPanels"};
    forms::Ref<forms::TextBox> txtBats{*this, "txtBats"};
    forms::ArrayRef<forms::Label> lblOut{*this, "lblOut"};
    forms::Ref<forms::Label> lblMonths{*this, "lblMonths"};
    forms::Ref<forms::UpDown> UpDownDays{*this, "UpDownDays"};
    forms::Ref<forms::UpDown> UpDownHours{*this, "UpDownHours"};
    forms::Ref<forms::UpDown> UpDownRecharge{*this, "UpDownRecharge"};
    forms::Ref<forms::Label> lblDays{*this, "lblDays"};
    forms::Ref<forms::Label> lblHours{*this, "lblHours"};
    forms::Ref<forms::Label> lblRecharge{*this, "lblRecharge"};
    forms::Ref<forms::CommandButton> cmdSuggest{*this, "cmdSuggest"};
    forms::Ref<forms::CommandButton> cmdOk{*this, "cmdOk"};

protected:
    void Window_Load() override;
    void Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;

private:
    void CalcSolarBalance();
    void ShowSolarMonths();
    void LoadPowerCaptions();
    void cmdSuggest_Click();
    void txtBats_Change();
    void txtPanels_Change();
    void optCity_Click(vb::Integer Index);
    void optPower_Click(vb::Integer Index);
    void lblOut_Click(vb::Integer Index);
    void UpDownDays_Change();
    void UpDownHours_Change();
    void UpDownRecharge_Change();

    // The three up-down controls and their labels, shown or hidden with the extra controls.
    void ShowExtraControls(bool shown);
    // The up-down controls take the figures kept from the last use, without changing them.
    void ShowKeptFigures();
    SolarLoad Figures() const;

    vb::Long ModuleCount = 0;
    vb::Long PixelsPerModule = 35;
    vb::Single PixelLoad = 0.02f;
    vb::Single ModuleLoad = 0.06f;
    vb::Single FixedLoad = 0.84f;
    vb::Single DaysNeeded = 21.4f;
    vb::Single HoursOn = 18.0f;
    vb::Integer RechargePercent = 25;
    vb::Long Batteries = 1;
    vb::Long Panels = 0;
    std::int64_t LitPixels = 0;
    vb::Integer NotEnough = vb::False;
    vb::Integer StartMonth = 0;
    std::array<vb::Single, kSolarMonths> MonthRate{};
    // Set while the opening puts the kept figures into the up-down controls.
    bool showingFigures_ = false;
};

}  // namespace zomel
