#pragma once

#include <memory>
#include <string>

#include "platform/vb/ObjectVar.h"
#include "platform/vb/Types.h"

// The module-level state that several parts of the program share; it lives for the whole run
// in the run state (core/RunState.h), and these are its names.
namespace zomel {

class Sign;
class frmMain;

extern vb::ObjectVar<frmMain>& MainForm;  // the one main window object
extern std::shared_ptr<Sign>& gSign;      // the one sign model

extern vb::Integer& DebugLevel;
extern std::string& TempFolder;
extern const std::string kCrLf;

// Column headers of the price estimate grid and the character-size unit names.
extern std::string &HdrDescription, &HdrSellingPrice, &HdrQuantity, &HdrSubTotal, &HdrPartNumber;
extern std::string &UnitPix, &UnitIn, &UnitCm;
extern std::string& ModelNumberLabel;

extern vb::Integer& Zomel2Mode;
extern vb::Integer& CurrentLine;
extern vb::Integer& ColorDepth;
extern vb::Integer& HoldSize;

}  // namespace zomel
