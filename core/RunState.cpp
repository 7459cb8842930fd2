#include "core/RunState.h"

#include "core/Globals.h"
#include "core/Sign.h"
#include "core/mapParts.h"
#include "platform/vb/Error.h"

namespace zomel {

RunState::RunState() = default;
RunState::~RunState() = default;
RunState::RunState(RunState&&) noexcept = default;
RunState& RunState::operator=(RunState&&) noexcept = default;

RunState gRun;

vb::ObjectVar<frmMain>& MainForm = gRun.MainForm;
std::shared_ptr<Sign>& gSign = gRun.gSign;
vb::Integer& DebugLevel = gRun.DebugLevel;
std::string& TempFolder = gRun.TempFolder;
std::string& HdrDescription = gRun.HdrDescription;
std::string& HdrSellingPrice = gRun.HdrSellingPrice;
std::string& HdrQuantity = gRun.HdrQuantity;
std::string& HdrSubTotal = gRun.HdrSubTotal;
std::string& HdrPartNumber = gRun.HdrPartNumber;
std::string& UnitPix = gRun.UnitPix;
std::string& UnitIn = gRun.UnitIn;
std::string& UnitCm = gRun.UnitCm;
std::string& ModelNumberLabel = gRun.ModelNumberLabel;
vb::Integer& Zomel2Mode = gRun.Zomel2Mode;
vb::Integer& CurrentLine = gRun.CurrentLine;
vb::Integer& ColorDepth = gRun.ColorDepth;
vb::Integer& HoldSize = gRun.HoldSize;

Table<OptionRecord, 1, kMaxOptions>& gOptions = gRun.gOptions;
Table<OptionRecord, 1, kMaxBaseParts>& gBaseParts = gRun.gBaseParts;
vb::Integer& gOptionCount = gRun.gOptionCount;
vb::Integer& gBaseCount = gRun.gBaseCount;
std::string& PriceListDate = gRun.PriceListDate;
vb::Integer& CEOption = gRun.CEOption;
vb::Integer& PresetOptionIndex = gRun.PresetOptionIndex;
vb::Integer& PresetFirstIndex = gRun.PresetFirstIndex;
vb::Integer& PresetNextIndex = gRun.PresetNextIndex;
vb::Integer& PresetPackage = gRun.PresetPackage;
vb::Integer& KitOptionIndex = gRun.KitOptionIndex;
vb::Integer& GroupCount = gRun.GroupCount;
std::unique_ptr<mapParts>& gMapParts = gRun.gMapParts;
Table<FontRecord, kFirstBlockFont, kLastBlockFont>& FontTable = gRun.FontTable;
Table<LayoutCandidate, 0, kMaxLayoutCandidates>& LayoutCandidates = gRun.LayoutCandidates;
PriceLoadValues& gPriceLoad = gRun.gPriceLoad;

void ResetRunState() {
    gRun = RunState();
    vb::Err().Clear();
}

}  // namespace zomel
