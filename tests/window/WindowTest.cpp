// The real window driven as a player would: menus, shortcuts, boxes, closing and start-up
// failures, with the frame loop running on a tick the test controls.
#include "WindowDriver.h"
#include "basDirectSoundStuff.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace glintrow::testing {
namespace {

class WindowTest : public WindowDriver {};

struct MenuEntry {
    QString text;
    QKeySequence shortcut;
};

std::vector<MenuEntry> EntriesOf(QMenu* menu) {
    std::vector<MenuEntry> entries;
    for (QAction* action : menu->actions())
        entries.push_back(
            {action->isSeparator() ? QStringLiteral("-") : action->text(), action->shortcut()});
    return entries;
}

TEST_F(WindowTest, MenusHoldEveryItemSeparatorAndShortcutInOrder) {
    frmMain window;
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&Game");
    EXPECT_EQ(menus[1]->text(), "&Help");

    const auto expectEntries = [](QMenu* menu, const std::vector<MenuEntry>& expected) {
        const std::vector<MenuEntry> entries = EntriesOf(menu);
        ASSERT_EQ(entries.size(), expected.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].text, expected[i].text);
            EXPECT_EQ(entries[i].shortcut, expected[i].shortcut) << entries[i].text.toStdString();
        }
    };
    expectEntries(window.mnuGame, {{"&New Game", QKeySequence(Qt::Key_F2)},
                                   {"&Play Sound", QKeySequence("Ctrl+P")},
                                   {"-", {}},
                                   {"&Hint", QKeySequence(Qt::Key_F3)},
                                   {"-", {}},
                                   {"&Quit", QKeySequence("Ctrl+Q")}});
    expectEntries(window.mnuHelp, {{"&How to play...", QKeySequence(Qt::Key_F1)},
                                   {"-", {}},
                                   {"&About...", QKeySequence("Ctrl+A")}});
    EXPECT_TRUE(window.mnuPlaySound->isCheckable());
    EXPECT_FALSE(window.mnuPlaySound->isChecked());
}

// A window that cannot grow offers no maximise button, and the window system asks for none.
TEST_F(WindowTest, WindowIsFittedToTheBoardBelowTheMenuBarAndKeepsItsSizeWithNoMaximiseButton) {
    frmMain window;
    QSize fitted;
    RunGame(window, 3, [&](int frame) {
        if (frame == 1)
            fitted = window.size();
        if (frame == 2)
            window.resize(800, 700);
    });
    EXPECT_EQ(window.windowTitle(), "Ombra Glintrow ");
    EXPECT_EQ(window.picBoard->size(), QSize(416, 416));
    EXPECT_EQ(window.picBoard->pos(), QPoint(0, window.menuBar()->height()));
    EXPECT_EQ(fitted, QSize(416, 416 + window.menuBar()->height()));
    EXPECT_EQ(window.size(), fitted);
    EXPECT_FALSE(window.windowHandle()->flags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, MixerSleepsThroughAQuietSpellAndTheNextSoundWakesIt) {
    frmMain window;
    RunGame(window, 3, [&](int frame) {
        if (frame != 2)
            return;
        window.mnuPlaySound->trigger();
        EXPECT_TRUE(DS->IsMixerAwake());
        const auto asleep = [] { return !DS->IsMixerAwake(); };
        ASSERT_TRUE(QTest::qWaitFor(asleep, 20000))
            << "the mixer stayed awake with nothing to play";
        EXPECT_TRUE(DS->HoldsDevice()) << "sound stays on while the mixer sleeps";
        const int32_t plays = SoundBuffers[SoundSelect]->PlayCount();
        PlaySoundEffect(SoundSelect);
        EXPECT_TRUE(DS->IsMixerAwake());
        EXPECT_EQ(SoundBuffers[SoundSelect]->PlayCount(), plays + 1);
        ASSERT_TRUE(QTest::qWaitFor(asleep, 20000));
    });
    // The close that follows releases every sound with the mixer asleep.
    EXPECT_TRUE(AreGameObjectsReleased());
}

TEST_F(WindowTest, PlaySoundFlipsTheFlagTheCheckMarkAndTheSoundDeviceByMenuAndShortcut) {
    frmMain window;
    std::vector<std::tuple<bool, bool, bool>> seen;
    RunGame(window, 6, [&](int frame) {
        if (frame == 2)
            window.mnuPlaySound->trigger();
        if (frame == 4) {
            window.activateWindow();
            QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
        }
        if (frame == 1 || frame == 3 || frame == 5)
            seen.emplace_back(SoundOn, window.mnuPlaySound->isChecked(), DS->HoldsDevice());
    });
    // The device opened at start-up is let go while sound is off; the sounds stay loaded.
    const std::vector<std::tuple<bool, bool, bool>> expected = {
        {false, false, false}, {true, true, true}, {false, false, false}};
    EXPECT_EQ(seen, expected);
}

TEST_F(WindowTest, SoundThatCannotBeSwitchedOnStaysOffWithOneBoxGivingTheReason) {
    RecordBoxes();
    frmMain window;
    const std::string driver = std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "";
    Sounds played{};
    RunGame(window, 8, [&](int frame) {
        if (frame == 2) {
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
            window.mnuPlaySound->trigger();
            driver.empty() ? unsetenv("SDL_AUDIODRIVER")
                           : setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
            const Sounds before = SoundPlayCounts();
            QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(26, 26));
            played = SoundsSince(before);
        }
        if (frame == 4)
            window.mnuPlaySound->trigger();
    });
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].icon, MsgBoxIcon::Exclamation);
    EXPECT_NE(boxes_[0].text.find("no-such-driver"), std::string::npos) << boxes_[0].text;
    EXPECT_EQ(played, Sounds{}) << "the select sound played with sound off";
    EXPECT_TRUE(SoundOn) << "a later try opens the device";
    EXPECT_TRUE(window.mnuPlaySound->isChecked());
}

