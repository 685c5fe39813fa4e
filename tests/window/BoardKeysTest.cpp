// The board from the keyboard on the real window: the focus frame and its keys, presses that are
// the mouse's own, keys that a box or a menu keeps, the frame over the picture and never in it,
// and what the board tells assistive technology.
#include "WindowDriver.h"
#include "basHint.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace glintrow::testing {
namespace {

class BoardKeysTest : public ActiveWindowTest {
protected:
    void SetUp() override {
        ActiveWindowTest::SetUp();
        ShowWindowOn(ShiftedRowsBoard);
    }

    // A key as the player types it: it goes wherever the keyboard is.
    static void Type(Qt::Key key) { QTest::keyClick(static_cast<QWidget*>(nullptr), key); }

    // Walks the frame to a cell with the arrows.
    void WalkTo(QPoint cell) {
        while (window_.picBoard->focusedCell() != cell) {
            const QPoint at = window_.picBoard->focusedCell();
            Type(at.x() < cell.x()   ? Qt::Key_Right
                 : at.x() > cell.x() ? Qt::Key_Left
                 : at.y() < cell.y() ? Qt::Key_Down
                                     : Qt::Key_Up);
        }
    }

    QPoint Focus() const { return window_.picBoard->focusedCell(); }
    bool FrameShown() const { return window_.picBoard->isFocusFrameShown(); }
};

TEST_F(BoardKeysTest, ArrowsMoveTheFrameFromTheTopLeftCellAndStopAtTheBoardsEdges) {
    EXPECT_TRUE(window_.picBoard->hasFocus()) << "the board has the keyboard once the window opens";
    EXPECT_EQ(Focus(), QPoint(0, 0));
    EXPECT_FALSE(FrameShown()) << "the frame waits for the first arrow key";
    Type(Qt::Key_Left);
    Type(Qt::Key_Up);
    EXPECT_EQ(Focus(), QPoint(0, 0));
    EXPECT_TRUE(FrameShown());
    Type(Qt::Key_Right);
    Type(Qt::Key_Down);
    Type(Qt::Key_Down);
    EXPECT_EQ(Focus(), QPoint(1, 2));
    for (int step = 0; step < 10; ++step) {
        Type(Qt::Key_Right);
        Type(Qt::Key_Down);
    }
    EXPECT_EQ(Focus(), QPoint(7, 7));
    EXPECT_EQ(GameState, StateIdle);
    EXPECT_EQ(SoundPlayCounts(), Sounds{}) << "moving the frame presses nothing";
}

// What a press left in the tables: the state, the selection, the sounds and each gem's motion.
struct PressOutcome {
    GameStates state;
    int16_t selected, second, clicks, combo;
    Sounds sounds;
    std::vector<std::array<int16_t, 3>> motion;
    bool operator==(const PressOutcome&) const = default;
};

// Selects, cancels, selects and presses a diagonal gem, selects and swaps with a neighbour, and
// presses during the swap, each press given by pressAt; what each press left.
std::vector<PressOutcome> PlayPresses(const std::function<void(QPoint)>& pressAt) {
    ResetGameTables();
    LoadTestSounds();
    LayBoard(ShiftedRowsBoard);
    GameState = StateIdle;
    ComboCount = 4;
    std::vector<PressOutcome> outcomes;
    for (QPoint cell : {QPoint(2, 2), QPoint(2, 2), QPoint(4, 4), QPoint(5, 5), QPoint(3, 3),
                        QPoint(3, 4), QPoint(0, 0)}) {
        const Sounds before = SoundPlayCounts();
        pressAt(cell);
        PressOutcome outcome{GameState,  SelectedGem,         SecondGem, ClickCount,
                             ComboCount, SoundsSince(before), {}};
        for (const CGem& gem : Gems)
            outcome.motion.push_back({gem.XDirection, gem.YDirection, gem.RotFrame});
        outcomes.push_back(outcome);
    }
    return outcomes;
}

TEST_F(BoardKeysTest, SpaceAndEnterPressTheGemUnderTheFrameAsAMousePressAtItsCentreDoes) {
    const std::vector<PressOutcome> byMouse = PlayPresses([this](QPoint cell) {
        QTest::mouseClick(window_.picBoard, Qt::LeftButton, {}, cell * 52 + QPoint(26, 26));
    });
    int next = 0;
    const std::vector<PressOutcome> byKeys = PlayPresses([&](QPoint cell) {
        WalkTo(cell);
        const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
        Type(keys[next++ % 3]);
    });
    ASSERT_EQ(byMouse.size(), byKeys.size());
    for (size_t i = 0; i < byMouse.size(); ++i)
        EXPECT_TRUE(byKeys[i] == byMouse[i]) << "press " << i << " by keys differs from the mouse";
    EXPECT_EQ(byKeys[5].state, StateSwapping) << "the presses reached a swap";
    EXPECT_EQ(byKeys[3].sounds, OnlySound(SoundBadSwap));
}

TEST_F(BoardKeysTest, HeldArrowGoesOnMovingWhileAHeldPressKeyPressesOnce) {
    const auto repeat = [this](Qt::Key key) {
        QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(window_.picBoard, &held);
    };
    Type(Qt::Key_Space);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        repeat(key);
    EXPECT_EQ(GameState, StateSelected);
    EXPECT_EQ(ClickCount, 1);
    EXPECT_EQ(SoundPlayCounts()[SoundSelect], 1);
    repeat(Qt::Key_Right);
    repeat(Qt::Key_Right);
    EXPECT_EQ(Focus(), QPoint(2, 0));
}

TEST_F(BoardKeysTest, EscapePressesTheSelectedGemAgainWhereverTheFrameIs) {
    WalkTo(QPoint(2, 2));
    Type(Qt::Key_Space);
    ASSERT_EQ(SelectedGem, IdAt(2, 2));
    Gems[IdAt(2, 2)].RotFrame = 7;
    WalkTo(QPoint(6, 5));
    const Sounds before = SoundPlayCounts();
    Type(Qt::Key_Escape);
    EXPECT_EQ(GameState, StateIdle);
    EXPECT_EQ(ClickCount, 0);
    EXPECT_EQ(Gems[IdAt(2, 2)].RotFrame, 0);
    EXPECT_EQ(SoundsSince(before), Sounds{});
    EXPECT_EQ(Focus(), QPoint(6, 5));

    Type(Qt::Key_Escape);
    EXPECT_EQ(GameState, StateIdle) << "Escape with nothing selected does nothing";
    EXPECT_EQ(ClickCount, 0);
    for (GameStates state : {StateDropIn, StateSwapping, StateFalling, StateGameOverShown}) {
        GameState = state;
        ClickCount = 1;
        Type(Qt::Key_Escape);
        Type(Qt::Key_Space);
        EXPECT_EQ(GameState, state);
        EXPECT_EQ(ClickCount, 1);
    }
    EXPECT_EQ(SoundsSince(before), Sounds{});
}

TEST_F(BoardKeysTest, HintMovesTheFrameToTheHintedGemAndAMousePressHidesIt) {
    LayBoard(OneMoveBoard);
    ASSERT_EQ(FindHint(), IdAt(1, 0));
    WalkTo(QPoint(5, 6));
    Type(Qt::Key_F3);
    EXPECT_EQ(Focus(), QPoint(1, 0));
    EXPECT_TRUE(FrameShown());
    Type(Qt::Key_Left);
    Type(Qt::Key_Space);
    EXPECT_EQ(GameState, StateSwapping) << "the neighbour left of the hint is pressed";
    EXPECT_EQ(SecondGem, IdAt(0, 0));

    QTest::mouseClick(window_.picBoard, Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_FALSE(FrameShown());
    EXPECT_EQ(Focus(), QPoint(0, 0)) << "the frame keeps its cell while hidden";
    GameState = StateIdle;
    window_.mnuHint->trigger();
    EXPECT_EQ(Focus(), QPoint(1, 0));
    EXPECT_FALSE(FrameShown()) << "the hint moves a hidden frame without showing it";
}

TEST_F(BoardKeysTest, BoardKeysDoNothingWhileABoxOrAMenuHasTheKeyboard) {
    Type(Qt::Key_Space);
    ASSERT_EQ(GameState, StateSelected);
    const Sounds before = SoundPlayCounts();
    bool boxOpened = false;
    QTimer::singleShot(0, [&] {
        boxOpened = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Space})
            Type(key);
    });
    window_.mnuAbout->trigger();
    ASSERT_TRUE(boxOpened);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Space belonged to the box's button";
    EXPECT_EQ(Focus(), QPoint(0, 0));
    EXPECT_FALSE(FrameShown());
    EXPECT_EQ(GameState, StateSelected);
    // The window system's events after the box's close come first, as they would for a player.
    QCoreApplication::processEvents();
    Type(Qt::Key_Right);
    EXPECT_EQ(Focus(), QPoint(1, 0)) << "the board has the keyboard again once the box is gone";

