// Inside a surface: its pixels and the drawings kept for them until its picture is needed. Uses Qt,
// so only the drawing stand-in's own files include it, never the game.
#pragma once

#include "DirectDraw.h"

#include <QImage>
#include <QRect>

#include <cstdint>
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
    int32_t colour = 0;

    bool drawsAlike(const DrawStep& other) const {
        return sourceName == other.sourceName && target == other.target && from == other.from &&
               keyed == other.keyed && text == other.text && font.Name == other.font.Name &&
               font.Size == other.font.Size && colour == other.colour;
    }
};

struct DirectDrawSurface7::Image {
    explicit Image(QImage picture, bool primarySurface = false);

    QImage pixels;
    // The same picture with the colour-key pixels made transparent, once a key is set.
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
// Whether a rectangle is neither empty nor inverted and lies wholly inside the image.
bool IsUsableIn(const RECT& rect, const QImage& image);
// Brings the pixels up to the picture asked for.
void DrawPending(DirectDrawSurface7::Image& image);

} // namespace glintrow