// Closes the box that is open once the event loop runs, after noting what it shows.
void CloseBoxWhenShown(ShownBox& shown, int& framesWhileOpen, const std::vector<int32_t>& ticks) {
    QTimer::singleShot(0, [&shown, &framesWhileOpen, &ticks] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        const size_t framesAtOpen = ticks.size();
        QTest::qWait(50);
        framesWhileOpen = static_cast<int>(ticks.size() - framesAtOpen);
        shown.text = box->text().toStdString();
        shown.title = box->windowTitle().toStdString();
        shown.icon = box->icon() == QMessageBox::Information ? MsgBoxIcon::Information
                     : box->icon() == QMessageBox::Warning   ? MsgBoxIcon::Exclamation
                                                             : MsgBoxIcon::None;
        box->accept();
    });
}

TEST_F(WindowTest, AboutAndHowToPlayShowTheirBoxesAndHoldTheGame) {
    frmMain window;
    ShownBox about, instructions;
    int framesDuringAbout = -1, framesDuringInstructions = -1;
    int16_t dropInBefore = -1, dropInAfter = -1;
    RunGame(window, 9, [&](int frame) {
        if (frame == 3) {
            CloseBoxWhenShown(about, framesDuringAbout, frameTicks_);
            dropInBefore = DropInCounter;
            window.mnuAbout->trigger();
            dropInAfter = DropInCounter;
        }
        if (frame == 6) {
            CloseBoxWhenShown(instructions, framesDuringInstructions, frameTicks_);
            window.mnuHowToPlay->trigger();
        }
    });
    EXPECT_EQ(about.title, "About this game...");
    EXPECT_EQ(about.text, "This version of the popular Glintrow game was created by Talbeck.");
    EXPECT_EQ(about.icon, MsgBoxIcon::Information);
    EXPECT_EQ(instructions.title, "Instructions.");
    EXPECT_EQ(instructions.text,
              "Instructions:\nLine up three of the same gem to make them disapear. You can not\n"
              "move a pice unless you are moving it to line it up with three\nidentical pices");
    EXPECT_EQ(instructions.icon, MsgBoxIcon::Information);
    EXPECT_EQ(framesDuringAbout, 0);
    EXPECT_EQ(framesDuringInstructions, 0);
    EXPECT_EQ(dropInBefore, dropInAfter);
}

