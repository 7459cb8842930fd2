#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/qtview/ViewBase.h"

namespace qtview {

using ViewMaker = std::function<std::unique_ptr<ViewBase>(forms::Control&, FormWindow&)>;

template <class V>
ViewMaker MakerOf() {
    return [](forms::Control& control, FormWindow& window) -> std::unique_ptr<ViewBase> {
        return std::make_unique<V>(control, window);
    };
}

// The view of a control type, by the type name the window descriptions use; a later
// registration of a name replaces the earlier one.
void RegisterViewType(const std::string& typeName, ViewMaker maker);

// A new view of `control`; a type without a registered view gets an empty placeholder, so
// that a window still opens.
std::unique_ptr<ViewBase> CreateView(forms::Control& control, FormWindow& window);

}  // namespace qtview
