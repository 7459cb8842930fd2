// The options tree's selection rules: what a person's check or uncheck of a node does to the
// rows and to the estimate window, the Clear and Solar buttons, the solar window from the
// tree, and the preset's kit items chosen on closing.
#include <algorithm>

#include "catalogue/Generation.h"
#include "catalogue/frmChooser.h"
#include "catalogue/frmSolar.h"
#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/PartNumbers.h"
#include "core/PriceLoad.h"
#include "core/Sign.h"
#include "estimate/frmOrder.h"
#include "platform/forms/Host.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Long kGeneration1Notice = 10322;
constexpr vb::Long kGeneration2Notice = 10323;
constexpr vb::Integer kSolarKey = 61;  // "="

frmOrder& Estimate() {
    return forms::Instance<frmOrder>();
}

bool IsPresetRow(vb::Integer t) {
    return PresetOptionIndex >= 1 && PresetOptionIndex <= kMaxOptions && t == PresetOptionIndex;
}

vb::Integer ScanStart() {
    return static_cast<vb::Integer>(std::max<vb::Long>(PresetOptionIndex + 1, 1));
}

// Sets whose first and last member go together: "TQX " and the "QZ8" family.
bool IsPairedSetCaption(const std::string& caption) {
    return caption == kPairedSetCaption || caption.starts_with(kAltPartsFamilyPrefix);
}

}  // namespace

vb::Integer frmChooser::ScanEnd() const {
    const vb::Long end = tvOption->Count() - GroupCount;
    return static_cast<vb::Integer>(std::clamp<vb::Long>(end, 0, kMaxOptions));
}

vb::Integer frmChooser::RowOf(const forms::Node& node) {
    if (node.Tag().IsEmpty()) return 0;
    const vb::Integer t = vb::CInt(node.Tag());
    return t >= 1 && t <= kMaxOptions ? t : 0;
}

vb::Integer frmChooser::SolarRow(const vb::Variant& index) {
    if (index.IsEmpty()) return 0;
    const vb::Integer row = vb::CInt(index);
    return row >= 1 && row <= kMaxOptions ? row : 0;
}

bool frmChooser::IsSolarRow(const OptionRecord& row) {
    return row.PartNo == kSolarPanelPartNo || row.PartNo == kSolarBatteryPartNo;
}

void frmChooser::tvOption_NodeCheck(forms::Node& Node) {
    vb::OnError report([this] { ReportError(std::string(TraceLabel()) + " Node Check"); });
    report([&] {
        const vb::Integer t = RowOf(Node);
        if (t == 0) return NodeWithoutRow(Node);
        RowFollowsNode(Node, t);
        if (Node.Checked())
            RowChecked(Node, t);
        else
            RowUnchecked(Node, t);
    });
    report([&] { ShowChecks(); });
}

// A group, package or set node chooses nothing, except the paired set "TQX ", whose first
// and last member follow it.
void frmChooser::NodeWithoutRow(forms::Node& node) {
    const bool paired = node.Text() == kPairedSetCaption;
    if (!paired) {
        if (node.Checked()) forms::CurrentHost().Beep();
        return;
    }
    forms::Node* first = node.Child();
    if (!first) return;
    for (forms::Node* member : {first, first->LastSibling()})
        if (const vb::Integer row = RowOf(*member))
            gOptions(row).Checked = vb::Flag(node.Checked());
}

// The row is chosen as its node is; the cabinet kit's choice goes to the estimate window too.
void frmChooser::RowFollowsNode(const forms::Node& node, vb::Integer t) {
    OptionRecord& row = gOptions(t);
    row.Checked = vb::Flag(node.Checked());
    if (IsCabinetPlaceholder(row)) Estimate().CabinetOption = row.Checked;
}

void frmChooser::RowChecked(forms::Node& node, vb::Integer t) {
    const OptionRecord& row = gOptions(t);
    if (IsPresetRow(t)) {
        PresetChosen();
    } else if (row.TreeSet > 0) {
        SetMemberChosen(t);
    } else if (row.Info == "TOP") {
        KitContents(t);
    } else {
        PartnerRow(node, t);
        SolarRows(t, true);
        PairedSet(node, true);
    }
    VersionNotice(t);
}

void frmChooser::RowUnchecked(forms::Node& node, vb::Integer t) {
    const OptionRecord& row = gOptions(t);
    if (row.Info == "KIT") {
        // Without one of its items the preset is no longer whole.
        if (!IsPresetRow(t) && PresetOptionIndex >= 1 && PresetOptionIndex <= kMaxOptions)
            gOptions(PresetOptionIndex).Checked = vb::False;
    } else if (row.TreeSet > 0) {
        // Its second node follows the row.
    } else if (row.Info == "TOP") {
        KitContents(t);
    } else {
        PartnerRow(node, t);
        SolarRows(t, false);
        PairedSet(node, false);
    }
}

// The preset brings the kit items of its package for the module generation in use; within a
// set, the kit's item is the choice.
void frmChooser::PresetChosen() {
    const vb::Integer end = ScanEnd();
    for (vb::Integer j = ScanStart(); j <= end; ++j) {
        OptionRecord& item = gOptions(j);
        if (item.Info != "KIT") continue;
        if (ForOtherGeneration(item)) {
            item.Checked = vb::False;
            continue;
        }
        item.Checked = vb::True;
        if (item.TreeSet <= 0) continue;
        for (vb::Integer k = ScanStart(); k <= end; ++k)
            if (k != j && gOptions(k).TreeSet == item.TreeSet) gOptions(k).Checked = vb::False;
    }
}

