#include "modelspec/frmModelNum.h"

namespace zomel {

frmModelNum::frmModelNum() : Form("frmModelNum") {}

void frmModelNum::UpdateModelNum() {}

}  // namespace zomel
