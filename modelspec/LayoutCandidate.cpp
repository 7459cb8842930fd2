#include "modelspec/LayoutCandidate.h"

namespace zomel {

Table<LayoutCandidate, 0, MaxLayoutCandidates> LayoutCandidates;

}  // namespace zomel
