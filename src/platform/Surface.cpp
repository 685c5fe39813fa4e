// Surfaces on Qt: each is a QImage, keyed copies skip black through an alpha copy of the source,
// and copies and texts are kept as drawing steps until the picture is needed, so a frame drawn
// alike to the last is not drawn again.
#include "Presenter.h"
#include "QtFont.h"
#include "SurfaceImage.h"

#include "BitmapFile.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <cstdio>

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
    const QFont font = ToQFont(step.font, step.textScale);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font);
    painter.setPen(toQColor(step.colour));
    // The text's cell, not its baseline, has its top-left corner at (x, y).
    painter.drawText(QPointF(step.target.x(), step.target.y() + QFontMetricsF(font).ascent()),
                     QString::fromStdString(step.text));
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

// "images/Board.bmp" at 2 is "images/Board@2x.bmp"; at 1 the file itself.
std::string scaledPath(const std::string& path, int scale) {
    if (scale == 1)
        return path;
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    const size_t at =
        dot == std::string::npos || (slash != std::string::npos && dot < slash) ? path.size() : dot;
    return path.substr(0, at) + "@" + std::to_string(scale) + "x" + path.substr(at);
}

// The bitmap's picture at a scale, as much of it as the surface keeps.
QImage readKeptPicture(const DirectDrawSurface7::Image& image, int scale) {
    const std::string path = scaledPath(image.path, scale);
    QImage pixels = ReadBitmapPicture(path);
    if (pixels.size() != image.fileSize * scale)
        throw RuntimeError("Bitmap of the wrong size (" + std::to_string(pixels.width()) + " x " +
                           std::to_string(pixels.height()) + " pixels, " +
                           std::to_string(image.fileSize.width() * scale) + " x " +
                           std::to_string(image.fileSize.height() * scale) + " needed): " + path);
    if (image.kept.size() == image.fileSize)
        return pixels;
    return pixels.copy(QRect(image.kept.topLeft() * scale, image.kept.size() * scale));
}

// Reads the bitmap's picture at a scale from beside it, once. A missing or bad one is said on one
// line and left out: the picture at another scale stands in for it.
void readScaled(DirectDrawSurface7::Image& image, int scale) {
    ScaledPicture& picture = image.scaled[scale];
    if (picture.tried)
        return;
    picture.tried = true;
    try {
        picture.pixels = readKeptPicture(image, scale);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "glintrow: %s; the picture is drawn from %s instead\n", failure.what(),
                     image.path.c_str());
    }
}

// Frees every picture decoded from the files, keeping only the stretched one. A scale whose file
// was refused stays refused, so its line is not said again.
void forgetDecoded(DirectDrawSurface7::Image& image) {
    image.pixels = QImage();
    image.keyed = QImage();
    for (ScaledPicture& picture : image.scaled)
        if (!picture.pixels.isNull())
            picture = ScaledPicture{};
    image.reduced = ScaledPicture{};
    image.reducedTo = 0.0;
}

// Reads the bitmap again when its decoded picture was freed. False when the file can no longer be
// read, said on one line: the stretched picture kept then stands in.
bool restoreDecoded(DirectDrawSurface7::Image& image) {
    if (!image.pixels.isNull() || image.path.empty())
        return true;
    try {
        image.pixels = readKeptPicture(image, 1);
        return true;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "glintrow: %s; the picture shown before is stretched instead\n",
                     failure.what());
        return false;
    }
}

// A picture of a bitmap at one scale, with its keyed form made when a keyed copy first needs it.
struct ScaledPictureRef {
    QImage* pixels;
    QImage* keyed;
    double scale;
};

const QImage& pictureFor(const DirectDrawSurface7::Image& image, const ScaledPictureRef& picture,
                         bool keyed) {
    if (!keyed)
        return *picture.pixels;
    if (picture.keyed->isNull())
        *picture.keyed = makeKeyed(*picture.pixels, *image.colourKey);
    return *picture.keyed;
}

// The source of a copy onto a surface at a scale: the bitmap's picture of the smallest scale at or
// above it, reduced smoothly to the scale when that is fractional, else the largest there is.
struct CopySource {
    const QImage* picture;
    double scale;
};

