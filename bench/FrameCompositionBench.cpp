// Times the composition of one frame into the back buffer from the build's real images: the board
// with every gem in its cell and two cursors, and a frame of shrinking gems. Each frame is read
// back, as presenting it would, so its drawings are done. The selected gem spins on by one picture
// every frame, so each frame differs from the one before in one cell, which alone is drawn again;
// the same board frame again, alike to the one before, is only compared; every gem turning changes
// every cell. Last, frames with every cell changed are presented to a shown window, where they are
// copied and painted one to one: that time a device pixel says what a scaled screen costs. The
// drawing follows the scale of the window's screen: run with QT_SCALE_FACTOR=2 for a screen of
// twice the pixels.
#include "BenchFigures.h"
#include "basDeclarations.h"
#include "basDirectDrawStuff.h"
#include "basDisplayingGemsAndTarget.h"
#include "basInitializingGameBoard.h"
#include "platform/Runtime.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <string>

namespace glintrow::bench {
namespace {

constexpr int WarmUpFrames = 200;
// From a shrink of 26 a gem is no longer drawn; steps up to 48 cover a whole clear.
constexpr int ShrinkSteps = 13;
constexpr int ShrinkPerStep = 4;

void SetUpDrawing(const std::string& assets) {
    const std::string images = assets + "/" + ImagesFolder + "/";
    BoardBitmapPath = images + BoardBitmapFile;
    GemSheetPath = images + GemSheetFile;
    TargetBitmapPath = images + TargetBitmapFile;
    InitDirectDraw();
    if (!BackBuffer || !GemSheetSurface || !TargetSurface)
        throw RuntimeError("the drawing surfaces could not be set up from " + assets);
}

void SettleGemsInTheirCells() {
    SetRandomState(20240601);
    InitializeGameBoard();
    for (CGem& gem : Gems) {
        gem.XPos = static_cast<int16_t>(CellSize * gem.XCoord);
        gem.YPos = static_cast<int16_t>(CellSize * gem.YCoord);
    }
    SelectedGem = 27;
    SecondGem = 28;
    GameState = StateSwapping;
}

void ComposeBoardWithCursors(int) {
    BackBuffer->Blt(BackBufferRect, *BoardSurface, BoardBitmapRect, DDBLT_WAIT);
    DisplayTarget(SelectedGem);
    DisplayTarget(SecondGem);
    DisplayGems();
    BackBuffer->GetPixel(0, 0);
}

void ComposeBoardWithSpinningGem(int frame) {
    Gems[SelectedGem].RotFrame = static_cast<int16_t>(frame % SpinFrames);
    ComposeBoardWithCursors(frame);
}

void ComposeShrinkingGems(int frame) {
    for (CGem& gem : Gems)
        gem.ShrinkStep = static_cast<int16_t>((frame + gem.GemID) % ShrinkSteps * ShrinkPerStep);
    BackBuffer->Blt(BackBufferRect, *BoardSurface, BoardBitmapRect, DDBLT_WAIT);
    DisplayClearingGems();
    BackBuffer->GetPixel(0, 0);
}

void ComposeEveryGemTurning(int frame) {
    for (CGem& gem : Gems)
        gem.RotFrame = static_cast<int16_t>(frame % SpinFrames);
    ComposeBoardWithCursors(frame);
}

void PresentFrame(int) {
    RECT onScreen;
    DX->GetWindowRect(BoardHandle, onScreen);
    PrimarySurface->Blt(onScreen, *BackBuffer, BackBufferRect, DDBLT_WAIT);
}

// Times the second step of each frame; the first, when given, readies the frame untimed.
template <class Step> std::vector<double> TimeSteps(int frames, void (*ready)(int), Step step) {
    std::vector<double> times;
    times.reserve(frames);
    for (int frame = -WarmUpFrames; frame < frames; ++frame) {
        if (ready)
            ready(frame);
        const Clock::time_point start = Clock::now();
        step(frame);
        if (frame >= 0)
            times.push_back(MillisecondsBetween(start, Clock::now()));
    }
    return times;
}

template <class Compose> void TimeFrames(const char* name, int frames, Compose compose) {
    const std::vector<double> times = TimeSteps(frames, nullptr, compose);
    const std::string prefix = name;
    PrintFigure((prefix + "_median_ms").c_str(), Quantile(times, 0.5));
    PrintFigure((prefix + "_p99_ms").c_str(), Quantile(times, 0.99));
    PrintFigure((prefix + "_worst_ms").c_str(), Quantile(times, 1.0));
    PrintFigure((prefix + "_frames").c_str(), frames);
}

// The copy and paint of a frame whose every cell changed, a device pixel of the window.
void TimePresentingEveryCell(int frames, double devicePixels) {
    const std::vector<double> times = TimeSteps(frames, ComposeEveryGemTurning, PresentFrame);
    PrintFigure("present_every_cell_median_ms", Quantile(times, 0.5));
    PrintFigure("present_ns_per_pixel", Quantile(times, 0.5) * 1e6 / devicePixels);
}

} // namespace
} // namespace glintrow::bench

int main(int argc, char** argv) {
    using namespace glintrow::bench;
    const std::string assets = argc > 1 ? argv[1] : ASSET_DIR;
    const int frames = argc > 2 ? std::atoi(argv[2]) : 20000;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(416, 416);
    window.show();
    // Shown, the window is painted when asked to; until then a repaint would wait for it.
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    glintrow::FormHandle = glintrow::BoardHandle = reinterpret_cast<glintrow::HWND>(&window);
    try {
        SetUpDrawing(assets);
        SettleGemsInTheirCells();
        TimeFrames("compose_board", frames, ComposeBoardWithSpinningGem);
        TimeFrames("compose_alike", frames, ComposeBoardWithCursors);
        TimeFrames("compose_every_cell", frames, ComposeEveryGemTurning);
        TimeFrames("compose_shrinking", frames, ComposeShrinkingGems);
        const double ratio = window.devicePixelRatioF();
        TimePresentingEveryCell(frames / 4, 416 * ratio * 416 * ratio);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "frame_composition_bench: %s\n", failure.what());
        return 1;
    }
    return 0;
}
