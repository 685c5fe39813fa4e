// The board as assistive technology reads it: a list of 64 cells named by the gems they hold and
// their places, the cell under the focus frame focused. A list, not a table: a screen reader reads
// a table's whole row when the focus moves up or down, and the player wants the one gem.
#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace glintrow {

// What a cell shows, as a screen reader tells it.
struct CellWords {
    QString name;
    bool selected = false;
    // Said after the name when the cell takes the focus: "not selected" just after the selection
    // left it.
    QString note;
};

// The board's side of its list: what each cell shows and which cell has the focus frame.
class BoardCells {
public:
    virtual ~BoardCells() = default;
    virtual CellWords wordsOf(QPoint cell) const = 0;
    virtual QPoint focusedCell() const = 0;
};

// Has every widget that is also BoardCells read as a list of cells; once per program.
void InstallBoardAccessible();

// Tells assistive technology that the focus is on a cell of the board. The cell is told as a new
// one every time, since screen readers take no word of a changed name; the one it replaces keeps
// the name last said of it, so that the reader finds the new one different.
void TellCellFocused(QWidget* board, QPoint cell, const QString& lastSaid);
// Tells assistive technology that the focused cell's gem was selected.
void TellCellSelected(QWidget* board, QPoint cell);

} // namespace glintrow
