// Checks the board, the selection cursor and the icons.
#include "asset_files.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdio>

namespace glintrow::assets::testing {

namespace {

QImage cursorFrame(int frame) {
    static const QImage target = loadBuiltPicture(TargetBitmapFile);
    return cutCell(target, frame, 0);
}

// The mean of each pixel's strongest channel: how bright a colour looks against a dark ground,
// fair to blue as much as to yellow.
double measureMeanBrightness(const QImage& picture, bool skipBlack) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (!skipBlack || (p & 0xffffff) != 0) {
                sum += std::max({qRed(p), qGreen(p), qBlue(p)});
                ++count;
            }
        }
    }
    return sum / count;
}

int distanceToBorder(int x, int y) {
    return std::min({x, y, CellSize - 1 - x, CellSize - 1 - y});
}

} // namespace

TEST(Cursor, TheMarkLiesInTheOuterBandOfTheCellAroundTheGem) {
    for (int frame = 0; frame < TargetFrames; ++frame) {
        const QImage cell = cursorFrame(frame);
        for (int y = 0; y < CellSize; ++y) {
            for (int x = 0; x < CellSize; ++x) {
                if ((cell.pixel(x, y) & 0xffffff) != 0) {
                    ASSERT_LT(distanceToBorder(x, y), 8)
                        << "frame " << frame << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(Cursor, TheMarkShowsAtAllFourCornersOfTheCell) {
    for (int frame = 0; frame < TargetFrames; ++frame) {
        const QImage cell = cursorFrame(frame);
        for (const QPoint corner : {QPoint(0, 0), QPoint(40, 0), QPoint(0, 40), QPoint(40, 40)}) {
            EXPECT_FALSE(boundShown(cell.copy(QRect(corner, QSize(12, 12)))).isEmpty())
                << "frame " << frame << " corner " << corner.x() << "," << corner.y();
        }
    }
}

TEST(Cursor, EveryMarkPixelThatShowsIsNotPureBlack) {
    for (int frame = 0; frame < TargetFrames; ++frame)
        EXPECT_EQ(countHoles(cursorFrame(frame)), 0) << "frame " << frame;
}

TEST(Cursor, EveryFrameOfThePulseDiffersFromItsNeighbours) {
    for (int frame = 0; frame < TargetFrames; ++frame) {
        EXPECT_GT(measureDifference(cursorFrame(frame), cursorFrame((frame + 1) % TargetFrames)),
                  0.5)
            << "frame " << frame;
    }
}

TEST(Board, EveryCellIsDarkEnoughForEveryGemToStandOut) {
    const QImage board = loadBuiltPicture(BoardBitmapFile);
    const QImage gems = loadBuiltPicture(GemSheetFile);
    double dimmestGem = 255;
    for (int kind = 0; kind < GemKinds; ++kind)
        dimmestGem = std::min(dimmestGem, measureMeanBrightness(cutCell(gems, 0, kind), true));
    for (int row = 0; row < BoardSize; ++row) {
        for (int column = 0; column < BoardSize; ++column) {
            EXPECT_LT(measureMeanBrightness(cutCell(board, column, row), false), 0.4 * dimmestGem)
                << "cell " << column << "," << row;
        }
    }
}

TEST(Board, HasNoPureBlackPatches) {
    const QImage board = loadBuiltPicture(BoardBitmapFile).convertToFormat(QImage::Format_RGB32);
    const Mask shown = findShown(board);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), false), 0);
}

// Each size, set over a grey panel beside the largest shrunk to it, shows the same design on a
// transparent ground; the sizes of menus and panels are drawn on their pixel grid, since any
// half-transparent pixel there blurs their edge.
TEST(Icons, EverySizeShowsTheLargestOnesDesignAndTheSmallOnesHaveNoSoftEdge) {
    constexpr int crispSizes[] = {16, 24, 32};
    const auto onGrey = [](const QImage& icon) {
        QImage panel(icon.size(), QImage::Format_RGB32);
        panel.fill(QColor(128, 128, 128));
        QPainter(&panel).drawImage(0, 0, icon);
        return panel;
    };
    const QImage largest =
        loadBuiltPicture(std::string("icons/") + IconFiles[std::size(IconFiles) - 1]);
    for (std::size_t file = 0; file < std::size(IconFiles); ++file) {
        const int size = IconSizes[file];
        const QImage icon = loadBuiltPicture(std::string("icons/") + IconFiles[file]);
        ASSERT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel()) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
        const QImage shrunk =
            largest.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference = measureDifference(onGrey(icon), onGrey(shrunk));
        std::printf("the %d-pixel icon differs from the largest by %.2f of 255\n", size,
                    difference);
        EXPECT_LT(difference, 22.0) << size;
        if (std::find(std::begin(crispSizes), std::end(crispSizes), size) == std::end(crispSizes))
            continue;
        int soft = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                soft += qAlpha(icon.pixel(x, y)) % 255 != 0;
        EXPECT_EQ(soft, 0) << size;
    }
}

// The scalable icon is drawn by the same code as the largest picture, as shapes: rendered at that
// size it looks the same over a dark ground, but for the edges that shapes draw sharper.
TEST(Icons, TheScalableIconShowsTheSameGemAsTheLargestPicture) {
    QSvgRenderer svg(
        QString::fromStdString(builtAsset(std::string(IconsFolder) + "/" + ScalableIconFile)));
    ASSERT_TRUE(svg.isValid());
    const std::size_t largest = std::size(IconSizes) - 1;
    const int size = IconSizes[largest];
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, size, size));
    QImage drawn(size, size, QImage::Format_RGB32);
    QImage rendered(size, size, QImage::Format_RGB32);
    drawn.fill(QColor(33, 30, 50));
    rendered.fill(QColor(33, 30, 50));
    QPainter(&drawn).drawImage(0, 0, loadBuiltPicture(std::string("icons/") + IconFiles[largest]));
    QPainter painter(&rendered);
    svg.render(&painter);
    painter.end();
    const double difference = measureDifference(drawn, rendered);
    std::printf("the scalable icon differs from the %d-pixel one by %.2f of 255\n", size,
                difference);
    EXPECT_LT(difference, 1.5);
}

} // namespace glintrow::assets::testing
