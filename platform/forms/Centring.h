#pragma once

namespace forms {

class Form;

// Moves `form` so that it stands centred on `anchor` (on the screen's work area when there is
// none, or it is not loaded), kept on that area, at a whole pixel.
void CentreOver(Form& form, const Form* anchor);

}  // namespace forms
