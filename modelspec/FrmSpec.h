#pragma once

#include <string>
#include <string_view>

#include "modelspec/SpecWindow.h"
#include "modelspec/engine/SpecTokens.h"

namespace zomel {

// The custom specification: a document about the sign now designed, made from a template
// whose tokens take the sign's figures, and opened in the person's RTF viewer.
class FrmSpec : public SpecWindow {
public:
    FrmSpec();

protected:
    void Window_Load() override;

private:
    std::string GetTokenValue(std::string_view token) const;

    SpecFigures figures_;
};

}  // namespace zomel
