// The tiles of a surface's picture, the board's cells in device pixels, and the drawings that reach
// each: what tells which tiles two lists of drawings leave differing. Uses Qt, so only the drawing
// stand-in's own files include it.
#pragma once

#include "GameFacts.h"
#include "SurfaceImage.h"

#include <QRect>

#include <algorithm>
#include <cmath>
#include <vector>

namespace glintrow {

// The tiles of a surface in device pixels: the board's cells, so that a gem at rest changes one.
class TileGrid {
public:
    TileGrid(const QSize& size, double scale)
        : columns_(edges(size.width(), scale)), rows_(edges(size.height(), scale)) {}

    int count() const { return across() * down(); }
    int across() const { return static_cast<int>(columns_.size()) - 1; }
    int down() const { return static_cast<int>(rows_.size()) - 1; }
    QRect tile(int column, int row) const {
        return QRect(QPoint(columns_[column], rows_[row]),
                     QPoint(columns_[column + 1] - 1, rows_[row + 1] - 1));
    }
    // Visits the index of every tile a step may change.
    template <class Visit> void eachTileOf(const DrawStep& step, Visit visit) const {
        const QRect reach =
            step.isText()
                ? QRect(0, 0, across(), down())
                : QRect(QPoint(at(columns_, step.target.left()), at(rows_, step.target.top())),
                        QPoint(at(columns_, step.target.right()), at(rows_, step.target.bottom())));
        for (int row = reach.top(); row <= reach.bottom(); ++row)
            for (int column = reach.left(); column <= reach.right(); ++column)
                visit(row * across() + column);
    }

private:
    static std::vector<int> edges(int length, double scale) {
        std::vector<int> edges;
        for (int at = 0; at < length; at += CellSize)
            edges.push_back(static_cast<int>(std::lround(at * scale)));
        edges.push_back(static_cast<int>(std::lround(length * scale)));
        return edges;
    }
    static int at(const std::vector<int>& edges, int device) {
        const auto after = std::upper_bound(edges.begin(), edges.end() - 1, device);
        return std::max(0, static_cast<int>(after - edges.begin()) - 1);
    }

    std::vector<int> columns_;
    std::vector<int> rows_;
};

// Lists, for each tile, the drawings that reach it.
void collectTiles(const std::vector<DrawStep>& steps, const TileGrid& grid, TileSteps& tiles);
// A drawing that is only ever drawn whole puts all its tiles in the damage once one of them is.
void widenToWholeSteps(const std::vector<DrawStep>& steps, const TileGrid& grid,
                       std::vector<bool>& damaged);
// The damaged tiles as few rectangles: runs along each row, each joined to the same run in the
// row above.
std::vector<QRect> joinTiles(const TileGrid& grid, const std::vector<bool>& damaged);
// The tiles where one list of drawings may leave other pixels than another.
std::vector<bool> differingTiles(const std::vector<DrawStep>& steps, const TileSteps& tiles,
                                 const std::vector<DrawStep>& others, const TileSteps& otherTiles);

} // namespace glintrow
