// The drawing surfaces: made once at start-up, released with everything else at shutdown.
#include "basDirectDrawStuff.h"

#include "basDeclarations.h"
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
// draw nothing.
ObjectRef<DirectDrawSurface7> LoadSheetSurface(const std::string& path, int32_t width,
                                               int32_t height) {
    ObjectRef<DirectDrawSurface7> surface = LoadBitmapSurface(path);
    DDSURFACEDESC2 desc;
    surface->GetSurfaceDesc(desc);
    if (desc.lWidth < width || desc.lHeight < height)
        throw RuntimeError("Bitmap too small (" + std::to_string(desc.lWidth) + " x " +
                           std::to_string(desc.lHeight) + " pixels, " + std::to_string(width) +
                           " x " + std::to_string(height) + " needed): " + path);
    return surface;
}

void CreateSurfaces() {
    DD = DX->DirectDrawCreate("");
    DD->SetCooperativeLevel(FormHandle, DDSCL_NORMAL);

    DDSURFACEDESC2 primaryDesc;
    primaryDesc.lFlags = DDSD_CAPS;
    primaryDesc.ddsCaps.lCaps = DDSCAPS_PRIMARYSURFACE;
    PrimarySurface = DD->CreateSurface(primaryDesc);

    DDSURFACEDESC2 backDesc;
    backDesc.lFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    backDesc.ddsCaps.lCaps = DDSCAPS_OFFSCREENPLAIN;
    backDesc.lWidth = BoardPixels;
    backDesc.lHeight = BoardPixels;
    BackBuffer = DD->CreateSurface(backDesc);
    BackBufferRect = RECT{0, 0, backDesc.lWidth, backDesc.lHeight};

    BoardSurface = LoadBitmapSurface(BoardBitmapPath);
    DDSURFACEDESC2 boardDesc;
    BoardSurface->GetSurfaceDesc(boardDesc);
    BoardBitmapRect = RECT{0, 0, boardDesc.lWidth, boardDesc.lHeight};

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

} // namespace

void InitDirectDraw() {
    if (!DX)
        DX = ObjectRef<DirectX7>::Make();
    try {
        CreateSurfaces();
    } catch (const std::exception& failure) {
        throw DrawingSetUpFailure(failure.what());
    }
}

void EndDirectDraw() {
    PrimarySurface = nullptr;
    BackBuffer = nullptr;
    BoardSurface = nullptr;
    GemSheetSurface = nullptr;
    TargetSurface = nullptr;
    BoardClipper = nullptr;
    DD = nullptr;
    DX = nullptr;

    for (auto& buffer : SoundBuffers)
        buffer = nullptr;
    PrimarySoundBuffer = nullptr;
    DS = nullptr;

    DroppingGems.clear();
    MatchedGems.clear();

    for (int16_t row = 0; row < BoardSize; ++row)
        for (int16_t column = 0; column < BoardSize; ++column)
            Board[column][row].Gem = nullptr;
    Gems.fill(CGem{});
}

} // namespace glintrow
