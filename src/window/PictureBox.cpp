// The board area: frames shown, presses and board keys reported, the focus frame drawn over the
// shown picture, and the focused cell told to assistive technology.
#include "PictureBox.h"

#include "GameFacts.h"
#include "platform/QtWindow.h"

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
      view_(std::move(view)), frame_(new FocusFrame(this)), narrator_(parent) {
    InstallBoardAccessible();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("picBoard"));
    setAccessibleName(tr("Board"));
    setFocusPolicy(Qt::StrongFocus);
}

// The columns are letters from the left and the rows numbers from the top, as on a chessboard
// turned over: short to say.
QString PictureBox::placeOf(QPoint cell) {
    return QChar(u'A' + cell.x()) + QString::number(cell.y() + 1);
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

//: A gem and its place on the board: "Red square, C3" (column C, row 3 from the top).
QString PictureBox::nameSpoken(const CellWords& words, QPoint cell) {
    const QString name = tr("%1, %2").arg(words.name, placeOf(cell));
    return words.selected ? nameSelected(name) : name;
}

// A screen reader takes a cell told anew under the same name and place for the one it knows, and
// says nothing; the selection is therefore part of the name.
CellWords PictureBox::wordsOf(QPoint cell) const {
    CellWords words = view_.wordsOf(cell);
    words.name = nameSpoken(words, cell);
    if (!words.selected && cell == deselected_)
        words.note = tr("not selected");
    return words;
}

bool PictureBox::stepFocus(int columns, int rows) {
    const auto clamp = [](int at) { return std::clamp(at, 0, BoardSize - 1); };
    const QPoint from = focus_;
    const QRect left = frame_->geometry();
    placeFocus(QPoint(clamp(focus_.x() + columns), clamp(focus_.y() + rows)));
    frame_->setVisible(view_.showsGems());
    // Shown at once, as a press is: a still board's frame loop sleeps, and the repaint the move
    // posts would wait for the next frame's event step.
    repaint(QRegion(left) + frame_->geometry());
    return focus_ != from;
}

void PictureBox::placeFocus(QPoint cell) {
    focus_ = cell;
    frame_->move(cell * CellSize);
}

void PictureBox::followGame() {
    for (const BoardNews& news : view_.takeNews()) {
        if (news.atRest)
            waitingNews_ << news.text;
        else
            narrator_.sayNow(news.text);
    }
    if (!view_.showsGems())
        frame_->hide();
    if (!hasFocus() || !view_.isAtRest())
        return;
    // Once the gems have flown apart the board is named "Game Over", which the window announces;
    // its cells hold no gem.
    const bool over = !view_.showsGems();
    if (over != toldOver_) {
        toldOver_ = over;
        setAccessibleName(over ? bannerWords() : tr("Board"));
        toldCell_ = QPoint(-1, -1);
    }
    const QString news = std::exchange(waitingNews_, {}).join(QStringLiteral(". "));
    if (over) {
        narrator_.sayWhenFree(news);
        return;
    }
    tellFocusedCell(news);
}

void PictureBox::announce(const QString& text) {
    narrator_.sayNow(text);
}

// The frame moved by the player is told at once; another gem that a move or a new game left under
// it is told once what was said before has had its time, with the news of the move.
void PictureBox::tellFocusedCell(const QString& news) {
    const CellWords words = view_.wordsOf(focus_);
    const QString said = nameSpoken(words, focus_);
    const QString lastSaid = nameSpoken(told_, focus_);
    const bool samePlace = focus_ == toldCell_;
    const bool sameGem = samePlace && words.name == told_.name;
    if (sameGem && words.selected && !told_.selected) {
        // Screen readers say "selected" of the focused cell when its state changes.
        TellCellSelected(this, focus_);
        narrator_.noteTold(said.size());
    } else if (!samePlace || (sameGem && words.selected != told_.selected)) {
        // A selection that leaves the focused cell is said with the cell told anew.
        deselected_ = samePlace ? focus_ : QPoint(-1, -1);
        TellCellFocused(this, focus_, lastSaid);
        narrator_.noteTold(said.size());
    } else if (!sameGem && !news.isEmpty()) {
        // The screen reader's cell keeps its place and reads what it shows now; only the
        // announcement says it.
        narrator_.sayWhenFree(news + QStringLiteral(". ") + said);
    } else if (!sameGem) {
        const QPoint cell = focus_;
        narrator_.tellWhenFree([this, cell, lastSaid] { TellCellFocused(this, cell, lastSaid); },
                               said.size());
    } else {
        narrator_.sayWhenFree(news);
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

// The presenter paints every frame the game shows; the board follows each one it shows.
bool PictureBox::event(QEvent* event) {
    if (event->type() == FrameShownEvent()) {
        followGame();
        return true;
    }
    return QWidget::event(event);
}

} // namespace glintrow
