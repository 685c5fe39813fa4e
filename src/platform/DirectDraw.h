// Our stand-ins for the drawing service: the root object, the drawing object, surfaces (images in
// memory, the screen's primary surface among them), clippers and the records they take.
#pragma once

#include "ObjectRef.h"
#include "Window.h"

#include <cstdint>
#include <memory>
#include <string>

namespace glintrow {

// Right and bottom are exclusive.
struct RECT {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

struct DDSCAPS2 {
    int32_t lCaps = 0;
};

struct DDSURFACEDESC2 {
    int32_t lFlags = 0;
    DDSCAPS2 ddsCaps;
    int32_t lWidth = 0;
    int32_t lHeight = 0;
};

struct DDCOLORKEY {
    int32_t low = 0;
    int32_t high = 0;
};

// Which fields of a surface description count, and the kinds of surface.
constexpr int32_t DDSD_CAPS = 1;
constexpr int32_t DDSD_HEIGHT = 2;
constexpr int32_t DDSD_WIDTH = 4;
constexpr int32_t DDSCAPS_OFFSCREENPLAIN = 64;
constexpr int32_t DDSCAPS_PRIMARYSURFACE = 512;
constexpr int32_t DDSCL_NORMAL = 8;
// How a colour key and a copy are taken: every copy here waits until it can be done.
constexpr int32_t DDCKEY_SRCBLT = 8;
constexpr int32_t DDBLT_KEYSRC = 32768;
constexpr int32_t DDBLT_WAIT = 16777216;
constexpr int32_t DDBLTFAST_SRCCOLORKEY = 1;
constexpr int32_t DDBLTFAST_WAIT = 16;
// What a copy returns; the game never looks.
constexpr int32_t DD_OK = 0;
constexpr int32_t DDERR_INVALIDRECT = -2005532542;
constexpr int32_t DDERR_NOCLIPPER = -2005532385;

// A colour as the game writes it: red in the lowest byte, then green, then blue.
constexpr int32_t RGB(int32_t red, int32_t green, int32_t blue) {
    return red | (green << 8) | (blue << 16);
}

class DirectDrawClipper {
public:
    struct Presenter;

    DirectDrawClipper();
    ~DirectDrawClipper();
    void SetHWnd(HWND window);
    Presenter* presenter() const { return presenter_.get(); }

private:
    // Shows the frames copied to the screen in the clipper's window for as long as the clipper
    // lives, so nothing reaches the window once the drawing objects are released.
    std::unique_ptr<Presenter> presenter_;
};

class DirectDrawSurface7 {
public:
    struct Image;

    explicit DirectDrawSurface7(std::unique_ptr<Image> image);
    ~DirectDrawSurface7();

    // Stretched copy of the source rectangle onto the target rectangle. A rectangle that is
    // empty, inverted or not wholly inside its surface makes the copy draw nothing.
    int32_t Blt(const RECT& target, DirectDrawSurface7& source, const RECT& sourceRect,
                int32_t flags);
    // Unscaled copy of the source rectangle with its top-left corner at (x, y).
    int32_t BltFast(int32_t x, int32_t y, DirectDrawSurface7& source, const RECT& sourceRect,
                    int32_t flags);
    void SetColorKey(int32_t flags, const DDCOLORKEY& key);
    void GetSurfaceDesc(DDSURFACEDESC2& desc) const;
    void SetClipper(const ObjectRef<DirectDrawClipper>& clipper);
    void SetForeColor(int32_t colour);
    void SetFont(const StdFont& font);
    void DrawText(int32_t x, int32_t y, const std::string& text, bool atCursor);
    // Keeps only a part of a bitmap's picture, which becomes the surface's whole picture; the rest
    // is freed. A part that does not lie inside the picture raises a run-time error.
    void KeepOnly(const RECT& part);

    // Names the picture the surface holds: two equal names, two equal pictures. A frame drawn
    // alike to the last keeps its name.
    uint64_t PictureName() const;
    // The colour of one pixel, red in the lowest byte; for tests and measurements.
    int32_t GetPixel(int32_t x, int32_t y) const;

private:
    std::unique_ptr<Image> image_;
    ObjectRef<DirectDrawClipper> clipper_;
    int32_t foreColor_ = 0;
    StdFont font_;
};

class PictureSet;

// The window's screen has this many device pixels a pixel of the window: the drawing takes the
// pictures of that scale from the next frame on. The window tells it whenever its screen changes.
void TellScreenScale(double devicePixelRatio);

class DirectDraw7 {
public:
    DirectDraw7();
    ~DirectDraw7();
    // The drawing follows the window's screen from now on, at the scale it has now.
    void SetCooperativeLevel(HWND window, int32_t flags);
    ObjectRef<DirectDrawSurface7> CreateSurface(DDSURFACEDESC2& desc);
    // Loads a Windows bitmap into a surface of the bitmap's own size.
    ObjectRef<DirectDrawSurface7> CreateSurfaceFromFile(const std::string& path,
                                                        DDSURFACEDESC2& desc);
    ObjectRef<DirectDrawClipper> CreateClipper(int32_t flags);

private:
    // The pictures of every surface made here, at the screen's scale.
    std::shared_ptr<PictureSet> pictures_;
};

class DirectSound;

class DirectX7 {
public:
    ObjectRef<DirectDraw7> DirectDrawCreate(const std::string& driver);
    ObjectRef<DirectSound> DirectSoundCreate(const std::string& device);
    int32_t TickCount();
    // The screen rectangle of a window.
    void GetWindowRect(HWND window, RECT& rect);
};

} // namespace glintrow
