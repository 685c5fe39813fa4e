// Drawing the gems and the cursor into the back buffer: edge cuts, shrinking, layering and the
// cursor's frames, read back pixel by pixel from sheets whose every pixel names its origin; a
// frame drawn again only where it changed, and the pictures following the screen's scale.
#include "DrawingTest.h"
#include "basDisplayingGemsAndTarget.h"
#include "basMainGameLoop.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace glintrow::testing {
namespace {

constexpr int32_t BoardColour = RGB(30, 30, 30);

// A sheet pixel says where it came from: red is 1 + its row in the cell, green 1 + its column,
// blue 1 + 16 × kind + frame. The top-left 2 × 2 pixels of every cell are black, transparent.
QImage MakeGemSheet() {
    QImage sheet(SpinFrames * CellSize, GemKinds * CellSize, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixelColor(
                x, y,
                QColor(1 + y % CellSize, 1 + x % CellSize, 1 + 16 * (y / CellSize) + x / CellSize));
    for (int y = 0; y < sheet.height(); y += CellSize)
        for (int x = 0; x < sheet.width(); x += CellSize)
            for (int corner = 0; corner < 4; ++corner)
                sheet.setPixelColor(x + corner % 2, y + corner / 2, Qt::black);
    return sheet;
}

// Each cursor frame is a ring of its own colour around a black, transparent middle.
QImage MakeTargetSheet() {
    QImage sheet(TargetFrames * CellSize, CellSize, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int frame = 0; frame < TargetFrames; ++frame)
        for (int y = 0; y < CellSize; ++y)
            for (int x = 0; x < CellSize; ++x)
                if (x < 4 || y < 4 || x >= CellSize - 4 || y >= CellSize - 4)
                    sheet.setPixelColor(CellSize * frame + x, y, QColor(100 + 20 * frame, 50, 60));
    return sheet;
}

int32_t SheetPixel(int kind, int frame, int row, int column) {
    return RGB(1 + row, 1 + column, 1 + 16 * kind + frame);
}

int32_t TargetColour(int frame) {
    return RGB(100 + 20 * frame, 50, 60);
}

class FrameDrawingTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        BackBuffer = CreatePlainSurface(416, 416);
        BoardSurface = LoadSurface(Filled(416, 416, QColor(30, 30, 30)));
        GemSheetSurface = LoadSurface(MakeGemSheet());
        TargetSurface = LoadSurface(MakeTargetSheet());
        GemSheetSurface->SetColorKey(DDCKEY_SRCBLT, DDCOLORKEY{});
        TargetSurface->SetColorKey(DDCKEY_SRCBLT, DDCOLORKEY{});
        LayBoard({"01234560", "12345601", "23456012", "34560123", "45601234", "56012345",
                  "60123456", "01234560"});
        ClearBackBuffer();
    }

    void ClearBackBuffer() {
        BackBuffer->Blt(RECT{0, 0, 416, 416}, *BoardSurface, RECT{0, 0, 416, 416}, DDBLT_WAIT);
    }

    // Moves every gem far off the board but the listed ones, which stand at the given pixels.
    void PlaceAlone(std::initializer_list<std::array<int16_t, 3>> idXAndY) {
        for (CGem& gem : Gems)
            gem.YPos = -1000;
        for (auto [id, x, y] : idXAndY) {
            Gems[id].XPos = x;
            Gems[id].YPos = y;
        }
    }
};

TEST_F(FrameDrawingTest, GemsAtRestAreDrawnOnTheirCellsFromTheirKindAndFrame) {
    Gems[9].RotFrame = 7;
    DisplayGems();
    EXPECT_EQ(BackBuffer->GetPixel(0, 0), BoardColour);
    EXPECT_EQ(BackBuffer->GetPixel(2, 2), SheetPixel(0, 0, 2, 2));
    EXPECT_EQ(BackBuffer->GetPixel(52 + 10, 52 + 20), SheetPixel(2, 7, 20, 10));
    EXPECT_EQ(BackBuffer->GetPixel(415, 415), SheetPixel(0, 0, 51, 51));
}

TEST_F(FrameDrawingTest, GemHangingOverTheTopShowsItsLowerRowsAtTheTop) {
    PlaceAlone({{3, 156, -20}});
    DisplayGems();
    EXPECT_EQ(BackBuffer->GetPixel(156, 0), SheetPixel(3, 0, 20, 0));
    EXPECT_EQ(BackBuffer->GetPixel(156 + 51, 31), SheetPixel(3, 0, 51, 51));
    EXPECT_EQ(BackBuffer->GetPixel(156, 32), BoardColour);
}

TEST_F(FrameDrawingTest, GemHangingOverTheBottomShowsItsUpperRows) {
    PlaceAlone({{3, 156, 400}});
    DisplayGems();
    EXPECT_EQ(BackBuffer->GetPixel(158, 400), SheetPixel(3, 0, 0, 2));
    EXPECT_EQ(BackBuffer->GetPixel(156, 415), SheetPixel(3, 0, 15, 0));
    EXPECT_EQ(BackBuffer->GetPixel(156, 399), BoardColour);
}