// A set keeps one choice: the other parts of the set are no longer chosen.
void frmChooser::SetMemberChosen(vb::Integer t) {
    const OptionRecord& row = gOptions(t);
    const vb::Integer end = ScanEnd();
    for (vb::Integer j = ScanStart(); j <= end; ++j) {
        OptionRecord& other = gOptions(j);
        if (j != t && other.PartNo != row.PartNo && other.TreeSet == row.TreeSet)
            other.Checked = vb::False;
    }
}

// A kit is priced as one: its contents are not chosen on their own, checked or not.
void frmChooser::KitContents(vb::Integer t) {
    const vb::Integer package = gOptions(t).Package;
    const vb::Integer end = ScanEnd();
    for (vb::Integer j = t + 1; j <= end; ++j)
        if (gOptions(j).Package == package) gOptions(j).Checked = vb::False;
}

// A part shown twice (the same part in two packages) is chosen once: the other row goes.
void frmChooser::PartnerRow(forms::Node& node, vb::Integer t) {
    const vb::Integer partner = gOptions(t).tvCloneIndex;
    if (partner <= 0 || partner > tvOption->Count() || partner == node.Index()) return;
    if (const vb::Integer row = RowOf(tvOption->Item(partner))) gOptions(row).Checked = vb::False;
}

// Panels and batteries go together; choosing them opens the solar sizing.  A catalogue without
// both solar rows leaves this rule out.
void frmChooser::SolarRows(vb::Integer t, bool chosen) {
    const OptionRecord& row = gOptions(t);
    if (!IsSolarRow(row)) return;
    const vb::Integer panel = SolarRow(gPriceLoad.PanelOption);
    const vb::Integer battery = SolarRow(gPriceLoad.BatteryOption);
    if (panel == 0 || battery == 0) return;
    gOptions(row.PartNo == kSolarBatteryPartNo ? panel : battery).Checked = vb::Flag(chosen);
    if (chosen) {
        ShowChecks();
        ShowSolarWindow();
        cmdSolar->SetVisible(true);
    } else {
        Estimate().BatteryCount = vb::Long{0};
        Estimate().PanelCount = vb::Long{0};
        cmdSolar->SetVisible(false);
    }
}

// In a paired set the last member goes with whichever other member changes, and the "QZ8"
// family asks for the alternative part numbers.
void frmChooser::PairedSet(forms::Node& node, bool chosen) {
    const forms::Node* set = node.Parent();
    if (!set || !IsPairedSetCaption(set->Text())) return;
    if (set->Text().starts_with(kAltPartsSetPrefix)) Estimate().AltPartsFlag = vb::Flag(chosen);
    forms::Node* other = &node == node.LastSibling() ? node.FirstSibling() : node.LastSibling();
    if (const vb::Integer row = RowOf(*other)) gOptions(row).Checked = vb::Flag(chosen);
}

void frmChooser::VersionNotice(vb::Integer t) {
    const OptionRecord& row = gOptions(t);
    if (!ForOtherGeneration(row, gSign->Zomel2() != 0)) return;
    const vb::Long notice = row.ZomelVersion == 1 ? kGeneration1Notice : kGeneration2Notice;
    forms::MsgBox(forms::LoadResString(notice), forms::vbOKOnly);
}

void frmChooser::ShowChecks() {
    forms::TreeView& tree = *tvOption;
    for (vb::Long n = 1; n <= tree.Count(); ++n) {
        forms::Node& node = tree.Item(n);
        if (const vb::Integer t = RowOf(node)) {
            node.SetChecked(gOptions(t).Checked != 0);
        } else if (node.Key().starts_with("OPT") && node.Parent()) {
            if (const vb::Integer kit = RowOf(*node.Parent()))
                node.SetChecked(gOptions(kit).Checked != 0);
        }
    }
}

void frmChooser::ShowSolarWindow() {
    forms::Instance<frmSolar>().Show(forms::ShowStyle::Modal, this);
}

void frmChooser::tvOption_DblClick() {
    const forms::Node* node = tvOption->SelectedItem();
    if (!node) return;
    const vb::Integer t = RowOf(*node);
    if (t > 0 && IsSolarRow(gOptions(t)) && gOptions(t).Checked) ShowSolarWindow();
}

void frmChooser::tvOption_KeyPress(vb::Integer& KeyAscii) {
    if (KeyAscii == kSolarKey) tvOption_DblClick();
}

void frmChooser::cmdSolar_Click() {
    ShowSolarWindow();
}

// Every row of the table and every node, with what the rules told the estimate window.
void frmChooser::cmdClear_Click() {
    for (OptionRecord& row : gOptions)
        row.Checked = vb::False;
    forms::TreeView& tree = *tvOption;
    for (vb::Long n = 1; n <= tree.Count(); ++n)
        tree.Item(n).SetChecked(false);
    frmOrder& estimate = Estimate();
    estimate.BatteryCount = vb::Long{0};
    estimate.PanelCount = vb::Long{0};
    estimate.AltPartsFlag = vb::False;
    estimate.CabinetOption = vb::False;
    cmdSolar->SetVisible(false);
}

// The preset chosen brings all its kit items for the generation in use.
void frmChooser::Form_QueryUnload(vb::Integer&, vb::Integer) {
    if (!IsPresetRow(PresetOptionIndex) || !gOptions(PresetOptionIndex).Checked) return;
    const vb::Integer end = ScanEnd();
    for (vb::Integer j = ScanStart(); j <= end; ++j) {
        OptionRecord& item = gOptions(j);
        if (item.Info == "KIT" && !ForOtherGeneration(item)) item.Checked = vb::True;
    }
}

}  // namespace zomel
