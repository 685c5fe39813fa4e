// The drawings kept for a surface and their damage: a surface compares the drawings asked for with
// those its pixels show, tile by tile of the board's cells, and draws only the tiles that differ.
#include "QtFont.h"
#include "SurfaceImage.h"

#include "GameFacts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace glintrow {
namespace {

// Past this many drawings without one that replaces the whole picture, the drawings so far are
// done and forgotten.
constexpr size_t MaxKeptSteps = 4096;

// The tiles of a surface in device pixels: the board's cells, so that a gem at rest changes one.
class TileGrid {
public:
    explicit TileGrid(const DirectDrawSurface7::Image& image)
        : columns_(edges(image.size.width(), image.scale)),
          rows_(edges(image.size.height(), image.scale)) {}

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

QColor toQColor(int32_t colour) {
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

void drawText(QPainter& painter, const DrawStep& step) {
    const QFont font = ToQFont(step.font, step.textScale);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font);
    painter.setPen(toQColor(step.colour));
    // The text's cell, not its baseline, has its top-left corner at (x, y).
    painter.drawText(QPointF(step.target.x(), step.target.y() + QFontMetricsF(font).ascent()),
                     QString::fromStdString(step.text));
}

bool drawAlike(const std::vector<DrawStep>& steps, size_t count,
               const std::vector<DrawStep>& others) {
    if (count > steps.size() || count > others.size())
        return false;
    for (size_t i = 0; i < count; ++i)
        if (!steps[i].drawsAlike(others[i]))
            return false;
    return true;
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

// Before drawings that begin by replacing every pixel: while the window holds the pixels, the
// frame is drawn into the other buffer, from the drawings that one shows. True when swapped.
bool takeUnsharedBuffer(DirectDrawSurface7::Image& image) {
    if (image.pixels.isDetached())
        return false;
    DrawnBuffer& spare = image.spare;
    if (!spare.pixels.isDetached() || spare.pixels.size() != image.pixels.size() ||
        spare.pixels.format() != image.pixels.format())
        spare = DrawnBuffer{QImage(image.pixels.size(), image.pixels.format()), {}, {}, 0};
    std::swap(image.pixels, spare.pixels);
    std::swap(image.drawnSteps, spare.steps);
    std::swap(image.drawnTiles, spare.tiles);
    std::swap(image.drawnName, spare.name);
    return true;
}

void drawClipped(DirectDrawSurface7::Image& image, const std::vector<QRect>& rects) {
    QPainter painter(&image.pixels);
    if (rects.size() == 1 && rects.front() == image.pixels.rect()) {
        for (const DrawStep& step : image.steps)
            Draw(painter, step);
        return;
    }
    for (const QRect& rect : rects) {
        painter.setClipRect(rect);
        for (const DrawStep& step : image.steps)
            if (step.isText() || step.target.intersects(rect))
                Draw(painter, step);
    }
}

// The drawings begin by replacing the whole picture: only the tiles whose drawings differ from
// those the buffer shows are drawn again, each clipped to its tiles. One painter serves them all,
// since opening one costs a third of drawing a gem. Against the picture the window took, only the
// tiles whose drawings differ from those of its buffer changed.
void drawDamagedTiles(DirectDrawSurface7::Image& image) {
    const bool swapped = takeUnsharedBuffer(image);
    const TileGrid grid(image);
    TileSteps tiles;
    collectTiles(image.steps, grid, tiles);
    std::vector<bool> damaged =
        differingTiles(image.steps, tiles, image.drawnSteps, image.drawnTiles);
    widenToWholeSteps(image.steps, grid, damaged);
    const std::vector<QRect> rects = joinTiles(grid, damaged);
    if (!rects.empty())
        drawClipped(image, rects);
    std::vector<QRect> changed = rects;
    if (swapped) {
        const bool shownTaken = image.spare.pixels.constBits() == image.takenBits;
        changed = joinTiles(grid, shownTaken ? differingTiles(image.steps, tiles, image.spare.steps,
                                                              image.spare.tiles)
                                             : std::vector<bool>(grid.count(), true));
        image.changed = QRegion();
        if (shownTaken && changed.empty())
            image.drawnName = image.spare.name;
    }
    for (const QRect& rect : changed)
        image.changed += rect;
    image.drawnTiles = std::move(tiles);
    if (rects.empty() || (swapped && changed.empty()))
        image.name = image.drawnName;
    else
        image.drawnName = image.name;
}

// Drawings onto the picture as it was: those after the ones the pixels show are drawn over them.
void drawLaterSteps(DirectDrawSurface7::Image& image) {
    const size_t drawn = drawAlike(image.steps, image.drawnSteps.size(), image.drawnSteps)
                             ? image.drawnSteps.size()
                             : 0;
    QPainter painter(&image.pixels);
    for (size_t i = drawn; i < image.steps.size(); ++i) {
        Draw(painter, image.steps[i]);
        image.changed += image.steps[i].isText() ? image.pixels.rect() : image.steps[i].target;
    }
    image.drawnTiles = TileSteps{};
    image.drawnName = image.name;
}

} // namespace

void Draw(QPainter& painter, const DrawStep& step) {
    if (step.isText()) {
        drawText(painter, step);
        return;
    }
    const bool scaled = step.target.size() != step.from.size();
    painter.setCompositionMode(step.keyed ? QPainter::CompositionMode_SourceOver
                                          : QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scaled);
    if (scaled)
        painter.drawImage(step.target, step.source, step.from);
    else
        painter.drawImage(step.target.topLeft(), step.source, step.from);
}

void ReplacePixels(DirectDrawSurface7::Image& image, QImage pixels, double scale) {
    image.pixels = std::move(pixels);
    image.scale = scale;
    image.keyed = QImage();
    image.steps.clear();
    image.drawnSteps.clear();
    image.drawnTiles = TileSteps{};
    image.spare = DrawnBuffer{};
    image.changed = image.pixels.rect();
    image.changedFor = nullptr;
    image.takenBits = nullptr;
    image.name = NewPictureName();
    image.drawnName = image.name;
}

void AddStep(DirectDrawSurface7::Image& image, DrawStep step) {
    if (step.whole) {
        image.steps.clear();
    } else if (image.steps.size() >= MaxKeptSteps) {
        DrawPending(image);
        image.steps.clear();
        image.drawnSteps.clear();
        image.drawnTiles = TileSteps{};
    }
    image.steps.push_back(std::move(step));
    image.name = NewPictureName();
}

void DrawPending(DirectDrawSurface7::Image& image) {
    if (image.name == image.drawnName)
        return;
    // A keyed picture kept as the picture itself is drawn onto as an opaque one; its key is made
    // again from what the drawings leave.
    if (image.pixels.format() != QImage::Format_RGB32) {
        image.pixels = image.pixels.convertToFormat(QImage::Format_RGB32);
        image.keyed = QImage();
    }
    if (!image.steps.empty() && image.steps.front().whole)
        drawDamagedTiles(image);
    else
        drawLaterSteps(image);
    image.drawnSteps = image.steps;
}

} // namespace glintrow
