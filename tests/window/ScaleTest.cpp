// The board on a scaled screen, run once for each scale (QT_SCALE_FACTOR): drawn at the screen's
// device pixels from the pictures of that scale, still playing when one of them is bad, and each
// frame of a played game shown as its whole recomposition would show it.
#include "DrawingTest.h"
#include "WindowDriver.h"
#include "basMainGameLoop.h"

#include <QBackingStore>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryFile>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string_view>
#include <utility>

#include <unistd.h>

namespace glintrow::testing {
namespace {

class ScaleTest : public WindowDriver {
protected:
    // The game's folder with pictures at 2 and 3 times the size, made here by smooth enlargement so
    // that the test stands apart from how the generator draws them. The gem sheet has a red margin
    // past its cells, which the game does not keep.
    void SetUp() override {
        WindowDriver::SetUp();
        UseFolderWithout(QString());
        for (const char* name : {BoardBitmapFile, GemSheetFile, TargetBitmapFile}) {
            const QString path = copy_.filePath(QStringLiteral("images/") + name);
            QImage picture(path);
            if (name == std::string_view(GemSheetFile)) {
                QImage wider(picture.size() + QSize(30, 20), QImage::Format_RGB32);
                wider.fill(Qt::red);
                QPainter(&wider).drawImage(0, 0, picture);
                picture = wider;
                picture.save(path, "BMP");
            }
            for (int scale : {2, 3})
                picture
                    .scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .save(ScaledPath(name, scale), "BMP");
        }
    }

    QString ScaledPath(const char* name, int scale) const {
        QString file = QString::fromLatin1(name);
        file.insert(file.lastIndexOf('.'), QStringLiteral("@%1x").arg(scale));
        return copy_.filePath(QStringLiteral("images/") + file);
    }

    // Plays the start of a game and returns the board as the window shows it, in device pixels.
    QImage ShowBoard(frmMain& window) {
        QImage shown;
        RunGame(window, 60, [&](int frame) {
            if (frame == 50) {
                ratio_ = window.devicePixelRatioF();
                shown = window.picBoard->grab().toImage().convertToFormat(QImage::Format_RGB32);
            }
        });
        return shown;
    }

