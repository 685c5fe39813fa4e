// Start-up of the program: the application, the window and its load step.
#include "GameFacts.h"
#include "platform/Runtime.h"
#include "platform/Window.h"
#include "platform/WindowFrame.h"
#include "window/GameTranslation.h"
#include "window/TitleBar.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QLocale>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A message of the toolkit, held back with its origin while the application starts.
struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

std::vector<HeldMessage> heldMessages;

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Names the display the window system could not open, from the settings it was started with.
std::string describeDisplayFailure() {
    const std::string platform = environmentValue("QT_QPA_PLATFORM");
    const std::string x11 = environmentValue("DISPLAY");
    const std::string wayland = environmentValue("WAYLAND_DISPLAY");
    if (platform.rfind("wayland", 0) == 0)
        return wayland.empty() ? "cannot open a display (WAYLAND_DISPLAY is unset)"
                               : "cannot open the Wayland display " + wayland;
    if (platform == "xcb")
        return x11.empty() ? "cannot open a display (DISPLAY is unset)"
                           : "cannot open the X display " + x11;
    if (!platform.empty())
        return "cannot start the window system (QT_QPA_PLATFORM=" + platform + ")";
    if (x11.empty() && wayland.empty())
        return "cannot open a display (DISPLAY and WAYLAND_DISPLAY are unset)";
    if (wayland.empty())
        return "cannot open the X display " + x11;
    if (x11.empty())
        return "cannot open the Wayland display " + wayland;
    return "cannot open a display (DISPLAY=" + x11 + ", WAYLAND_DISPLAY=" + wayland + ")";
}

// The toolkit's window-system plugin that it found but could not load (a library of it missing or
// damaged), as its held message names it; empty when the plugin loaded and the display failed.
std::string findUnloadedPlugin() {
    static const QRegularExpression unloaded(
        QStringLiteral(R"re(Could not load the Qt platform plugin "([^"]+)")re"));
    std::string plugin;
    for (const HeldMessage& message : heldMessages) {
        // A plugin that loaded but found no display is said to be unloaded too.
        if (message.text.contains(u"could not connect to display") ||
            message.text.contains(u"Failed to create wl_display"))
            return {};
        if (const QRegularExpressionMatch match = unloaded.match(message.text); match.hasMatch())
            plugin = match.captured(1).toStdString();
    }
    return plugin;
}

std::string textOf(const char* text) {
    return text ? text : "";
}

// While the application starts, the toolkit's messages are held back. Without a display the
// toolkit would print several lines, advise reinstalling and abort; the player gets one line that
// names the display instead, and the program ends with status 1.
// Qt's Wayland plugin ends the program at once after saying that its connection broke, so that
// message too is the end of the start.
void holdStartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(u"The Wayland connection ")) {
        std::fprintf(stderr,
                     "glintrow: the Wayland connection broke while the window system started\n");
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        const std::string plugin = findUnloadedPlugin();
        const std::string failure =
            plugin.empty() ? describeDisplayFailure()
                           : "cannot load Qt's window-system plugin \"" + plugin + "\"";
        std::fprintf(stderr, "glintrow: %s\n", failure.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, textOf(context.file), context.line, textOf(context.function),
                            textOf(context.category), text});
}

// Hands the messages of a successful start to the toolkit's own output.
void releaseStartUpMessages(QtMessageHandler output) {
    qInstallMessageHandler(output);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(message.file.c_str(), message.line,
                                         message.function.c_str(), message.category.c_str());
        output(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace

int main(int argc, char** argv) {
    if (const std::string failure = glintrow::ChooseWindowFrame(); !failure.empty()) {
        std::fprintf(stderr, "glintrow: %s\n", failure.c_str());
        return 1;
    }
    // The board is drawn at the screen's own device pixels, so a desktop scaled by 1.25, 1.5 or
    // 1.75 (QT_SCREEN_SCALE_FACTORS, Xft.dpi) keeps its factor instead of rounding it to a whole
    // number that would make the window larger or smaller than the desktop means.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    const QtMessageHandler toolkitOutput = qInstallMessageHandler(holdStartUpMessage);
    QApplication app(argc, argv);
    releaseStartUpMessages(toolkitOutput);
    QApplication::setApplicationName(QString::fromUtf8(glintrow::AppTitle));
    QApplication::setDesktopFileName(QString::fromUtf8(glintrow::AppId));
    glintrow::RegisterFallbackFonts();
    glintrow::LoadPlayerLanguage(QLocale::system());

    glintrow::frmMain window;
    if (glintrow::GameDrawsWindowFrame())
        new glintrow::TitleBar(&window);
    window.Form_Load();
    // The load step returns when the window has closed, or with the window left open after a
    // failure; then the window runs on its own until it is closed.
    const int status = window.isVisible() ? app.exec() : 0;
    // With the window gone the game has released all it holds, and the program ends here without
    // the toolkit's teardown: on Wayland, Qt 6.4's can hang for ever when one of its two reader
    // threads stops with a read of the connection prepared but not done, leaving the other
    // waiting for it in wl_display_read_events and the main thread waiting for that thread.
    glintrow::EndProgram(status);
}
