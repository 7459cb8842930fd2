#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <string>

#include "platform/forms/StdFont.h"
#include "platform/gdi/Bitmap.h"
#include "platform/vb/Variant.h"

class QKeyEvent;

// Translations between the runtime's units and Qt's.
namespace qtview {

int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);
QRect TwipsToPixels(double left, double top, double width, double height);

inline QString ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) {
    return text.toStdString();
}

// A colour value (0x00BBGGRR, or a system colour with the high bit set).
QColor ToQColor(const vb::Variant& color);
QFont ToQFont(const forms::StdFont& font);

// A caption as a plain label shows it: "&x" marks a mnemonic, "&&" is one ampersand.
QString WithoutMnemonics(const QString& caption);

// Wraps the bitmap's pixels without copying; valid while the bitmap is unchanged.
QImage WrapBitmap(const gdi::Bitmap& bitmap);

// The runtime's key code and shift state of a key event; 0 for keys it has no code for.
int KeyCodeOf(const QKeyEvent& event);
int ShiftStateOf(const QKeyEvent& event);
int ShiftStateOf(Qt::KeyboardModifiers modifiers);
// The mouse buttons of an event as the runtime numbers them: 1 left, 2 right, 4 middle.
int ButtonStateOf(Qt::MouseButtons buttons);

}  // namespace qtview
