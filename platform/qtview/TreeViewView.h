#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A tree view; its nodes come with the runtime's node list.
class TreeViewView : public ViewBase {
public:
    TreeViewView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
