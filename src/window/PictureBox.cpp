// The board area: frames shown, presses and board keys reported, the focus frame drawn over the
// shown picture, and the focused cell told to assistive technology.
#include "PictureBox.h"

#include "GameFacts.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <utility>

namespace glintrow {
namespace {

// The focus frame: a child over one cell that paints only its outline, so the game's own pictures
// stay as they are. It lies on the cell's two outermost pixels, outside the selection brackets,
// which stay in sight beside it. Black and white dashes show on every gem and on the board, and
// being a whole dashed square it is not taken for the brackets' golden corners.
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
        const qreal ratio = devicePixelRatioF();
        if (outline_.isNull() || outline_.devicePixelRatio() != ratio)
            outline_ = drawOutline(ratio);
        QPainter(this).drawImage(QPoint(0, 0), outline_);
    }

private:
    // The outline in the screen's own pixels. Each side's dashes run out from its middle to both
    // corners alike, so the four corners are the same black square at every scale.
    static QImage drawOutline(qreal ratio) {
        const int side = qRound(CellSize * ratio);
        const int thickness = std::max(1, qRound(FrameThickness * ratio));
        const int dash = std::max(1, qRound(FrameDash * ratio));
        QImage outline(side, side, QImage::Format_ARGB32_Premultiplied);
        outline.fill(Qt::transparent);
        const auto colourAt = [&](int along) {
            const int fromCorner = std::min(along, side - 1 - along);
            return (fromCorner / dash) % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        };
        for (int along = 0; along < side; ++along)
            for (int across = 0; across < thickness; ++across) {
                outline.setPixel(along, across, colourAt(along));
                outline.setPixel(along, side - 1 - across, colourAt(along));
                outline.setPixel(across, along, colourAt(along));
                outline.setPixel(side - 1 - across, along, colourAt(along));
            }
        outline.setDevicePixelRatio(ratio);
        return outline;
    }

    static constexpr int FrameThickness = 2;
    static constexpr int FrameDash = 3;
    QImage outline_;
};

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

PictureBox::PictureBox(QWidget* parent, PressHandler onPress, KeyHandler onKey, BoardView view)
    : QWidget(parent), onPress_(std::move(onPress)), onKey_(std::move(onKey)),
      view_(std::move(view)), frame_(new FocusFrame(this)) {
    InstallBoardAccessible();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("picBoard"));
    setAccessibleName(tr("Board"));
    setFocusPolicy(Qt::StrongFocus);
}

// The banner's own words, as the window translates them.
QString PictureBox::bannerWords() {
    return QCoreApplication::translate("glintrow::frmMain", "Game Over");
}

bool PictureBox::isFocusFrameShown() const {
    return !frame_->isHidden();
}

QString PictureBox::nameSelected(const QString& name) {
    return tr("%1, selected").arg(name);
}

// A screen reader takes a cell told anew under the same name and place for the one it knows, and
// says nothing; the selection is therefore part of the name.
CellWords PictureBox::wordsOf(QPoint cell) const {
    CellWords words = view_.wordsOf(cell);
    if (words.selected)
        words.name = nameSelected(words.name);
    else if (cell == deselected_)
        words.note = tr("not selected");
    return words;
}

void PictureBox::stepFocus(int columns, int rows) {
    const auto clamp = [](int at) { return std::clamp(at, 0, BoardSize - 1); };
    placeFocus(QPoint(clamp(focus_.x() + columns), clamp(focus_.y() + rows)));
    frame_->setVisible(view_.showsGems());
}

void PictureBox::placeFocus(QPoint cell) {
    focus_ = cell;
    frame_->move(cell * CellSize);
}

void PictureBox::followGame() {
    if (!view_.showsGems())
        frame_->hide();
    if (!hasFocus() || !view_.isAtRest())
        return;
    // Once the gems have flown apart the board itself is told, named "Game Over": a cell told
    // instead would be read with its row, eight times over.
    const bool over = !view_.showsGems();
    if (over != toldOver_) {
        toldOver_ = over;
        setAccessibleName(over ? bannerWords() : tr("Board"));
        toldCell_ = QPoint(-1, -1);
        if (over)
            TellBoardFocused(this);
    }
    if (over)
        return;
    const CellWords words = view_.wordsOf(focus_);
    const bool sameCell = focus_ == toldCell_ && words.name == told_.name;
    if (sameCell && words.selected && !told_.selected) {
        // Screen readers say "selected" of the focused cell when its state changes.
        TellCellSelected(this, focus_);
    } else if (!sameCell || words.selected != told_.selected) {
        // A selection that leaves the focused cell is said with the cell told anew.
        deselected_ = sameCell ? focus_ : QPoint(-1, -1);
        TellCellFocused(this, focus_, told_.selected ? nameSelected(told_.name) : told_.name);
    }
    toldCell_ = focus_;
    told_ = words;
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    // The next arrow key goes on from the pressed cell, as a player expects.
    frame_->hide();
    const QPointF at = event->position();
    if (rect().contains(at.toPoint()))
        placeFocus(QPoint(int(at.x()) / CellSize, int(at.y()) / CellSize));
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

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The toolkit tells of the board taking the focus once this returns; its focused cell follows.
    toldCell_ = QPoint(-1, -1);
    QMetaObject::invokeMethod(this, &PictureBox::followGame, Qt::QueuedConnection);
}

// The presenter paints every frame the game shows; the board only follows what it shows.
void PictureBox::paintEvent(QPaintEvent*) {
    followGame();
}

} // namespace glintrow
