// A test fixture with the drawing objects made, so tests can make surfaces of any size, and
// surfaces loaded from pictures the test paints.
#pragma once

#include "GameTables.h"
#include "basDirectDrawStuff.h"

#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace glintrow::testing {

class DrawingTest : public GameTest {
protected:
    void SetUp() override;

    // The picture saved as a bitmap file and loaded back, as the game loads its bitmaps.
    ObjectRef<DirectDrawSurface7> LoadSurface(const QImage& picture);
    // A picture of one colour.
    static QImage Filled(int width, int height, QColor colour);
    // A file of the given bytes in the folder, under a name of its own.
    std::string WriteFile(const std::string& bytes);

    // The bytes of a file (nothing for a missing one), and the reason a loader refuses it for
    // (nothing when it takes it).
    using FileCase = std::pair<std::optional<std::string>, std::string>;
    // Loads each case's file: a refusal gives the reason, then the path.
    void ExpectRefusals(const std::vector<FileCase>& cases,
                        const std::function<void(const std::string&)>& load);

    QTemporaryDir folder_;

private:
    int files_ = 0;
};

} // namespace glintrow::testing
