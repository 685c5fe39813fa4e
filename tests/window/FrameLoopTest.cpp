// The frame loop's picture: which gem drawing a frame uses when a state step changes the state,
// and the cursors of a swap drawn also in the frame that ends it.
#include "WindowDriver.h"

#include <QImage>
#include <QTest>
#include <optional>

namespace glintrow::testing {
namespace {

// Swapping the first two gems of row 0 lines up three gems of kind 0.
const BoardText OneMoveBoard = {"01004560", "34560123", "60123456", "23456012",
                                "56012345", "12345601", "45601234", "01234560"};

struct FramePicture {
    GameStates state;
    bool lastGemShown;
    bool cursorsShown;
};

class FrameLoopTest : public WindowDriver {
protected:
    void SetUp() override {
        WindowDriver::SetUp();
        board_.load(QStringLiteral(ASSET_DIR "/images/Board.bmp"));
        sheet_.load(QStringLiteral(ASSET_DIR "/images/GemSheet.bmp"));
        target_.load(QStringLiteral(ASSET_DIR "/images/Target.bmp"));
    }

    bool ShowsBoardAt(int x, int y) const {
        const QRgb pixel = board_.pixel(x, y);
        return BackBuffer->GetPixel(x, y) == RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
    }

    // A point of the cell where the cursor's still frame shows through a gem of the kind at rest.
    std::optional<QPoint> CursorShowingThrough(int kind) const {
        for (int y = 0; y < 52; ++y)
            for (int x = 0; x < 52; ++x)
                if (qGray(target_.pixel(x, y)) > 60 &&
                    (sheet_.pixel(x, 52 * kind + y) & 0xffffff) == 0)
                    return QPoint(x, y);
        return std::nullopt;
    }

    QImage board_, sheet_, target_;
};

TEST_F(FrameLoopTest, StateChangedByAStepChoosesHowThatFramesGemsAreDrawn) {
    frmMain window;
    std::vector<FramePicture> pictures;
    const std::optional<QPoint> throughKind0 = CursorShowingThrough(0);
    const std::optional<QPoint> throughKind1 = CursorShowingThrough(1);
    ASSERT_TRUE(throughKind0 && throughKind1);
    RunGame(window, 80, [&](int frame) {
        if (frame == 34) {
            ASSERT_EQ(GameState, StateIdle);
            LayBoard(OneMoveBoard);
            // Drawn whole by the plain gem drawing, not at all by the shrinking one.
            Gems[63].ShrinkStep = 30;
            QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(26, 26));
            QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(78, 26));
            return;
        }
        if (frame > 34)
            pictures.push_back({GameState, !ShowsBoardAt(415 - 26, 415 - 26),
                                !ShowsBoardAt(throughKind1->x(), throughKind1->y()) &&
                                    !ShowsBoardAt(52 + throughKind0->x(), throughKind0->y())});
    });

    auto firstIn = [&](GameStates state) {
        for (size_t i = 0; i < pictures.size(); ++i)
            if (pictures[i].state == state)
                return i;
        return pictures.size();
    };
    const size_t swapEnd = firstIn(StateClearing);
    const size_t clearEnd = firstIn(StateFalling);
    ASSERT_LT(clearEnd, pictures.size());
    EXPECT_EQ(swapEnd, 13u - 1) << "thirteen frames of sliding";
    EXPECT_EQ(clearEnd, swapEnd + 13);
    EXPECT_TRUE(pictures[swapEnd - 1].lastGemShown);
    EXPECT_FALSE(pictures[swapEnd].lastGemShown) << "a swap ending in a line draws shrinking gems";
    EXPECT_FALSE(pictures[clearEnd - 1].lastGemShown);
    EXPECT_TRUE(pictures[clearEnd].lastGemShown) << "a clear that ends draws whole gems";
    EXPECT_TRUE(pictures[swapEnd].cursorsShown) << "both cursors show in the swap's last frame";
    EXPECT_FALSE(pictures[swapEnd + 1].cursorsShown);
}

} // namespace
} // namespace glintrow::testing
