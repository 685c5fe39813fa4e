// The frame loop's picture: which gem drawing a frame uses when a state step changes the state,
// and the cursors of a swap drawn also in the frame that ends it.
#include "WindowDriver.h"
#include "basMainGameLoop.h"

#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <optional>
#include <sstream>

namespace glintrow::testing {
namespace {

struct FramePicture {
    GameStates state;
    bool lastGemShown;
    bool cursorsShown;
};

class FrameLoopTest : public WindowDriver {
protected:
    void SetUp() override {
        WindowDriver::SetUp();
        const QString images = QStringLiteral(ASSET_DIR "/images/");
        board_.load(images + BoardBitmapFile);
        sheet_.load(images + GemSheetFile);
        target_.load(images + TargetBitmapFile);
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

TEST_F(FrameLoopTest, InputDuringTheFramesWaitActsOnlyAtItsEventStepInTheOrderItCame) {
    frmMain window;
    bool deliverInWait = false;
    std::optional<QPoint> focusInWait;
    GameStates stateInWait = StateStarting;
    Hooks().waitForTick = [&](int32_t tick) {
        tick_ = tick;
        if (!deliverInWait)
            return;
        deliverInWait = false;
        // The accessibility bridge posts the keys it held back while it asked the screen reader.
        QCoreApplication::postEvent(window.picBoard,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
        QCoreApplication::sendPostedEvents();
        QTest::keyClick(window.picBoard, Qt::Key_Space);
        focusInWait = window.picBoard->focusedCell();
        stateInWait = GameState;
    };
    std::optional<GameStates> stateAtEventStep;
    RunGame(window, 60, [&](int frame) {
        if (frame == 40) {
            ASSERT_EQ(GameState, StateIdle);
            LayBoard(OneMoveBoard);
            QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(26, 26));
            deliverInWait = true;
        } else if (frame == 41) {
            stateAtEventStep = GameState;
        }
    });

    ASSERT_TRUE(focusInWait && stateAtEventStep);
    EXPECT_EQ(*focusInWait, QPoint(0, 0)) << "the frame moved inside the wait";
    EXPECT_EQ(stateInWait, StateSelected) << "the press key acted inside the wait";
    EXPECT_EQ(*stateAtEventStep, StateSwapping)
        << "Right, then Space, at the event step: the gem beside the selected one is pressed";
    EXPECT_EQ(window.picBoard->focusedCell(), QPoint(1, 0));
}

// Everything a frame leaves behind: every game table and the picture, the picture hashed.
class FrameRecorder {
public:
    std::string DescribeFrame() {
        std::ostringstream out;
        out << GameState << ' ' << SelectedGem << ' ' << SecondGem << ' ' << SoundOn << " |";
        for (const int16_t* counter : NewGameCounters)
            out << ' ' << *counter;
        for (const CGem& g : Gems)
            out << " |" << g.GemID << ',' << g.GemType << ',' << g.XCoord << ',' << g.YCoord << ','
                << g.XPos << ',' << g.YPos << ',' << g.XDirection << ',' << g.YDirection << ','
                << g.YDest << ',' << g.SourceTop << ',' << g.ShrinkStep << ',' << g.RotFrame << ','
                << g.Speed << ',' << g.XInitial << ',' << g.YInitial << ',' << g.Velocity << ','
                << g.Angle;
        for (const auto& column : Board)
            for (const BoardCell& cell : column)
                out << ' ' << cell.GemID << ':' << cell.GemType;
        for (const GemList* list : {&MatchedGems, &DroppingGems}) {
            out << " |";
            for (int16_t id : *list)
                out << ' ' << id;
        }
        out << " | picture " << HashPicture();
        return out.str();
    }

private:
    // Pictures of one run that the drawing service names alike are alike: hashed once.
    uint64_t HashPicture() {
        const uint64_t name = BackBuffer->PictureName();
        if (name != hashedName_) {
            hash_ = 1469598103934665603ull;
            // Every other pixel of every other row: a quarter reads in time under the sanitizers.
            for (int y = 0; y < 416; y += 2)
                for (int x = 0; x < 416; x += 2)
                    hash_ = (hash_ ^ static_cast<uint32_t>(BackBuffer->GetPixel(x, y))) *
                            1099511628211ull;
            hashedName_ = name;
        }
        return hash_;
    }

    uint64_t hashedName_ = 0;
    uint64_t hash_ = 0;
};

// The frames of a run with runs of alike frames taken as one: a still board shown once or for a
// hundred frames is the same to the player.
std::vector<std::string> DropRepeats(const std::vector<std::string>& frames) {
    std::vector<std::string> kept;
    for (const std::string& frame : frames)
        if (kept.empty() || kept.back() != frame)
            kept.push_back(frame);
    return kept;
}

// One event of a script, due once so many frames have passed since the one before.
struct ScriptedEvent {
    int framesAfter;
    std::function<void(frmMain&)> act;
};

class WaitingTest : public FrameLoopTest {
protected:
    struct Run {
        std::vector<std::string> frames;
        int waits = 0;
    };

    // Plays the script on a fresh game. Without waiting, every frame runs, a still one too; with
    // it, the loop waits on a still board and the next event of the script comes at once.
    Run PlayScript(const std::vector<ScriptedEvent>& script, bool waiting) {
        WindowDriver::SetUp();
        Hooks().timeOfDay = [] { return 4321.25f; };
        Run run;
        FrameRecorder recorder;
        frmMain window;
        size_t next = 0;
        int framesSinceEvent = 0;
        const auto actNext = [&] {
            if (next < script.size())
                script[next++].act(window);
            framesSinceEvent = 0;
        };
        Hooks().doEvents = [&] {
            run.frames.push_back(recorder.DescribeFrame());
            if (next < script.size() && ++framesSinceEvent >= script[next].framesAfter)
                actNext();
            QCoreApplication::processEvents();
        };
        if (waiting)
            Hooks().waitForEvents = [&] {
                run.frames.push_back(recorder.DescribeFrame());
                ++run.waits;
                actNext();
                QCoreApplication::processEvents();
            };
        window.Form_Load();
        return run;
    }
};

void PressGem(frmMain& window, int16_t gem) {
    QTest::mouseClick(window.picBoard, Qt::LeftButton, {},
                      QPoint(Gems[gem].XPos + 26, Gems[gem].YPos + 26));
}

TEST_F(WaitingTest, WaitingOnAStillBoardLeavesEveryFrameAsItWouldBe) {
    const std::vector<ScriptedEvent> script = {
        {40,
         [](frmMain& window) {
             LayBoard(OneMoveBoard);
             QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(26, 26));
         }},
        {10,
         [](frmMain& window) {
             QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(78, 26));
         }},
        {200, [](frmMain& window) { window.mnuHint->trigger(); }},
        {30, [](frmMain& window) { PressGem(window, SelectedGem); }},
        {60,
         [](frmMain&) {
             // A fall onto a board without a move, as an event might leave it.
             LayBoard(NoMoveBoard);
             DroppingGems.clear();
             GameState = StateFalling;
             WakeFrameLoop();
         }},
        {250, [](frmMain& window) { window.mnuNewGame->trigger(); }},
        {80, [](frmMain& window) { window.close(); }},
    };
    const Run everyFrame = PlayScript(script, false);
    const Run waiting = PlayScript(script, true);

