#include "estimate/frmOrder.h"

namespace zomel {

frmOrder::frmOrder() : Form("frmOrder") {}

}  // namespace zomel
