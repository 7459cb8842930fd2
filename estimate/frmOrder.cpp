#include "estimate/frmOrder.h"

namespace zomel {

frmOrder::frmOrder() : ProgramForm("frmOrder") {}

}  // namespace zomel
