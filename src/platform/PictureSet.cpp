// The pictures at the screen's scale: each bitmap is read from its file of that scale, or silently
// from the nearest scale there is when that file is missing; it is brought to the scale once, and
// only the pictures of the scale in use are kept.
#include "PictureSet.h"

#include "BitmapFile.h"
#include "GameFacts.h"

#include <QPainter>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <sys/stat.h>

namespace glintrow {
namespace {

// Device pixels a pixel of the game on the window's screen, as the window told it last.
double toldScale = 1.0;

// The scales of a bitmap's files in the order they are tried for a scale: the smallest at or
// above it first and larger ones after it, then those below it, the largest first.
std::vector<int> scalesToTry(double scale) {
    std::vector<int> files{1};
    files.insert(files.end(), std::begin(PictureScales), std::end(PictureScales));
    std::vector<int> order;
    std::copy_if(files.begin(), files.end(), std::back_inserter(order),
                 [scale](int file) { return file >= scale; });
    std::copy_if(files.rbegin(), files.rend(), std::back_inserter(order),
                 [scale](int file) { return file < scale; });
    return order;
}

bool isMissing(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

// The part of a bitmap's file of a scale that the surface keeps.
QImage readKeptPicture(const BitmapOrigin& bitmap, int scale) {
    const std::string path = ScaledPicturePath(bitmap.path, scale);
    QImage pixels = ReadBitmapPicture(path);
    if (pixels.size() != bitmap.fileSize * scale)
        throw RuntimeError(reasons::BitmapOfWrongSize,
                           {std::to_string(pixels.width()), std::to_string(pixels.height()),
                            std::to_string(bitmap.fileSize.width() * scale),
                            std::to_string(bitmap.fileSize.height() * scale), path});
    if (bitmap.kept.size() == bitmap.fileSize)
        return pixels;
    return pixels.copy(QRect(bitmap.kept.topLeft() * scale, bitmap.kept.size() * scale));
}

// The whole bitmap stretched to a size, drawn as a stretched copy draws it.
QImage stretchOnce(const DrawStep& step) {
    QImage fitted(step.target.size(), QImage::Format_RGB32);
    QPainter painter(&fitted);
    DrawStep atOrigin = step;
    atOrigin.target.moveTo(0, 0);
    Draw(painter, atOrigin);
    return fitted;
}

// A copy from the stretched picture, once the decoded one was freed: the part of it that the
// source rectangle covers.
void takeFromFitted(const DirectDrawSurface7::Image& from, const RECT& sourceRect, DrawStep& step) {
    const QImage& fitted = from.bitmap->fitted;
    const double across = double(fitted.width()) / from.picture.size().width();
    const double down = double(fitted.height()) / from.picture.size().height();
    const QRectF part = ToQRect(sourceRect);
    step.source = fitted;
    step.from =
        QRectF(part.x() * across, part.y() * down, part.width() * across, part.height() * down)
            .toAlignedRect();
}

} // namespace

void TellScreenScale(double devicePixelRatio) {
    toldScale = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
}

PictureSet::PictureSet() : scale_(toldScale) {}

void PictureSet::join(DirectDrawSurface7::Image& image) {
    images_.push_back(&image);
}

void PictureSet::leave(DirectDrawSurface7::Image& image) {
    images_.erase(std::remove(images_.begin(), images_.end(), &image), images_.end());
}

std::unique_ptr<DirectDrawSurface7::Image> PictureSet::makeSurface(const QSize& size,
                                                                   bool primary) {
    QImage pixels;
    if (!primary) {
        pixels = QImage(size * scale_, QImage::Format_RGB32);
        if (pixels.isNull())
            throw RuntimeError(reasons::OutOfMemory);
        pixels.fill(Qt::black);
    }
    return std::make_unique<DirectDrawSurface7::Image>(shared_from_this(), pixels, size, scale_,
                                                       primary);
}

std::unique_ptr<DirectDrawSurface7::Image> PictureSet::loadBitmap(const std::string& path) {
    const QImage atOne = ReadBitmapPicture(path);
    auto image =
        std::make_unique<DirectDrawSurface7::Image>(shared_from_this(), atOne, atOne.size(), 1.0);
    image->bitmap = BitmapOrigin{path, atOne.size(), QRect(QPoint(0, 0), atOne.size()), {}};
    if (scale_ != 1.0)
        readAtScale(*image, &atOne);
    return image;
}

bool PictureSet::readAtScale(DirectDrawSurface7::Image& image, const QImage* atOne) {
    const BitmapOrigin& bitmap = *image.bitmap;
    for (int scale : scalesToTry(scale_)) {
        if (scale == 1 && atOne) {
            image.picture.replace(*atOne, 1.0);
            return true;
        }
        const std::string path = ScaledPicturePath(bitmap.path, scale);
        if (scale != 1 && isMissing(path))
            continue;
        try {
            image.picture.replace(readKeptPicture(bitmap, scale), scale);
            return true;
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "glintrow: %s; the picture of another scale is drawn instead\n",
                         failure.what());
        }
    }
    return false;
}

void PictureSet::keepOnly(DirectDrawSurface7::Image& image, const RECT& part) {
    const QRect kept = ToQRect(part);
    if (kept.size() == image.picture.size())
        return;
    // A picture freed once stretched is read again; only the drawing's set-up keeps parts.
    if (image.picture.isFreed() && !readAtScale(image, nullptr))
        throw RuntimeError(reasons::PictureGone, {image.bitmap->path});
    image.bitmap->kept = kept.translated(image.bitmap->kept.topLeft());
    image.bitmap->fitted = QImage();
    image.picture.keepPart(part);
}

void PictureSet::followScreen() {
    if (toldScale == scale_)
        return;
    scale_ = toldScale;
    for (DirectDrawSurface7::Image* image : images_) {
        if (image->primary)
            continue;
        if (!image->bitmap) {
            QImage pixels(image->picture.size() * scale_, QImage::Format_RGB32);
            pixels.fill(Qt::black);
            image->picture.replace(std::move(pixels), scale_);
        } else if (readAtScale(*image, nullptr)) {
            image->bitmap->fitted = QImage();
        } else {
            std::fprintf(stderr,
                         "glintrow: no picture of %s could be read again; the one shown "
                         "before is scaled instead\n",
                         image->bitmap->path.c_str());
        }
    }
}

void PictureSet::takeSource(DirectDrawSurface7::Image& from, const RECT& sourceRect,
                            double targetScale, DrawStep& step) {
    SurfacePicture& picture = from.picture;
    const bool wholeBitmap =
        !step.keyed && from.bitmap && ToQRect(sourceRect) == QRect(QPoint(), picture.size());
    if (from.bitmap &&
        (picture.isFreed() || (wholeBitmap && from.bitmap->fitted.size() == step.target.size()))) {
        takeFromFitted(from, sourceRect, step);
        return;
    }
    if (from.bitmap && !wholeBitmap && picture.scale() != targetScale)
        picture.bringToScale(targetScale, from.colourKey);
    step.source = step.keyed ? picture.keyed(*from.colourKey) : picture.pixels();
    step.from = ToDeviceRect(sourceRect, picture.scale());
    if (!wholeBitmap || step.from.size() == step.target.size())
        return;
    // A whole bitmap copied stretched (a board of another size) is stretched once and then copied
    // one to one from its stretched picture; the decoded pictures are freed.
    from.bitmap->fitted = stretchOnce(step);
    picture.freePixels();
    step.source = from.bitmap->fitted;
    step.from = QRect(QPoint(), step.target.size());
}

} // namespace glintrow
