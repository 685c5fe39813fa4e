// The game's one window: menus, the board area, start-up and close; events become game calls.
#include "frmMain.h"

#include "GameIcon.h"
#include "MenuAccessible.h"
#include "basDeclarations.h"
#include "basDirectDrawStuff.h"
#include "basDirectSoundStuff.h"
#include "basInitializingGameBoard.h"
#include "basMainGameLoop.h"
#include "basPlayerInput.h"
#include "platform/QtWindow.h"
#include "platform/Runtime.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QWindow>

#include <optional>
#include <string>

namespace glintrow {
namespace {

// What a failure box says of a failure, in the player's language.
std::string describe(const std::exception& failure) {
    return ReasonOf(failure).SayInPlayersLanguage();
}

// Runs a step of start-up or play. Every failure of the game is reported here: the sound set-up's
// ends the program once everything is released, the drawing set-up's and any other show their
// box. False when the step failed.
template <class Step> bool RunReportingFailure(Step step) {
    try {
        step();
        return true;
    } catch (const SoundSetUpFailure& failure) {
        EndDirectDraw();
        // The reason on a line of its own after the game's text: the file and the limit, or the
        // folder where the sounds were looked for.
        MsgBox(frmMain::tr("Unable to create Direct Sound object.\r\nCheck to ensure that a "
                           "sound card is installed and working properly.\r\n")
                       .toStdString() +
                   describe(failure),
               MsgBoxIcon::None, "");
        EndProgram(1);
    } catch (const DrawingSetUpFailure& failure) {
        MsgBox(frmMain::tr("Unexpected error has occurred.\r\n").toStdString() + describe(failure),
               MsgBoxIcon::Exclamation, frmMain::tr("This is uncalled-for!").toStdString());
    } catch (const std::exception& failure) {
        MsgBox(frmMain::tr("Some error has occurred!\r\n").toStdString() + describe(failure),
               MsgBoxIcon::Exclamation, frmMain::tr("This is uncalled-for!").toStdString());
    }
    return false;
}

} // namespace

frmMain::frmMain() {
    setWindowTitle(QString::fromUtf8(WindowTitle));
    BannerText = tr("Game Over").toStdString();
    setWindowIcon(LoadGameIcon());
    // The game takes every button alike and reads no modifier keys.
    picBoard = new PictureBox(
        this,
        [this](int16_t button, float x, float y) {
            runCommand([=, this] { picBoard_MouseDown(button, 0, x, y); });
        },
        [this](BoardKey key) { runCommand([=, this] { picBoard_KeyDown(key); }); },
        BoardView{[this](QPoint cell) { return wordsOf(cell); }, [] { return BoardShowsGems(); },
                  [] { return BoardIsAtRest(); }, [] { return takeNews(); }});
    setCentralWidget(picBoard);
    picBoard->setFocus();
    buildMenus();
    FormHandle = HandleOf(this);
    BoardHandle = HandleOf(picBoard);
}

void frmMain::buildMenus() {
    InstallCheckableCommandAccessible();
    mnuGame = menuBar()->addMenu(tr("&Game"));
    mnuNewGame = addCommand(mnuGame, tr("&New Game"), &frmMain::mnuNewGame_Click);
    mnuNewGame->setShortcut(QKeySequence(Qt::Key_F2));
    mnuPlaySound = addCommand(mnuGame, tr("&Play Sound"), &frmMain::mnuPlaySound_Click);
    mnuPlaySound->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPlaySound->setCheckable(true);
    mnuPlaySound->setChecked(false);
    sepHint = mnuGame->addSeparator();
    mnuHint = addCommand(mnuGame, tr("&Hint"), &frmMain::mnuHint_Click);
    mnuHint->setShortcut(QKeySequence(Qt::Key_F3));
    sepExit = mnuGame->addSeparator();
    // Closing needs no game and always works, so Quit goes straight to the window.
    mnuQuit = mnuGame->addAction(tr("&Quit"), this, &frmMain::mnuQuit_Click);
    mnuQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHowToPlay = addCommand(mnuHelp, tr("&How to play..."), &frmMain::mnuHowToPlay_Click);
    mnuHowToPlay->setShortcut(QKeySequence(Qt::Key_F1));
    sepAbout = mnuHelp->addSeparator();
    mnuAbout = addCommand(mnuHelp, tr("&About..."), &frmMain::mnuAbout_Click);
    mnuAbout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    // F10 opens the first menu, as on the desktops a keyboard player knows.
    QAction* openMenus = addAction(QString());
    openMenus->setShortcut(QKeySequence(Qt::Key_F10));
    connect(openMenus, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(mnuGame->menuAction()); });
}