// The window made after the player's language is loaded: its menus, How to play, the banner's
// words, the board's name, the toolkit's own button texts, the reason a failure box gives for a
// missing file and the decimal point of its figures. English, by name or as the C locale, finds no
// translation and keeps every text as it is.
TEST_F(WindowTest, WindowSpeaksThePlayersLanguageAndEnglishStaysAsItIs) {
    struct Language {
        const char* locale;
        QString game, help, howToPlay, about, instructionsTitle, instructionsStart, banner, board,
            cancel, fileNotFound, figure;
    };
    const Language languages[] = {
        {"de_DE", "&Spiel", "&Hilfe", "&Spielanleitung...", "Ü&ber...", "Anleitung",
         "Anleitung:\r\nBilde eine Reihe", "Spiel vorbei", "Spielfeld", "Abbrechen",
         "Datei nicht gefunden: ", "1,5"},
        {"ja_JP", "ゲーム(&G)", "ヘルプ(&H)", "遊び方(&H)...", "バージョン情報(&A)...", "遊び方",
         "遊び方:\r\n同じ宝石を3つ並べる", "ゲームオーバー", "盤面", "キャンセル",
         "ファイルが見つかりません: ", "1.5"},
        {"ru_RU", "&Игра", "&Справка", "&Как играть...", "&Об игре...", "Правила",
         "Правила:\r\nВыстройте в ряд", "Игра окончена", "Игровое поле", "Отмена",
         "Файл не найден: ", "1,5"},
        {"en_US", "&Game", "&Help", "&How to play...", "&About...", "Instructions.",
         "Instructions:\r\nLine up", "Game Over", "Board", "Cancel", "File not found: ", "1.5"},
        {"C", "&Game", "&Help", "&How to play...", "&About...", "Instructions.",
         "Instructions:\r\nLine up", "Game Over", "Board", "Cancel", "File not found: ", "1.5"},
    };
    const EnglishAfterwards englishAfterwards;
    RecordBoxes();
    Hooks().endProgram = [](int) {};
    const std::string folder = appPath_;
    const std::string absent = folder + "/absent";
    const QString missingSound = QString::fromStdString(absent + "/sounds/" + SoundFiles[0]);
    for (const Language& language : languages) {
        SCOPED_TRACE(language.locale);
        appPath_ = folder;
        LoadPlayerLanguage(QLocale(QString::fromLatin1(language.locale)));
        frmMain window;
        EXPECT_EQ(window.mnuGame->title(), language.game);
        EXPECT_EQ(window.mnuHelp->title(), language.help);
        EXPECT_EQ(window.mnuHowToPlay->text(), language.howToPlay);
        EXPECT_EQ(window.mnuHowToPlay->shortcut(), QKeySequence(Qt::Key_F1));
        EXPECT_EQ(window.mnuAbout->text(), language.about);
        EXPECT_EQ(QString::fromStdString(BannerText), language.banner);
        EXPECT_EQ(window.picBoard->accessibleName(), language.board);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), language.cancel);
        EXPECT_EQ(QString::fromStdString(Reason::Figure(1.5, 1).SayInPlayersLanguage()),
                  language.figure);
        boxes_.clear();
        window.mnuHowToPlay->trigger();
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(QString::fromStdString(boxes_[0].title), language.instructionsTitle);
        EXPECT_TRUE(QString::fromStdString(boxes_[0].text).startsWith(language.instructionsStart))
            << boxes_[0].text;
        // Started from a folder without the game's files, the sound set-up misses the first.
        appPath_ = absent;
        EXPECT_THROW(window.Form_Load(), ProgramEnded);
        ASSERT_EQ(boxes_.size(), 2u);
        EXPECT_TRUE(QString::fromStdString(boxes_[1].text)
                        .endsWith("\r\n" + language.fileNotFound + missingSound))
            << boxes_[1].text;
        window.hide();
    }
    EXPECT_EQ(
        boxes_[0].text,
        "Instructions:\r\nLine up three of the same gem to make them disapear. You can not\r\n"
        "move a pice unless you are moving it to line it up with three\r\nidentical pices");
}

