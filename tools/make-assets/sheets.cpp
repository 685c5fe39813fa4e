// Lays out the gem frames, board cells, cursor frames and icons into the pictures the game loads.
#include "sheets.h"

#include "gem_kinds.h"
#include "gem_painter.h"
#include "pixel_gem.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace glintrow::assets {

namespace {

// Pixels covered less than this are left to the colour key: blending such faint coverage toward
// the board tone would only grow a dull fringe.
constexpr int KeyAlpha = 77;

QPointF mirrorIntoCorner(QPointF p, QPointF corner) {
    const double middle = CellSize / 2.0;
    return {middle + corner.x() * (p.x() - middle), middle + corner.y() * (p.y() - middle)};
}

// Four L-shaped brackets hugging the cell's corners, outside the square the gem fills.
QPainterPath traceBrackets(double margin, double arm) {
    QPainterPath arms;
    for (const QPointF corner : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)}) {
        arms.moveTo(mirrorIntoCorner({margin, margin + arm}, corner));
        arms.lineTo(mirrorIntoCorner({margin, margin}, corner));
        arms.lineTo(mirrorIntoCorner({margin + arm, margin}, corner));
    }
    return arms;
}

// The cursor breathes: its arms reach further and its halo swells, then both settle back.
QImage paintCursor(int frame, int scale) {
    constexpr int factor = 8;
    constexpr double margin = 3.2;
    const double pulse = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * frame / TargetFrames);
    const int side = CellSize * scale * factor;
    QImage big(side, side, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(factor * scale, factor * scale);
    const QPainterPath arms = traceBrackets(margin, 11 + 4 * pulse);
    const auto stroke = [&painter, &arms](QColor colour, double width) {
        painter.strokePath(arms, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    };
    stroke(QColor(255, 150, 40, static_cast<int>(120 + 80 * pulse)), 5.2 + 1.2 * pulse);
    stroke(QColor(255, 208, 100), 2.6);
    stroke(QColor(255, 250, 225, static_cast<int>(150 + 105 * pulse)), 1.1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, static_cast<int>(90 + 165 * pulse)));
    for (const QPointF corner : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)})
        painter.drawEllipse(mirrorIntoCorner({margin, margin}, corner), 1.3, 1.3);
    painter.end();
    return shrinkBoxes(big, factor);
}

// A fixed-seed hash, so the board's faint grain is the same on every run.
int computeGrain(int x, int y) {
    std::uint32_t h =
        static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<int>(h % 3) - 1;
}

void paintBoardCell(QPainter& painter, int column, int row) {
    const Rgb base = (column + row) % 2 == 0 ? LightCellTone : DarkCellTone;
    const QRectF cell(column * CellSize, row * CellSize, CellSize, CellSize);
    QRadialGradient glow(cell.center(), CellSize * 0.75);
    glow.setColorAt(0, toQColor(base + rgb255(4, 4, 6)));
    glow.setColorAt(1, toQColor(base));
    painter.fillRect(cell, glow);
    painter.fillRect(QRectF(cell.left(), cell.top(), CellSize, 1),
                     toQColor(base + rgb255(9, 9, 12)));
    painter.fillRect(QRectF(cell.left(), cell.top(), 1, CellSize),
                     toQColor(base + rgb255(6, 6, 8)));
    painter.fillRect(QRectF(cell.left(), cell.bottom() - 1, CellSize, 1), toQColor(base * 0.78));
    painter.fillRect(QRectF(cell.right() - 1, cell.top(), 1, CellSize), toQColor(base * 0.84));
}

void addGrain(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int g = computeGrain(x, y);
            image.setPixel(x, y, qRgb(qRed(p) + g, qGreen(p) + g, qBlue(p) + g));
        }
    }
}

void drawKeyed(QImage& target, const QImage& keyed, QPoint at) {
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x) {
            const QRgb p = keyed.pixel(x, y);
            if ((p & 0xffffff) != 0)
                target.setPixel(at.x() + x, at.y() + y, p);
        }
    }
}

// The icon shows the red gem: its bold colour and square outline read at any size.
constexpr int IconKind = 0;
// Up to this size the icon's gem is drawn on the pixel grid: shrunk from the full drawing, its
// facets melt together and its edge blurs into the panel.
constexpr int LargestPixelIcon = 32;

// The icons that fit in a cell, smallest first, spread evenly over `room` pixels of a row of
// cells.
void drawSmallIcons(QImage& sheet, QPoint at, int room) {
    std::vector<QImage> icons;
    int width = 0;
    for (int size : IconSizes) {
        if (size <= CellSize) {
            icons.push_back(makeIcon(size));
            width += size;
        }
    }
    const int gap = (room - width) / static_cast<int>(icons.size() + 1);
    int x = at.x() + gap;
    QPainter painter(&sheet);
    for (const QImage& icon : icons) {
        painter.drawImage(QPoint(x, at.y() + (CellSize - icon.height()) / 2), icon);
        x += icon.width() + gap;
    }
}

} // namespace

