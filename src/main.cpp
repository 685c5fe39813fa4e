// Start-up of the program: the application, the window and its load step.
#include "frmMain.h"
#include "platform/Window.h"

#include <QApplication>

int main(int argc, char** argv) {
    // On a scaled desktop every board pixel becomes a whole number of screen pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombra Glintrow"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.ombraglintrow.glintrow"));
    glintrow::RegisterFallbackFonts();

    glintrow::frmMain window;
    window.Form_Load();
    // The load step returns when the window has closed, or with the window left open after a
    // failure; then the window runs on its own until it is closed.
    if (window.isVisible())
        return app.exec();
    return 0;
}
