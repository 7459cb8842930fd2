#include "core/Globals.h"

namespace zomel {

const std::string CrLf = "\r\n";

}  // namespace zomel
