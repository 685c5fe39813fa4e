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

TEST_F(ScaleTest, FocusFrameIsDrawnAtTheScreensDevicePixelsOverItsCellOnly) {
    frmMain window;
    QImage without, with;
    RunGame(window, 60, [&](int frame) {
        if (frame == 50) {
            ratio_ = window.devicePixelRatioF();
            without = window.picBoard->grab().toImage();
            QTest::keyClick(window.picBoard, Qt::Key_Right);
        }
        if (frame == 52)
            with = window.picBoard->grab().toImage();
    });
    ASSERT_GT(ratio_, 1.0) << "run with QT_SCALE_FACTOR above 1";
    ASSERT_EQ(with.size(), without.size());
    // Cell (1, 0) in device pixels, a pixel wider on each side where its edge is fractional.
    const QRectF cell = QRectF(52 * ratio_, 0, 52 * ratio_, 52 * ratio_).adjusted(-1, -1, 1, 1);
    int outside = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            outside += with.pixel(x, y) != without.pixel(x, y) && !cell.contains(x + 0.5, y + 0.5);
    EXPECT_EQ(outside, 0);
    // Across the middle of the cell's left side the outline is 4 board pixels thick.
    const int y = static_cast<int>(26 * ratio_);
    int x = static_cast<int>(52 * ratio_) - 1;
    const auto differs = [&](int at) { return with.pixel(at, y) != without.pixel(at, y); };
    while (x + 1 < with.width() && !differs(x + 1))
        ++x;
    int thickness = 0;
    while (x + 1 + thickness < with.width() && differs(x + 1 + thickness))
        ++thickness;
    EXPECT_NEAR(thickness, 4 * ratio_, 1.0);
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

} // namespace
} // namespace glintrow::testing
