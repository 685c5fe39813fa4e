// Inside a surface: its pixels and the drawings kept for them until its picture is needed. Uses Qt,
// so only the drawing stand-in's own files include it, never the game.
#pragma once

#include "DirectDraw.h"

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glintrow {

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
};

// A bitmap's picture drawn at 2 or 3 times its size, for screens of that many device pixels a
// pixel.
struct ScaledPicture {
    QImage pixels;
    QImage keyed;
    bool tried = false;
};

struct DirectDrawSurface7::Image {
    explicit Image(QImage picture, bool primarySurface = false);

    // The size in the game's own pixels, whatever the device pixels behind it.
    QSize size;
    // Device pixels per pixel of the game in pixels: above 1 on a scaled screen.
    double scale = 1.0;
    // The window whose screen sets the scale, for a surface that frames are composed in.
    QPointer<QWidget> scaledFor;
    // For a surface loaded from a bitmap: its file, the size of the file's picture and the part
    // of it the surface keeps, and its pictures at 2 and 3 times the size, read from beside it
    // when first needed.
    std::string path;
    QSize fileSize;
    QRect kept;
    std::array<ScaledPicture, 4> scaled;
    // The picture of a larger scale reduced once to a fractional one (1.25, 1.5, ...), so that each
    // copy at that scale is one to one instead of reduced anew every frame.
    ScaledPicture reduced;
    double reducedTo = 0.0;
    // A bitmap copied whole and stretched is stretched once, and only that picture is kept: the
    // decoded ones are freed, and read again only should a copy of another kind need them.
    QImage fitted;
    std::optional<DDCOLORKEY> colourKey;
    QImage pixels;
    // The same picture with the colour-key pixels made transparent, once a keyed copy needs it.
    QImage keyed;
    // The buffer the surface draws into next while the window still shows its last picture.
    QImage spare;
    // The drawings asked for since the picture was last replaced whole (or since the pixels were
    // last brought up to date, past MaxKeptSteps), and those the pixels show.
    std::vector<DrawStep> steps;
    std::vector<DrawStep> drawnSteps;
    // Names of the picture asked for and of the picture the pixels show.
    uint64_t name = 0;
    uint64_t drawnName = 0;
    bool primary = false;
};

QRect ToQRect(const RECT& rect);
// Whether a rectangle is neither empty nor inverted and lies wholly inside a surface of that size.
bool IsUsableIn(const RECT& rect, const QSize& size);
// A rectangle of the game's pixels in device pixels at a scale: edges are rounded alike, so cells
// side by side stay side by side.
QRect ToDeviceRect(const RECT& rect, double scale);
// Brings the pixels up to the picture asked for.
void DrawPending(DirectDrawSurface7::Image& image);

} // namespace glintrow
