#include "catalogue/engine/OptionTreeBuild.h"

#include <algorithm>

#include "catalogue/engine/OptionNodeText.h"
#include "core/Catalogue.h"
#include "core/CatalogueFields.h"
#include "core/PartNumbers.h"
#include "core/PresetRows.h"
#include "core/StringText.h"
#include "platform/forms/TreeView.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Long kBeforeClear = 10302;
constexpr vb::Long kBeforeRowWalk = 10303;
constexpr vb::Long kCommunicationGroup = 10304;
constexpr vb::Long kGroupWord = 10305;
constexpr vb::Long kAddGroupNode = 10306;
constexpr vb::Long kAndGroupName = 10307;
constexpr vb::Long kAddChildWherePkg = 10308;
constexpr vb::Long kAndPhoneName = 10309;
constexpr vb::Long kPhonePackage = 10310;
constexpr vb::Long kModemPackage = 10311;
constexpr vb::Long kAndChildName = 10312;
constexpr vb::Long kRelatedOptionsQuoted = 10313;
constexpr vb::Long kRelatedOptions = 10314;
constexpr vb::Long kAddChildWhereRow = 10315;
constexpr vb::Long kBeforePrice = 10316;
constexpr vb::Long kBeforePartner = 10317;
constexpr vb::Long kBeforeSplit = 10318;
constexpr vb::Long kAddSetNode = 10319;
constexpr vb::Long kAndName = 10320;
constexpr vb::Long kIsInKit = 10321;
constexpr vb::Long kCallVeldo = 10606;
constexpr vb::Long kNotApplicable = 10607;

constexpr vb::Integer kCommunication = 5;

std::string Number(vb::Long value) {
    return vb::CStr(value);
}

// The set caption before the first "-" (untrimmed) and the option's own text after it.
struct SetName {
    std::string caption;
    std::string option;
};

SetName SplitSetName(const std::string& name) {
    const vb::Long dash = vb::InStr(name, "-");
    if (dash == 0) vb::Raise(vb::err::kSubscriptOutOfRange, "No \"-\" in the set row " + name);
    return {vb::Left(name, dash - 1), vb::Trim(vb::Mid(name, dash + 1))};
}

}  // namespace

OptionTreeBuild::OptionTreeBuild(forms::TreeView& tree,
                                 Table<OptionRecord, 1, kMaxOptions>& options, const Inputs& inputs)
    : tree_(tree),
      options_(options),
      inputs_(inputs),
      presetOption_(
          PresetRowOf(inputs.Zomel2Mode, inputs.PresetFirstIndex, inputs.PresetNextIndex)) {}

void OptionTreeBuild::Run() {
    Note(1, Text(kBeforeClear));
    tree_.Clear();
    // Node indexes of an earlier build mean nothing now.
    for (OptionRecord& row : options_)
        row.tvIndex = row.tvCloneIndex = 0;
    Note(2, Text(kBeforeRowWalk));
    for (vb::Integer i = 1; i <= kMaxOptions; ++i) {
        OptionRecord& row = options_(i);
        sPrice_.clear();
        const bool cabinet = IsCabinetPlaceholder(row);
        if (row.PartNo.starts_with("000")) {
            if (row.PartNo == kCabinetPlaceholderPartNo) cabinetKitRow_ = i + 1;
            row.PartNo = "N/A";
        }
        if (row.Type == "OPTION-PKG") PackageRow(i);
        if (row.Type == "OPTION-SET") SetRow(i);
        if (row.Type == "OPTION-KIT") KitRow(i, cabinet);
    }
}

void OptionTreeBuild::PackageRow(vb::Integer i) {
    const OptionRecord& row = options_(i);
    // Row 2 is generation 2's only when the loader took it for the preset row's twin.
    if (IsOtherGenerationPresetRow(i, inputs_.Zomel2Mode) &&
        (inputs_.Zomel2Mode || inputs_.PresetNextIndex == kPresetTwinRow))
        return;
    if (row.Package != iPkg_) StartPackage(row);
    const vb::Integer width = row.Group > 0 ? kGroupMemberWidth : kOneDownWidth;
    Note(13, Text(kAddChildWhereRow) + Number(i) + Text(kAndChildName) + row.Name + "'");
    forms::Node& node =
        AddRow(parentNode_->Key(), forms::tvwChild, "OPT" + Number(i), i, row.Name, width);
    Note(5, Text(kBeforePrice) + row.Price + "'");
    if (row.Group > 0) Partner(i, node);
}

