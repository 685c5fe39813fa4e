// Surfaces on Qt: each holds a QImage of device pixels; copies and texts are kept as drawing steps
// until the picture is needed, keyed copies skip black through an alpha copy of the source, and
// copies onto the primary surface go to the window.
#include "PictureSet.h"
#include "Presenter.h"
#include "SurfaceImage.h"

#include <cmath>

namespace glintrow {

uint64_t NewPictureName() {
    static uint64_t lastName = 0;
    return ++lastName;
}

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

DirectDrawSurface7::Image::Image(std::shared_ptr<PictureSet> set, QImage pixels, const QSize& size,
                                 double scale, bool primarySurface)
    : picture(std::move(pixels), size, scale), primary(primarySurface), pictures(std::move(set)) {
    pictures->join(*this);
}

DirectDrawSurface7::Image::~Image() {
    pictures->leave(*this);
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
    SurfacePicture& picture = image_->picture;
    if (!IsUsableIn(target, picture.size()) || !IsUsableIn(sourceRect, from.picture.size()))
        return DDERR_INVALIDRECT;
    from.picture.drawPending();
    const bool keyed = (flags & DDBLT_KEYSRC) && from.colourKey;
    // An opaque copy over the whole surface, stretched or not, replaces every pixel: a frame
    // begins, and the pictures follow the screen's scale from it on.
    const bool whole = !keyed && ToQRect(target) == QRect(QPoint(0, 0), picture.size());
    if (whole)
        image_->pictures->followScreen();
    DrawStep step;
    step.keyed = keyed;
    step.sourceName = from.picture.name();
    step.target = ToDeviceRect(target, picture.scale());
    step.whole = whole;
    image_->pictures->takeSource(from, sourceRect, picture.scale(), step);
    picture.add(std::move(step));
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
    image_->picture.changeKey();
    image_->colourKey = key;
}

void DirectDrawSurface7::KeepOnly(const RECT& part) {
    Image& image = *image_;
    if (!IsUsableIn(part, image.picture.size()) || !image.bitmap)
        throw RuntimeError(reasons::InvalidPartToKeep,
                           {image.bitmap ? image.bitmap->path : std::string()});
    image.picture.drawPending();
    image.pictures->keepOnly(image, part);
}

void DirectDrawSurface7::GetSurfaceDesc(DDSURFACEDESC2& desc) const {
    desc.lFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.lCaps = image_->primary ? DDSCAPS_PRIMARYSURFACE : DDSCAPS_OFFSCREENPLAIN;
    desc.lWidth = image_->picture.size().width();
    desc.lHeight = image_->picture.size().height();
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
    step.target = ToDeviceRect(RECT{x, y, x, y}, image_->picture.scale());
    step.text = text;
    step.font = font_;
    step.textScale = image_->picture.scale();
    step.colour = foreColor_;
    image_->picture.add(std::move(step));
}

uint64_t DirectDrawSurface7::PictureName() const {
    return image_->picture.name();
}

int32_t DirectDrawSurface7::GetPixel(int32_t x, int32_t y) const {
    const QImage& pixels = image_->picture.pixels();
    const QPoint at = ToDeviceRect(RECT{x, y, x, y}, image_->picture.scale()).topLeft();
    if (!pixels.valid(at))
        return 0;
    const QRgb pixel = pixels.pixel(at);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace glintrow
