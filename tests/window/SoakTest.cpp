// A long soak of the real window: random presses on and off the board, menu commands and
// shortcuts in every state, with the tables checked after every frame.
#include "WindowDriver.h"
#include "basHint.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <random>

namespace glintrow::testing {
namespace {

#ifndef SOAK_FRAMES
#define SOAK_FRAMES 100000
#endif

struct SoakTally {
    int moves = 0;
    int goodMoves = 0;
    int cascades = 0;
    int gameOvers = 0;
    int newGames = 0;
    int boxes = 0;
};

const uint64_t SoakSeed = SeedFrom("GLINTROW_SOAK_SEED", 20261207);

class SoakTest : public WindowDriver {
protected:
    // One random thing a restless player might do in a frame.
    void ActAtRandom(frmMain& window) {
        const int roll = std::uniform_int_distribution<int>(0, 9999)(random_);
        if (roll < 2000)
            PressAnywhere(window);
        else if (roll < 3500)
            MakeAMove(window);
        else if (roll < 3600)
            window.picBoard_MouseDown(1, 0, OffBoardCoordinate(), OffBoardCoordinate());
        else if (roll < 3606 || (GameState == StateGameOverShown && roll < 3700))
            ChooseCommand(window, window.mnuNewGame, Qt::Key_F2);
        else if (roll < 3800)
            ChooseCommand(window, window.mnuHint, Qt::Key_F3);
        else if (roll < 3830)
            ChooseCommand(window, window.mnuPlaySound, QKeyCombination(Qt::CTRL, Qt::Key_P));
        else if (roll < 3832)
            OpenAndCloseABox(window);
    }

    void PressAnywhere(frmMain& window) {
        std::uniform_int_distribution<int> position(0, 415);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        QTest::mouseClick(window.picBoard, buttons[position(random_) % 3], {},
                          QPoint(position(random_), position(random_)));
    }

    // The hinted gem and the neighbour that makes its line, as a player following the hint.
    void MakeAMove(frmMain& window) {
        if (GameState != StateIdle && GameState != StateSelected)
            return;
        window.mnuHint->trigger();
        const int16_t partner = PartnerMakingALine(SelectedGem);
        if (partner >= 0)
            QTest::mouseClick(window.picBoard, Qt::LeftButton, {},
                              QPoint(Gems[partner].XPos + 26, Gems[partner].YPos + 26));
    }

    float OffBoardCoordinate() {
        const float choices[] = {-1.0f, 0.0f, 415.0f, 416.0f, 1e9f, -1e9f, std::nanf("")};
        return choices[std::uniform_int_distribution<int>(0, 6)(random_)];
    }

    void ChooseCommand(frmMain& window, QAction* action, QKeyCombination shortcut) {
        if (std::uniform_int_distribution<int>(0, 1)(random_)) {
            action->trigger();
        } else {
            window.activateWindow();
            QTest::keyClick(&window, shortcut.key(), shortcut.keyboardModifiers());
        }
    }

    void OpenAndCloseABox(frmMain& window) {
        ++tally_.boxes;
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        (tally_.boxes % 2 ? window.mnuAbout : window.mnuHowToPlay)->trigger();
    }

    void CountWhatHappened(GameStates before, int16_t comboBefore) {
        if (before != StateSwapping && GameState == StateSwapping)
            ++tally_.moves;
        if (before == StateSwapping && GameState == StateClearing)
            ++tally_.goodMoves;
        if (ComboCount > comboBefore && ComboCount >= 2)
            ++tally_.cascades;
        if (before != StateGameOverShown && GameState == StateGameOverShown)
            ++tally_.gameOvers;
        if (before != StateDropIn && GameState == StateDropIn)
            ++tally_.newGames;
    }

    std::mt19937_64 random_{SoakSeed};
    SoakTally tally_;
};

TEST_F(SoakTest, RandomPlayKeepsTheStateValidAndTheTablesAgreeing) {
    std::printf("soak seed %llu (rerun with GLINTROW_SOAK_SEED)\n",
                static_cast<unsigned long long>(SoakSeed));
    // The game's own chance follows the test's clock, so a seed replays the whole soak.
    SetRandomState(SoakSeed);
    Hooks().timeOfDay = [this] { return static_cast<float>(tick_ % 86400000) / 1000.0f; };
    frmMain window;
    GameStates stateBefore = StateStarting;
    int16_t comboBefore = 0;
    bool failed = false;
    Hooks().doEvents = [&] {
        frameTicks_.push_back(tick_);
        const int frame = static_cast<int>(frameTicks_.size());
        ActAtRandom(window);
        QCoreApplication::processEvents();
        CountWhatHappened(stateBefore, comboBefore);
        stateBefore = GameState;
        comboBefore = ComboCount;
        if (GameState < StateStarting || GameState > StateGameOverShown) {
            ADD_FAILURE() << "frame " << frame << ": state " << GameState;
            failed = true;
        }
        if (GameState == StateIdle) {
            const std::string disagreement = DescribeDisagreement();
            if (!disagreement.empty()) {
                ADD_FAILURE() << "frame " << frame << ": " << disagreement;
                failed = true;
            }
        }
        if (failed || frame >= SOAK_FRAMES)
            window.close();
    };
    // Failures are recorded; the boxes the soak opens itself are shown for real and closed.
    Hooks().msgBox = [this](const std::string& text, MsgBoxIcon icon, const std::string& title) {
        if (title == "This is uncalled-for!" || title.empty()) {
            boxes_.push_back({text, icon, title});
            return;
        }
        const auto hook = std::move(Hooks().msgBox);
        Hooks().msgBox = nullptr;
        MsgBox(text, icon, title);
        Hooks().msgBox = hook;
    };
    window.Form_Load();

    std::printf("soak: %zu frames, %d moves (%d made lines), %d cascades, %d games over, "
                "%d new games, %d boxes\n",
                frameTicks_.size(), tally_.moves, tally_.goodMoves, tally_.cascades,
                tally_.gameOvers, tally_.newGames, tally_.boxes);
    EXPECT_EQ(frameTicks_.size(), static_cast<size_t>(SOAK_FRAMES));
    for (const ShownBox& box : boxes_)
        ADD_FAILURE() << "the game reported: " << box.text;
    EXPECT_GT(tally_.goodMoves, SOAK_FRAMES / 200);
    EXPECT_GT(tally_.cascades, 0);
    EXPECT_GE(tally_.gameOvers, SOAK_FRAMES / 20000);
    EXPECT_GT(tally_.newGames, tally_.gameOvers);
}

} // namespace
} // namespace glintrow::testing
