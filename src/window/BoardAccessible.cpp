// The board's list of cells for assistive technology: the board widget is the list, its cells are
// interfaces of their own, made when first asked for and made anew when what they show changes.
#include "BoardAccessible.h"
#include "LeafAccessible.h"

#include "GameFacts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#include <QWindow>

#include <array>
#include <deque>
#include <utility>

namespace glintrow {
namespace {

constexpr int CellCount = BoardSize * BoardSize;

int indexOf(QPoint cell) {
    return cell.y() * BoardSize + cell.x();
}

QPoint cellOf(int index) {
    return QPoint(index % BoardSize, index / BoardSize);
}

bool isCellIndex(int index) {
    return index >= 0 && index < CellCount;
}

class BoardAccessible;

// One cell: its name is the gem it holds and its place. It offers no
// action, so a press reaches the game only as the player's own.
class CellAccessible : public LeafAccessible {
public:
    CellAccessible(QWidget* board, QPoint cell) : LeafAccessible(board), cell_(cell) {}

    QObject* object() const override { return nullptr; }
    // From now on the cell is one a screen reader spoke of before, named as it was then.
    void retire(const QString& lastSaid) {
        retired_ = true;
        lastSaid_ = lastSaid;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return retired_ ? lastSaid_ : cells().wordsOf(cell_).name;
        if (kind == QAccessible::Description)
            return cells().wordsOf(cell_).note;
        return {};
    }
    QRect rect() const override {
        return QRect(owner_->mapToGlobal(cell_ * CellSize), QSize(CellSize, CellSize));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    // Selected, but not selectable by the reader: only the game's presses select.
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = owner_->hasFocus() && cells().focusedCell() == cell_;
        state.selected = cells().wordsOf(cell_).selected;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType) override { return nullptr; }

private:
    const BoardCells& cells() const { return *dynamic_cast<const BoardCells*>(owner_.data()); }

    QPoint cell_;
    bool retired_ = false;
    QString lastSaid_;
};

// The board: a list of its cells, row by row, whose selection only the game's presses change.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(QWidget* board) : QAccessibleWidget(board, QAccessible::List) {
        ids_.fill(0);
    }
    ~BoardAccessible() override {
        for (QAccessible::Id id : ids_)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        for (QAccessible::Id id : retired_)
            QAccessible::deleteAccessibleInterface(id);
    }

    // Sets a cell's interface aside, so that the next one asked for is new. A screen reader still
    // asks the one it last spoke of about its place while it speaks of the next, so the few last
    // set aside stay valid.
    void renewCell(int index, const QString& lastSaid) {
        if (!ids_[index])
            return;
        static_cast<CellAccessible*>(QAccessible::accessibleInterface(ids_[index]))
            ->retire(lastSaid);
        retired_.push_back(std::exchange(ids_[index], 0));
        if (retired_.size() > RetiredKept) {
            QAccessible::deleteAccessibleInterface(retired_.front());
            retired_.pop_front();
        }
    }

    int childCount() const override { return CellCount; }
    QAccessibleInterface* child(int index) const override {
        if (!isCellIndex(index))
            return nullptr;
        if (!ids_[index])
            ids_[index] = QAccessible::registerAccessibleInterface(
                new CellAccessible(widget(), cellOf(index)));
        return QAccessible::accessibleInterface(ids_[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < CellCount; ++index)
            if (ids_[index] && QAccessible::accessibleInterface(ids_[index]) == child)
                return index;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? child(indexOf(cells().focusedCell())) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        if (!widget()->rect().contains(at))
            return nullptr;
        return child(indexOf(QPoint(at.x() / CellSize, at.y() / CellSize)));
    }

private:
    const BoardCells& cells() const { return *dynamic_cast<const BoardCells*>(widget()); }

    static constexpr size_t RetiredKept = 8;
    mutable std::array<QAccessible::Id, CellCount> ids_;
    std::deque<QAccessible::Id> retired_;
};

QAccessibleInterface* makeBoardAccessible(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && dynamic_cast<BoardCells*>(widget))
        return new BoardAccessible(widget);
    return nullptr;
}

BoardAccessible* boardOf(QWidget* board) {
    return static_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board));
}

} // namespace

void InstallBoardAccessible() {
    InstallAccessibleFactory(makeBoardAccessible);
}

void TellCellFocused(QWidget* board, QPoint cell, const QString& lastSaid) {
    if (!QAccessible::isActive())
        return;
    boardOf(board)->renewCell(indexOf(cell), lastSaid);
    QAccessibleEvent focused(board, QAccessible::Focus);
    focused.setChild(indexOf(cell));
    QAccessible::updateAccessibility(&focused);
}

void TellCellSelected(QWidget* board, QPoint cell) {
    if (!QAccessible::isActive())
        return;
    // The toolkit tells screen readers of a cell added to the selection as its state changing.
    QAccessibleEvent selected(board, QAccessible::SelectionAdd);
    selected.setChild(indexOf(cell));
    QAccessible::updateAccessibility(&selected);
}

} // namespace glintrow
