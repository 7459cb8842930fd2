#pragma once

#include <optional>
#include <string>

#include "core/Catalogue.h"
#include "core/OptionRecord.h"
#include "platform/vb/ObjectVar.h"
#include "platform/vb/Types.h"

namespace forms {
class Node;
class TreeView;
}  // namespace forms

namespace zomel {

// Builds the options tree from the option table: groups of packages, packages, sets of
// alternatives, kits with their contents, the preset option with its kit items and the second
// copies of its sets, and single options; each row's node checked as the row is chosen.  The
// preset package's sets take their default choice while the tree is built.  A failure raises
// the language's error and leaves the tree as far as it came; Step and Trace say where.
class OptionTreeBuild {
public:
    // What the build goes by besides the option table.
    struct Inputs {
        bool Zomel2Mode = false;           // the sign's modules are of generation 2
        vb::Integer PresetFirstIndex = 0;  // the preset row for generation 1
        vb::Integer PresetNextIndex = 0;   // its generation-2 twin
        vb::Integer PresetPackage = 0;     // the preset row's package
    };

    OptionTreeBuild(forms::TreeView& tree, Table<OptionRecord, 1, kMaxOptions>& options,
                    const Inputs& inputs);

    void Run();

    vb::Integer Step() const { return step_; }
    const std::string& Trace() const { return trace_; }
    // The preset row in force for the sign's generation, known before the build starts.
    vb::Integer PresetOptionIndex() const { return presetOption_; }
    // The solar rows met so far, by their option index.
    std::optional<vb::Integer> BatteryOption() const { return batteryOption_; }
    std::optional<vb::Integer> PanelOption() const { return panelOption_; }

private:
    void PackageRow(vb::Integer i);
    void StartPackage(const OptionRecord& row);
    void SetRow(vb::Integer i);
    void SetMember(vb::Integer i);
    void PresetDefaultChoice(vb::Integer i);
    void PresetKitItem(vb::Integer i);
    void GroupedRow(vb::Integer i);
    void KitRow(vb::Integer i, bool cabinet);

    // A set node opened at the top level when `set` differs from the current set.
    void OpenSet(vb::Integer set, const std::string& caption);
    // Adds row i's node as `relationship` to the node keyed `relative`, showing `name`.
    forms::Node& AddRow(const std::string& relative, vb::Integer relationship,
                        const std::string& key, vb::Integer i, const std::string& name,
                        vb::Integer width);
    // Records row i's second node: each of the two rows names the other's node.
    void Partner(vb::Integer i, const forms::Node& node);
    void Note(vb::Integer step, std::string trace) {
        step_ = step;
        trace_ = std::move(trace);
    }
    bool PresetChecked() const;

    forms::TreeView& tree_;
    Table<OptionRecord, 1, kMaxOptions>& options_;
    const Inputs inputs_;
    vb::Integer presetOption_ = 0;
    std::optional<vb::Integer> batteryOption_;
    std::optional<vb::Integer> panelOption_;
    // A damaged catalogue can name a package, set or kit before there is one: using the
    // node then raises error 91 to the build's handler.
    vb::ObjectVar<forms::Node> groupNode_;   // the current group of packages
    vb::ObjectVar<forms::Node> parentNode_;  // the current package, set or kit
    vb::Integer iPkg_ = 0;
    vb::Integer iGroup_ = 0;
    vb::Integer iSet_ = 0;
    std::string sPrice_;  // the price label of the row being added
    vb::Integer cabinetKitRow_ = 0;
    vb::Integer step_ = 0;
    std::string trace_;
};

}  // namespace zomel