TEST_F(WindowTest, QuitEndsTheLoopAndReleasesEverythingWithNoFurtherFrame) {
    frmMain window;
    bool heldWhilePlaying = false;
    RunGame(window, 1000, [&](int frame) {
        if (frame == 40) {
            heldWhilePlaying = !AreGameObjectsReleased();
            window.activateWindow();
            QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        }
    });
    EXPECT_TRUE(heldWhilePlaying) << "the check of a release cannot fail";
    EXPECT_EQ(frameTicks_.size(), 40u);
    EXPECT_TRUE(QuitRequested);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(AreGameObjectsReleased());
}

TEST_F(WindowTest, CloseBoxBehavesLikeQuit) {
    frmMain window;
    RunGame(window, 12);
    EXPECT_EQ(frameTicks_.size(), 12u);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(AreGameObjectsReleased());
}

TEST_F(WindowTest, FramesAreTwentyOneTicksApartAcrossTheWrapOfTheTick) {
    tick_ = 2147483647 - 50;
    // A clock that moves on one millisecond per wait, so the frame must check how long it lasted.
    Hooks().waitForTick = [this](int32_t) { tick_ = TickAfter(tick_, 1); };
    frmMain window;
    RunGame(window, 10);
    ASSERT_EQ(frameTicks_.size(), 10u);
    for (size_t i = 1; i < frameTicks_.size(); ++i)
        EXPECT_EQ(TicksBetween(frameTicks_[i - 1], frameTicks_[i]), 21) << "frame " << i;
}

TEST_F(WindowTest, BoardShowsTheDroppedInGemsOnScreen) {
    frmMain window;
    QImage shown;
    RunGame(window, 40, [&](int frame) {
        if (frame == 39)
            shown = window.picBoard->grab().toImage();
    });
    ASSERT_EQ(shown.size(), QSize(416, 416));
    EXPECT_EQ(GameState, StateIdle);
    const QImage board(QStringLiteral(ASSET_DIR "/images/") + BoardBitmapFile);
    int cellsWithGem = 0;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) {
            const QPoint centre(52 * c + 26, 52 * r + 26);
            cellsWithGem += shown.pixel(centre) != board.pixel(centre);
        }
    EXPECT_EQ(cellsWithGem, 64) << "gems do not show in their cells";
}

TEST_F(WindowTest, NewGameIsRefusedDuringTheDropInAndRestartsTheBoardOnceIdle) {
    frmMain window;
    int16_t dropInCounterAfterRefusal = -1;
    size_t framesBeforeNewGame = 0, framesAfterNewGame = 0;
    RunGame(window, 60, [&](int frame) {
        if (frame == 10) {
            window.mnuNewGame->trigger();
            dropInCounterAfterRefusal = DropInCounter;
        }
        if (frame == 40) {
            ASSERT_EQ(GameState, StateIdle);
            ComboCount = 4;
            framesBeforeNewGame = frameTicks_.size();
            QTest::keyClick(&window, Qt::Key_F2);
            framesAfterNewGame = frameTicks_.size();
            EXPECT_EQ(GameState, StateDropIn);
            EXPECT_EQ(ComboCount, 0);
            EXPECT_LT(Gems[0].YPos, 0);
        }
        if (frame == 50) {
            EXPECT_EQ(GameState, StateDropIn) << "the new board is still dropping in";
        }
    });
    EXPECT_EQ(dropInCounterAfterRefusal, 10);
    EXPECT_EQ(framesAfterNewGame, framesBeforeNewGame) << "a second frame loop ran inside";
    EXPECT_EQ(frameTicks_.size(), 60u);
}