    double ratio_ = 1.0;
};

// How many rows of pixels equal the row above them.
int CountRepeatedRows(const QImage& picture) {
    int repeated = 0;
    for (int y = 1; y < picture.height(); ++y)
        repeated +=
            std::equal(picture.constScanLine(y), picture.constScanLine(y) + picture.bytesPerLine(),
                       picture.constScanLine(y - 1));
    return repeated;
}

TEST_F(ScaleTest, BoardIsDrawnAtTheScreensDevicePixelsWithNoRowOrColumnDoubled) {
    frmMain window;
    const QImage board = ShowBoard(window);
    ASSERT_GT(ratio_, 1.0) << "run with QT_SCALE_FACTOR above 1";
    EXPECT_EQ(board.size(), QSize(416, 416) * ratio_);
    const QImage across = board.transformed(QTransform().rotate(90));
    EXPECT_LE(CountRepeatedRows(board), board.height() / 20);
    EXPECT_LE(CountRepeatedRows(across), across.height() / 20);
    if (ratio_ != 2.0)
        return;
    // At 2 a gem at rest is its cell of the sheet at 2 over the board at 2, pixel for pixel.
    const QImage sheet = QImage(ScaledPath(GemSheetFile, 2)).convertToFormat(QImage::Format_RGB32);
    QImage expected = QImage(ScaledPath(BoardBitmapFile, 2))
                          .convertToFormat(QImage::Format_RGB32)
                          .copy(0, 0, 104, 104);
    const QImage gem = sheet.copy(0, 104 * Board[0][0].GemType, 104, 104);
    for (int y = 0; y < 104; ++y)
        for (int x = 0; x < 104; ++x)
            if ((gem.pixel(x, y) & 0xffffff) != 0)
                expected.setPixel(x, y, gem.pixel(x, y));
    EXPECT_EQ(board.copy(0, 0, 104, 104), expected);
}

TEST_F(ScaleTest, BoardOfAnotherSizeIsStretchedToTheScreensDevicePixels) {
    const QString path = copy_.filePath(QStringLiteral("images/") + BoardBitmapFile);
    QImage(path)
        .scaled(1000, 1000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .save(path, "BMP");
    for (int scale : {2, 3})
        QFile::remove(ScaledPath(BoardBitmapFile, scale));
    frmMain window;
    const QImage board = ShowBoard(window);
    EXPECT_EQ(board.size(), QSize(416, 416) * ratio_);
    EXPECT_LE(CountRepeatedRows(board), board.height() / 20);
}

// On a selected gem the frame keeps to the cell's two outermost board pixels, so the selection
// brackets stay in sight; its four corners are alike.
TEST_F(ScaleTest, FocusFrameIsDrawnAtTheScreensDevicePixelsOnItsCellsEdgeAlone) {
    frmMain window;
    QImage without, with;
    RunGame(window, 60, [&](int frame) {
        if (frame == 50) {
            QTest::keyClick(window.picBoard, Qt::Key_Right);
            QTest::keyClick(window.picBoard, Qt::Key_Space);
        }
        if (frame == 52) {
            ratio_ = window.devicePixelRatioF();
            with = window.picBoard->grab().toImage();
            QWidget* focusFrame = window.picBoard->findChild<QWidget*>();
            focusFrame->hide();
            without = window.picBoard->grab().toImage();
            focusFrame->show();
        }
    });
    ASSERT_GT(ratio_, 1.0) << "run with QT_SCALE_FACTOR above 1";
    ASSERT_EQ(GameState, StateSelected);
    ASSERT_EQ(with.size(), without.size());
    // Cell (1, 0) in device pixels, and its edge as thick as the frame is meant to be.
    const QRect cell(qRound(52 * ratio_), 0, qRound(52 * ratio_), qRound(52 * ratio_));
    const int edge = qRound(2 * ratio_);
    const QRect inside = cell.marginsRemoved(QMargins(edge, edge, edge, edge));
    int strayed = 0, uneven = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            const bool framed = with.pixel(x, y) != without.pixel(x, y);
            strayed += framed && (!cell.contains(x, y) || inside.contains(x, y));
            const int mirroredX = 2 * cell.left() + cell.width() - 1 - x;
            const int mirroredY = cell.height() - 1 - y;
            uneven += framed && cell.contains(x, y) &&
                      (with.pixel(x, y) != with.pixel(mirroredX, y) ||
                       with.pixel(x, y) != with.pixel(x, mirroredY));
        }
    EXPECT_EQ(strayed, 0) << "the frame reaches into the brackets or beyond its cell";
    EXPECT_EQ(uneven, 0) << "the frame's corners or sides are not alike";
    const int y = cell.center().y();
    int thickness = 0;
    while (with.pixel(cell.left() + thickness, y) != without.pixel(cell.left() + thickness, y))
        ++thickness;
    EXPECT_EQ(thickness, edge);
}

TEST_F(ScaleTest, BadPictureOfAScaleIsSaidOnOneLineAndTheGamePlaysOn) {
    // The picture of the smallest scale at or above the screen's is the one read.
    const int scale = qApp->devicePixelRatio() > 2 ? 3 : 2;
    std::ofstream(ScaledPath(GemSheetFile, scale).toStdString()) << "not a picture";
    RecordBoxes();
    QTemporaryFile said;
    ASSERT_TRUE(said.open());
    std::fflush(stderr);
    const int standardError = dup(2);
    dup2(said.handle(), 2);
    frmMain window;
    const QImage board = ShowBoard(window);
    std::fflush(stderr);
    dup2(standardError, 2);
    close(standardError);
    std::ifstream lines(said.fileName().toStdString());
    std::vector<std::string> aboutPictures;
    for (std::string line; std::getline(lines, line);)
        if (line.find(".bmp") != std::string::npos)
            aboutPictures.push_back(line);
    ASSERT_EQ(aboutPictures.size(), 1u);
    EXPECT_NE(aboutPictures[0].find("GemSheet@" + std::to_string(scale) + "x.bmp"),
              std::string::npos)
        << aboutPictures[0];
    EXPECT_TRUE(boxes_.empty()) << boxes_.front().text;
    EXPECT_EQ(GameState, StateIdle) << "the board dropped in";
    EXPECT_EQ(board.size(), QSize(416, 416) * ratio_);
}

// A board from which a move clears three, and the fall it leaves clears three more: swapping the
// 5 at (1, 7) with the 2 beside it lines up (2, 5) to (2, 7), and the 0 at (2, 4) then falls beside
// the two at (3, 7) and (4, 7). Swapping (0, 0) with (1, 0) lines up nothing.
const BoardText CascadeBoard = {"01234560", "34560123", "60123456", "23456012",
                                "56012345", "12545601", "45501234", "05200560"};

// The board area as a window last painted it, in device pixels: the part of the window's image in
// memory, which the window system is sent from.
QImage PaintedBoard(QWidget& window, QWidget& board) {
    const auto* painted = static_cast<const QImage*>(window.backingStore()->paintDevice());
    const double ratio = painted->devicePixelRatio();
    const QRect area((QPointF(board.mapTo(&window, QPoint(0, 0))) * ratio).toPoint(),
                     board.size() * ratio);
    return painted->copy(area).convertToFormat(QImage::Format_RGB32);
}

// A window beside the game's that each frame drawn again whole is presented to, as the game
// presents its frames.
class WholeFrameWindow {
public:
    WholeFrameWindow() {
        widget_.setFixedSize(416, 416);
        widget_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget_));
    }