void OptionTreeBuild::StartPackage(const OptionRecord& row) {
    iPkg_ = row.Package;
    const std::string key = "OPTION-PKG" + Number(iPkg_);
    std::string text = row.Name + Text(kRelatedOptions);
    if (row.Group <= 0) {
        Note(12, Text(kAddChildWherePkg) + Number(iPkg_) + Text(kAndChildName) + row.Name +
                     Text(kRelatedOptionsQuoted));
        parentNode_ = tree_.Add("", forms::tvwLast, key, text);
        parentNode_->SetExpanded(true);
        return;
    }
    if (row.Group != iGroup_) {
        iGroup_ = row.Group;
        const std::string caption = iGroup_ == kCommunication ? Text(kCommunicationGroup)
                                                              : Text(kGroupWord) + Number(iGroup_);
        Note(3, Text(kAddGroupNode) + Number(iGroup_) + Text(kAndGroupName) + caption + "'");
        groupNode_ = tree_.Add("", forms::tvwLast, "OPTION-GRP" + Number(iGroup_), caption);
        groupNode_->SetExpanded(true);
    }
    if (row.PartNo == kPhonePackagePartNo) {
        Note(6, Text(kAddChildWherePkg) + Number(iPkg_) + Text(kAndPhoneName));
        text = Text(kPhonePackage);
    } else if (row.PartNo == kModemPackagePartNo) {
        Note(7, Text(kAddChildWherePkg) + Number(iPkg_) + Text(kModemPackage));
        text = Text(kModemPackage);
    } else {
        Note(10, Text(kAddChildWherePkg) + Number(iPkg_) + Text(kAndChildName) + row.Name +
                     Text(kRelatedOptionsQuoted));
    }
    parentNode_ = tree_.Add(groupNode_->Key(), forms::tvwChild, key, text);
    parentNode_->SetExpanded(true);
}

void OptionTreeBuild::SetRow(vb::Integer i) {
    OptionRecord& row = options_(i);
    if (catalogue::IsLayoutName(row.Info)) return;
    if (row.PartNo == kSolarPanelPartNo) sPrice_ = "Call VELDO";
    if (row.TreeSet > 0) return SetMember(i);
    const bool presetItem =
        row.Package == inputs_.PresetPackage && !IsPresetOptionRow(i, inputs_.PresetNextIndex);
    vb::ObjectVar<forms::Node> node;
    if (presetItem) {
        if (ForOtherGeneration(row, inputs_.Zomel2Mode)) return;
        PresetKitItem(i);
        node = AddRow("OPT" + Number(presetOption_), forms::tvwChild, "OPT" + Number(i), i,
                      row.Name, kOneDownWidth);
    } else if (row.Info == "GROUP") {
        GroupedRow(i);
        return;
    } else {
        if (IsOtherGenerationPresetRow(i, inputs_.Zomel2Mode)) return;
        node = AddRow("", forms::tvwLast, "OPT" + Number(i), i, row.Name, kTopLevelWidth);
    }
    // The preset option's own node stays closed.
    if (IsPresetRow(i)) node->SetExpanded(false);
}

void OptionTreeBuild::SetMember(vb::Integer i) {
    OptionRecord& row = options_(i);
    Note(9, Text(kBeforeSplit) + row.Name + "'");
    const SetName name = SplitSetName(row.Name);
    if (row.TreeSet != iSet_) OpenSet(row.TreeSet, name.caption);
    const bool inKit = row.Package == inputs_.PresetPackage;
    Note(16, Text(kAddChildWhereRow) + Number(i) + Text(kAndChildName) + name.option + "'");
    forms::Node& node = AddRow(parentNode_->Key(), forms::tvwChild, "OPT" + Number(i), i,
                               name.option + (inKit ? Text(kIsInKit) : ""), kOneDownWidth);
    if (!inKit) return;
    if (PresetChecked()) PresetDefaultChoice(i);
    node.SetChecked(row.Checked != 0);
    // The second copy under the preset option; the row's own node stays the first.
    const vb::Integer first = row.tvIndex;
    forms::Node& copy = AddRow("OPT" + Number(presetOption_), forms::tvwChild, "CLN" + Number(i), i,
                               row.Name, kOneDownWidth);
    row.tvIndex = first;
    copy.SetChecked(row.Checked != 0);
}

