// The board area: shows the frames the game copies to it, reports mouse presses and board keys,
// and carries the keyboard's focus frame and the words it gives assistive technology.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace glintrow {

// The keys the board takes while it has the keyboard.
enum class BoardKey { Left, Right, Up, Down, Press, Cancel };

class PictureBox : public QWidget {
    Q_OBJECT

public:
    using PressHandler = std::function<void(int16_t button, float x, float y)>;
    using KeyHandler = std::function<void(BoardKey key)>;
    // What a cell shows, told in words; the cell is given by column and row.
    using CellDescriber = std::function<QString(QPoint cell)>;

    PictureBox(QWidget* parent, PressHandler onPress, KeyHandler onKey, CellDescriber describe);

    // The cell under the focus frame, by column and row; the top-left cell at first.
    QPoint focusedCell() const { return focus_; }
    bool isFocusFrameShown() const;
    // Moves the focus frame by a step of cells and shows it; it stops at the board's edges.
    void stepFocus(int columns, int rows);
    // Puts the focus frame on a cell, shown or hidden as it was.
    void placeFocus(QPoint cell);
    // What the focused cell shows, as assistive technology reads it.
    QString describeFocusedCell() const;
    // Tells assistive technology that what the focused cell shows may have changed.
    void announceFocusedCell();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PressHandler onPress_;
    KeyHandler onKey_;
    CellDescriber describe_;
    QPoint focus_;
    QWidget* frame_;
};

} // namespace glintrow
