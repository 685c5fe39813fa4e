// Inside a surface: its device pixels, the drawings kept for them and what changed since the window
// last took them. Uses Qt, so only the drawing stand-in's own files include it, never the game.
#pragma once

#include "DirectDraw.h"

#include <QImage>
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace glintrow {

class PictureSet;

// One copy or text onto a surface, kept until the surface's picture is needed.
struct DrawStep {
    // The picture copied, shared so that later drawings onto it do not reach this copy; null for
    // a text.
    QImage source;
    // Names the picture copied: equal names, equal pictures.
    uint64_t sourceName = 0;
    QRect target;
    QRect from;
    bool keyed = false;
    // Replaces every pixel of the surface: nothing drawn before it shows.
    bool whole = false;
    std::string text;
    StdFont font;
    // Device pixels a unit of the text's font size and place takes.
    double textScale = 1.0;
    int32_t colour = 0;

    bool drawsAlike(const DrawStep& other) const {
        return sourceName == other.sourceName && target == other.target && from == other.from &&
               keyed == other.keyed && text == other.text && font.Name == other.font.Name &&
               font.Size == other.font.Size && textScale == other.textScale &&
               colour == other.colour;
    }
    bool isText() const { return source.isNull(); }
    // A stretched copy or a text: its pixels depend on where it is drawn from, so a part of it is
    // only ever drawn with the rest.
    bool drawnOnlyWhole() const { return isText() || target.size() != from.size(); }
};

// For each tile of a surface, the steps that may change a pixel of it, in drawing order.
struct TileSteps {
    // Where each tile's steps begin in `steps`; one more entry closes the last tile.
    std::vector<uint32_t> first;
    std::vector<uint16_t> steps;
};

// A buffer of a surface's device pixels, with the drawings it shows, their tiles and its name.
struct DrawnBuffer {
    QImage pixels;
    std::vector<DrawStep> steps;
    TileSteps tiles;
    uint64_t name = 0;
};

// Where a bitmap surface's pictures come from.
struct BitmapOrigin {
    std::string path;
    // The size of the file's picture at 1, and the part of it the surface keeps.
    QSize fileSize;
    QRect kept;
    // The whole picture stretched once to the size a copy of all of it fills; the decoded
    // picture is freed then.
    QImage fitted;
};

struct DirectDrawSurface7::Image {
    Image(std::shared_ptr<PictureSet> pictures, QImage picture, double scale,
          bool primarySurface = false);
    ~Image();

    // The size in the game's own pixels, whatever the device pixels behind it.
    QSize size;
    // Device pixels per pixel of the game in `pixels`: above 1 on a scaled screen.
    double scale = 1.0;
    QImage pixels;
    std::optional<DDCOLORKEY> colourKey;
    // The same picture with the colour-key pixels made transparent, once a keyed copy needs it.
    QImage keyed;
    std::optional<BitmapOrigin> bitmap;
    // The drawings asked for since the picture was last replaced whole (or since the pixels were
    // last brought up to date, past the most kept), and those the pixels show with their tiles.
    std::vector<DrawStep> steps;
    std::vector<DrawStep> drawnSteps;
    TileSteps drawnTiles;
    // The other buffer, which a frame is drawn into while the window holds the last one.
    DrawnBuffer spare;
    // Where the pixels may differ from the picture the window took last, who took it and which
    // buffer it was.
    QRegion changed;
    const void* changedFor = nullptr;
    const uchar* takenBits = nullptr;
    // Names of the picture asked for and of the picture the pixels show.
    uint64_t name = 0;
    uint64_t drawnName = 0;
    bool primary = false;
    std::shared_ptr<PictureSet> pictures;
};

uint64_t NewPictureName();
QRect ToQRect(const RECT& rect);
// Whether a rectangle is neither empty nor inverted and lies wholly inside a surface of that size.
bool IsUsableIn(const RECT& rect, const QSize& size);
// A rectangle of the game's pixels in device pixels at a scale: edges are rounded alike, so cells
// side by side stay side by side.
QRect ToDeviceRect(const RECT& rect, double scale);
// Gives a surface new pixels: nothing drawn on it before is kept, and all of it counts as changed.
void ReplacePixels(DirectDrawSurface7::Image& image, QImage pixels, double scale);
// Draws a step now.
void Draw(QPainter& painter, const DrawStep& step);
// Keeps a drawing for when the picture is needed.
void AddStep(DirectDrawSurface7::Image& image, DrawStep step);
// Brings the pixels up to the picture asked for, drawing only where it differs from theirs.
void DrawPending(DirectDrawSurface7::Image& image);

} // namespace glintrow
