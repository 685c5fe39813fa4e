// Harnesses of the real window: run on a tick the test controls, with a script for every frame's
// event processing, or shown and active on a laid board with no frame loop.
#pragma once

#include "GameTables.h"
#include "basDirectDrawStuff.h"
#include "window/GameTranslation.h"
#include "window/frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

namespace glintrow::testing {

struct ShownBox {
    std::string text;
    MsgBoxIcon icon;
    std::string title;
};

// Speaks the game's own English again when the test ends, whatever language it loaded.
struct EnglishAfterwards {
    ~EnglishAfterwards() { LoadPlayerLanguage(QLocale::c()); }
};

// Runs the real window on a test-controlled tick: each frame's event processing first runs the
// script for that frame, which may press, choose menu items or close the window.
class WindowDriver : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Hooks().appPath = [this] { return appPath_; };
        Hooks().tickCount = [this] { return tick_; };
        Hooks().waitForTick = [this](int32_t tick) { tick_ = tick; };
        Hooks().doEvents = [this] {
            frameTicks_.push_back(tick_);
            if (script_)
                script_(static_cast<int>(frameTicks_.size()));
            QCoreApplication::processEvents();
        };
    }

    void RecordBoxes() {
        Hooks().msgBox = [this](const std::string& text, MsgBoxIcon icon,
                                const std::string& title) {
            boxes_.push_back({text, icon, title});
        };
    }

    // Runs start-up; the script closes the window after the given frame if nothing else does.
    void RunGame(frmMain& window, int closeAfterFrame, std::function<void(int)> script = {}) {
        script_ = [&window, closeAfterFrame, script](int frame) {
            if (script)
                script(frame);
            if (frame == closeAfterFrame)
                window.close();
        };
        window.Form_Load();
    }

    // A copy of the program's folder with one file taken away.
    void UseFolderWithout(const QString& missing) {
        const QDir assets(QStringLiteral(ASSET_DIR));
        for (const char* sub : {ImagesFolder, IconsFolder, SoundsFolder, TranslationsFolder}) {
            const QString folder = QString::fromLatin1(sub);
            QDir().mkpath(copy_.filePath(folder));
            for (const QString& file : QDir(assets.filePath(folder)).entryList(QDir::Files)) {
                const QString name = folder + "/" + file;
                if (name != missing)
                    QFile::copy(assets.filePath(name), copy_.filePath(name));
            }
        }
        appPath_ = copy_.path().toStdString();
    }

    std::string appPath_ = ASSET_DIR;
    int32_t tick_ = 1000;
    std::vector<int32_t> frameTicks_;
    std::function<void(int)> script_;
    std::vector<ShownBox> boxes_;
    QTemporaryDir copy_;
};

// The real window shown and active, with the test sounds loaded and a board laid out on which the
// game waits for the player; no frame loop runs.
class ActiveWindowTest : public GameTest {
protected:
    void ShowWindowOn(const BoardText& board) {
        LoadTestSounds();
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
        LayBoard(board);
        GameState = StateIdle;
    }

    frmMain window_;
};

} // namespace glintrow::testing
