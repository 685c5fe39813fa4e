// Draws each sound's envelope beside its loudness and true peak, and how far apart the sounds
// heard together lie, below the pictures of the contact sheet.
#include "sound_sheet.h"

#include "GameFacts.h"
#include "loudness.h"
#include "sheets.h"
#include "sounds.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>

namespace glintrow::assets {

namespace {

constexpr int Margin = 8;
constexpr int LineHeight = 18;
constexpr int RowHeight = 34;
constexpr int ColumnGap = 24;
constexpr int NameWidth = 90;
constexpr int EnvelopeWidth = 150;
// The envelopes share one time scale, long enough for the longest sound.
constexpr double EnvelopeSeconds = 1.5;
constexpr int SoundsPerColumn = (SoundEffectCount + 1) / 2;

// The sound's outline, one column of pixels for each slice of it, full scale at the edges.
void drawEnvelope(QPainter& painter, const Samples& samples, QRect box) {
    painter.fillRect(box, toQColor(BoardTone * 0.4));
    const auto slice = static_cast<std::size_t>(EnvelopeSeconds * SampleRate / box.width());
    for (int x = 0; x < box.width(); ++x) {
        const auto first = samples.begin() + std::min(samples.size(), x * slice);
        const auto last = samples.begin() + std::min(samples.size(), (x + 1) * slice);
        double peak = 0;
        for (auto s = first; s < last; ++s)
            peak = std::max(peak, std::abs(*s));
        const int reach = static_cast<int>(std::lround(peak * box.height() / 2));
        painter.fillRect(box.left() + x, box.center().y() - reach, 1, 2 * reach + 1,
                         QColor(255, 208, 100));
    }
}

QString describe(const Loudness& loudness) {
    return QString::asprintf("%.1f LUFS  %.1f dBTP", loudness.integrated, loudness.truePeak);
}

QString describeGroups(const std::map<int, Loudness>& measured) {
    QString line = QStringLiteral("Heard together, from quietest to loudest:");
    for (const SoundGroup& group : SoundsHeardTogether) {
        double quietest = 0;
        double loudest = -100;
        for (const SoundEffect effect : group.effects) {
            quietest = std::min(quietest, measured.at(effect).integrated);
            loudest = std::max(loudest, measured.at(effect).integrated);
        }
        line += QString::asprintf("   %s %.1f LU", group.name, loudest - quietest);
    }
    return line;
}

} // namespace

QImage addSoundPanel(const QImage& pictures) {
    const int top = pictures.height();
    const int height = 2 * LineHeight + SoundsPerColumn * RowHeight + LineHeight + 2 * Margin;
    QImage sheet(pictures.width(), top + height, QImage::Format_RGB888);
    sheet.fill(toQColor(BoardTone * 0.6));
    QPainter painter(&sheet);
    painter.drawImage(0, 0, pictures);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(230, 226, 240));
    painter.drawText(QRect(Margin, top, sheet.width() - 2 * Margin, LineHeight), Qt::AlignVCenter,
                     QStringLiteral("Sounds over 1.5 s: EBU R128 integrated loudness and true "
                                    "peak, sounds under 0.4 s measured repeated"));
    std::map<int, Loudness> measured;
    const int columnWidth = (sheet.width() - 2 * Margin - ColumnGap) / 2;
    for (int effect = 0; effect < SoundEffectCount; ++effect) {
        const Samples samples = makeSound(static_cast<SoundEffect>(effect));
        measured[effect] = measureLoudness(samples);
        const int x = Margin + (effect / SoundsPerColumn) * (columnWidth + ColumnGap);
        const int y = top + LineHeight + Margin + (effect % SoundsPerColumn) * RowHeight;
        painter.drawText(QRect(x, y, NameWidth, RowHeight - 6), Qt::AlignVCenter,
                         SoundFiles[effect]);
        drawEnvelope(painter, samples, QRect(x + NameWidth, y, EnvelopeWidth, RowHeight - 6));
        painter.drawText(QRect(x + NameWidth + EnvelopeWidth, y,
                               columnWidth - NameWidth - EnvelopeWidth, RowHeight - 6),
                         Qt::AlignVCenter | Qt::AlignRight, describe(measured[effect]));
    }
    painter.drawText(
        QRect(Margin, top + height - LineHeight - Margin, sheet.width() - 2 * Margin, LineHeight),
        Qt::AlignVCenter, describeGroups(measured));
    painter.end();
    return sheet;
}

} // namespace glintrow::assets
