// A surface's picture and its damage: the drawings asked for are compared with those its pixels
// show, tile by tile of the board's cells, and only the tiles that differ are drawn.
#include "QtFont.h"
#include "SurfaceImage.h"
#include "SurfaceTiles.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace glintrow {
namespace {

// Past this many drawings without one that replaces the whole picture, the drawings so far are
// done and forgotten.
constexpr size_t MaxKeptSteps = 4096;

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

void drawClipped(QPainter& painter, const QImage& pixels, const std::vector<DrawStep>& steps,
                 const std::vector<QRect>& rects) {
    if (rects.size() == 1 && rects.front() == pixels.rect()) {
        for (const DrawStep& step : steps)
            Draw(painter, step);
        return;
    }
    for (const QRect& rect : rects) {
        painter.setClipRect(rect);
        for (const DrawStep& step : steps)
            if (step.isText() || step.target.intersects(rect))
                Draw(painter, step);
    }
}

// The picture with the colour-key pixels made transparent.
QImage makeKeyed(const QImage& pixels, const DDCOLORKEY& key) {
    QImage keyed = pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            const QRgb pixel = line[x];
            const int32_t colour = RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
            if (colour >= key.low && colour <= key.high)
                line[x] = 0;
        }
    }
    return keyed;
}

bool keysOnlyBlack(const DDCOLORKEY& key) {
    return key.low == 0 && key.high == 0;
}

