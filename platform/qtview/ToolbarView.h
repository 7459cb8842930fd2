#pragma once

#include <memory>
#include <vector>

#include "platform/forms/Item.h"
#include "platform/qtview/ViewBase.h"

class QAction;

namespace qtview {

// A toolbar of buttons; a person's click raises ButtonClick with the button.
class ToolbarView : public ViewBase {
public:
    ToolbarView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;

private:
    void Build();
    void Press(const std::shared_ptr<forms::Item>& button, bool checked);

    std::vector<QAction*> actions_;  // one per button, separators included
};

}  // namespace qtview
