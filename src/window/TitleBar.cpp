// The window's own title bar: the icon, the title, and the buttons a window of fixed size offers.
#include "TitleBar.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace glintrow {
namespace {

constexpr int ButtonSide = 22;
constexpr int ButtonGap = 4;
constexpr int EdgeGap = 5;
constexpr int IconSide = 20;
constexpr int TitlePixels = 14;

enum class Glyph { Minimise, Close };

// The colour of the bar's marks and title: dimmed while another window has the keyboard.
QColor inkOf(const QWidget* widget) {
    return widget->palette().color(widget->isActiveWindow() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText);
}

// A button of the bar: a dark mark on the bar's own colour, shaded under the pointer. It never
// takes the keyboard, which stays with the board.
class FrameButton : public QAbstractButton {
public:
    FrameButton(QWidget* bar, Glyph glyph, const QString& name)
        : QAbstractButton(bar), glyph_(glyph) {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(name);
        setToolTip(name);
        setAttribute(Qt::WA_Hover);
        resize(ButtonSide, ButtonSide);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (isDown() || underMouse()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette().color(isDown() ? QPalette::Mid : QPalette::Midlight));
            painter.drawRoundedRect(rect(), 4, 4);
        }
        painter.setPen(QPen(inkOf(this), 2, Qt::SolidLine, Qt::RoundCap));
        const QRectF mark = QRectF(rect()).adjusted(7, 7, -7, -7);
        if (glyph_ == Glyph::Minimise) {
            painter.drawLine(mark.bottomLeft(), mark.bottomRight());
        } else {
            painter.drawLine(mark.topLeft(), mark.bottomRight());
            painter.drawLine(mark.bottomLeft(), mark.topRight());
        }
    }

private:
    Glyph glyph_;
};

} // namespace

TitleBar::TitleBar(QWidget* window) : QWidget(window) {
    minimise_ = new FrameButton(this, Glyph::Minimise, tr("Minimise"));
    close_ = new FrameButton(this, Glyph::Close, tr("Close"));
    connect(minimise_, &QAbstractButton::clicked, window, &QWidget::showMinimized);
    connect(close_, &QAbstractButton::clicked, window, &QWidget::close);
    // The window's background shows in the margins: that is the border.
    window->setContentsMargins(Border, Height, Border, Border);
    window->installEventFilter(this);
    fitToWindow();
}

bool TitleBar::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
        fitToWindow();
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
    case QEvent::ActivationChange:
        update();
        break;
    default:
        break;
    }
    return false;
}

void TitleBar::fitToWindow() {
    const int width = parentWidget()->width();
    setGeometry(0, 0, width, Height);
    const int top = (Height - ButtonSide) / 2;
    close_->move(width - Border - EdgeGap - ButtonSide, top);
    minimise_->move(close_->x() - ButtonGap - ButtonSide, top);
    raise();
}

void TitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QWidget* window = parentWidget();
    const int iconLeft = Border + EdgeGap;
    window->windowIcon().paint(&painter, iconLeft, (Height - IconSide) / 2, IconSide, IconSide);

    QFont font = painter.font();
    font.setPixelSize(TitlePixels);
    painter.setFont(font);
    painter.setPen(inkOf(this));
    // Centred across the whole bar, but never under the icon or the buttons.
    const int inset =
        std::max(iconLeft + IconSide + ButtonGap, width() - minimise_->x() + ButtonGap);
    const QRect title(inset, 0, width() - 2 * inset, Height);
    painter.drawText(
        title, Qt::AlignCenter,
        painter.fontMetrics().elidedText(window->windowTitle(), Qt::ElideRight, title.width()));
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
}

} // namespace glintrow
