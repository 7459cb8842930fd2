#include "signctl/ZoomStep.h"

#include <cmath>

#include "platform/vb/Strings.h"

namespace veldo {

LedStep ZoomStep(float zoom) {
    LedStep step;
    step.size = static_cast<int>(std::nearbyint(static_cast<double>(zoom) - 0.1));
    if (step.size >= zoom) return step;
    step.halfStep = true;
    step.scale = step.size == 0 ? 0.5 : (2.0 * step.size + 1) / (2.0 * step.size);
    return step;
}

std::string ShortenCaption(const std::string& text,
                           const std::function<bool(const std::string&)>& tooWide) {
    const vb::Long length = vb::Len(text);
    if (length < 4) return text;
    std::string candidate = vb::Left(text, 2) + "...";
    vb::Long k = 2;
    for (; k <= length; ++k) {
        if (tooWide(candidate)) break;
        candidate = vb::Left(text, k + 1) + "...";
    }
    return vb::Left(text, k - 1) + "...";
}

}  // namespace veldo
