// The window frame on Wayland: one look at the compositor's registry before the toolkit starts.
#include "WindowFrame.h"

#include <wayland-client.h>

#include <QByteArray>
#include <QtGlobal>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <optional>

namespace glintrow {
namespace {

// The toolkit runs on Wayland when told so, or when it is not told and a Wayland display is named;
// without one it takes X11.
bool willRunOnWayland() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return platform.startsWith("wayland");
    return qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

void noteGlobal(void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        *static_cast<bool*>(data) = true;
}

void forgetGlobal(void*, wl_registry*, uint32_t) {}

// Whether the compositor offers to draw window frames itself; none when it closed the connection
// without an answer.
std::optional<bool> askWhetherCompositorDrawsFrames(wl_display* display) {
    bool offered = false;
    wl_registry* registry = wl_display_get_registry(display);
    static const wl_registry_listener listener = {noteGlobal, forgetGlobal};
    wl_registry_add_listener(registry, &listener, &offered);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    if (!answered)
        return std::nullopt;
    return offered;
}

// Set once, before the application starts, and read when the window is made.
bool gameDrawsFrame = false;

void sayNothing(const char*, va_list) {}

void sayOnStandardError(const char* format, va_list arguments) {
    std::vfprintf(stderr, format, arguments);
}

std::string describeClosedConnection() {
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    return "the Wayland display " +
           (name.isEmpty() ? std::string("wayland-0") : name.toStdString()) +
           " closed the connection";
}

} // namespace

std::string ChooseWindowFrame() {
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET") || !willRunOnWayland())
        return {};
    wl_log_set_handler_client(sayNothing);
    wl_display* display = wl_display_connect(nullptr);
    wl_log_set_handler_client(sayOnStandardError);
    if (!display)
        return {};
    std::string failure;
    std::optional<bool> drawsFrames = askWhetherCompositorDrawsFrames(display);
    // Qt's Wayland plugin loads the OpenGL stack (about 50 MB) only to decide whether it may draw
    // a frame of its own, and does so unless told to draw none. Its frame offers to maximise a
    // window that cannot grow, so where the compositor draws none the game draws its own.
    if (!drawsFrames) {
        failure = describeClosedConnection();
    } else if (!qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION")) {
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
        gameDrawsFrame = !*drawsFrames;
    }
    wl_display_disconnect(display);
    return failure;
}

bool GameDrawsWindowFrame() {
    return gameDrawsFrame;
}

} // namespace glintrow