// With the preset option chosen, a set of the preset package keeps one choice: a row is chosen
// unless another row of its set (the one before it, the one after it) is.
void OptionTreeBuild::PresetDefaultChoice(vb::Integer i) {
    OptionRecord& row = options_(i);
    auto chosenInSet = [&](vb::Integer j) {
        return j >= 1 && j <= kMaxOptions && options_(j).TreeSet == row.TreeSet &&
               options_(j).Checked != 0;
    };
    row.Checked = vb::Flag(!chosenInSet(i - 1) && !chosenInSet(i + 1));
}

void OptionTreeBuild::PresetKitItem(vb::Integer i) {
    Note(18, trace_);
    if (PresetChecked()) options_(i).Checked = vb::True;
}

void OptionTreeBuild::GroupedRow(vb::Integer i) {
    const OptionRecord& row = options_(i);
    Note(9, Text(kBeforeSplit) + row.Name + "'");
    const SetName name = SplitSetName(row.Name);
    if (row.Package != iSet_) OpenSet(row.Package, name.caption);
    Note(16, Text(kAddChildWhereRow) + Number(i) + Text(kAndChildName) + name.option + "'");
    AddRow(parentNode_->Key(), forms::tvwChild, "OPT" + Number(i), i, name.option, kOneDownWidth);
    if (row.PartNo == kSolarBatteryPartNo) batteryOption_ = i;
    if (row.PartNo == kSolarPanelPartNo) panelOption_ = i;
}

void OptionTreeBuild::KitRow(vb::Integer i, bool cabinet) {
    const OptionRecord& row = options_(i);
    if (i == cabinetKitRow_ || cabinet) sPrice_ = Text(kCallVeldo);
    if (row.Info == "TOP") {
        iPkg_ = row.Package;
        Note(13, Text(kAddChildWhereRow) + Number(i) + Text(kAndChildName) + row.Name + "'");
        parentNode_ = AddRow("", forms::tvwLast, "OPT" + Number(i), i, row.Name, kTopLevelWidth);
    } else if (row.Info == "DETAIL") {
        sPrice_ = Text(kNotApplicable);
        Note(13, Text(kAddChildWhereRow) + Number(i) + Text(kAndChildName) + row.Name + "'");
        forms::Node& node = AddRow(parentNode_->Key(), forms::tvwChild, "OPT" + Number(i), i,
                                   row.Name, kOneDownWidth);
        // A kit's contents are not choices of their own: they follow their kit.
        node.SetTag(vb::Integer{0});
        node.SetChecked(parentNode_->Checked());
        if (row.TreeSet > 0) Partner(i, node);
    }
}

void OptionTreeBuild::OpenSet(vb::Integer set, const std::string& caption) {
    iSet_ = set;
    Note(15, Text(kAddSetNode) + Number(iSet_) + Text(kAndName) + caption + "'");
    parentNode_ = tree_.Add("", forms::tvwLast, "SET" + Number(iSet_), caption);
    parentNode_->SetExpanded(true);
}

forms::Node& OptionTreeBuild::AddRow(const std::string& relative, vb::Integer relationship,
                                     const std::string& key, vb::Integer i, const std::string& name,
                                     vb::Integer width) {
    OptionRecord& row = options_(i);
    forms::Node& node =
        tree_.Add(relative, relationship, key, OptionNodeText(name, sPrice_, row.PartNo, width));
    node.SetTag(vb::Integer{i});
    row.tvIndex = static_cast<vb::Integer>(node.Index());
    node.SetChecked(row.Checked != 0);
    return node;
}

void OptionTreeBuild::Partner(vb::Integer i, const forms::Node& node) {
    OptionRecord& row = options_(i);
    vb::Integer j = i;
    for (vb::Integer k = std::max<vb::Integer>(presetOption_, 1); k < i; ++k) {
        if (options_(k).PartNo == row.PartNo) {
            j = k;
            break;
        }
    }
    Note(14, Text(kBeforePartner) + Number(options_(j).tvIndex));
    row.tvCloneIndex = options_(j).tvIndex;
    options_(j).tvCloneIndex = static_cast<vb::Integer>(node.Index());
}

bool OptionTreeBuild::PresetChecked() const {
    return presetOption_ >= 1 && presetOption_ <= kMaxOptions &&
           options_(presetOption_).Checked != 0;
}

}  // namespace zomel
