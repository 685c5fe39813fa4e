// Which tiles of a surface two lists of drawings leave differing, drawing by drawing.
#include "SurfaceTiles.h"

namespace glintrow {
namespace {

bool tileDrawsAlike(const std::vector<DrawStep>& steps, const TileSteps& tiles,
                    const std::vector<DrawStep>& others, const TileSteps& otherTiles, int tile) {
    const uint32_t count = tiles.first[tile + 1] - tiles.first[tile];
    if (count != otherTiles.first[tile + 1] - otherTiles.first[tile])
        return false;
    for (uint32_t i = 0; i < count; ++i)
        if (!steps[tiles.steps[tiles.first[tile] + i]].drawsAlike(
                others[otherTiles.steps[otherTiles.first[tile] + i]]))
            return false;
    return true;
}

} // namespace

void collectTiles(const std::vector<DrawStep>& steps, const TileGrid& grid, TileSteps& tiles) {
    tiles.first.assign(grid.count() + 1, 0);
    tiles.steps.clear();
    for (const DrawStep& step : steps)
        grid.eachTileOf(step, [&tiles](int tile) { ++tiles.first[tile + 1]; });
    for (size_t tile = 1; tile < tiles.first.size(); ++tile)
        tiles.first[tile] += tiles.first[tile - 1];
    tiles.steps.resize(tiles.first.back());
    std::vector<uint32_t> next(tiles.first.begin(), tiles.first.end() - 1);
    for (size_t index = 0; index < steps.size(); ++index)
        grid.eachTileOf(steps[index], [&](int tile) {
            tiles.steps[next[tile]++] = static_cast<uint16_t>(index);
        });
}

// A drawing that is only ever drawn whole puts all its tiles in the damage once one of them is.
void widenToWholeSteps(const std::vector<DrawStep>& steps, const TileGrid& grid,
                       std::vector<bool>& damaged) {
    for (bool widened = true; widened;) {
        widened = false;
        for (const DrawStep& step : steps) {
            if (!step.drawnOnlyWhole())
                continue;
            bool touched = false, whole = true;
            grid.eachTileOf(step, [&](int tile) {
                touched = touched || damaged[tile];
                whole = whole && damaged[tile];
            });
            if (!touched || whole)
                continue;
            grid.eachTileOf(step, [&damaged](int tile) { damaged[tile] = true; });
            widened = true;
        }
    }
}

// The damaged tiles as few rectangles: runs along each row, each joined to the same run in the
// row above.
std::vector<QRect> joinTiles(const TileGrid& grid, const std::vector<bool>& damaged) {
    std::vector<QRect> rects;
    for (int row = 0; row < grid.down(); ++row) {
        for (int column = 0; column < grid.across();) {
            if (!damaged[row * grid.across() + column]) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < grid.across() && damaged[row * grid.across() + column])
                ++column;
            const QRect run = grid.tile(first, row).united(grid.tile(column - 1, row));
            const auto above = std::find_if(rects.begin(), rects.end(), [&run](const QRect& rect) {
                return rect.bottom() + 1 == run.top() && rect.left() == run.left() &&
                       rect.right() == run.right();
            });
            if (above != rects.end())
                above->setBottom(run.bottom());
            else
                rects.push_back(run);
        }
    }
    return rects;
}

// The tiles where one list of drawings may leave other pixels than another.
std::vector<bool> differingTiles(const std::vector<DrawStep>& steps, const TileSteps& tiles,
                                 const std::vector<DrawStep>& others, const TileSteps& otherTiles) {
    const int count = static_cast<int>(tiles.first.size()) - 1;
    const bool comparable = otherTiles.first.size() == tiles.first.size();
    std::vector<bool> differing(count);
    for (int tile = 0; tile < count; ++tile)
        differing[tile] = !comparable || !tileDrawsAlike(steps, tiles, others, otherTiles, tile);
    return differing;
}

} // namespace glintrow
