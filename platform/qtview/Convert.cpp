#include "platform/qtview/Convert.h"

#include <QKeyEvent>
#include <cmath>

#include "platform/gdi/Screen.h"
#include "platform/gdi/SystemColors.h"

namespace qtview {

int TwipsToPixelsX(double twips) {
    return static_cast<int>(std::lround(gdi::TwipsToPixelsX(twips)));
}

int TwipsToPixelsY(double twips) {
    return static_cast<int>(std::lround(gdi::TwipsToPixelsY(twips)));
}

double PixelsToTwipsX(int pixels) {
    return gdi::PixelsToTwipsX(pixels);
}

double PixelsToTwipsY(int pixels) {
    return gdi::PixelsToTwipsY(pixels);
}

QRect TwipsToPixels(double left, double top, double width, double height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

QColor ToQColor(const vb::Variant& color) {
    auto value = static_cast<gdi::Color>(color.ToLong());
    gdi::Color rgb = gdi::ResolveColor(value);
    return QColor(gdi::Red(rgb), gdi::Green(rgb), gdi::Blue(rgb));
}

QFont ToQFont(const forms::StdFont& font) {
    QFont qt(ToQt(font.Name));
    if (font.Size > 0) qt.setPointSizeF(font.Size);
    qt.setBold(font.Bold);
    qt.setItalic(font.Italic);
    qt.setUnderline(font.Underline);
    qt.setStrikeOut(font.Strikethrough);
    return qt;
}

QString WithoutMnemonics(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        plain += caption[i];
    }
    return plain;
}

QImage WrapBitmap(const gdi::Bitmap& bitmap) {
    if (bitmap.Empty()) return {};
    return QImage(bitmap.Bytes().data(), bitmap.Width(), bitmap.Height(), bitmap.Stride(),
                  QImage::Format_RGBX8888);
}

int KeyCodeOf(const QKeyEvent& event) {
    int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            return 0;
    }
}

// A key event's own modifiers: the release of Shift no longer counts Shift.
int ShiftStateOf(const QKeyEvent& event) {
    return ShiftStateOf(event.modifiers());
}

int ShiftStateOf(Qt::KeyboardModifiers mods) {
    return (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
           (mods & Qt::AltModifier ? 4 : 0);
}

int ButtonStateOf(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

}  // namespace qtview
