// A test fixture with the drawing objects made.
#include "DrawingTest.h"

namespace glintrow::testing {

void DrawingTest::SetUp() {
    GameTest::SetUp();
    DX = ObjectRef<DirectX7>::Make();
    DD = DX->DirectDrawCreate("");
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

} // namespace glintrow::testing