    // Its drawing objects are the game's, made once the game has set up its drawing.
    QImage Show(const FrameStart& start) {
        if (!primary_) {
            DDSURFACEDESC2 desc;
            desc.lFlags = DDSD_CAPS;
            desc.ddsCaps.lCaps = DDSCAPS_PRIMARYSURFACE;
            primary_ = DD->CreateSurface(desc);
            clipper_ = DD->CreateClipper(0);
            clipper_->SetHWnd(reinterpret_cast<HWND>(&widget_));
            primary_->SetClipper(clipper_);
        }
        RECT onScreen;
        DX->GetWindowRect(reinterpret_cast<HWND>(&widget_), onScreen);
        primary_->Blt(onScreen, *RecomposeFrame(start), BackBufferRect, DDBLT_WAIT);
        return PaintedBoard(widget_, widget_);
    }

private:
    QWidget widget_;
    ObjectRef<DirectDrawSurface7> primary_;
    ObjectRef<DirectDrawClipper> clipper_;
};

using DamagedFrames = WindowDriver;

// Every kind of frame, also after the window was hidden and shown again and after a repaint.
TEST_F(DamagedFrames, ShowEveryFrameOfAPlayedGameAsItsWholeRecompositionWould) {
    // The new gems of a clear are drawn from a clock that stands still, so every run plays alike.
    Hooks().timeOfDay = [] { return 43200.0f; };
    frmMain window;
    WholeFrameWindow whole;
    std::map<GameStates, int> framesCompared;
    int differing = 0, mostClears = 0, comparedAfterShowing = 0, comparedAfterRepaint = 0;
    bool shownAgain = false, repainted = false;
    std::string firstDifference;
    FrameStart start = CurrentFrameStart();
    const auto runFrameEvents = Hooks().doEvents;
    Hooks().doEvents = [&] {
        // The window shows the frame just composed once its first frame's events exposed it.
        if (!frameTicks_.empty() && window.isVisible()) {
            if (PaintedBoard(window, *window.picBoard) != whole.Show(start) && differing++ == 0)
                firstDifference = "frame " + std::to_string(frameTicks_.size() + 1) + " in state " +
                                  std::to_string(start.state);
            ++framesCompared[start.state];
            comparedAfterShowing += std::exchange(shownAgain, false);
            comparedAfterRepaint += std::exchange(repainted, false);
        }
        mostClears = std::max<int>(mostClears, ComboCount);
        runFrameEvents();
        start = CurrentFrameStart();
    };
    const auto press = [&window](int column, int row) {
        QTest::mouseClick(window.picBoard, Qt::LeftButton, {},
                          QPoint(52 * column + 26, 52 * row + 26));
    };
    RunGame(window, 340, [&](int frame) {
        switch (frame) {
        case 34:
            LayBoard(CascadeBoard);
            break;
        case 40:
            press(0, 0);
            break;
        case 44:
            // The selected gem spins on while the window is hidden.
            window.hide();
            break;
        case 50:
            window.show();
            shownAgain = true;
            break;
        case 55:
            press(1, 0);
            break;
        case 90:
            press(1, 7);
            break;
        case 96:
            press(2, 7);
            break;
        case 170:
            // As when a window that covered the board goes away.
            window.picBoard->repaint();
            repainted = true;
            break;
        case 200:
            LayBoard(NoMoveBoard);
            DroppingGems.clear();
            GameState = StateFalling;
            break;
        default:
            break;
        }
    });

    EXPECT_EQ(differing, 0) << "first at " << firstDifference;
    for (GameStates state : {StateDropIn, StateIdle, StateSelected, StateSwapping, StateClearing,
                             StateFalling, StateGameOver, StateExploding, StateGameOverShown})
        EXPECT_GT(framesCompared[state], 0) << "no frame compared in state " << state;
    EXPECT_GE(mostClears, 2) << "the fall cleared no second line";
    EXPECT_EQ(comparedAfterShowing, 1);
    EXPECT_EQ(comparedAfterRepaint, 1);
}

} // namespace
} // namespace glintrow::testing
