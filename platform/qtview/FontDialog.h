#pragma once

class QWidget;

namespace forms {
class Control;
}

namespace qtview {

// The font dialog of a common dialog control: starts from its FontName, FontSize,
// FontBold, FontItalic, FontUnderline and FontStrikethru and writes the choice back to them.
// False when the person cancelled (the properties are then left as they were).
bool RunFontDialog(forms::Control& dialog, QWidget* parent);

}  // namespace qtview
