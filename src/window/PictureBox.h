// The board area: shows the frames the game copies to it, reports mouse presses and board keys,
// and carries the keyboard's focus frame and the words it gives assistive technology.
#pragma once

#include "BoardAccessible.h"
#include "Narrator.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

namespace glintrow {

// The keys the board takes while it has the keyboard.
enum class BoardKey { Left, Right, Up, Down, Press, Cancel };

// Something the game did, in words: said at once, or once the board is at rest, with what the
// move left under the frame.
struct BoardNews {
    QString text;
    bool atRest = false;
};

// What the game shows: each cell in words, whether the board shows gems and stands still, and
// what the game did since it was last asked.
struct BoardView {
    std::function<CellWords(QPoint cell)> wordsOf;
    std::function<bool()> showsGems;
    std::function<bool()> isAtRest;
    std::function<std::vector<BoardNews>()> takeNews;
};

class PictureBox : public QWidget, public BoardCells {
    Q_OBJECT

public:
    using PressHandler = std::function<void(int16_t button, float x, float y)>;
    using KeyHandler = std::function<void(BoardKey key)>;

    PictureBox(QWidget* parent, PressHandler onPress, KeyHandler onKey, BoardView view);

    // The cell under the focus frame, by column and row; the top-left cell at first.
    QPoint focusedCell() const override { return focus_; }
    CellWords wordsOf(QPoint cell) const override;
    bool isFocusFrameShown() const;
    // Moves the focus frame by a step of cells and shows it while the board shows gems; it stops
    // at the board's edges. False when an edge stopped it.
    bool stepFocus(int columns, int rows);
    // Puts the focus frame on a cell, shown or hidden as it was.
    void placeFocus(QPoint cell);
    // Follows the game after a command or a shown frame: hides the focus frame while the board
    // shows no gems, has what the game did told, and tells assistive technology what changed
    // under the frame once the board is at rest. Sends nothing while nothing changed.
    void followGame();
    // Says what a command did, at once.
    void announce(const QString& text);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The cell's words as a screen reader says them: the gem, its place, and whether it is
    // selected.
    static QString nameSpoken(const CellWords& words, QPoint cell);
    static QString nameSelected(const QString& name);
    void tellFocusedCell(const QString& news);
    static QString bannerWords();
    static QString placeOf(QPoint cell);

    PressHandler onPress_;
    KeyHandler onKey_;
    BoardView view_;
    QPoint focus_;
    QWidget* frame_;
    // What assistive technology was last told of the focused cell; told anew on taking the focus.
    QPoint toldCell_{-1, -1};
    CellWords told_;
    bool toldOver_ = false;
    // The focused cell whose selection the player has just cancelled.
    QPoint deselected_{-1, -1};
    Narrator narrator_;
    // What the game did that waits for the board to come to rest.
    QStringList waitingNews_;
};

} // namespace glintrow