QAction* frmMain::addCommand(QMenu* menu, const QString& text, void (frmMain::*handler)()) {
    QAction* action = menu->addAction(text);
    connect(action, &QAction::triggered, this, [this, action, handler] {
        // The check mark is the command's to set: a command left out, or held for the frame's
        // event step, leaves it as it was until then.
        if (!runCommand([this, handler] { (this->*handler)(); }) && action->isCheckable())
            action->setChecked(!action->isChecked());
    });
    return action;
}

// A command that comes while a frame waits (a screen reader may press a menu item then) is held
// for the frame's event step and runs there. Events that the window system queued behind an
// accepted close still arrive, in any order; they must not reach a game whose objects are
// released. A failure raised while the frame loop runs is handed to it, since it must not unwind
// through the toolkit's event dispatch, and the commands after it in the same round of events are
// left out, as if the failure had ended that round. True when the command ran now.
template <class Command> bool frmMain::runCommand(Command command) {
    if (HoldForEventStep([this, command] { runCommand(command); }))
        return false;
    WakeFrameLoop();
    if (closed_ || IsFailureWaiting())
        return false;
    if (!IsFrameLoopRunning()) {
        RunReportingFailure(command);
        return true;
    }
    try {
        command();
    } catch (...) {
        HandOverFailure(std::current_exception());
    }
    return true;
}

void frmMain::Form_Load() {
    const bool started = RunReportingFailure([this] {
        const std::string images = AppPath() + "/" + ImagesFolder + "/";
        BoardBitmapPath = images + BoardBitmapFile;
        GemSheetPath = images + GemSheetFile;
        TargetBitmapPath = images + TargetBitmapFile;
        picBoard->move(0, 0);
        picBoard->setFixedSize(BoardPixels, BoardPixels);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        // A window that cannot grow offers no maximise button: the window manager on X11 and the
        // toolkit's own frame on Wayland go by this flag, not by the fixed size.
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        FormFont.Size = 36;
        FormFont.Name = "Tahoma";
        GameState = StateStarting;
        show();
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { tellScreenScale(); });
        InitDirectSound();
        // Without its surfaces the game still starts; its first frame then fails in turn.
        RunReportingFailure(InitDirectDraw);
        InitializeGameBoard();
    });
    if (started)
        runGameLoop();
}

void frmMain::tellScreenScale() {
    if (HoldForEventStep([this] { tellScreenScale(); }))
        return;
    TellScreenScale(devicePixelRatioF());
    WakeFrameLoop();
}

void frmMain::runGameLoop() {
    RunReportingFailure(MainGameLoop);
}

void frmMain::Form_Resize() {
    if (GameState != StateStarting)
        return;
    // The window is its client area plus a frame (the menu bar here); fit the client to the board.
    const int frameWidth = width() - centralWidget()->width();
    const int frameHeight = height() - centralWidget()->height();
    resize(frameWidth + picBoard->width(), frameHeight + picBoard->height());
}

void frmMain::Form_QueryUnload() {
    QuitRequested = true;
    EndDirectDraw();
}

void frmMain::mnuNewGame_Click() {
    if (!CanStartNewGame())
        return;
    if (!RunReportingFailure(InitializeGameBoard))
        return;
    picBoard->announce(tr("New game"));
    if (IsFrameLoopRunning()) {
        GameState = StateDropIn;
        QuitRequested = false;
    } else {
        runGameLoop();
    }
}

