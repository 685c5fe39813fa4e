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
    // Hands the part of the surface's picture to the window, to be painted at the rectangle of the
    // screen; the picture is drawn first if drawings are pending.
    int32_t Present(DirectDrawSurface7::Image& image, const RECT& sourceRect, const RECT& target);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window;
    QImage frame;
    // The frame's size in the window's own pixels; its device pixels may be more.
    QSize frameSize;
    // The name of the surface picture the frame shows, the part of it shown and where on the
    // screen.
    uint64_t frameName = 0;
    QRect frameSource;
    QRect frameOnScreen;
    QPoint offset;
    // A repaint was asked for and has not happened yet; it paints whatever frame is the latest by
    // then, also when that is only once the window is shown again.
    bool repaintAsked = false;
};

} // namespace glintrow
