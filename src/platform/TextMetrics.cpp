// Text measurement on Qt: the window's font at 96 dots per inch, sizes in twips.
#include "QtFont.h"
#include "Window.h"

#include <QFontMetricsF>

namespace glintrow {

QFont ToQFont(const StdFont& font, double scale) {
    QFont qfont(QString::fromStdString(font.Name));
    // Points at 96 dots per inch, whatever the screen says, so text is laid out alike everywhere.
    qfont.setPixelSize(static_cast<int>(font.Size * 96.0 / 72.0 * scale + 0.5));
    return qfont;
}

double TextWidth(const StdFont& font, const std::string& text) {
    return QFontMetricsF(ToQFont(font)).horizontalAdvance(QString::fromStdString(text)) *
           TwipsPerPixel;
}

double TextHeight(const StdFont& font, const std::string&) {
    return QFontMetricsF(ToQFont(font)).height() * TwipsPerPixel;
}

} // namespace glintrow
