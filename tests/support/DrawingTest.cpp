// A test fixture with the drawing objects made, and a frame drawn again whole.
#include "DrawingTest.h"
#include "basMainGameLoop.h"

#include <utility>

namespace glintrow::testing {

void DrawingTest::SetUp() {
    GameTest::SetUp();
    TellScreenScale(1.0);
    DX = ObjectRef<DirectX7>::Make();
    DD = DX->DirectDrawCreate("");
}

void DrawingTest::TearDown() {
    TellScreenScale(1.0);
    GameTest::TearDown();
}

ObjectRef<DirectDrawSurface7> DrawingTest::LoadSurface(const QImage& picture) {
    const QString path = folder_.filePath(QStringLiteral("picture%1.bmp").arg(++files_));
    EXPECT_TRUE(picture.save(path, "BMP"));
    DDSURFACEDESC2 desc;
    return DD->CreateSurfaceFromFile(path.toStdString(), desc);
}

QImage DrawingTest::Filled(int width, int height, QColor colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

FrameStart CurrentFrameStart() {
    return {GameState, TargetPhase, TargetCounter};
}

ObjectRef<DirectDrawSurface7> RecomposeFrame(const FrameStart& start) {
    ObjectRef<DirectDrawSurface7> used = std::exchange(BackBuffer, CreatePlainSurface(416, 416));
    const FrameStart after = CurrentFrameStart();
    TargetPhase = start.targetPhase;
    TargetCounter = start.targetCounter;
    BackBuffer->Blt(BackBufferRect, *BoardSurface, BoardBitmapRect, DDBLT_WAIT);
    DrawStateAndGems(start.state);
    TargetPhase = after.targetPhase;
    TargetCounter = after.targetCounter;
    return std::exchange(BackBuffer, used);
}

} // namespace glintrow::testing
