#pragma once

#include "core/ProgramForm.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/Ref.h"
#include "platform/forms/TreeView.h"
#include "platform/vb/Types.h"

namespace zomel {

struct OptionRecord;

// The options tree ("Sign Options"): the option rows of the catalogue as a tree with check
// boxes, rebuilt at each opening.  Checking and unchecking nodes applies the catalogue's
// selection rules; the choices are the rows' Checked flags, which the estimate prices.  The
// estimate window opens it modally; a build that fails sets the price load's error flag.
class frmChooser : public ProgramForm {
public:
    frmChooser();

    forms::Ref<forms::TreeView> tvOption{*this, "tvOption"};
    forms::Ref<forms::CommandButton> cmdDone{*this, "cmdDone"};
    forms::Ref<forms::CommandButton> cmdClear{*this, "cmdClear"};
    forms::Ref<forms::CommandButton> cmdSolar{*this, "cmdSolar"};

    // Runs after the tree view has changed the node's check box.
    void tvOption_NodeCheck(forms::Node& Node);
    void tvOption_DblClick();
    void tvOption_KeyPress(vb::Integer& KeyAscii);
    void cmdDone_Click();
    void cmdClear_Click();
    void cmdSolar_Click();

protected:
    void Window_Load() override;
    void Form_Resize() override;
    void Form_QueryUnload(vb::Integer& Cancel, vb::Integer UnloadMode) override;

private:
    // The check rules, by the kind of row the node shows.
    void NodeWithoutRow(forms::Node& node);
    void RowFollowsNode(const forms::Node& node, vb::Integer t);
    void RowChecked(forms::Node& node, vb::Integer t);
    void RowUnchecked(forms::Node& node, vb::Integer t);
    void PresetChosen();
    void SetMemberChosen(vb::Integer t);
    void KitContents(vb::Integer t);
    void PartnerRow(forms::Node& node, vb::Integer t);
    void SolarRows(vb::Integer t, bool chosen);
    void PairedSet(forms::Node& node, bool chosen);
    void VersionNotice(vb::Integer t);

    // The rows the rules walk: after the preset row, as far as the tree's nodes reach.
    vb::Integer ScanEnd() const;
    // Each node's check mark shows its row's flag; a kit's contents show their kit's.
    void ShowChecks();
    void ShowSolarWindow();
    // The row a node shows (its tag); 0 for nodes that show none.
    static vb::Integer RowOf(const forms::Node& node);
    // The row of a solar option, 0 when the catalogue has none.
    static vb::Integer SolarRow(const vb::Variant& index);
    static bool IsSolarRow(const OptionRecord& row);
};

}  // namespace zomel
