// The board area: frames shown, presses and board keys reported, the focus frame drawn over the
// shown picture, and the focused cell told to assistive technology.
#include "PictureBox.h"

#include "GameFacts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <mutex>
#include <optional>
#include <utility>

namespace glintrow {
namespace {

// The focus frame: a child over one cell that paints only its outline, so the game's own pictures
// stay as they are. Black with white dashes, it shows on every gem and on the board, and being a
// whole dashed square it is not taken for the target cursor's golden corners.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* board) : QWidget(board) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(CellSize, CellSize);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // Both strokes centred on a square 2 pixels inside the cell: black 4 pixels wide, white
        // dashes 2 pixels wide along its middle.
        const QRectF outline = QRectF(rect()).adjusted(2, 2, -2, -2);
        painter.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(outline);
        QPen dashes(Qt::white, 2, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
        dashes.setDashPattern({3, 2});
        painter.setPen(dashes);
        painter.drawRect(outline);
    }
};

// The board as assistive technology sees it: its name is what the focused cell shows.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(PictureBox* board) : QAccessibleWidget(board, QAccessible::Canvas) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<PictureBox*>(widget())->describeFocusedCell();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* makeBoardAccessible(const QString&, QObject* object) {
    if (auto* board = qobject_cast<PictureBox*>(object))
        return new BoardAccessible(board);
    return nullptr;
}

void installBoardAccessible() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(makeBoardAccessible); });
}

// The board's own keys; keys held with Ctrl, Alt or Meta belong to the shortcuts, and a held
// press key does not press again and again.
std::optional<BoardKey> boardKeyOf(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left:
        return BoardKey::Left;
    case Qt::Key_Right:
        return BoardKey::Right;
    case Qt::Key_Up:
        return BoardKey::Up;
    case Qt::Key_Down:
        return BoardKey::Down;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return event.isAutoRepeat() ? std::nullopt : std::optional(BoardKey::Press);
    case Qt::Key_Escape:
        return event.isAutoRepeat() ? std::nullopt : std::optional(BoardKey::Cancel);
    default:
        return std::nullopt;
    }
}

} // namespace

PictureBox::PictureBox(QWidget* parent, PressHandler onPress, KeyHandler onKey,
                       CellDescriber describe)
    : QWidget(parent), onPress_(std::move(onPress)), onKey_(std::move(onKey)),
      describe_(std::move(describe)), frame_(new FocusFrame(this)) {
    installBoardAccessible();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("picBoard"));
    setFocusPolicy(Qt::StrongFocus);
}

bool PictureBox::isFocusFrameShown() const {
    return !frame_->isHidden();
}

void PictureBox::stepFocus(int columns, int rows) {
    const auto clamp = [](int at) { return std::clamp(at, 0, BoardSize - 1); };
    placeFocus(QPoint(clamp(focus_.x() + columns), clamp(focus_.y() + rows)));
    frame_->show();
}

void PictureBox::placeFocus(QPoint cell) {
    focus_ = cell;
    frame_->move(cell * CellSize);
}

QString PictureBox::describeFocusedCell() const {
    return describe_(focus_);
}

void PictureBox::announceFocusedCell() {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    frame_->hide();
    const QPointF at = event->position();
    onPress_(static_cast<int16_t>(event->button()), static_cast<float>(at.x()),
             static_cast<float>(at.y()));
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const std::optional<BoardKey> key = boardKeyOf(*event);
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    onKey_(*key);
}

} // namespace glintrow
