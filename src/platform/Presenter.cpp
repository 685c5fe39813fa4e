// The presenter: the primary surface hands finished frames to the board's window without copying
// them, and only when they differ from the last one handed over.
#include "Presenter.h"

#include <QEvent>
#include <QPainter>
#include <QRegion>

namespace glintrow {
namespace {

QWidget* widgetOf(HWND window) {
    return reinterpret_cast<QWidget*>(window);
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
    if (image.name == frameName && shown == frameSource && onScreen == frameOnScreen)
        return DD_OK;
    // The whole picture is shared, not copied; the next frame draws into the surface's other
    // buffer.
    QImage next = shown == image.pixels.rect() ? image.pixels : image.pixels.copy(shown);
    const QSize device = onScreen.size() * image.scale;
    if (next.size() != device)
        next = next.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    frame = std::move(next);
    frameSize = onScreen.size();
    frameName = image.name;
    frameSource = shown;
    frameOnScreen = onScreen;
    offset = onScreen.topLeft() - window->mapToGlobal(QPoint(0, 0));
    // While a repaint waits (the window hidden, minimised or not yet painted) it will show this
    // frame; asking again would only queue more work.
    if (!repaintAsked) {
        repaintAsked = true;
        window->update();
    }
    return DD_OK;
}

bool DirectDrawClipper::Presenter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window && event->type() == QEvent::Paint) {
        repaintAsked = false;
        QPainter painter(window);
        // Black only around the frame, so each pixel of the window is written once.
        const QRect shownAt(offset, frameSize);
        const QRegion around = QRegion(window->rect()).subtracted(shownAt);
        for (const QRect& part : around)
            painter.fillRect(part, Qt::black);
        // A frame of device pixels on a scaled screen covers its place one to one.
        if (frame.size() == frameSize)
            painter.drawImage(offset, frame);
        else
            painter.drawImage(shownAt, frame);
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
