// The game's one window: menus, the board area, start-up and close; events become game calls.
#pragma once

#include "PictureBox.h"

#include <QMainWindow>

#include <cstdint>
#include <vector>

class QAction;
class QLocale;
class QMenu;
class QString;

namespace glintrow {

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain();

    void Form_Load();
    void Form_Resize();
    void Form_QueryUnload();

    void mnuNewGame_Click();
    void mnuPlaySound_Click();
    void mnuHint_Click();
    void mnuQuit_Click();
    void mnuHowToPlay_Click();
    void mnuAbout_Click();
    void picBoard_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    // The board's keys: the arrows move the focus frame, a press key presses the gem under it and
    // Escape presses the selected gem again.
    void picBoard_KeyDown(BoardKey key);

    PictureBox* picBoard = nullptr;
    // The Game menu.
    QMenu* mnuGame = nullptr;
    QAction* mnuNewGame = nullptr;
    QAction* mnuPlaySound = nullptr;
    QAction* sepHint = nullptr;
    QAction* mnuHint = nullptr;
    QAction* sepExit = nullptr;
    QAction* mnuQuit = nullptr;
    // The Help menu.
    QMenu* mnuHelp = nullptr;
    QAction* mnuHowToPlay = nullptr;
    QAction* sepAbout = nullptr;
    QAction* mnuAbout = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const QString& text, void (frmMain::*handler)());
    // A press at the centre of a cell, by column and row.
    void pressCell(QPoint cell);
    // Moves the focus frame, or says that an edge of the board stops it.
    void stepFocus(int columns, int rows);
    // What the game did since it was last asked, in words.
    static std::vector<BoardNews> takeNews();
    // What a cell shows, in the words assistive technology reads.
    CellWords wordsOf(QPoint cell) const;
    // Every command of the player passes here on its way to the game; false when it was left out
    // or held for the frame's event step.
    template <class Command> bool runCommand(Command command);
    // Draws the board anew at the scale of the screen the window is on, also on a still board.
    void tellScreenScale();
    // Runs the frame loop and reports any failure that ends it; the window then stays open.
    void runGameLoop();

    // Set once the close is accepted: from then on the game's objects are released.
    bool closed_ = false;
};

} // namespace glintrow
