#include "core/mapPart.h"

namespace zomel {

void mapPart::SegmentType(vb::Integer value) {
    segmentType_ = value;
    if (ForLayout(LayoutKind::CharacterSegmented)) vertical_ = true;
}

}  // namespace zomel
