// The pictures of the drawing's surfaces at the scale of the window's screen: which file of which
// scale each bitmap is read from, what stands in for a missing or bad one, what is kept of each,
// and the change to another scale. Uses Qt, so only the drawing stand-in's own files include it.
#pragma once

#include "SurfaceImage.h"

#include <memory>
#include <string>
#include <vector>

namespace glintrow {

class PictureSet : public std::enable_shared_from_this<PictureSet> {
public:
    // At the scale the window told last.
    PictureSet();

    double scale() const { return scale_; }
    // Every surface of the drawing belongs to its set for as long as it lives.
    void join(DirectDrawSurface7::Image& image);
    void leave(DirectDrawSurface7::Image& image);

    // A surface of a size in the game's pixels, black, at the scale in use.
    std::unique_ptr<DirectDrawSurface7::Image> makeSurface(const QSize& size, bool primary);
    // A bitmap's surface: the file is read for its size, then its picture at the scale in use is
    // taken. Raises the file's run-time error.
    std::unique_ptr<DirectDrawSurface7::Image> loadBitmap(const std::string& path);
    // Keeps only a part (inside it) of a bitmap's picture, which becomes the surface's whole
    // picture.
    void keepOnly(DirectDrawSurface7::Image& image, const RECT& part);
    // Follows the scale the window told last: once it differs, every bitmap is read again at it
    // and every other surface is made anew, black, at its size. Frames begin here.
    void followScreen();
    // Sets the picture a copy from a surface takes and the part of it, for a target at a scale.
    void takeSource(DirectDrawSurface7::Image& from, const RECT& sourceRect, double targetScale,
                    DrawStep& step);

private:
    // Takes a bitmap's picture at the scale in use from the first file of the scales tried that
    // reads; the picture at 1 may be given, already read. False when none could be read.
    bool readAtScale(DirectDrawSurface7::Image& image, const QImage* atOne);

    double scale_;
    std::vector<DirectDrawSurface7::Image*> images_;
};

} // namespace glintrow
