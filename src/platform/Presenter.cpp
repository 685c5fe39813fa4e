// The presenter: the primary surface hands finished frames to the board's window. Only what
// changed since the last frame is copied and painted, at once and one to one in device pixels.
#include "Presenter.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <cstring>

namespace glintrow {
namespace {

QWidget* widgetOf(HWND window) {
    return reinterpret_cast<QWidget*>(window);
}

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
    if (!IsUsableIn(sourceRect, image.size) || target.Right <= target.Left ||
        target.Bottom <= target.Top)
        return DDERR_INVALIDRECT;
    DrawPending(image);
    const QRect onScreen = ToQRect(target);
    const QRect shown = ToDeviceRect(sourceRect, image.scale);
    const bool sameView = frameFrom == &image && image.changedFor == this && shown == frameSource &&
                          onScreen == frameOnScreen && frameScale == image.scale &&
                          frame.size() == shown.size();
    frameFrom = &image;
    frameSource = shown;
    frameOnScreen = onScreen;
    frameScale = image.scale;
    const QRegion changed = sameView ? takeChanged(image, shown) : takeWhole(image, shown);
    image.changed = QRegion();
    image.changedFor = this;
    offset = onScreen.topLeft() - window->mapToGlobal(QPoint(0, 0));
    QRegion onWindow;
    for (const QRect& rect : changed)
        onWindow += toWindowPixels(rect, frameScale).translated(offset);
    // Painted and sent to the window system now, so that it is part of the frame's time; a
    // hidden or minimised window paints what is still due once it shows again.
    if (!onWindow.isEmpty())
        window->repaint(onWindow);
    return DD_OK;
}

QRegion DirectDrawClipper::Presenter::takeWhole(const DirectDrawSurface7::Image& image,
                                                const QRect& shown) {
    frame = image.pixels.copy(shown);
    const QSize device = frameOnScreen.size() * frameScale;
    if (frame.size() != device)
        frame = frame.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QRegion(frame.rect());
}

QRegion DirectDrawClipper::Presenter::takeChanged(DirectDrawSurface7::Image& image,
                                                  const QRect& shown) {
    const QRegion changed = image.changed.intersected(shown).translated(-shown.topLeft());
    const int bytesPerPixel = frame.depth() / 8;
    for (const QRect& rect : changed)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            std::memcpy(frame.scanLine(y) + rect.left() * bytesPerPixel,
                        image.pixels.constScanLine(y + shown.top()) +
                            (rect.left() + shown.left()) * bytesPerPixel,
                        size_t(rect.width()) * bytesPerPixel);
    return changed;
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

DirectDrawClipper::DirectDrawClipper() : presenter_(std::make_unique<Presenter>()) {}
DirectDrawClipper::~DirectDrawClipper() = default;

void DirectDrawClipper::SetHWnd(HWND window) {
    presenter_->ShowIn(widgetOf(window));
}

void DirectX7::GetWindowRect(HWND window, RECT& rect) {
    QWidget* widget = widgetOf(window);
    if (!widget) {
        rect = RECT{};
        return;
    }
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    rect = RECT{topLeft.x(), topLeft.y(), topLeft.x() + widget->width(),
                topLeft.y() + widget->height()};
}

} // namespace glintrow
