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

DirectDrawSurface7::Image::Image(std::shared_ptr<PictureSet> set, QImage picture,
                                 double pictureScale, bool primarySurface)
    : size(picture.size() / pictureScale), scale(pictureScale), pixels(std::move(picture)),
      changed(pixels.rect()), name(NewPictureName()), drawnName(name), primary(primarySurface),
      pictures(std::move(set)) {
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
    if (!IsUsableIn(target, image_->size) || !IsUsableIn(sourceRect, from.size))
        return DDERR_INVALIDRECT;
    DrawPending(from);
    const bool keyed = (flags & DDBLT_KEYSRC) && from.colourKey;
    // An opaque copy over the whole surface, stretched or not, replaces every pixel: a frame
    // begins, and the pictures follow the screen's scale from it on.
    const bool whole = !keyed && ToQRect(target) == QRect(QPoint(0, 0), image_->size);
    if (whole)
        image_->pictures->followScreen();
    DrawStep step;
    step.keyed = keyed;
    step.sourceName = from.name;
    step.target = ToDeviceRect(target, image_->scale);
    step.whole = whole;
    image_->pictures->takeSource(from, sourceRect, image_->scale, step);
    AddStep(*image_, std::move(step));
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
    DrawPending(*image_);
    image_->colourKey = key;
    image_->keyed = QImage();
    image_->spare = DrawnBuffer{};
    image_->name = NewPictureName();
    image_->drawnName = image_->name;
}

void DirectDrawSurface7::KeepOnly(const RECT& part) {
    Image& image = *image_;
    if (!IsUsableIn(part, image.size) || !image.bitmap)
        throw RuntimeError(reasons::InvalidPartToKeep,
                           {image.bitmap ? image.bitmap->path : std::string()});
    DrawPending(image);
    image.pictures->keepOnly(image, part);
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
    AddStep(*image_, std::move(step));
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
