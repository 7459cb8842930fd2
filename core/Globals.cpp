#include "core/Globals.h"

namespace zomel {

const std::string kCrLf = "\r\n";

}  // namespace zomel
