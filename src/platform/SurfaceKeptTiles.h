// The tiles a surface keeps as drawn, so that a tile drawn again from the same drawings is a copy:
// a spinning gem's frames over its cell come round again and again. Uses Qt, so only the drawing
// stand-in's own files include it.
#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

class QPainter;

namespace glintrow {

class TileGrid;
struct DrawStep;
struct TileSteps;

// What decides a copy's pixels in a tile: what is copied, from where to where.
struct TileCopy {
    uint64_t sourceName;
    QRect target;
    QRect from;
    bool keyed;
    bool operator==(const TileCopy&) const = default;
};

class KeptTiles {
public:
    // Copies every damaged tile kept for the same drawings with the painter of the surface's
    // pixels, and takes it out of the damage.
    void copyKept(QPainter& painter, const TileGrid& grid, const std::vector<DrawStep>& steps,
                  const TileSteps& tiles, std::vector<bool>& damaged) const;
    // Keeps the tile just drawn when it is the only one of its frame.
    void keepDrawn(const QImage& pixels, const TileGrid& grid, const std::vector<DrawStep>& steps,
                   const TileSteps& tiles, const std::vector<bool>& drawn);
    // Forgets every tile: the pixels they were drawn into are gone.
    void clear();

private:
    struct KeptTile {
        int tile;
        std::vector<TileCopy> copies;
        QImage pixels;
    };

    const KeptTile* findKept(uint64_t hash, const std::vector<DrawStep>& steps,
                             const TileSteps& tiles, int tile) const;

    std::unordered_map<uint64_t, KeptTile> kept_;
    // The hashes of the kept tiles, the oldest first.
    std::deque<uint64_t> order_;
};

} // namespace glintrow
