// The drawing service's root and drawing objects on Qt: they make the surfaces, from a size or from
// a bitmap file, and the clippers.
#include "DirectDraw.h"
#include "BitmapFile.h"
#include "SurfaceImage.h"

namespace glintrow {

void DirectDraw7::SetCooperativeLevel(HWND window, int32_t) {
    window_ = window;
}

ObjectRef<DirectDrawSurface7> DirectDraw7::CreateSurface(DDSURFACEDESC2& desc) {
    using Image = DirectDrawSurface7::Image;
    if (desc.ddsCaps.lCaps & DDSCAPS_PRIMARYSURFACE)
        return ObjectRef<DirectDrawSurface7>::Make(std::make_unique<Image>(QImage(), true));
    if (!(desc.lFlags & DDSD_WIDTH) || !(desc.lFlags & DDSD_HEIGHT) || desc.lWidth <= 0 ||
        desc.lHeight <= 0)
        throw RuntimeError("Invalid surface description");
    QImage pixels(desc.lWidth, desc.lHeight, QImage::Format_RGB32);
    if (pixels.isNull())
        throw RuntimeError("Out of memory");
    pixels.fill(Qt::black);
    auto image = std::make_unique<Image>(std::move(pixels));
    image->scaledFor = reinterpret_cast<QWidget*>(window_);
    return ObjectRef<DirectDrawSurface7>::Make(std::move(image));
}

ObjectRef<DirectDrawSurface7> DirectDraw7::CreateSurfaceFromFile(const std::string& path,
                                                                 DDSURFACEDESC2& desc) {
    auto image = std::make_unique<DirectDrawSurface7::Image>(ReadBitmapPicture(path));
    image->path = path;
    image->fileSize = image->size;
    image->kept = QRect(QPoint(0, 0), image->size);
    auto surface = ObjectRef<DirectDrawSurface7>::Make(std::move(image));
    surface->GetSurfaceDesc(desc);
    return surface;
}

ObjectRef<DirectDrawClipper> DirectDraw7::CreateClipper(int32_t) {
    return ObjectRef<DirectDrawClipper>::Make();
}

ObjectRef<DirectDraw7> DirectX7::DirectDrawCreate(const std::string&) {
    return ObjectRef<DirectDraw7>::Make();
}

int32_t DirectX7::TickCount() {
    return glintrow::TickCount();
}

} // namespace glintrow
