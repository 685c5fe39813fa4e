// Tests of the board set-up: no line but a move, every gem above its own cell, counters reset and
// everything else left alone.
#include "GameTables.h"
#include "basInitializingGameBoard.h"
#include "basMiscelFunctions.h"
#include "platform/Runtime.h"

#include <functional>
#include <set>
#include <sstream>
#include <string>

namespace glintrow::testing {
namespace {

class BoardSetUpTest : public GameTest {
protected:
    // A clock standing still, so a set-up depends only on the random state; counts its reads.
    void SetUp() override {
        GameTest::SetUp();
        Hooks().timeOfDay = [this] {
            ++clockReads;
            if (onClockRead)
                onClockRead();
            return 43200.5f;
        };
    }

    void SetUpBoardFrom(uint64_t randomState) {
        SetRandomState(randomState);
        clockReads = 0;
        InitializeGameBoard();
    }

    int clockReads = 0;
    std::function<void()> onClockRead;
};

// One pass of the repair as the rules word it, on the board's kinds: walking each row (or column),
// the third gem of a run is re-dealt to another kind and the count starts again after it.
bool RepairPassByTheRules(bool alongColumns) {
    bool changed = false;
    for (int line = 0; line < 8; ++line) {
        int16_t previous = 0;
        int run = 0;
        for (int step = 0; step < 8; ++step) {
            int16_t& kind = alongColumns ? Board[line][step].GemType : Board[step][line].GemType;
            if (kind != previous) {
                run = 1;
                previous = kind;
            } else if (++run == 3) {
                const int16_t old = kind;
                do
                    kind = RandomGemKind();
                while (kind == old);
                changed = true;
                run = 1;
                previous = kind;
            }
        }
    }
    return changed;
}

// The kinds a set-up from a random state must end on, by the rules: deal row by row, repeat the
// row and column passes until neither changes a gem, and deal afresh when no move is left.
BoardText DealAndRepairByTheRules(uint64_t randomState) {
    SetRandomState(randomState);
    do {
        Randomize(Timer());
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 8; ++column)
                Board[column][row].GemType = RandomGemKind();
        bool changed;
        do {
            changed = RepairPassByTheRules(false);
            changed = RepairPassByTheRules(true) || changed;
        } while (changed);
    } while (!SomeSwapMakesLine());
    return BoardKinds();
}

std::string DescribeGem(const CGem& gem) {
    std::ostringstream text;
    text << "GemID " << gem.GemID << ", GemType " << gem.GemType << ", XCoord " << gem.XCoord
         << ", YCoord " << gem.YCoord << ", XPos " << gem.XPos << ", YPos " << gem.YPos
         << ", XDirection " << gem.XDirection << ", YDirection " << gem.YDirection << ", YDest "
         << gem.YDest << ", SourceTop " << gem.SourceTop << ", ShrinkStep " << gem.ShrinkStep
         << ", RotFrame " << gem.RotFrame << ", Speed " << gem.Speed << ", XInitial "
         << gem.XInitial << ", YInitial " << gem.YInitial << ", Velocity " << gem.Velocity
         << ", Angle " << gem.Angle;
    return text.str();
}

void ExpectGemsAboveTheirCells() {
    for (int16_t id = 0; id < GemCount; ++id) {
        SCOPED_TRACE("gem " + std::to_string(id));
        const int16_t column = id % 8;
        const int16_t row = id / 8;
        const CGem& gem = Gems[id];
        const BoardCell& cell = Board[column][row];
        EXPECT_EQ(cell.GemID, id);
        EXPECT_EQ(cell.Gem, &gem);
        EXPECT_GE(cell.GemType, 0);
        EXPECT_LT(cell.GemType, GemKinds);
        CGem expected;
        expected.GemID = id;
        expected.GemType = cell.GemType;
        expected.SourceTop = static_cast<int16_t>(52 * cell.GemType);
        expected.XCoord = column;
        expected.YCoord = row;
        expected.XPos = static_cast<int16_t>(52 * column);
        expected.YPos = static_cast<int16_t>(52 * row - 416);
        expected.Speed = row;
        EXPECT_EQ(DescribeGem(gem), DescribeGem(expected));
    }
}

TEST_F(BoardSetUpTest, NewBoardsHoldNoLineButAMove) {
    std::set<int16_t> kindsDealt;
    for (uint64_t state = 1; state <= 500; ++state) {
        SCOPED_TRACE("random state " + std::to_string(state));
        SetUpBoardFrom(state);
        ASSERT_FALSE(BoardHasMatch());
        ASSERT_TRUE(MoveExists());
        for (const auto& column : Board)
            for (const BoardCell& cell : column)
                kindsDealt.insert(cell.GemType);
    }
    EXPECT_EQ(kindsDealt, (std::set<int16_t>{0, 1, 2, 3, 4, 5, 6}));
}

// The order of the re-deals decides which draw each re-dealt gem gets, so any other order of
// walking the runs ends on other kinds.
TEST_F(BoardSetUpTest, RepairReDealsTheGemsTheRulesNameInTheirOrder) {
    const auto expectTheRulesBoard = [this](uint64_t state) {
        SCOPED_TRACE("random state " + std::to_string(state));
        const BoardText expected = DealAndRepairByTheRules(state);
        SetUpBoardFrom(state);
        EXPECT_EQ(BoardKinds(), expected);
    };
    for (uint64_t state = 1; state <= 300; ++state)
        expectTheRulesBoard(state);
    // The board from this state is dealt afresh.
    expectTheRulesBoard(8811);
}

TEST_F(BoardSetUpTest, EveryGemStartsOneBoardHeightAboveItsOwnCell) {
    for (CGem& gem : Gems) {
        gem.GemID = 3;
        gem.RotFrame = 7;
        gem.ShrinkStep = 24;
        gem.XDirection = -1;
        gem.YDirection = 1;
        gem.YDest = 5;
        gem.Speed = 9;
        gem.XInitial = 12.5f;
        gem.YInitial = 300.0f;
        gem.Velocity = 21.0f;
        gem.Angle = 120.0f;
    }
    for (uint64_t state = 1; state <= 20; ++state) {
        SCOPED_TRACE("random state " + std::to_string(state));
        SetUpBoardFrom(state);
        ExpectGemsAboveTheirCells();
    }
}

TEST_F(BoardSetUpTest, CountersStartAtZeroWhateverTheLastGameLeft) {
    const std::array counters = {&ClickCount,    &SwapCounter,     &ClearCounter,
                                 &FallCounter,   &GameOverCounter, &ExplosionCounter,
                                 &DropInCounter, &TargetCounter,   &ComboCount,
                                 &SwapPhase,     &TargetPhase};
    int16_t value = 1;
    for (int16_t* counter : counters)
        *counter = value++;
    SetUpBoardFrom(99);
    for (size_t i = 0; i < counters.size(); ++i)
        EXPECT_EQ(*counters[i], 0) << "the counter set to " << i + 1;
}

TEST_F(BoardSetUpTest, SelectionStateWorkListsAndFlagsAreLeftAlone) {
    SelectedGem = 17;
    SecondGem = 18;
    GameState = StateGameOverShown;
    MatchedGems = {1, 2, 3};
    DroppingGems = {4, 5};
    SoundOn = true;
    GemSheetPath = "sheet.bmp";
    SetUpBoardFrom(7);
    EXPECT_EQ(SelectedGem, 17);
    EXPECT_EQ(SecondGem, 18);
    EXPECT_EQ(GameState, StateGameOverShown);
    EXPECT_EQ(MatchedGems, (GemList{1, 2, 3}));
    EXPECT_EQ(DroppingGems, (GemList{4, 5}));
    EXPECT_TRUE(SoundOn);
    EXPECT_EQ(GemSheetPath, "sheet.bmp");
}

TEST_F(BoardSetUpTest, ClockIsReadToDealAndAgainForEveryGemPlaced) {
    SetUpBoardFrom(1);
    EXPECT_EQ(clockReads, 1 + GemCount);
}

// From this random state (and the clock standing still) the repair ends on a board with no line
// and no move, which no pass would ever change; the set-up must deal a fresh board, reading the
// clock once more to seed it. Should the random source ever change, the clock count shows it.
TEST_F(BoardSetUpTest, BoardWithoutLineOrMoveIsDealtAfresh) {
    bool stuckBoardSeen = false;
    onClockRead = [&] {
        if (clockReads != 2)
            return;
        stuckBoardSeen = true;
        EXPECT_FALSE(BoardHasMatch()) << "dealt afresh while the board had a line";
        EXPECT_FALSE(MoveExists()) << "dealt afresh while the board had a move";
    };
    SetUpBoardFrom(8811);
    EXPECT_TRUE(stuckBoardSeen);
    EXPECT_EQ(clockReads, 2 + GemCount);
    EXPECT_FALSE(BoardHasMatch());
    EXPECT_TRUE(MoveExists());
    ExpectGemsAboveTheirCells();
}

} // namespace
} // namespace glintrow::testing
