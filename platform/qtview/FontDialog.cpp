#include "platform/qtview/FontDialog.h"

#include <QFontDialog>

#include "platform/qtview/Convert.h"

namespace qtview {

bool RunFontDialog(forms::FontChoice& font, QWidget* parent) {
    forms::StdFont start;
    start.Name = font.Name;
    start.Size = font.Size;
    start.Bold = font.Bold;
    start.Italic = font.Italic;
    start.Underline = font.Underline;
    start.Strikethrough = font.Strikethru;
    bool chosen = false;
    QFont picked = QFontDialog::getFont(&chosen, ToQFont(start), parent);
    if (!chosen) return false;
    font.Name = FromQt(picked.family());
    font.Size = picked.pointSizeF();
    font.Bold = picked.bold();
    font.Italic = picked.italic();
    font.Underline = picked.underline();
    font.Strikethru = picked.strikeOut();
    return true;
}

}  // namespace qtview
