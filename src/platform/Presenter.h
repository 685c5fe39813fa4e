// The presenter behind a clipper: it shows the frames copied onto the primary surface in the
// clipper's window. Uses Qt, so only the drawing stand-in's own files include it, never the game.
#pragma once

#include "SurfaceImage.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace glintrow {

struct DirectDrawClipper::Presenter : QObject {
    ~Presenter() override;

    // Shows the frames in this window from now on, and no longer in the one before.
    void ShowIn(QWidget* shownIn);
    // Takes the part of the surface's picture as the frame shown at the rectangle of the screen,
    // and paints what changed of it on the window at once; the picture is drawn first if
    // drawings are pending.
    int32_t Present(DirectDrawSurface7::Image& image, const RECT& sourceRect, const RECT& target);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(QPainter& painter, const QRegion& region);

    QPointer<QWidget> window;
    // The last picture presented, in device pixels: the surface's own buffer when the whole of it
    // is shown one to one, else a copy.
    QImage frame;
    // Device pixels per pixel of the window in the frame.
    double frameScale = 1.0;
    // The surface the frame was taken from and where on the screen it is shown.
    const void* frameFrom = nullptr;
    QRect frameOnScreen;
    // Where the frame lies in the window, in the window's pixels.
    QPoint offset;
};

} // namespace glintrow
