#include "catalogue/frmOptions.h"

namespace zomel {

frmOptions::frmOptions() : Form("frmOptions") {}

void frmOptions::LoadCharHigh() {}

void frmOptions::LoadHighFilter() {}

void frmOptions::LoadWideFilter() {}

}  // namespace zomel
