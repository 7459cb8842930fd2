// The units window itself: its opening, the three unit groups and Apply, OK and Cancel.
#include "catalogue/frmOptions.h"
#include "core/Globals.h"
#include "core/MessageLines.h"
#include "core/Sign.h"
#include "editor/frmMain.h"

namespace zomel {

frmOptions::frmOptions() : ProgramForm("frmOptions") {
    On("cmdApply", "Click", [this](auto&, auto&) { cmdApply_Click(); });
    On("cmdOk", "Click", [this](auto&, auto&) { cmdOk_Click(); });
    On("cmdCancel", "Click", [this](auto&, auto&) { cmdCancel_Click(); });
    for (const char* group : {"OptWeight", "OptHeight", "OptCharHeight"})
        On(group, "Click", [this](auto&, auto&) { cmdApply->SetEnabled(true); });
}

void frmOptions::Window_Load() {
    SelectUnit(OptWeight, gSign->WeightUnit(), {{"kg", 0}, {"lbs", 1}});
    SelectUnit(OptHeight, gSign->LengthUnit(), {{"m", 2}, {"cm", 0}, {"ft", 1}, {"in", 3}});
    SelectUnit(OptCharHeight, gSign->CharSizeUnit(), {{"pix", 2}, {"in", 1}, {"cm", 0}});
    // Selecting a button counts as a click on it: Apply is disabled after the selections.
    cmdApply->SetEnabled(false);
}

void frmOptions::SelectUnit(const forms::ArrayRef<forms::OptionButton>& buttons,
                            const std::string& unit,
                            std::initializer_list<std::pair<const char*, vb::Integer>> choices) {
    for (const auto& [code, index] : choices) {
        if (unit == code) {
            buttons(index).SetValue(true);
            return;
        }
    }
}

void frmOptions::cmdApply_Click() {
    gSign->SetWeightUnit(OptWeight(0).Value() ? "kg" : "lbs");
    std::string length = "ft";
    if (OptHeight(0).Value())
        length = "cm";
    else if (OptHeight(3).Value())
        length = "in";
    else if (OptHeight(2).Value())
        length = "m";
    gSign->SetLengthUnit(length);
    std::string charSize = "pix";
    if (OptCharHeight(0).Value())
        charSize = "cm";
    else if (OptCharHeight(1).Value())
        charSize = "in";
    gSign->SetCharSizeUnit(charSize);
    cmdApply->SetEnabled(false);
    for (vb::Integer line = kLastMessageLine; line >= 0; --line)
        MainForm->HSLine_Change(line);
}

void frmOptions::cmdOk_Click() {
    cmdApply_Click();
    Unload();
}

void frmOptions::cmdCancel_Click() {
    Unload();
}

}  // namespace zomel
