// A test fixture with the drawing objects made, so tests can make surfaces of any size, and
// surfaces loaded from pictures the test paints.
#pragma once

#include "GameTables.h"
#include "basDirectDrawStuff.h"

#include <QImage>
#include <QTemporaryDir>

namespace glintrow::testing {

class DrawingTest : public GameTest {
protected:
    void SetUp() override;

    // The picture saved as a bitmap file and loaded back, as the game loads its bitmaps.
    ObjectRef<DirectDrawSurface7> LoadSurface(const QImage& picture);
    // A picture of one colour.
    static QImage Filled(int width, int height, QColor colour);

    QTemporaryDir folder_;

private:
    int files_ = 0;
};

} // namespace glintrow::testing