TEST_F(WindowTest, NewGameAfterAFailureStartsTheFrameLoopAgain) {
    RecordBoxes();
    frmMain window;
    ObjectRef<DirectDrawSurface7> board;
    RunGame(window, 1000, [&](int frame) {
        if (frame == 35) {
            board = BoardSurface;
            BoardSurface = nullptr;
        }
    });
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Some error has occurred!\r\nObject variable not set");
    EXPECT_EQ(frameTicks_.size(), 35u);
    EXPECT_EQ(GameState, StateIdle);

    BoardSurface = board;
    script_ = [&window](int frame) {
        if (frame == 45)
            window.close();
    };
    window.mnuNewGame->trigger();
    EXPECT_EQ(frameTicks_.size(), 45u);
    EXPECT_EQ(boxes_.size(), 1u);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowTest, FailureInACommandReachesTheLoopsBoxWithoutUnwindingThroughTheToolkit) {
    RecordBoxes();
    bool unwoundThroughTheToolkit = false;
    const std::function<void()> processEvents = Hooks().doEvents;
    Hooks().doEvents = [&] {
        try {
            processEvents();
        } catch (...) {
            unwoundThroughTheToolkit = true;
            throw;
        }
    };
    frmMain window;
    RunGame(window, 1000, [&](int frame) {
        if (frame != 40)
            return;
        SoundOn = true;
        SoundBuffers[SoundSelect] = nullptr;
        QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(26, 26));
        // The failure ends this round of events, so the new game behind it never starts.
        QTest::keyClick(&window, Qt::Key_F2);
    });
    EXPECT_FALSE(unwoundThroughTheToolkit);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, "Some error has occurred!\r\nObject variable not set");
    EXPECT_EQ(frameTicks_.size(), 40u);
    EXPECT_EQ(GameState, StateSelected);
    EXPECT_TRUE(window.isVisible());
    window.close();
}

TEST_F(WindowTest, MissingBitmapIsReportedAndTheFirstFrameFailsWithTheWindowLeftOpen) {
    UseFolderWithout(QStringLiteral("images/") + GemSheetFile);
    RecordBoxes();
    frmMain window;
    RunGame(window, 100);
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0].title, "This is uncalled-for!");
    EXPECT_EQ(boxes_[0].icon, MsgBoxIcon::Exclamation);
    EXPECT_EQ(boxes_[0].text.rfind("Unexpected error has occurred.\r\n", 0), 0u);
    EXPECT_NE(boxes_[0].text.find(GemSheetFile), std::string::npos);
    EXPECT_EQ(boxes_[1].title, "This is uncalled-for!");
    EXPECT_EQ(boxes_[1].icon, MsgBoxIcon::Exclamation);
    EXPECT_EQ(boxes_[1].text, "Some error has occurred!\r\nObject variable not set");
    EXPECT_TRUE(frameTicks_.empty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(BackBuffer && BoardSurface && !GemSheetSurface && !TargetSurface);

    window.mnuAbout->trigger();
    EXPECT_EQ(boxes_.size(), 3u);
    window.close();
}

TEST_F(WindowTest, MissingWaveFileEndsTheProgramWithTheSoundMessage) {
    UseFolderWithout(QStringLiteral("sounds/") + SoundFiles[SoundGameOver]);
    RecordBoxes();
    int endStatus = -1;
    bool visibleAtEnd = false;
    frmMain window;
    Hooks().endProgram = [&](int status) {
        endStatus = status;
        visibleAtEnd = window.isVisible();
    };
    EXPECT_THROW(RunGame(window, 5), ProgramEnded);
    ASSERT_EQ(boxes_.size(), 1u);
    // The reason follows the game's own text on a line of its own.
    EXPECT_EQ(boxes_[0].text, "Unable to create Direct Sound object.\r\nCheck to ensure that a "
                              "sound card is installed and working properly.\r\nFile not found: " +
                                  appPath_ + "/sounds/" + SoundFiles[SoundGameOver]);
    EXPECT_EQ(boxes_[0].icon, MsgBoxIcon::None);
    EXPECT_EQ(boxes_[0].title, "");
    EXPECT_NE(endStatus, -1);
    EXPECT_TRUE(visibleAtEnd);
    EXPECT_TRUE(frameTicks_.empty());
    EXPECT_TRUE(AreGameObjectsReleased());
    window.hide();
}

} // namespace
} // namespace glintrow::testing
