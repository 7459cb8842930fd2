#include "core/Globals.h"

namespace zomel {

frmMain* MainForm = nullptr;
std::shared_ptr<Sign> gSign;

vb::Integer DebugLevel = 0;
std::string TempFolder;
const std::string CrLf = "\r\n";

std::string HdrDescription, HdrSellingPrice, HdrQuantity, HdrSubTotal, HdrPartNumber;
std::string UnitPix, UnitIn, UnitCm;
std::string ModelNumberLabel;

vb::Integer Zomel2Mode = vb::False;
vb::Integer CurrentLine = 0;
vb::Integer ColorDepth = 0;
vb::Integer HoldSize = vb::False;

}  // namespace zomel
