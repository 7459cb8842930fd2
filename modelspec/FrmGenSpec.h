#pragma once

#include "modelspec/SpecWindow.h"

namespace zomel {

// The generic specification: the fixed document about the modules of the generation in use,
// copied from its template and opened in the person's RTF viewer.
class FrmGenSpec : public SpecWindow {
public:
    FrmGenSpec();

protected:
    void Window_Load() override;
};

}  // namespace zomel
