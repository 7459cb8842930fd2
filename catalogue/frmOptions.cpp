#include "catalogue/frmOptions.h"

#include "core/Globals.h"
#include "core/Sign.h"
#include "core/SizeFilterTable.h"
#include "editor/frmMain.h"
#include "platform/forms/Constants.h"
#include "platform/forms/StringTable.h"

namespace zomel {

void frmOptions::LoadCharHigh() {
    MainForm->cbbHigh->Clear();
    MainForm->cbbWide->Clear();
    AddSizes(*MainForm->cbbHigh, HeightSizes());
}

void frmOptions::LoadCharWide() {
    MainForm->cbbWide->Clear();
    AddSizes(*MainForm->cbbWide, WidthSizes());
}

void frmOptions::LoadHighFilter() {
    forms::ComboBox& widths = *MainForm->cbbWide;
    widths.Clear();
    if (MainForm->chkHigh->Value() == forms::vbChecked)
        AddSizes(widths, PartnersOfChoice(*MainForm->cbbHigh, WidthsForHeight));
    widths.SetListIndex(static_cast<vb::Integer>(widths.ListCount() - 1));
}

void frmOptions::LoadWideFilter() {
    forms::ComboBox& heights = *MainForm->cbbHigh;
    heights.Clear();
    if (MainForm->chkWide->Value() == forms::vbChecked)
        AddSizes(heights, PartnersOfChoice(*MainForm->cbbWide, HeightsForWidth));
}

void frmOptions::AddSizes(forms::ComboBox& list, const std::vector<vb::Integer>& sizes) {
    // The string table has size texts in inches and centimetres only.
    const vb::Long base = SizeTextBase(gSign->CharSizeUnit());
    if (base == 0) return;
    for (vb::Integer size : sizes)
        list.AddItem(forms::LoadResString(base + size));
}

std::vector<vb::Integer> frmOptions::PartnersOfChoice(
    forms::ComboBox& from, std::vector<vb::Integer> (*partners)(vb::Integer)) {
    const vb::Long base = SizeTextBase(gSign->CharSizeUnit());
    const vb::Integer chosen = SizeIndex(SizeOfEntry(from.List(from.ListIndex())), base);
    return partners(chosen);
}

}  // namespace zomel
