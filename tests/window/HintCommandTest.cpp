// The Hint command on the real window: it selects the hinted gem exactly as a first press would,
// by menu and by F3, and does nothing where presses do nothing.
#include "WindowDriver.h"
#include "basHint.h"

#include <QAction>

namespace glintrow::testing {
namespace {

class HintCommandTest : public ActiveWindowTest {
protected:
    void SetUp() override {
        ActiveWindowTest::SetUp();
        ShowWindowOn(OneMoveBoard);
    }

    void PressF3() { QTest::keyClick(&window_, Qt::Key_F3); }
};

TEST_F(HintCommandTest, HintSelectsTheHintedGemAsAFirstPressWould) {
    ASSERT_EQ(FindHint(), IdAt(1, 0));
    ComboCount = 3;
    PressF3();
    EXPECT_EQ(SelectedGem, IdAt(1, 0));
    EXPECT_EQ(GameState, StateSelected);
    EXPECT_EQ(ClickCount, 1);
    EXPECT_EQ(ComboCount, 0);
    EXPECT_EQ(SoundsSince(Sounds{}), OnlySound(SoundSelect));

    QTest::mouseClick(window_.picBoard, Qt::LeftButton, {}, QPoint(26, 26));
    EXPECT_EQ(GameState, StateSwapping) << "the next press is the second press of a move";
    EXPECT_EQ(SecondGem, IdAt(0, 0));
}

TEST_F(HintCommandTest, HintTwiceKeepsTheGemSpinningAndSoundsAgain) {
    window_.mnuHint->trigger();
    Gems[IdAt(1, 0)].RotFrame = 6;
    window_.mnuHint->trigger();
    EXPECT_EQ(SelectedGem, IdAt(1, 0));
    EXPECT_EQ(Gems[IdAt(1, 0)].RotFrame, 6);
    EXPECT_EQ(SoundPlayCounts()[SoundSelect], 2);
}

TEST_F(HintCommandTest, HintWhileAnotherGemIsSelectedStopsThatOnesSpin) {
    QTest::mouseClick(window_.picBoard, Qt::LeftButton, {}, QPoint(52 * 5 + 26, 52 * 6 + 26));
    Gems[IdAt(5, 6)].RotFrame = 9;
    PressF3();
    EXPECT_EQ(Gems[IdAt(5, 6)].RotFrame, 0);
    EXPECT_EQ(SelectedGem, IdAt(1, 0));
    EXPECT_EQ(ClickCount, 1);
}

TEST_F(HintCommandTest, HintDoesNothingInStatesThatTakeNoPress) {
    for (GameStates state : {StateStarting, StateDropIn, StateSwapping, StateClearing, StateFalling,
                             StateGameOver, StateExploding, StateGameOverShown}) {
        GameState = state;
        SelectedGem = 40;
        PressF3();
        EXPECT_EQ(GameState, state);
        EXPECT_EQ(SelectedGem, 40);
    }
    EXPECT_EQ(SoundsSince(Sounds{}), Sounds{});
}

TEST_F(HintCommandTest, BoardWithoutAHintLeavesTheSelectionAlone) {
    LayBoard(NoMoveBoard);
    SelectedGem = 12;
    PressF3();
    EXPECT_EQ(SelectedGem, 12);
    EXPECT_EQ(GameState, StateIdle);
    EXPECT_EQ(SoundsSince(Sounds{}), Sounds{});
}

} // namespace
} // namespace glintrow::testing
