// Tiles kept as drawn: the tile of a frame that draws a single one is kept, and drawn from then
// on by copying it back while the same drawings come round.
#include "SurfaceKeptTiles.h"
#include "SurfaceTiles.h"

#include <QPainter>

#include <algorithm>
#include <optional>

namespace glintrow {
namespace {

// A spinning gem over its animated cursor comes round after 90 frames (15 spin frames, 6 cursor
// frames of 3 draws each). A few more leave room for tiles kept besides, so that one of them does
// not push out the next tile the spin needs, and that one the next.
constexpr size_t MaxKeptTiles = 96;
// A frame that draws a single tile is most likely a gem spinning over its cursor, whose tiles come
// round again; one that draws more is play, whose tiles seldom do and are not worth their copies.
constexpr size_t MostTilesKeptAFrame = 1;

uint64_t mix(uint64_t hash, int64_t value) {
    return hash ^
           (static_cast<uint64_t>(value) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2));
}

uint64_t mixRect(uint64_t hash, const QRect& rect) {
    for (const int edge : {rect.x(), rect.y(), rect.width(), rect.height()})
        hash = mix(hash, edge);
    return hash;
}

TileCopy copyOf(const DrawStep& step) {
    return {step.sourceName, step.target, step.from, step.keyed};
}

// The hash of a tile's copies, or none when one of its drawings is drawn only whole: its pixels in
// the tile then depend on more than the tile.
std::optional<uint64_t> hashTile(const std::vector<DrawStep>& steps, const TileSteps& tiles,
                                 int tile) {
    uint64_t hash = mix(0, tile);
    for (uint32_t i = tiles.first[tile]; i < tiles.first[tile + 1]; ++i) {
        const DrawStep& step = steps[tiles.steps[i]];
        if (step.drawnOnlyWhole())
            return std::nullopt;
        hash = mixRect(
            mixRect(mix(mix(hash, static_cast<int64_t>(step.sourceName)), step.keyed), step.target),
            step.from);
    }
    return hash;
}

QRect rectOf(const TileGrid& grid, int tile) {
    return grid.tile(tile % grid.across(), tile / grid.across());
}

} // namespace

void KeptTiles::copyKept(QPainter& painter, const TileGrid& grid,
                         const std::vector<DrawStep>& steps, const TileSteps& tiles,
                         std::vector<bool>& damaged) const {
    if (kept_.empty())
        return;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int tile = 0; tile < grid.count(); ++tile) {
        if (!damaged[tile])
            continue;
        const std::optional<uint64_t> hash = hashTile(steps, tiles, tile);
        const KeptTile* kept = hash ? findKept(*hash, steps, tiles, tile) : nullptr;
        if (!kept)
            continue;
        painter.drawImage(rectOf(grid, tile).topLeft(), kept->pixels);
        damaged[tile] = false;
    }
}

void KeptTiles::keepDrawn(const QImage& pixels, const TileGrid& grid,
                          const std::vector<DrawStep>& steps, const TileSteps& tiles,
                          const std::vector<bool>& drawn) {
    if (static_cast<size_t>(std::count(drawn.begin(), drawn.end(), true)) > MostTilesKeptAFrame)
        return;
    for (int tile = 0; tile < grid.count(); ++tile) {
        if (!drawn[tile])
            continue;
        const std::optional<uint64_t> hash = hashTile(steps, tiles, tile);
        if (!hash || kept_.count(*hash))
            continue;
        if (order_.size() >= MaxKeptTiles) {
            kept_.erase(order_.front());
            order_.pop_front();
        }
        KeptTile kept{tile, {}, pixels.copy(rectOf(grid, tile))};
        for (uint32_t i = tiles.first[tile]; i < tiles.first[tile + 1]; ++i)
            kept.copies.push_back(copyOf(steps[tiles.steps[i]]));
        order_.push_back(*hash);
        kept_.emplace(*hash, std::move(kept));
    }
}

void KeptTiles::clear() {
    kept_.clear();
    order_.clear();
}

const KeptTiles::KeptTile* KeptTiles::findKept(uint64_t hash, const std::vector<DrawStep>& steps,
                                               const TileSteps& tiles, int tile) const {
    const auto found = kept_.find(hash);
    if (found == kept_.end())
        return nullptr;
    const KeptTile& kept = found->second;
    const uint32_t first = tiles.first[tile];
    if (kept.tile != tile || kept.copies.size() != tiles.first[tile + 1] - first)
        return nullptr;
    for (size_t i = 0; i < kept.copies.size(); ++i)
        if (kept.copies[i] != copyOf(steps[tiles.steps[first + i]]))
            return nullptr;
    return &kept;
}

} // namespace glintrow
