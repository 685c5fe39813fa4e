// The drawing surfaces: made once at start-up, released with everything else at shutdown.
#include "basDirectDrawStuff.h"

#include "basDeclarations.h"
#include "basGettingInformation.h"
#include "platform/Runtime.h"

namespace glintrow {
namespace {

// The cells the frames are copied from: the spin frames across and a row for each gem kind in the
// sheet, the cursor's frames in one row.
constexpr int32_t GemSheetWidth = SpinFrames * CellSize;
constexpr int32_t GemSheetHeight = GemKinds * CellSize;
constexpr int32_t TargetWidth = TargetFrames * CellSize;
constexpr int32_t TargetHeight = CellSize;

ObjectRef<DirectDrawSurface7> LoadBitmapSurface(const std::string& path) {
    DDSURFACEDESC2 desc;
    desc.lFlags = DDSD_CAPS;
    desc.ddsCaps.lCaps = DDSCAPS_OFFSCREENPLAIN;
    return DD->CreateSurfaceFromFile(path, desc);
}

// A bitmap too small for its layout is a broken file: the copies from the cells it lacks would
// draw nothing. Of a larger one only the cells are kept.
ObjectRef<DirectDrawSurface7> LoadSheetSurface(const std::string& path, int32_t width,
                                               int32_t height) {
    ObjectRef<DirectDrawSurface7> surface = LoadBitmapSurface(path);
    DDSURFACEDESC2 desc;
    surface->GetSurfaceDesc(desc);
    if (desc.lWidth < width || desc.lHeight < height)
        throw RuntimeError(reasons::BitmapTooSmall,
                           {std::to_string(desc.lWidth), std::to_string(desc.lHeight),
                            std::to_string(width), std::to_string(height), path});
    surface->KeepOnly(RECT{0, 0, width, height});
    return surface;
}

void CreateSurfaces() {
    DD = DX->DirectDrawCreate("");
    DD->SetCooperativeLevel(FormHandle, DDSCL_NORMAL);

    DDSURFACEDESC2 primaryDesc;
    primaryDesc.lFlags = DDSD_CAPS;
    primaryDesc.ddsCaps.lCaps = DDSCAPS_PRIMARYSURFACE;
    PrimarySurface = DD->CreateSurface(primaryDesc);

    BackBuffer = CreatePlainSurface(BoardPixels, BoardPixels);
    BackBufferRect = RECT{0, 0, BoardPixels, BoardPixels};

    BoardSurface = LoadBitmapSurface(BoardBitmapPath);
    DDSURFACEDESC2 boardDesc;
    BoardSurface->GetSurfaceDesc(boardDesc);
    BoardBitmapRect = RECT{0, 0, boardDesc.lWidth, boardDesc.lHeight};
    // Drawn once now, a board of another size is stretched now, and only its stretched picture is
    // kept: a large one is freed before the sheets load, and no frame stretches it again.
    BackBuffer->Blt(BackBufferRect, *BoardSurface, BoardBitmapRect, DDBLT_WAIT);

    GemSheetSurface = LoadSheetSurface(GemSheetPath, GemSheetWidth, GemSheetHeight);
    TargetSurface = LoadSheetSurface(TargetBitmapPath, TargetWidth, TargetHeight);

    BoardClipper = DD->CreateClipper(0);
    BoardClipper->SetHWnd(BoardHandle);
    PrimarySurface->SetClipper(BoardClipper);

    const DDCOLORKEY black;
    BoardSurface->SetColorKey(DDCKEY_SRCBLT, black);
    GemSheetSurface->SetColorKey(DDCKEY_SRCBLT, black);
    TargetSurface->SetColorKey(DDCKEY_SRCBLT, black);
}

// Every object the game releases at close, in the order it releases them: the drawing objects,
// the sound objects, both work lists and all gems.
template <class Visit> void VisitGameObjects(Visit visit) {
    visit(PrimarySurface);
    visit(BackBuffer);
    visit(BoardSurface);
    visit(GemSheetSurface);
    visit(TargetSurface);
    visit(BoardClipper);
    visit(DD);
    visit(DX);

    for (auto& buffer : SoundBuffers)
        visit(buffer);
    visit(PrimarySoundBuffer);
    visit(DS);

    visit(DroppingGems);
    visit(MatchedGems);

    for (int16_t row = 0; row < BoardSize; ++row)
        for (int16_t column = 0; column < BoardSize; ++column)
            visit(CellAt(column, row).Gem);
    for (CGem& gem : Gems)
        visit(gem);
}

struct Release {
    template <class T> void operator()(ObjectRef<T>& object) const { object = nullptr; }
    void operator()(GemList& list) const { list.clear(); }
    void operator()(CGem*& gem) const { gem = nullptr; }
    void operator()(CGem& gem) const { gem = CGem{}; }
};

template <class T> bool IsReleased(const ObjectRef<T>& object) {
    return !object;
}
bool IsReleased(const GemList& list) {
    return list.empty();
}
bool IsReleased(const CGem* gem) {
    return gem == nullptr;
}
bool IsReleased(const CGem& gem) {
    return gem == CGem{};
}

} // namespace

ObjectRef<DirectDrawSurface7> CreatePlainSurface(int32_t width, int32_t height) {
    DDSURFACEDESC2 desc;
    desc.lFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.lCaps = DDSCAPS_OFFSCREENPLAIN;
    desc.lWidth = width;
    desc.lHeight = height;
    return DD->CreateSurface(desc);
}

void InitDirectDraw() {
    if (!DX)
        DX = ObjectRef<DirectX7>::Make();
    try {
        CreateSurfaces();
    } catch (const std::exception& failure) {
        throw DrawingSetUpFailure(ReasonOf(failure));
    }
}

void ReleaseGameObjects() {
    VisitGameObjects(Release{});
}

bool AreGameObjectsReleased() {
    bool released = true;
    VisitGameObjects(
        [&released](const auto& object) { released = released && IsReleased(object); });
    return released;
}

void EndDirectDraw() {
    ReleaseGameObjects();
}

} // namespace glintrow