TEST_F(FrameDrawingTest, GemHangingOverTheSidesIsCutThere) {
    PlaceAlone({{3, -30, 100}, {4, 390, 200}});
    DisplayGems();
    EXPECT_EQ(BackBuffer->GetPixel(0, 100), SheetPixel(3, 0, 0, 30));
    EXPECT_EQ(BackBuffer->GetPixel(21, 100), SheetPixel(3, 0, 0, 51));
    EXPECT_EQ(BackBuffer->GetPixel(415, 200), SheetPixel(4, 0, 0, 25));
}

TEST_F(FrameDrawingTest, GemsWhollyOffTheBoardDrawNothing) {
    const std::pair<int16_t, int16_t> outside[] = {{0, -52}, {0, 416},      {-52, 0},
                                                   {416, 0}, {-3000, 5000}, {30000, -30000}};
    for (auto [x, y] : outside) {
        for (CGem& gem : Gems) {
            gem.XPos = x;
            gem.YPos = y;
        }
        ASSERT_NO_THROW(DisplayGems());
    }
    for (int y = 0; y < 416; y += 5)
        for (int x = 0; x < 416; x += 5)
            ASSERT_EQ(BackBuffer->GetPixel(x, y), BoardColour) << x << ", " << y;
}

TEST_F(FrameDrawingTest, LaterCellsLieOnTopWhereGemsOverlap) {
    PlaceAlone({{0, 100, 100}, {63, 120, 100}});
    DisplayGems();
    EXPECT_EQ(BackBuffer->GetPixel(130, 110), SheetPixel(0, 0, 10, 10));
    EXPECT_EQ(BackBuffer->GetPixel(110, 110), SheetPixel(0, 0, 10, 10));
    EXPECT_EQ(BackBuffer->GetPixel(105, 110), SheetPixel(0, 0, 10, 5));
}

// The smallest rectangle holding every pixel that differs from the board.
RECT DrawnBox() {
    RECT box{416, 416, -1, -1};
    for (int y = 0; y < 416; ++y)
        for (int x = 0; x < 416; ++x)
            if (BackBuffer->GetPixel(x, y) != BoardColour) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

TEST_F(FrameDrawingTest, ShrinkingGemsAreDrawnInsideTheirCellsUntilNothingIsLeft) {
    PlaceAlone({{10, 104, 52}});
    CGem& gem = Gems[10];
    const std::pair<int16_t, int32_t> steps[] = {{0, 52}, {4, 44}, {24, 4}};
    for (auto [shrink, size] : steps) {
        ClearBackBuffer();
        gem.ShrinkStep = shrink;
        for (CGem& other : Gems)
            if (&other != &gem)
                other.ShrinkStep = 26;
        DisplayClearingGems();
        const RECT box = DrawnBox();
        EXPECT_EQ(box.Left, 104 + shrink) << "shrink " << shrink;
        EXPECT_EQ(box.Top, 52 + shrink) << "shrink " << shrink;
        EXPECT_EQ(box.Right - box.Left, size) << "shrink " << shrink;
        EXPECT_EQ(box.Bottom - box.Top, size) << "shrink " << shrink;
    }
    for (int16_t shrink : {26, 30, 52}) {
        ClearBackBuffer();
        for (CGem& each : Gems)
            each.ShrinkStep = shrink;
        DisplayClearingGems();
        EXPECT_EQ(DrawnBox().Right, -1) << "shrink " << shrink << " drew something";
    }
}

TEST_F(FrameDrawingTest, CursorFrameAdvancesOnEveryThirdDrawWhileSelected) {
    GameState = StateSelected;
    std::vector<int> shown;
    for (int draw = 0; draw < 20; ++draw) {
        DisplayTarget(18);
        const int32_t edge = BackBuffer->GetPixel(Gems[18].XPos + 1, Gems[18].YPos + 1);
        int frame = -1;
        for (int f = 0; f < 6; ++f)
            if (edge == TargetColour(f))
                frame = f;
        shown.push_back(frame);
    }
    const std::vector<int> expected = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 0, 0, 0};
    EXPECT_EQ(shown, expected);
}

TEST_F(FrameDrawingTest, CursorShowsTheStillFrameOutsideTheSelectionWhileCountersRun) {
    GameState = StateSwapping;
    for (int draw = 0; draw < 7; ++draw) {
        DisplayTarget(5);
        EXPECT_EQ(BackBuffer->GetPixel(Gems[5].XPos, Gems[5].YPos), TargetColour(0));
    }
    EXPECT_EQ(TargetCounter, 2);
    EXPECT_EQ(TargetPhase, 1);
}

