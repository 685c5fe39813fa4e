// The board area: shows the frames the game copies to it, reports mouse presses and board keys,
// and carries the keyboard's focus frame and the words it gives assistive technology.
#pragma once

#include "BoardAccessible.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace glintrow {

// The keys the board takes while it has the keyboard.
enum class BoardKey { Left, Right, Up, Down, Press, Cancel };

// What the game shows: each cell in words, and whether the board shows gems and stands still.
struct BoardView {
    std::function<CellWords(QPoint cell)> wordsOf;
    std::function<bool()> showsGems;
    std::function<bool()> isAtRest;
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
    // at the board's edges.
    void stepFocus(int columns, int rows);
    // Puts the focus frame on a cell, shown or hidden as it was.
    void placeFocus(QPoint cell);
    // Follows the game after a command or a shown frame: hides the focus frame while the board
    // shows no gems, and tells assistive technology what changed under it once the board is at
    // rest. Sends nothing while nothing changed.
    void followGame();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static QString nameSelected(const QString& name);
    static QString bannerWords();

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
};

} // namespace glintrow
