// A test fixture with the drawing objects made, so tests can make surfaces of any size, and
// surfaces loaded from pictures the test paints; and a frame of the game drawn again whole.
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

// What a frame was drawn from: the state it began in and the cursor's counters before it.
struct FrameStart {
    GameStates state;
    int16_t targetPhase;
    int16_t targetCounter;
};
FrameStart CurrentFrameStart();
// The frame drawn from a start, drawn again whole on a new back buffer from the game tables as the
// frame left them; the cursor's counters stay as they are.
ObjectRef<DirectDrawSurface7> RecomposeFrame(const FrameStart& start);

class DrawingTest : public GameTest {
protected:
    // The drawing is at the scale of an unscaled screen, before and after.
    void SetUp() override;
    void TearDown() override;

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
