// Inside a surface: its picture in device pixels, the drawings kept for it and what changed since
// the window last took it. Uses Qt, so only the drawing stand-in's own files include it.
#pragma once

#include "DirectDraw.h"
#include "SurfaceKeptTiles.h"

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

// A buffer of a surface's device pixels, with the drawings it shows, their tiles and the name of
// that picture.
struct DrawnBuffer {
    QImage pixels;
    std::vector<DrawStep> steps;
    TileSteps tiles;
    uint64_t name = 0;
    // The window took these very pixels, shared, with the last frame it took from the surface.
    bool heldByWindow = false;
};

// What the window is handed of a surface's picture: its pixels, and where they may differ from
// the pixels that window took before.
struct TakenPicture {
    QImage pixels;
    QRegion changed;
};

// A surface's picture in device pixels: the drawings asked for, those its pixels show, a second
// buffer to draw a frame into while the window holds the last one, the copy with the colour key
// made transparent, and what changed since the window took it. It alone writes any of them.
class SurfacePicture {
public:
    // Pixels of a size in the game's own pixels, at a scale.
    SurfacePicture(QImage pixels, const QSize& size, double scale);

    // The size in the game's own pixels, whatever the device pixels behind it.
    QSize size() const { return size_; }
    // Device pixels per pixel of the game: above 1 on a scaled screen.
    double scale() const { return scale_; }
    // Whether the pixels were freed once a stretched copy of them was kept instead.
    bool isFreed() const { return shown_.pixels.isNull(); }
    // The picture asked for, drawn first where drawings are pending.
    const QImage& pixels();
    // Names the picture asked for: two equal names, two equal pictures.
    uint64_t name();

    // New pixels at a scale: nothing drawn before is kept, and all of them count as changed.
    void replace(QImage pixels, double scale);
    // Keeps only a part (inside the picture), which becomes the whole picture.
    void keepPart(const RECT& part);
    // Keeps a drawing for when the picture is needed.
    void add(DrawStep step);
    // Brings the pixels up to the picture asked for, drawing only where it differs from theirs.
    void drawPending();

    // The picture with the key's colours made transparent, made once. Where only black is
    // transparent it serves every copy, and the picture is kept once.
    const QImage& keyed(const DDCOLORKEY& key);
    // A new colour key: its transparent copy is made again, and the picture takes a new name so
    // that copies from it are not taken for those made before.
    void changeKey();
    // Brings a bitmap's picture read at another scale to a scale, once, the transparent copy
    // with it so that its edges blend into what lies below.
    void bringToScale(double scale, const std::optional<DDCOLORKEY>& key);
    // Frees the pixels once a copy of them is kept elsewhere.
    void freePixels();

    // Hands a window the picture and where it changed since that window took it: all of it when
    // another took it since. A window that holds the pixels themselves keeps the next frame out of
    // them: it is drawn into the other buffer.
    TakenPicture take(const void* window, bool holdsPixels);

private:
    bool isPending() const { return name_ != shown_.name; }
    bool swapForUnsharedBuffer();
    void drawDamagedTiles();
    void drawTiles(const TileGrid& grid, const TileSteps& tiles, std::vector<bool> damaged,
                   const std::vector<QRect>& rects);
    void drawLaterSteps();

    QSize size_;
    double scale_;
    // The drawings asked for since the picture was last replaced whole (or since the pixels were
    // last brought up to date, past the most kept), and the name of that picture.
    std::vector<DrawStep> steps_;
    uint64_t name_;
    // The buffer that shows the picture, and the other one.
    DrawnBuffer shown_;
    DrawnBuffer spare_;
    QImage keyed_;
    // The tiles kept as drawn, copied back when the same drawings come round again.
    KeptTiles kept_;
    // Where the pixels may differ from the picture a window took last, and which window.
    QRegion changed_;
    const void* changedFor_ = nullptr;
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
    Image(std::shared_ptr<PictureSet> pictures, QImage pixels, const QSize& size, double scale,
          bool primarySurface = false);
    ~Image();

    SurfacePicture picture;
    std::optional<DDCOLORKEY> colourKey;
    std::optional<BitmapOrigin> bitmap;
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
// Draws a step now.
void Draw(QPainter& painter, const DrawStep& step);

} // namespace glintrow