QImage keyOntoBoardTone(const QImage& soft) {
    QImage keyed(soft.size(), QImage::Format_RGB888);
    const QImage source = soft.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb p = source.pixel(x, y);
            const int alpha = qAlpha(p);
            if (alpha < KeyAlpha) {
                keyed.setPixel(x, y, qRgb(0, 0, 0));
                continue;
            }
            const double uncovered = 1 - alpha / 255.0;
            const auto blend = [uncovered](int premultiplied, double tone) {
                return std::max(
                    1, static_cast<int>(std::lround(premultiplied + uncovered * tone * 255)));
            };
            keyed.setPixel(x, y,
                           qRgb(blend(qRed(p), BoardTone.r), blend(qGreen(p), BoardTone.g),
                                blend(qBlue(p), BoardTone.b)));
        }
    }
    return keyed;
}

QImage makeGemSheet(int scale) {
    const int cell = CellSize * scale;
    QImage sheet(cell * SpinFrames, cell * GemKinds, QImage::Format_RGB888);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    for (int kind = 0; kind < GemKinds; ++kind) {
        for (int frame = 0; frame < SpinFrames; ++frame) {
            const QImage soft = paintGem(kind, frame * std::numbers::pi / SpinFrames, cell);
            painter.drawImage(QPoint(frame * cell, kind * cell), keyOntoBoardTone(soft));
        }
    }
    return sheet;
}

QImage makeBoard(int scale) {
    const int side = CellSize * BoardSize * scale;
    QImage board(side, side, QImage::Format_RGB888);
    QPainter painter(&board);
    painter.scale(scale, scale);
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            paintBoardCell(painter, column, row);
    painter.end();
    addGrain(board);
    return board;
}

QImage makeTarget(int scale) {
    const int cell = CellSize * scale;
    QImage target(cell * TargetFrames, cell, QImage::Format_RGB888);
    QPainter painter(&target);
    for (int frame = 0; frame < TargetFrames; ++frame)
        painter.drawImage(QPoint(frame * cell, 0), keyOntoBoardTone(paintCursor(frame, scale)));
    return target;
}

QImage makeIcon(int size) {
    if (size <= LargestPixelIcon)
        return paintPixelGem(IconKind, size);
    return paintGem(IconKind, 0, size).convertToFormat(QImage::Format_ARGB32);
}

QByteArray makeScalableIcon() {
    const int size = IconSizes[std::size(IconSizes) - 1];
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize({size, size});
    generator.setViewBox(QRect(0, 0, size, size));
    generator.setTitle(AppTitle);
    QPainter painter(&generator);
    // Nothing is written in it, but every group states a font: a valid one.
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(16);
    painter.setFont(font);
    drawGem(painter, IconKind, 0, size);
    painter.end();
    return svg.data();
}

QImage makeContactSheet() {
    constexpr int margin = 8;
    const QImage board = makeBoard();
    const QImage gems = makeGemSheet();
    const QImage cursor = makeTarget();
    QImage sheet(CellSize * SpinFrames + 2 * margin, CellSize * (GemKinds + 1) + 2 * margin,
                 QImage::Format_RGB888);
    sheet.fill(toQColor(BoardTone * 0.6));
    QPainter painter(&sheet);
    for (int row = 0; row <= GemKinds; ++row) {
        for (int column = 0; column < SpinFrames; ++column) {
            const QRect cell((column % 2) * CellSize, (row % 2) * CellSize, CellSize, CellSize);
            painter.drawImage(QPoint(margin + column * CellSize, margin + row * CellSize), board,
                              cell);
        }
    }
    painter.end();
    for (int kind = 0; kind < GemKinds; ++kind) {
        for (int frame = 0; frame < SpinFrames; ++frame) {
            const QImage cell = gems.copy(frame * CellSize, kind * CellSize, CellSize, CellSize);
            drawKeyed(sheet, cell, {margin + frame * CellSize, margin + kind * CellSize});
        }
    }
    const int cursorRow = margin + GemKinds * CellSize;
    for (int frame = 0; frame < TargetFrames; ++frame) {
        const QImage mark = cursor.copy(frame * CellSize, 0, CellSize, CellSize);
        const QImage gem = gems.copy(0, frame * CellSize, CellSize, CellSize);
        drawKeyed(sheet, mark, {margin + frame * CellSize, cursorRow});
        drawKeyed(sheet, gem, {margin + (frame + TargetFrames) * CellSize, cursorRow});
        drawKeyed(sheet, mark, {margin + (frame + TargetFrames) * CellSize, cursorRow});
    }
    drawSmallIcons(sheet, {margin + 2 * TargetFrames * CellSize, cursorRow},
                   (SpinFrames - 2 * TargetFrames) * CellSize);
    return sheet;
}

} // namespace glintrow::assets
