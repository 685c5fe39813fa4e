// The drop-in of a new board: every gem falls from one board height above into its own cell.
#include "GameTables.h"
#include "basManipulatingGems.h"

namespace glintrow {
namespace {

class DropInTest : public testing::GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        testing::LayRandomBoardWithoutLines(2024);
        for (CGem& gem : Gems) {
            gem.YPos = static_cast<int16_t>(CellSize * gem.YCoord - BoardPixels);
            gem.Speed = gem.YCoord;
        }
        GameState = StateDropIn;
    }
};

TEST_F(DropInTest, TakesThirtyThreeFramesAndLeavesEveryGemAtRest) {
    for (int frame = 1; frame <= 32; ++frame) {
        DropInGems();
        ASSERT_EQ(GameState, StateDropIn) << "frame " << frame;
        ASSERT_EQ(DropInCounter, frame);
    }
    DropInGems();
    EXPECT_EQ(GameState, StateIdle);
    EXPECT_EQ(DropInCounter, 0);
    for (const CGem& gem : Gems)
        EXPECT_EQ(gem.Speed, 0) << "gem " << gem.GemID;
    EXPECT_EQ(testing::DescribeDisagreement(), "");
}

TEST_F(DropInTest, EachRowOvershootsInItsArrivalFrameAndIsPutBackInTheNext) {
    struct Arrival {
        int frame;
        int pixelsPast;
    };
    constexpr Arrival arrivals[BoardSize] = {{32, 0}, {30, 4},  {28, 4}, {26, 0},
                                             {25, 9}, {24, 16}, {22, 2}, {21, 4}};
    for (int frame = 1; frame <= 33; ++frame) {
        DropInGems();
        for (const CGem& gem : Gems) {
            const Arrival arrival = arrivals[gem.YCoord];
            const int cellTop = CellSize * gem.YCoord;
            SCOPED_TRACE("frame " + std::to_string(frame) + ", gem " + std::to_string(gem.GemID));
            ASSERT_EQ(gem.XPos, CellSize * gem.XCoord);
            if (frame < arrival.frame) {
                ASSERT_LT(gem.YPos, cellTop);
                ASSERT_EQ(gem.YPos, cellTop - BoardPixels + frame * (13 + gem.YCoord));
            } else if (frame == arrival.frame) {
                ASSERT_EQ(gem.YPos, cellTop + arrival.pixelsPast);
                ASSERT_EQ(gem.Speed, gem.YCoord);
            } else {
                ASSERT_EQ(gem.YPos, cellTop);
                ASSERT_EQ(gem.Speed, 0);
            }
        }
    }
}

TEST_F(DropInTest, ABoardStillAboveItsCellsAtTheCheckGoesOnDroppingUntilTheNextCheck) {
    Gems[3].YPos = static_cast<int16_t>(Gems[3].YPos - 3 * CellSize);
    for (int frame = 1; frame <= 65; ++frame) {
        DropInGems();
        ASSERT_EQ(GameState, StateDropIn) << "frame " << frame;
    }
    EXPECT_EQ(Gems[3].YPos, 0);
    DropInGems();
    EXPECT_EQ(GameState, StateIdle);
    EXPECT_EQ(DropInCounter, 0);
    EXPECT_EQ(testing::DescribeDisagreement(), "");
}

} // namespace
} // namespace glintrow
