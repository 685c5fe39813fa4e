// The board on a scaled screen, run once for each scale (QT_SCALE_FACTOR): drawn at the screen's
// device pixels from the pictures of that scale, and still playing when one of them is bad.
#include "WindowDriver.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryFile>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <string_view>

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
    std::ofstream(ScaledPath(GemSheetFile, 2).toStdString()) << "not a picture";
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
    EXPECT_NE(aboutPictures[0].find("GemSheet@2x.bmp"), std::string::npos) << aboutPictures[0];
    EXPECT_TRUE(boxes_.empty()) << boxes_.front().text;
    EXPECT_EQ(GameState, StateIdle) << "the board dropped in";
    EXPECT_EQ(board.size(), QSize(416, 416) * ratio_);
}

} // namespace
} // namespace glintrow::testing
