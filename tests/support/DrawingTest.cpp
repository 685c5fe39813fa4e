// A test fixture with the drawing objects made, and a frame drawn again whole.
#include "DrawingTest.h"
#include "basMainGameLoop.h"

#include <utility>

#include <fstream>

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

std::string DrawingTest::WriteFile(const std::string& bytes) {
    const std::string path = folder_.filePath(QStringLiteral("file%1").arg(++files_)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

void DrawingTest::ExpectRefusals(const std::vector<FileCase>& cases,
                                 const std::function<void(const std::string&)>& load) {
    for (const auto& [bytes, reason] : cases) {
        const std::string path =
            bytes ? WriteFile(*bytes) : folder_.filePath("missing").toStdString();
        std::string refusal;
        try {
            load(path);
        } catch (const RuntimeError& error) {
            refusal = error.what();
        }
        EXPECT_EQ(refusal, reason.empty() ? "" : reason + ": " + path);
    }
}

} // namespace glintrow::testing
