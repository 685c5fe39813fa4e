// Random play of the real window: presses on and off the board, menu commands and shortcuts in
// every state, with the tables checked after every frame.
#include "RandomPlay.h"
#include "WindowDriver.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace glintrow::testing {
namespace {

class SoakTest : public WindowDriver {
protected:
    // One random thing a restless player might do in a frame.
    void ActAtRandom(frmMain& window) {
        const int roll = play_.Roll(0, 9999);
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
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        QTest::mouseClick(window.picBoard, buttons[play_.Roll(0, 2)], {},
                          QPoint(play_.Roll(0, BoardPixels - 1), play_.Roll(0, BoardPixels - 1)));
    }

    // The hinted gem and the neighbour that makes its line, as a player following the hint.
    void MakeAMove(frmMain& window) {
        if (GameState != StateIdle && GameState != StateSelected)
            return;
        window.mnuHint->trigger();
        const auto [x, y] = play_.PointIn(play_.PartnerOfSelection());
        QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(x, y));
    }

    float OffBoardCoordinate() {
        const float choices[] = {-1.0f, 0.0f, 415.0f, 416.0f, 1e9f, -1e9f, std::nanf("")};
        return choices[play_.Roll(0, 6)];
    }

    void ChooseCommand(frmMain& window, QAction* action, QKeyCombination shortcut) {
        if (play_.Roll(0, 1)) {
            action->trigger();
        } else {
            window.activateWindow();
            QTest::keyClick(&window, shortcut.key(), shortcut.keyboardModifiers());
        }
    }

    void OpenAndCloseABox(frmMain& window) {
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        (++play_.tally["boxes opened"] % 2 ? window.mnuAbout : window.mnuHowToPlay)->trigger();
    }

    RandomPlay play_{"soak", 15000, 200000};
};

TEST_F(SoakTest, RandomPlayKeepsTheStateValidAndTheTablesAgreeing) {
    play_.SeedTheGame();
    play_.tally["boxes opened"] = 0;
    Hooks().timeOfDay = [this] { return static_cast<float>(tick_ % 86400000) / 1000.0f; };
    frmMain window;
    // Each frame is checked before the player acts in it, so that the play ends on a checked frame.
    Hooks().doEvents = [&] {
        if (!play_.CheckFrame() || play_.tally["frames"] >= play_.Length()) {
            window.close();
            return;
        }
        ActAtRandom(window);
        QCoreApplication::processEvents();
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

    EXPECT_EQ(play_.tally["frames"], play_.Length());
    for (const ShownBox& box : boxes_)
        ADD_FAILURE() << "the game reported: " << box.text;
    play_.ExpectEveryKindOfEvent();
}

} // namespace
} // namespace glintrow::testing
