// Presses on the real board area, with every mouse button, in every state: select, cancel, swap,
// refuse, and presses that are dropped.
#include "GameTables.h"
#include "window/frmMain.h"

#include <QTest>

namespace glintrow::testing {
namespace {

class BoardPressTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        LoadTestSounds();
        window_.show();
        LayBoard(ShiftedRowsBoard);
        GameState = StateIdle;
    }

    void Press(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window_.picBoard, button, {}, QPoint(x, y));
        QTest::mouseRelease(window_.picBoard, button, {}, QPoint(x, y));
    }

    // Presses the centre of a cell.
    void PressCell(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
        Press(52 * column + 26, 52 * row + 26, button);
    }

    frmMain window_;
};

TEST_F(BoardPressTest, FirstPressSelectsTheGemWithAnyButton) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        GameState = StateIdle;
        ClickCount = 0;
        ComboCount = 5;
        const Sounds before = SoundPlayCounts();
        PressCell(3, 2, button);
        EXPECT_EQ(SelectedGem, 19);
        EXPECT_EQ(GameState, StateSelected);
        EXPECT_EQ(ClickCount, 1);
        EXPECT_EQ(ComboCount, 0);
        EXPECT_EQ(SoundsSince(before), OnlySound(SoundSelect));
    }
}

TEST_F(BoardPressTest, PressingTheSelectedGemAgainCancelsWithoutASound) {
    PressCell(4, 4);
    Gems[36].RotFrame = 9;
    const Sounds before = SoundPlayCounts();
    PressCell(4, 4);
    EXPECT_EQ(GameState, StateIdle);
    EXPECT_EQ(ClickCount, 0);
    EXPECT_EQ(Gems[36].RotFrame, 0);
    EXPECT_EQ(SoundsSince(before), Sounds{});

    PressCell(5, 4);
    EXPECT_EQ(SelectedGem, 37) << "the next press is a first press again";
}

TEST_F(BoardPressTest, PressingARowOrColumnNeighbourStartsASwapWithoutASound) {
    const std::pair<int, int> neighbours[] = {{3, 2}, {5, 2}, {4, 1}, {4, 3}};
    for (auto [column, row] : neighbours) {
        GameState = StateIdle;
        ClickCount = 0;
        PressCell(4, 2, Qt::RightButton);
        Gems[20].RotFrame = 4;
        const Sounds before = SoundPlayCounts();
        PressCell(column, row, Qt::MiddleButton);
        const int16_t second = IdAt(column, row);
        EXPECT_EQ(GameState, StateSwapping);
        EXPECT_EQ(SecondGem, second);
        EXPECT_EQ(ClickCount, 0);
        EXPECT_EQ(Gems[20].RotFrame, 0);
        EXPECT_EQ(Gems[20].XDirection, column - 4);
        EXPECT_EQ(Gems[20].YDirection, row - 2);
        EXPECT_EQ(Gems[second].XDirection, 4 - column);
        EXPECT_EQ(Gems[second].YDirection, 2 - row);
        EXPECT_EQ(SoundsSince(before), Sounds{});
        Gems[20].XDirection = Gems[20].YDirection = 0;
        Gems[second].XDirection = Gems[second].YDirection = 0;
    }
}

TEST_F(BoardPressTest, PressingAGemThatIsNoNeighbourCancelsWithTheBadSwapSound) {
    const std::pair<int, int> others[] = {{5, 3}, {3, 1}, {6, 2}, {4, 5}};
    for (auto [column, row] : others) {
        GameState = StateIdle;
        ClickCount = 0;
        PressCell(4, 2);
        const Sounds before = SoundPlayCounts();
        PressCell(column, row);
        EXPECT_EQ(GameState, StateIdle);
        EXPECT_EQ(SelectedGem, 20) << "the pressed gem is not selected instead";
        EXPECT_EQ(SecondGem, IdAt(column, row));
        EXPECT_EQ(ClickCount, 0);
        EXPECT_EQ(SoundsSince(before), OnlySound(SoundBadSwap));
    }
}

TEST_F(BoardPressTest, OutermostPixelsSelectNothingWhileTheNextOnesDo) {
    for (auto [x, y] : {std::pair{0, 100}, {415, 100}, {100, 0}, {100, 415}}) {
        Press(x, y);
        EXPECT_EQ(GameState, StateIdle) << x << ", " << y;
        EXPECT_EQ(SoundPlayCounts(), Sounds{});
    }
    PressCell(2, 2);
    for (auto [x, y] : {std::pair{0, 100}, {100, 415}}) {
        Press(x, y);
        EXPECT_EQ(GameState, StateSelected) << "a selection survives a press on the edge";
        EXPECT_EQ(ClickCount, 1);
    }
    PressCell(2, 2);
    Press(1, 1);
    EXPECT_EQ(SelectedGem, 0);
    PressCell(0, 0);
    Press(414, 414);
    EXPECT_EQ(SelectedGem, 63);
}

TEST_F(BoardPressTest, NothingSoundsWhileSoundIsOff) {
    SoundOn = false;
    PressCell(3, 2);
    PressCell(5, 5);
    PressCell(4, 4);
    PressCell(4, 5);
    EXPECT_EQ(GameState, StateSwapping);
    EXPECT_EQ(SoundPlayCounts(), Sounds{});
}

TEST_F(BoardPressTest, PressesInStatesThatTakeNoneChangeNothing) {
    for (GameStates state : {StateStarting, StateDropIn, StateSwapping, StateClearing, StateFalling,
                             StateGameOver, StateExploding, StateGameOverShown}) {
        GameState = state;
        ClickCount = 0;
        SelectedGem = 7;
        SecondGem = 8;
        PressCell(3, 3);
        ClickCount = 1;
        PressCell(3, 4);
        EXPECT_EQ(GameState, state);
        EXPECT_EQ(SelectedGem, 7);
        EXPECT_EQ(SecondGem, 8);
        EXPECT_EQ(ClickCount, 1);
    }
    EXPECT_EQ(SoundPlayCounts(), Sounds{});
}

} // namespace
} // namespace glintrow::testing