    EXPECT_EQ(everyFrame.waits, 0);
    EXPECT_GE(waiting.waits, 4) << "the loop waits on every still board of the script";
    EXPECT_LT(waiting.frames.size() + 400, everyFrame.frames.size());
    const std::vector<std::string> expected = DropRepeats(everyFrame.frames);
    const std::vector<std::string> seen = DropRepeats(waiting.frames);
    ASSERT_EQ(seen.size(), expected.size());
    for (size_t i = 0; i < seen.size(); ++i)
        ASSERT_EQ(seen[i], expected[i]) << "distinct frame " << i;
}

TEST_F(WaitingTest, CommandDuringAStillFramesWaitWakesTheNextFrameAtOnce) {
    frmMain window;
    int sleeps = 0;
    bool hinted = false;
    bool sleptAfterHint = false;
    Hooks().waitForTick = [&](int32_t tick) {
        tick_ = tick;
        // The frame after the first sleep is still too: the hint comes in its wait.
        if (sleeps == 1 && !hinted) {
            hinted = true;
            window.mnuHint->trigger();
        }
    };
    Hooks().waitForEvents = [&] {
        if (hinted) {
            sleptAfterHint = true;
            window.close();
            return;
        }
        ++sleeps;
        WakeFrameLoop();
    };
    RunGame(window, 400, [&](int) {
        if (hinted && GameState == StateSelected)
            window.close();
    });

    EXPECT_TRUE(hinted);
    EXPECT_FALSE(sleptAfterHint) << "the loop slept with the hint's wake-up lost";
    EXPECT_EQ(GameState, StateSelected);
}

} // namespace
} // namespace glintrow::testing