void frmMain::mnuPlaySound_Click() {
    const std::optional<Reason> failure = SwitchSound();
    mnuPlaySound->setChecked(SoundOn);
    picBoard->announce(SoundOn ? tr("Sound on") : tr("Sound off"));
    if (failure)
        MsgBox(
            tr("Sound cannot be switched on, so the game goes on without it.\r\n").toStdString() +
                failure->SayInPlayersLanguage(),
            MsgBoxIcon::Exclamation, "");
}

void frmMain::mnuHint_Click() {
    SelectHintedGem();
    if (const std::optional<BoardPlace> hinted = SelectedGemCell()) {
        picBoard->placeFocus(QPoint(hinted->column, hinted->row));
        picBoard->followGame();
    }
}

void frmMain::mnuQuit_Click() {
    close();
}

void frmMain::mnuHowToPlay_Click() {
    MsgBox(tr("Instructions:\r\nLine up three of the same gem to make them disapear. You "
              "can not\r\nmove a pice unless you are moving it to line it up with "
              "three\r\nidentical pices")
               .toStdString(),
           MsgBoxIcon::Information, tr("Instructions.").toStdString());
}

void frmMain::mnuAbout_Click() {
    MsgBox(tr("This version of the popular Glintrow game was created by Talbeck.").toStdString(),
           MsgBoxIcon::Information, tr("About this game...").toStdString());
}

void frmMain::picBoard_MouseDown(int16_t, int16_t, float X, float Y) {
    PressBoard(X, Y);
}

void frmMain::picBoard_KeyDown(BoardKey key) {
    switch (key) {
    case BoardKey::Left:
        stepFocus(-1, 0);
        break;
    case BoardKey::Right:
        stepFocus(1, 0);
        break;
    case BoardKey::Up:
        stepFocus(0, -1);
        break;
    case BoardKey::Down:
        stepFocus(0, 1);
        break;
    case BoardKey::Press:
        pressCell(picBoard->focusedCell());
        break;
    case BoardKey::Cancel:
        if (const std::optional<BoardPlace> selected = SelectedGemCell())
            pressCell(QPoint(selected->column, selected->row));
        break;
    }
    picBoard->followGame();
}

void frmMain::stepFocus(int columns, int rows) {
    if (!picBoard->stepFocus(columns, rows))
        picBoard->announce(tr("Edge"));
}

// The outcome of a swap and the end of the game are said as soon as they are known; the clears
// that follow in a cascade wait for the board to come to rest, so they do not cut each other off.
std::vector<BoardNews> frmMain::takeNews() {
    std::vector<BoardNews> told;
    for (const PlayNews& news : TakePlayNews()) {
        switch (news.kind) {
        case PlayNews::Kind::LineMade:
            told.push_back({tr("Cleared %1").arg(news.cleared), false});
            break;
        case PlayNews::Kind::SwapRefused:
            told.push_back({tr("No line"), false});
            break;
        case PlayNews::Kind::ComboRose:
            told.push_back({tr("Combo %1, cleared %2").arg(news.combo).arg(news.cleared), true});
            break;
        case PlayNews::Kind::GameOver:
            told.push_back({tr("Game Over"), false});
            break;
        }
    }
    return told;
}

void frmMain::pressCell(QPoint cell) {
    const QPoint centre = cell * CellSize + QPoint(CellSize / 2, CellSize / 2);
    picBoard_MouseDown(Qt::LeftButton, 0, static_cast<float>(centre.x()),
                       static_cast<float>(centre.y()));
}

CellWords frmMain::wordsOf(QPoint cell) const {
    if (closed_)
        return {};
    const BoardPlace place{static_cast<int16_t>(cell.x()), static_cast<int16_t>(cell.y())};
    const std::optional<BoardPlace> selected = SelectedGemCell();
    // The game names what a cell shows in English; the player hears it in their own language.
    return {QCoreApplication::translate("CellName", NameCell(place).c_str()),
            selected && selected->column == place.column && selected->row == place.row,
            {}};
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        Form_QueryUnload();
        DropWaitingFailure();
    }
    event->accept();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

} // namespace glintrow