TEST_F(FrameDrawingTest, CursorLiesUnderTheGemAndShowsThroughItsBlackPixels) {
    GameState = StateSelected;
    DisplayTarget(0);
    DisplayGems();
    EXPECT_EQ(BackBuffer->GetPixel(1, 1), TargetColour(0));
    EXPECT_EQ(BackBuffer->GetPixel(2, 2), SheetPixel(0, 0, 2, 2));
}

// The spin and the cursor come round every 90 frames: from the second round on, the selected cell
// may be copied from the tile kept as drawn, and must show what drawing the frame whole shows.
TEST_F(FrameDrawingTest, SpinningGemsCellShowsEveryFrameAsDrawnWholeAfterItsTurnsComeRound) {
    GameState = StateSelected;
    SelectedGem = 18;
    const CGem& gem = Gems[18];
    for (int frame = 0; frame <= 2 * 90; ++frame) {
        Gems[18].RotFrame = static_cast<int16_t>(frame % SpinFrames);
        const FrameStart start = CurrentFrameStart();
        ClearBackBuffer();
        DrawStateAndGems(GameState);
        const auto whole = RecomposeFrame(start);
        for (int y = gem.YPos; y < gem.YPos + CellSize; ++y)
            for (int x = gem.XPos; x < gem.XPos + CellSize; ++x)
                ASSERT_EQ(BackBuffer->GetPixel(x, y), whole->GetPixel(x, y))
                    << "frame " << frame << " at " << x << ", " << y;
    }
}

TEST_F(FrameDrawingTest, CellWithoutAGemRaisesObjectVariableNotSet) {
    Board[4][4].Gem = nullptr;
    EXPECT_THROW(DisplayGems(), RuntimeError);
}

using DrawingAgain = DrawingTest;

QImage Gradient(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 37 % 256, y * 59 % 256, (x + y) * 11 % 256));
    return picture;
}

// A stretched copy is drawn from where it begins: drawn again only over the cell that changed
// beneath it, it would show other pixels there than the same frame drawn whole.
TEST_F(DrawingAgain, StretchedCopyOverTwoCellsIsDrawnWholeWhenOneOfThemChanges) {
    auto board = LoadSurface(Gradient(104, 52));
    // Copied in part, so that it is stretched on every copy.
    auto sprite = LoadSurface(Gradient(60, 52).mirrored());
    const auto drawFrame = [&](DirectDrawSurface7& target, QColor patch) {
        target.Blt(RECT{0, 0, 104, 52}, *board, RECT{0, 0, 104, 52}, DDBLT_WAIT);
        target.BltFast(60, 10, *LoadSurface(Filled(10, 10, patch)), RECT{0, 0, 10, 10},
                       DDBLTFAST_WAIT);
        target.Blt(RECT{10, 5, 89, 45}, *sprite, RECT{0, 0, 52, 52}, DDBLT_WAIT);
    };
    auto drawnAgain = CreatePlainSurface(104, 52);
    drawFrame(*drawnAgain, Qt::red);
    drawnAgain->GetPixel(0, 0);
    drawFrame(*drawnAgain, Qt::blue);
    auto drawnWhole = CreatePlainSurface(104, 52);
    drawFrame(*drawnWhole, Qt::blue);
    for (int y = 0; y < 52; ++y)
        for (int x = 0; x < 104; ++x)
            ASSERT_EQ(drawnAgain->GetPixel(x, y), drawnWhole->GetPixel(x, y)) << x << ", " << y;
}

// The board at 1 is red and beside it at 2 blue: a frame after the window tells of a screen of
// another scale is drawn from that scale's picture, at its device pixels.
TEST_F(DrawingAgain, FramesFollowTheScreenScaleTheWindowTells) {
    const QString path = folder_.filePath(QStringLiteral("board.bmp"));
    ASSERT_TRUE(Filled(8, 8, Qt::red).save(path, "BMP"));
    ASSERT_TRUE(Filled(16, 16, Qt::blue)
                    .save(QString::fromStdString(ScaledPicturePath(path.toStdString(), 2)), "BMP"));
    DDSURFACEDESC2 desc;
    auto board = DD->CreateSurfaceFromFile(path.toStdString(), desc);
    auto target = CreatePlainSurface(8, 8);
    const auto shownAfterAFrame = [&] {
        target->Blt(RECT{0, 0, 8, 8}, *board, RECT{0, 0, 8, 8}, DDBLT_WAIT);
        return target->GetPixel(7, 7);
    };
    const std::pair<double, int32_t> scales[] = {
        {1.0, RGB(255, 0, 0)}, {2.0, RGB(0, 0, 255)}, {1.0, RGB(255, 0, 0)}};
    for (auto [scale, colour] : scales) {
        TellScreenScale(scale);
        EXPECT_EQ(shownAfterAFrame(), colour) << "at " << scale;
    }
}

} // namespace
} // namespace glintrow::testing