QImage reduceSmoothly(const QImage& picture, const QSize& size) {
    return picture.isNull() ? QImage()
                            : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

CopySource chooseSource(DirectDrawSurface7::Image& image, double targetScale, bool keyed) {
    ScaledPictureRef best{&image.pixels, &image.keyed, 1};
    if (image.path.empty() || targetScale <= 1.0)
        return {&pictureFor(image, best, keyed), 1};
    for (int scale = 2; scale <= 3; ++scale) {
        readScaled(image, scale);
        if (!image.scaled[scale].pixels.isNull())
            best = {&image.scaled[scale].pixels, &image.scaled[scale].keyed, double(scale)};
        if (best.scale >= targetScale)
            break;
    }
    if (best.scale <= targetScale)
        return {&pictureFor(image, best, keyed), best.scale};
    if (image.reducedTo != targetScale) {
        image.reduced = ScaledPicture{};
        image.reducedTo = targetScale;
    }
    QImage& reduced = keyed ? image.reduced.keyed : image.reduced.pixels;
    if (reduced.isNull())
        reduced = reduceSmoothly(pictureFor(image, best, keyed), image.size * targetScale);
    return {&reduced, targetScale};
}

// The whole bitmap stretched to a size, drawn as a stretched copy draws it.
QImage stretchOnce(const DrawStep& step) {
    QImage fitted(step.target.size(), QImage::Format_RGB32);
    QPainter painter(&fitted);
    DrawStep atOrigin = step;
    atOrigin.target.moveTo(0, 0);
    drawCopy(painter, atOrigin);
    return fitted;
}

// Sets the picture a copy from a surface takes. A whole bitmap copied stretched and opaque (the
// board over the back buffer) is stretched once and then copied one to one from its stretched
// picture, and the decoded pictures are freed.
void takeSource(DirectDrawSurface7::Image& from, const RECT& sourceRect, double targetScale,
                DrawStep& step) {
    const bool wholeBitmap =
        !step.keyed && !from.path.empty() && ToQRect(sourceRect) == QRect(QPoint(), from.size);
    const bool fitted = wholeBitmap && from.fitted.size() == step.target.size();
    if (fitted || !restoreDecoded(from)) {
        step.source = from.fitted;
        step.from = QRect(QPoint(), from.fitted.size());
        return;
    }
    const CopySource picture = chooseSource(from, targetScale, step.keyed);
    step.source = *picture.picture;
    step.from = ToDeviceRect(sourceRect, picture.scale);
    if (!wholeBitmap || step.from.size() == step.target.size())
        return;
    from.fitted = stretchOnce(step);
    forgetDecoded(from);
    step.source = from.fitted;
    step.from = QRect(QPoint(), from.fitted.size());
}

double screenScale(const DirectDrawSurface7::Image& image) {
    return image.scaledFor ? image.scaledFor->devicePixelRatioF() : 1.0;
}

// A surface that frames are composed in follows the scale of its window's screen, from the copy
// that begins a new picture on.
void followScreenScale(DirectDrawSurface7::Image& image) {
    const double scale = screenScale(image);
    if (scale == image.scale)
        return;
    image.scale = scale;
    image.pixels = QImage(image.size * scale, QImage::Format_RGB32);
    image.pixels.fill(Qt::black);
    image.spare = QImage();
    image.steps.clear();
    image.drawnSteps.clear();
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
    : size(picture.size()), pixels(std::move(picture)), name(newPictureName()), drawnName(name),
      primary(primarySurface) {}

QRect ToQRect(const RECT& rect) {
    return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

bool IsUsableIn(const RECT& rect, const QSize& size) {
    return rect.Right > rect.Left && rect.Bottom > rect.Top && rect.Left >= 0 && rect.Top >= 0 &&
           rect.Right <= size.width() && rect.Bottom <= size.height();
}

QRect ToDeviceRect(const RECT& rect, double scale) {
    if (scale == 1.0)
        return ToQRect(rect);
    const auto device = [scale](int32_t at) { return static_cast<int>(std::lround(at * scale)); };
    const int left = device(rect.Left);
    const int top = device(rect.Top);
    return QRect(left, top, device(rect.Right) - left, device(rect.Bottom) - top);
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
    if (!IsUsableIn(target, image_->size) || !IsUsableIn(sourceRect, from.size))
        return DDERR_INVALIDRECT;
    DrawPending(from);
    const bool keyed = (flags & DDBLT_KEYSRC) && from.colourKey;
    // An opaque copy over the whole surface, stretched or not, replaces every pixel.
    const bool whole = !keyed && ToQRect(target) == QRect(QPoint(0, 0), image_->size);
    if (whole)
        followScreenScale(*image_);
    DrawStep step;
    step.keyed = keyed;
    step.sourceName = from.name;
    step.target = ToDeviceRect(target, image_->scale);
    step.whole = whole;
    takeSource(from, sourceRect, image_->scale, step);
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
    image_->colourKey = key;
    image_->keyed = QImage();
    for (ScaledPicture& picture : image_->scaled)
        picture.keyed = QImage();
    image_->reduced.keyed = QImage();
    image_->name = newPictureName();
    image_->drawnName = image_->name;
}

void DirectDrawSurface7::KeepOnly(const RECT& part) {
    Image& image = *image_;
    if (!IsUsableIn(part, image.size) || image.path.empty())
        throw RuntimeError("Invalid part of a bitmap to keep: " + image.path);
    const QRect kept = ToQRect(part);
    if (kept.size() == image.size)
        return;
    // A picture freed before is read again, from the part kept, when a copy needs it.
    QImage pixels = image.pixels.copy(kept);
    forgetDecoded(image);
    image.fitted = QImage();
    image.kept = kept.translated(image.kept.topLeft());
    image.size = kept.size();
    image.pixels = std::move(pixels);
    image.name = newPictureName();
    image.drawnName = image.name;
}

void DirectDrawSurface7::GetSurfaceDesc(DDSURFACEDESC2& desc) const {
    desc.lFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.lCaps = image_->primary ? DDSCAPS_PRIMARYSURFACE : DDSCAPS_OFFSCREENPLAIN;
    desc.lWidth = image_->size.width();
    desc.lHeight = image_->size.height();
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
    step.target = ToDeviceRect(RECT{x, y, x, y}, image_->scale);
    step.text = text;
    step.font = font_;
    step.textScale = image_->scale;
    step.colour = foreColor_;
    addStep(*image_, std::move(step));
}

uint64_t DirectDrawSurface7::PictureName() const {
    DrawPending(*image_);
    return image_->name;
}

int32_t DirectDrawSurface7::GetPixel(int32_t x, int32_t y) const {
    DrawPending(*image_);
    const QPoint at = ToDeviceRect(RECT{x, y, x, y}, image_->scale).topLeft();
    if (!image_->pixels.valid(at))
        return 0;
    const QRgb pixel = image_->pixels.pixel(at);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace glintrow