QImage scaleSmoothly(const QImage& picture, const QSize& size) {
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

SurfacePicture::SurfacePicture(QImage pixels, const QSize& size, double scale)
    : size_(size), scale_(scale),
      name_(NewPictureName()), shown_{std::move(pixels), {}, {}, name_, false},
      changed_(shown_.pixels.rect()) {}

const QImage& SurfacePicture::pixels() {
    drawPending();
    return shown_.pixels;
}

uint64_t SurfacePicture::name() {
    drawPending();
    return name_;
}

void SurfacePicture::replace(QImage pixels, double scale) {
    scale_ = scale;
    name_ = NewPictureName();
    shown_ = DrawnBuffer{std::move(pixels), {}, {}, name_, false};
    spare_ = DrawnBuffer{};
    steps_.clear();
    keyed_ = QImage();
    kept_.clear();
    changed_ = shown_.pixels.rect();
    changedFor_ = nullptr;
}

void SurfacePicture::keepPart(const RECT& part) {
    QImage pixels = shown_.pixels.copy(ToDeviceRect(part, scale_));
    size_ = ToQRect(part).size();
    replace(std::move(pixels), scale_);
}

void SurfacePicture::add(DrawStep step) {
    if (step.whole) {
        steps_.clear();
    } else if (steps_.size() >= MaxKeptSteps) {
        drawPending();
        steps_.clear();
        shown_.steps.clear();
        shown_.tiles = TileSteps{};
    }
    steps_.push_back(std::move(step));
    name_ = NewPictureName();
}

void SurfacePicture::drawPending() {
    if (!isPending())
        return;
    // A keyed picture kept as the picture itself is drawn onto as an opaque one; its key is made
    // again from what the drawings leave.
    if (shown_.pixels.format() != QImage::Format_RGB32) {
        shown_.pixels = shown_.pixels.convertToFormat(QImage::Format_RGB32);
        shown_.heldByWindow = false;
        keyed_ = QImage();
    }
    if (!steps_.empty() && steps_.front().whole)
        drawDamagedTiles();
    else
        drawLaterSteps();
    shown_.steps = steps_;
}

const QImage& SurfacePicture::keyed(const DDCOLORKEY& key) {
    if (keyed_.isNull()) {
        keyed_ = makeKeyed(shown_.pixels, key);
        if (keysOnlyBlack(key)) {
            shown_.pixels = keyed_;
            shown_.heldByWindow = false;
        }
    }
    return keyed_;
}

void SurfacePicture::changeKey() {
    drawPending();
    keyed_ = QImage();
    spare_ = DrawnBuffer{};
    name_ = NewPictureName();
    shown_.name = name_;
}

void SurfacePicture::bringToScale(double scale, const std::optional<DDCOLORKEY>& key) {
    const QSize device = size_ * scale;
    if (key)
        keyed_ = scaleSmoothly(keyed(*key), device);
    shown_.pixels = key && keysOnlyBlack(*key) ? keyed_ : scaleSmoothly(shown_.pixels, device);
    shown_.heldByWindow = false;
    scale_ = scale;
}

void SurfacePicture::freePixels() {
    shown_.pixels = QImage();
    shown_.heldByWindow = false;
    keyed_ = QImage();
}

TakenPicture SurfacePicture::take(const void* window, bool holdsPixels) {
    drawPending();
    TakenPicture taken{shown_.pixels,
                       changedFor_ == window ? changed_ : QRegion(shown_.pixels.rect())};
    changed_ = QRegion();
    changedFor_ = window;
    shown_.heldByWindow = holdsPixels;
    spare_.heldByWindow = false;
    return taken;
}

// Before drawings that begin by replacing every pixel: while someone holds the pixels, the frame
// is drawn into the other buffer, from the drawings that one shows. True when swapped.
bool SurfacePicture::swapForUnsharedBuffer() {
    if (shown_.pixels.isDetached())
        return false;
    if (!spare_.pixels.isDetached() || spare_.pixels.size() != shown_.pixels.size() ||
        spare_.pixels.format() != shown_.pixels.format())
        spare_ =
            DrawnBuffer{QImage(shown_.pixels.size(), shown_.pixels.format()), {}, {}, 0, false};
    std::swap(shown_, spare_);
    return true;
}

// The drawings begin by replacing the whole picture: only the tiles whose drawings differ from
// those the buffer shows are drawn again, each clipped to its tiles. One painter serves them all,
// since opening one costs a third of drawing a gem. Against the picture the window took, only the
// tiles whose drawings differ from those of its buffer changed.
void SurfacePicture::drawDamagedTiles() {
    const bool swapped = swapForUnsharedBuffer();
    const TileGrid grid(size_, scale_);
    TileSteps tiles;
    collectTiles(steps_, grid, tiles);
    std::vector<bool> damaged = differingTiles(steps_, tiles, shown_.steps, shown_.tiles);
    widenToWholeSteps(steps_, grid, damaged);
    const std::vector<QRect> rects = joinTiles(grid, damaged);
    if (!rects.empty())
        drawTiles(grid, tiles, damaged, rects);
    std::vector<QRect> changed = rects;
    if (swapped) {
        const bool shownTaken = spare_.heldByWindow;
        changed =
            joinTiles(grid, shownTaken ? differingTiles(steps_, tiles, spare_.steps, spare_.tiles)
                                       : std::vector<bool>(grid.count(), true));
        changed_ = QRegion();
        if (shownTaken && changed.empty())
            shown_.name = spare_.name;
    }
    for (const QRect& rect : changed)
        changed_ += rect;
    shown_.tiles = std::move(tiles);
    if (rects.empty() || (swapped && changed.empty()))
        name_ = shown_.name;
    else
        shown_.name = name_;
}

// The damaged tiles kept as drawn are copied and the others drawn; a tile drawn alone is kept.
void SurfacePicture::drawTiles(const TileGrid& grid, const TileSteps& tiles,
                               std::vector<bool> damaged, const std::vector<QRect>& rects) {
    QPainter painter(&shown_.pixels);
    const size_t count = std::count(damaged.begin(), damaged.end(), true);
    kept_.copyKept(painter, grid, steps_, tiles, damaged);
    const size_t drawn = std::count(damaged.begin(), damaged.end(), true);
    if (drawn == 0)
        return;
    drawClipped(painter, shown_.pixels, steps_, drawn == count ? rects : joinTiles(grid, damaged));
    kept_.keepDrawn(shown_.pixels, grid, steps_, tiles, damaged);
}

// Drawings onto the picture as it was: those after the ones the pixels show are drawn over them.
void SurfacePicture::drawLaterSteps() {
    const size_t drawn =
        drawAlike(steps_, shown_.steps.size(), shown_.steps) ? shown_.steps.size() : 0;
    // Painting pixels someone else holds gives them pixels of their own.
    if (!shown_.pixels.isDetached())
        shown_.heldByWindow = false;
    QPainter painter(&shown_.pixels);
    for (size_t i = drawn; i < steps_.size(); ++i) {
        Draw(painter, steps_[i]);
        changed_ += steps_[i].isText() ? shown_.pixels.rect() : steps_[i].target;
    }
    shown_.tiles = TileSteps{};
    shown_.name = name_;
}

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

} // namespace glintrow
