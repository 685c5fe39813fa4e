// Closing the window, by its close box, by Quit or by Quit pressed through the accessibility
// interface, in every state of a game, at the frame's event step and in the middle of its wait, and
// while a box is open: the frame loop ends at once, everything is released and nothing is drawn
// afterwards.
#include "WindowDriver.h"
#include "basHint.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace glintrow::testing {
namespace {

enum class CloseBy { CloseBox, QuitCommand, AccessibleQuit };

struct CloseCase {
    GameStates state;
    CloseBy by;
    // In the middle of the frame's wait, where a screen reader's press may come.
    bool midWait;
};

std::string NameOf(const ::testing::TestParamInfo<CloseCase>& info) {
    static const char* states[] = {"Starting", "Idle",    "DropIn",   "Selected",  "Swapping",
                                   "Clearing", "Falling", "GameOver", "Exploding", "GameOverShown"};
    static const char* ways[] = {"ByCloseBox", "ByQuit", "ByAccessibleQuit"};
    return std::string(states[info.param.state]) + ways[static_cast<int>(info.param.by)] +
           (info.param.midWait ? "MidWait" : "");
}

void PressGem(frmMain& window, int16_t gem) {
    QTest::mouseClick(window.picBoard, Qt::LeftButton, {},
                      QPoint(Gems[gem].XPos + 26, Gems[gem].YPos + 26));
}

class CloseInEveryStateTest : public WindowDriver, public ::testing::WithParamInterface<CloseCase> {
protected:
    // Leads an idle game towards the wanted state, one command per frame.
    void LeadTowards(frmMain& window, GameStates wanted) {
        switch (wanted) {
        case StateSelected:
            PressGem(window, 27);
            break;
        case StateSwapping:
            PressGem(window, 27);
            PressGem(window, 28);
            break;
        case StateClearing:
        case StateFalling: {
            const int16_t gem = FindHint();
            PressGem(window, gem);
            PressGem(window, PartnerMakingALine(gem));
            break;
        }
        case StateGameOver:
        case StateExploding:
        case StateGameOverShown:
            // The board still has moves; the end of a game is entered as a fall with none would.
            GameState = StateGameOver;
            break;
        default:
            break;
        }
    }

    void Close(frmMain& window) {
        switch (GetParam().by) {
        case CloseBy::CloseBox:
            window.close();
            break;
        case CloseBy::QuitCommand:
            window.mnuQuit->trigger();
            break;
        case CloseBy::AccessibleQuit:
            PressThroughAccessibility(window.mnuGame, "Quit");
            break;
        }
    }

    static void PressThroughAccessibility(QMenu* menu, const QString& name) {
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(items, nullptr);
        for (int i = 0; i < items->childCount(); ++i)
            if (items->child(i)->text(QAccessible::Name) == name) {
                items->child(i)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
                return;
            }
        FAIL() << "no item " << name.toStdString();
    }
};

TEST_P(CloseInEveryStateTest, LoopEndsAtOnceAndEverythingIsReleased) {
    RecordBoxes();
    frmMain window;
    const GameStates wanted = GetParam().state;
    const bool midWait = GetParam().midWait;
    size_t framesAtClose = 0;
    bool ledOnce = false;
    const auto closeInWanted = [&] {
        if (!framesAtClose && GameState == wanted && frameTicks_.size() > 2) {
            framesAtClose = frameTicks_.size();
            Close(window);
        }
    };
    Hooks().waitForTick = [&](int32_t tick) {
        tick_ = tick;
        if (midWait)
            closeInWanted();
    };
    script_ = [&](int frame) {
        if (!midWait)
            closeInWanted();
        if (!framesAtClose && GameState == StateIdle && !ledOnce) {
            ledOnce = true;
            LeadTowards(window, wanted);
        }
        ASSERT_LT(frame, 500) << "the game never reached the state";
    };
    window.Form_Load();

    EXPECT_GT(framesAtClose, 0u);
    // A close in the wait is the event step's of the same frame.
    EXPECT_EQ(frameTicks_.size(), framesAtClose + (midWait ? 1 : 0))
        << "frames ran after the close";
    EXPECT_TRUE(QuitRequested);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(AreGameObjectsReleased());
    EXPECT_TRUE(boxes_.empty()) << boxes_.front().text;
}

std::vector<CloseCase> EveryStateAndWayToClose() {
    std::vector<CloseCase> cases;
    for (GameStates state : {StateDropIn, StateIdle, StateSelected, StateSwapping, StateClearing,
                             StateFalling, StateGameOver, StateExploding, StateGameOverShown})
        for (CloseBy by : {CloseBy::CloseBox, CloseBy::QuitCommand, CloseBy::AccessibleQuit})
            for (bool midWait : {false, true})
                cases.push_back({state, by, midWait});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryState, CloseInEveryStateTest,
                         ::testing::ValuesIn(EveryStateAndWayToClose()), NameOf);

class CloseWhileABoxIsOpenTest : public WindowDriver {};

TEST_F(CloseWhileABoxIsOpenTest, ClosingBehindTheAboutBoxEndsTheGameWhenTheBoxCloses) {
    frmMain window;
    size_t framesAtClose = 0;
    script_ = [&](int frame) {
        if (frame != 40)
            return;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            framesAtClose = frameTicks_.size();
            window.close();
            box->accept();
        });
        window.mnuAbout->trigger();
    };
    window.Form_Load();

    EXPECT_EQ(framesAtClose, 40u);
    EXPECT_EQ(frameTicks_.size(), 40u) << "frames ran after the close";
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(AreGameObjectsReleased());
}

// The window system may deliver commands queued behind the close in the same round of events;
// with sound on, a press reaching the released game would raise a failure after the window has
// gone, and a new game would restart the frame loop.
class CommandsQueuedBehindACloseTest : public WindowDriver,
                                       public ::testing::WithParamInterface<CloseBy> {};

TEST_P(CommandsQueuedBehindACloseTest, NeverReachTheReleasedGame) {
    RecordBoxes();
    frmMain window;
    size_t framesAtClose = 0;
    script_ = [&](int) {
        if (framesAtClose || GameState != StateIdle)
            return;
        window.mnuPlaySound->trigger();
        framesAtClose = frameTicks_.size();
        if (GetParam() == CloseBy::CloseBox)
            QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
        else
            QMetaObject::invokeMethod(window.mnuQuit, &QAction::trigger, Qt::QueuedConnection);
        const QPointF gem(Gems[27].XPos + 26, Gems[27].YPos + 26);
        QCoreApplication::postEvent(
            window.picBoard,
            new QMouseEvent(QEvent::MouseButtonPress, gem, window.picBoard->mapToGlobal(gem),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        for (QAction* command : {window.mnuHint, window.mnuNewGame})
            QMetaObject::invokeMethod(command, &QAction::trigger, Qt::QueuedConnection);
    };
    window.Form_Load();

    EXPECT_TRUE(SoundOn);
    EXPECT_GT(framesAtClose, 0u);
    EXPECT_EQ(frameTicks_.size(), framesAtClose) << "frames ran after the close";
    EXPECT_TRUE(AreGameObjectsReleased());
    EXPECT_TRUE(boxes_.empty()) << boxes_.front().text;
}

INSTANTIATE_TEST_SUITE_P(BothWaysToClose, CommandsQueuedBehindACloseTest,
                         ::testing::Values(CloseBy::CloseBox, CloseBy::QuitCommand),
                         [](const auto& info) {
                             return info.param == CloseBy::CloseBox ? "CloseBox" : "Quit";
                         });

} // namespace
} // namespace glintrow::testing