    window_.mnuGame->popup(window_.mapToGlobal(QPoint(0, 0)));
    ASSERT_EQ(QApplication::activePopupWidget(), window_.mnuGame);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Escape})
        Type(key);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Escape belonged to the menu";
    EXPECT_EQ(Focus(), QPoint(1, 0));
    EXPECT_EQ(GameState, StateSelected) << "Escape in the menu cancelled the selection";
    EXPECT_EQ(SoundsSince(before), Sounds{});
}

TEST_F(BoardKeysTest, BoardIsAListWhoseFocusedCellSaysTheGemUnderTheFrameAndItsPlace) {
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window_.picBoard);
    ASSERT_NE(board, nullptr);
    ASSERT_EQ(board->role(), QAccessible::List);
    EXPECT_EQ(board->tableInterface(), nullptr) << "a table's whole row is read on Up and Down";
    EXPECT_EQ(board->childCount(), 64);
    const auto told = [&] {
        QAccessibleInterface* cell = board->focusChild();
        if (!cell)
            return std::string("no focused cell");
        return cell->text(QAccessible::Name).toStdString() +
               (cell->state().selected ? " (selected)" : "") +
               (cell->actionInterface() ? " with actions" : "");
    };
    std::vector<std::string> heard = {told()};
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space, Qt::Key_Left,
                        Qt::Key_Right, Qt::Key_Escape}) {
        Type(key);
        heard.push_back(told());
    }
    const std::vector<std::string> expected = {"Red square, A1",
                                               "Green hexagon, B1",
                                               "Blue diamond, B2",
                                               "Yellow rectangle, B3",
                                               "Yellow rectangle, B3, selected (selected)",
                                               "Blue diamond, A3",
                                               "Yellow rectangle, B3, selected (selected)",
                                               "Yellow rectangle, B3"};
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(board->child(6 * 8 + 2)->text(QAccessible::Name), "Green hexagon, C7");

    GameState = StateFalling;
    Board[1][2].GemType = -1;
    EXPECT_EQ(board->child(2 * 8 + 1)->text(QAccessible::Name), "No gem, B3")
        << "a cell emptied by a clear";
}

