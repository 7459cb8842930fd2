#include "core/mapPart.h"

namespace zomel {

void mapPart::SegmentType(vb::Integer value) {
    segmentType_ = value;
    if (value == 2) vertical_ = true;
}

}  // namespace zomel
