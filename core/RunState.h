#pragma once

#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "core/FontTable.h"
#include "core/LayoutCandidate.h"
#include "core/OptionRecord.h"
#include "core/PriceLoad.h"
#include "core/Table.h"
#include "platform/vb/ObjectVar.h"
#include "platform/vb/Types.h"

namespace zomel {

class Sign;
class frmMain;
class mapParts;

// Everything the program keeps for the whole run outside its window objects, in one place, so
// that one reset puts a run back to its start.  The module names (gOptions, CurrentLine, ...)
// in Globals.h, Catalogue.h and the other headers are names of these members.
struct RunState {
    RunState();
    ~RunState();
    RunState(RunState&&) noexcept;
    RunState& operator=(RunState&&) noexcept;

    // Start-up and the main window.
    vb::ObjectVar<frmMain> MainForm;
    std::shared_ptr<Sign> gSign;
    vb::Integer DebugLevel = 0;
    std::string TempFolder;
    std::string HdrDescription, HdrSellingPrice, HdrQuantity, HdrSubTotal, HdrPartNumber;
    std::string UnitPix, UnitIn, UnitCm;
    std::string ModelNumberLabel;
    vb::Integer Zomel2Mode = vb::False;
    vb::Integer CurrentLine = 0;
    vb::Integer ColorDepth = 0;
    vb::Integer HoldSize = vb::False;

    // The catalogue and what is worked out from it.
    Table<OptionRecord, 1, kMaxOptions> gOptions;
    Table<OptionRecord, 1, kMaxBaseParts> gBaseParts;
    vb::Integer gOptionCount = 0;
    vb::Integer gBaseCount = 0;
    std::string PriceListDate;
    vb::Integer CEOption = vb::False;
    vb::Integer PresetOptionIndex = 0;
    vb::Integer PresetFirstIndex = 0;
    vb::Integer PresetNextIndex = 0;
    vb::Integer PresetPackage = 0;
    vb::Integer KitOptionIndex = 0;
    vb::Integer GroupCount = 0;
    std::unique_ptr<mapParts> gMapParts;
    Table<FontRecord, kFirstBlockFont, kLastBlockFont> FontTable;
    Table<LayoutCandidate, 0, kMaxLayoutCandidates> LayoutCandidates;
    PriceLoadValues gPriceLoad;
};

extern RunState gRun;

// Puts the run back to its start: every member above, and no current error.  Start-up runs it
// first; so does every test's fresh run.
void ResetRunState();

}  // namespace zomel
