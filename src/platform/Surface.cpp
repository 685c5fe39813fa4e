// Surfaces on Qt: each is a QImage, keyed copies skip black through an alpha copy of the source,
// and copies and texts are kept as drawing steps until the picture is needed, so a frame drawn
// alike to the last is not drawn again.
#include "Presenter.h"
#include "QtFont.h"
#include "SurfaceImage.h"

#include <QFontMetricsF>
#include <QPainter>

namespace glintrow {
namespace {

// Past this many drawings without one that replaces the whole picture, the drawings so far are
// done and forgotten.
constexpr size_t MaxKeptSteps = 4096;

uint64_t newPictureName() {
    static uint64_t lastName = 0;
    return ++lastName;
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

QColor toQColor(int32_t colour) {
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

// Before drawings that begin by replacing every pixel of the surface: while the window still
// holds the surface's last picture, draw into the other buffer rather than copy that picture first.
void takeUnsharedBuffer(DirectDrawSurface7::Image& image) {
    if (image.pixels.isDetached())
        return;
    if (!image.spare.isDetached() || image.spare.size() != image.pixels.size() ||
        image.spare.format() != image.pixels.format())
        image.spare = QImage(image.pixels.size(), image.pixels.format());
    std::swap(image.pixels, image.spare);
}

void drawCopy(QPainter& painter, const DrawStep& step) {
    const bool scaled = step.target.size() != step.from.size();
    painter.setCompositionMode(step.keyed ? QPainter::CompositionMode_SourceOver
                                          : QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scaled);
    if (scaled)
        painter.drawImage(step.target, step.source, step.from);
    else
        painter.drawImage(step.target.topLeft(), step.source, step.from);
}

void drawText(QPainter& painter, const DrawStep& step) {
    const QFont font = ToQFont(step.font);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font);
    painter.setPen(toQColor(step.colour));
    // The text's cell, not its baseline, has its top-left corner at (x, y).
    painter.drawText(QPointF(step.target.x(), step.target.y() + QFontMetricsF(font).ascent()),
                     QString::fromStdString(step.text));
}

void addStep(DirectDrawSurface7::Image& image, DrawStep step) {
    if (step.whole) {
        image.steps.clear();
    } else if (image.steps.size() >= MaxKeptSteps) {
        DrawPending(image);
        image.steps.clear();
        image.drawnSteps.clear();
    }
    image.steps.push_back(std::move(step));
    image.name = newPictureName();
}

} // namespace

DirectDrawSurface7::Image::Image(QImage picture, bool primarySurface)
    : pixels(std::move(picture)), name(newPictureName()), drawnName(name), primary(primarySurface) {
}

QRect ToQRect(const RECT& rect) {
    return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

bool IsUsableIn(const RECT& rect, const QImage& image) {
    return rect.Right > rect.Left && rect.Bottom > rect.Top && rect.Left >= 0 && rect.Top >= 0 &&
           rect.Right <= image.width() && rect.Bottom <= image.height();
}

// Drawings alike to those the pixels show are not done again; otherwise only those after the ones
// the pixels show, or all of them when the first replaces the whole picture. One painter serves
// them all, since opening one costs a third of drawing a gem.
void DrawPending(DirectDrawSurface7::Image& image) {
    if (image.name == image.drawnName)
        return;
    const bool drawnComeFirst = drawAlike(image.steps, image.drawnSteps.size(), image.drawnSteps);
    if (drawnComeFirst && image.steps.size() == image.drawnSteps.size()) {
        image.name = image.drawnName;
        return;
    }
    const size_t first = drawnComeFirst ? image.drawnSteps.size() : 0;
    if (first == 0 && image.steps.front().whole)
        takeUnsharedBuffer(image);
    QPainter painter(&image.pixels);
    for (size_t i = first; i < image.steps.size(); ++i) {
        if (image.steps[i].source.isNull())
            drawText(painter, image.steps[i]);
        else
            drawCopy(painter, image.steps[i]);
    }
    painter.end();
    image.drawnSteps = image.steps;
    image.drawnName = image.name;
}

DirectDrawSurface7::DirectDrawSurface7(std::unique_ptr<Image> image) : image_(std::move(image)) {}
DirectDrawSurface7::~DirectDrawSurface7() = default;

int32_t DirectDrawSurface7::Blt(const RECT& target, DirectDrawSurface7& source,
                                const RECT& sourceRect, int32_t flags) {
    if (image_->primary) {
        if (!clipper_)
            return DDERR_NOCLIPPER;
        return clipper_->presenter()->Present(*source.image_, sourceRect, target);
    }
    Image& from = *source.image_;
    if (!IsUsableIn(target, image_->pixels) || !IsUsableIn(sourceRect, from.pixels))
        return DDERR_INVALIDRECT;
    DrawPending(from);
    DrawStep step;
    step.keyed = (flags & DDBLT_KEYSRC) && !from.keyed.isNull();
    step.source = step.keyed ? from.keyed : from.pixels;
    step.sourceName = from.name;
    step.target = ToQRect(target);
    step.from = ToQRect(sourceRect);
    step.whole = !step.keyed && step.target.size() == step.from.size() &&
                 step.target == image_->pixels.rect();
    addStep(*image_, std::move(step));
    return DD_OK;
}

int32_t DirectDrawSurface7::BltFast(int32_t x, int32_t y, DirectDrawSurface7& source,
                                    const RECT& sourceRect, int32_t flags) {
    const RECT target{x, y, x + sourceRect.Right - sourceRect.Left,
                      y + sourceRect.Bottom - sourceRect.Top};
    return Blt(target, source, sourceRect,
               (flags & DDBLTFAST_SRCCOLORKEY) ? DDBLT_KEYSRC | DDBLT_WAIT : DDBLT_WAIT);
}

void DirectDrawSurface7::SetColorKey(int32_t, const DDCOLORKEY& key) {
    QImage keyed = image_->pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            const QRgb pixel = line[x];
            const int32_t colour = RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
            if (colour >= key.low && colour <= key.high)
                line[x] = 0;
        }
    }
    image_->keyed = std::move(keyed);
    image_->name = newPictureName();
    image_->drawnName = image_->name;
}

void DirectDrawSurface7::GetSurfaceDesc(DDSURFACEDESC2& desc) const {
    desc.lFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.lCaps = image_->primary ? DDSCAPS_PRIMARYSURFACE : DDSCAPS_OFFSCREENPLAIN;
    desc.lWidth = image_->pixels.width();
    desc.lHeight = image_->pixels.height();
}

void DirectDrawSurface7::SetClipper(const ObjectRef<DirectDrawClipper>& clipper) {
    clipper_ = clipper;
}

void DirectDrawSurface7::SetForeColor(int32_t colour) {
    foreColor_ = colour;
}

void DirectDrawSurface7::SetFont(const StdFont& font) {
    font_ = font;
}

void DirectDrawSurface7::DrawText(int32_t x, int32_t y, const std::string& text, bool) {
    if (image_->primary)
        return;
    DrawStep step;
    step.target = QRect(x, y, 0, 0);
    step.text = text;
    step.font = font_;
    step.colour = foreColor_;
    addStep(*image_, std::move(step));
}

uint64_t DirectDrawSurface7::PictureName() const {
    DrawPending(*image_);
    return image_->name;
}

int32_t DirectDrawSurface7::GetPixel(int32_t x, int32_t y) const {
    DrawPending(*image_);
    if (!image_->pixels.valid(x, y))
        return 0;
    const QRgb pixel = image_->pixels.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace glintrow
