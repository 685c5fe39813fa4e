// The drawing service's root and drawing objects on Qt: they make the surfaces, from a size or from
// a bitmap file, at the scale of the window's screen, and the clippers.
#include "DirectDraw.h"
#include "PictureSet.h"
#include "QtWindow.h"

#include <QWidget>

namespace glintrow {

DirectDraw7::DirectDraw7() : pictures_(std::make_shared<PictureSet>()) {}
DirectDraw7::~DirectDraw7() = default;

void DirectDraw7::SetCooperativeLevel(HWND window, int32_t) {
    if (auto* widget = WidgetOf(window))
        TellScreenScale(widget->devicePixelRatioF());
    pictures_->followScreen();
}

ObjectRef<DirectDrawSurface7> DirectDraw7::CreateSurface(DDSURFACEDESC2& desc) {
    pictures_->followScreen();
    if (desc.ddsCaps.lCaps & DDSCAPS_PRIMARYSURFACE)
        return ObjectRef<DirectDrawSurface7>::Make(pictures_->makeSurface(QSize(), true));
    if (!(desc.lFlags & DDSD_WIDTH) || !(desc.lFlags & DDSD_HEIGHT) || desc.lWidth <= 0 ||
        desc.lHeight <= 0)
        throw RuntimeError(reasons::InvalidSurfaceDescription);
    return ObjectRef<DirectDrawSurface7>::Make(
        pictures_->makeSurface(QSize(desc.lWidth, desc.lHeight), false));
}

ObjectRef<DirectDrawSurface7> DirectDraw7::CreateSurfaceFromFile(const std::string& path,
                                                                 DDSURFACEDESC2& desc) {
    pictures_->followScreen();
    auto surface = ObjectRef<DirectDrawSurface7>::Make(pictures_->loadBitmap(path));
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
