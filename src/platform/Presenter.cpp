// The presenter: the primary surface hands finished frames to the board's window, sharing the
// surface's buffer. Only what changed since the last frame is painted, at once and one to one in
// device pixels.
#include "Presenter.h"
#include "QtWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

namespace glintrow {
namespace {

// A rectangle of device pixels at a scale in the window's pixels, covering every one of them.
QRect toWindowPixels(const QRect& device, double scale) {
    return QRectF(QPointF(device.topLeft()) / scale, QSizeF(device.size()) / scale).toAlignedRect();
}

QRect toDevicePixels(const QRect& logical, double scale) {
    return QRectF(QPointF(logical.topLeft()) * scale, QSizeF(logical.size()) * scale)
        .toAlignedRect();
}

} // namespace

DirectDrawClipper::Presenter::~Presenter() {
    if (window) {
        window->removeEventFilter(this);
        window->update();
    }
}

void DirectDrawClipper::Presenter::ShowIn(QWidget* shownIn) {
    if (window)
        window->removeEventFilter(this);
    window = shownIn;
    if (window)
        window->installEventFilter(this);
}

int32_t DirectDrawClipper::Presenter::Present(DirectDrawSurface7::Image& image,
                                              const RECT& sourceRect, const RECT& target) {
    if (!window)
        return DDERR_NOCLIPPER;
    SurfacePicture& picture = image.picture;
    if (!IsUsableIn(sourceRect, picture.size()) || target.Right <= target.Left ||
        target.Bottom <= target.Top)
        return DDERR_INVALIDRECT;
    const double scale = picture.scale();
    const QRect onScreen = ToQRect(target);
    const QRect shown = ToDeviceRect(sourceRect, scale);
    const QSize device = onScreen.size() * scale;
    // The whole picture one to one is shared, not copied: the surface draws its next frame into
    // its other buffer while the window holds this one.
    const bool whole = shown == picture.pixels().rect() && device == shown.size();
    const TakenPicture taken = picture.take(this, whole);
    const bool sameView =
        whole && frameFrom == &image && onScreen == frameOnScreen && frameScale == scale;
    const QRegion changed = sameView ? taken.changed : QRegion(QRect(QPoint(0, 0), device));
    if (whole)
        frame = taken.pixels;
    else
        frame = taken.pixels.copy(shown).scaled(device, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
    frameFrom = &image;
    frameOnScreen = onScreen;
    frameScale = scale;
    offset = onScreen.topLeft() - window->mapToGlobal(QPoint(0, 0));
    QRegion onWindow;
    for (const QRect& rect : changed)
        onWindow += toWindowPixels(rect, frameScale).translated(offset);
    // Painted and sent to the window system now, so that it is part of the frame's time; a
    // hidden or minimised window paints what is still due once it shows again.
    if (!onWindow.isEmpty())
        window->repaint(onWindow);
    QEvent frameShown(static_cast<QEvent::Type>(FrameShownEvent()));
    QCoreApplication::sendEvent(window, &frameShown);
    return DD_OK;
}

void DirectDrawClipper::Presenter::paint(QPainter& painter, const QRegion& region) {
    // Black only around the frame, so each pixel of the window is written once.
    const QRect shownAt(offset, frameOnScreen.size());
    for (const QRect& part : region.subtracted(shownAt))
        painter.fillRect(part, Qt::black);
    const double ratio = window->devicePixelRatioF();
    if (frameScale != ratio) {
        painter.drawImage(shownAt, frame);
        return;
    }
    // Device pixels onto device pixels with no transform: a scaled screen costs per pixel what an
    // unscaled one does.
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QRect frameAt(toDevicePixels(QRect(offset, QSize()), ratio).topLeft(), frame.size());
    for (const QRect& part : region.intersected(shownAt)) {
        const QRect device = toDevicePixels(part, ratio).intersected(frameAt);
        painter.drawImage(device.topLeft(), frame, device.translated(-frameAt.topLeft()));
    }
}

bool DirectDrawClipper::Presenter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window && event->type() == QEvent::Paint) {
        QPainter painter(window);
        paint(painter, static_cast<QPaintEvent*>(event)->region());
        // The window still hears of the paint, to follow what the frame shows.
        return false;
    }
    return false;
}

int FrameShownEvent() {
    static const int type = QEvent::registerEventType();
    return type;
}

DirectDrawClipper::DirectDrawClipper() : presenter_(std::make_unique<Presenter>()) {}
DirectDrawClipper::~DirectDrawClipper() = default;

void DirectDrawClipper::SetHWnd(HWND window) {
    presenter_->ShowIn(WidgetOf(window));
}

void DirectX7::GetWindowRect(HWND window, RECT& rect) {
    QWidget* widget = WidgetOf(window);
    if (!widget) {
        rect = RECT{};
        return;
    }
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    rect = RECT{topLeft.x(), topLeft.y(), topLeft.x() + widget->width(),
                topLeft.y() + widget->height()};
}

} // namespace glintrow