TEST_F(BoardKeysTest, MenusStillTellAssistiveTechnologyTheirCommands) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&window_);
    ASSERT_NE(window, nullptr);
    QStringList menus;
    bool boardFound = false;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        boardFound |= child->object() == window_.picBoard;
        if (child->role() == QAccessible::MenuBar)
            for (int m = 0; m < child->childCount(); ++m)
                menus << child->child(m)->text(QAccessible::Name);
    }
    EXPECT_EQ(menus, QStringList({"Game", "Help"}));
    EXPECT_TRUE(boardFound);
    QAccessibleInterface* game = QAccessible::queryAccessibleInterface(window_.mnuGame);
    ASSERT_NE(game, nullptr);
    QStringList items;
    for (int i = 0; i < game->childCount(); ++i)
        if (game->child(i)->role() != QAccessible::Separator)
            items << game->child(i)->text(QAccessible::Name);
    EXPECT_EQ(items, QStringList({"New Game", "Play Sound", "Hint", "Quit"}));
    QAccessibleInterface* sound = game->child(1);
    EXPECT_TRUE(sound->state().checkable);
    EXPECT_FALSE(sound->state().checked);
    window_.mnuPlaySound->setChecked(true);
    EXPECT_TRUE(sound->state().checked) << "the check mark is not told";
}

// The frame over the running game's picture.
class FocusFramePictureTest : public WindowDriver {};

std::vector<int32_t> BackBufferPixels() {
    std::vector<int32_t> pixels;
    for (int y = 0; y < BoardPixels; ++y)
        for (int x = 0; x < BoardPixels; ++x)
            pixels.push_back(BackBuffer->GetPixel(x, y));
    return pixels;
}

TEST_F(FocusFramePictureTest, FrameShowsOverItsCellOnlyAndNeverReachesTheBackBuffer) {
    frmMain window;
    QImage without, with, hiddenAgain;
    std::vector<int32_t> bufferWithout, bufferWith;
    RunGame(window, 60, [&](int frame) {
        if (frame == 45) {
            without = window.picBoard->grab().toImage();
            bufferWithout = BackBufferPixels();
            for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
                QTest::keyClick(window.picBoard, key);
        }
        if (frame == 50) {
            with = window.picBoard->grab().toImage();
            bufferWith = BackBufferPixels();
            // On the board's outermost pixels, where a press selects nothing.
            QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(415, 415));
        }
        if (frame == 55)
            hiddenAgain = window.picBoard->grab().toImage();
    });
    ASSERT_EQ(GameState, StateIdle) << "the board had not come to rest";
    ASSERT_EQ(with.size(), without.size());
    EXPECT_EQ(bufferWith, bufferWithout) << "the frame changed the game's own picture";
    const QRect cell(2 * 52, 2 * 52, 52, 52);
    int inside = 0, outside = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ++(cell.contains(x, y) ? inside : outside);
    EXPECT_EQ(outside, 0);
    EXPECT_GE(inside, (52 * 52 - 48 * 48) * 9 / 10) << "no whole outline 2 pixels wide";
    EXPECT_EQ(hiddenAgain, without) << "a mouse press hides the frame";
    EXPECT_EQ(window.picBoard->focusedCell(), QPoint(7, 7)) << "the frame goes to the pressed cell";
}

} // namespace
} // namespace glintrow::testing
