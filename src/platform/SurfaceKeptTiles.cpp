// Tiles kept as drawn: a tile drawn in a frame that draws few is kept, and drawn from then on by
// copying it back while the same drawings come round.
#include "SurfaceKeptTiles.h"
#include "SurfaceTiles.h"

#include <QPainter>

#include <algorithm>

namespace glintrow {
namespace {

// A spinning gem over its animated cursor comes round after 90 frames (15 spin frames, 6 cursor
// frames of 3 draws each); a few more tiles leave room for the cursor of a second gem.
constexpr size_t MaxKeptTiles = 96;
// A frame that draws a tile or two is a gem spinning over its cursor, whose tiles come round
// again; one that draws more is play, whose tiles seldom do and are not worth their copies.
constexpr size_t MostTilesKeptAFrame = 2;

uint64_t mix(uint64_t hash, int64_t value) {
    return hash ^
           (static_cast<uint64_t>(value) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2));
}

uint64_t mixRect(uint64_t hash, const QRect& rect) {
    for (const int edge : {rect.x(), rect.y(), rect.width(), rect.height()})
        hash = mix(hash, edge);
    return hash;
}

uint64_t hashCopies(int tile, const std::vector<TileKey::Copy>& copies) {
    uint64_t hash = mix(0, tile);
    for (const TileKey::Copy& copy : copies)
        hash = mixRect(
            mixRect(mix(mix(hash, static_cast<int64_t>(copy.sourceName)), copy.keyed), copy.target),
            copy.from);
    return hash;
}

// The key of a tile's drawings, or none when one of them is drawn only whole: its pixels in the
// tile then depend on more than the tile.
std::optional<TileKey> makeKey(const std::vector<DrawStep>& steps, const TileSteps& tiles,
                               int tile) {
    TileKey key{tile, {}, 0};
    for (uint32_t i = tiles.first[tile]; i < tiles.first[tile + 1]; ++i) {
        const DrawStep& step = steps[tiles.steps[i]];
        if (step.drawnOnlyWhole())
            return std::nullopt;
        key.copies.push_back({step.sourceName, step.target, step.from, step.keyed});
    }
    key.hash = hashCopies(tile, key.copies);
    return key;
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
        const std::optional<TileKey> key = makeKey(steps, tiles, tile);
        const KeptTile* kept = key ? findKept(*key) : nullptr;
        if (!kept)
            continue;
        painter.drawImage(grid.tile(tile % grid.across(), tile / grid.across()).topLeft(),
                          kept->pixels);
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
        std::optional<TileKey> key = makeKey(steps, tiles, tile);
        if (!key || kept_.count(key->hash))
            continue;
        if (order_.size() >= MaxKeptTiles) {
            kept_.erase(order_.front());
            order_.pop_front();
        }
        order_.push_back(key->hash);
        kept_.emplace(key->hash,
                      KeptTile{std::move(*key),
                               pixels.copy(grid.tile(tile % grid.across(), tile / grid.across()))});
    }
}

void KeptTiles::clear() {
    kept_.clear();
    order_.clear();
}

const KeptTiles::KeptTile* KeptTiles::findKept(const TileKey& key) const {
    const auto found = kept_.find(key.hash);
    if (found == kept_.end() || found->second.key.tile != key.tile ||
        found->second.key.copies != key.copies)
        return nullptr;
    return &found->second;
}

} // namespace glintrow
