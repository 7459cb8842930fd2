#include "platform/qtview/FontDialog.h"

#include <QFontDialog>

#include "platform/forms/Control.h"
#include "platform/qtview/Convert.h"

namespace qtview {

bool RunFontDialog(forms::Control& dialog, QWidget* parent) {
    forms::StdFont start;
    start.Name = dialog.Get("FontName").ToString();
    start.Size = dialog.Get("FontSize").ToDouble();
    start.Bold = dialog.Get("FontBold").ToBool();
    start.Italic = dialog.Get("FontItalic").ToBool();
    start.Underline = dialog.Get("FontUnderline").ToBool();
    start.Strikethrough = dialog.Get("FontStrikethru").ToBool();
    bool chosen = false;
    QFont font = QFontDialog::getFont(&chosen, ToQFont(start), parent,
                                      ToQt(dialog.Get("DialogTitle").ToString()));
    if (!chosen) return false;
    dialog.Let("FontName", FromQt(font.family()));
    dialog.Let("FontSize", font.pointSizeF());
    dialog.Let("FontBold", font.bold());
    dialog.Let("FontItalic", font.italic());
    dialog.Let("FontUnderline", font.underline());
    dialog.Let("FontStrikethru", font.strikeOut());
    return true;
}

}  // namespace qtview
