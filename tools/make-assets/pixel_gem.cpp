// Draws the small icons' gem pixel by pixel: a few flat facets coloured from the full drawing.
#include "pixel_gem.h"

#include "gem_kinds.h"
#include "gem_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace glintrow::assets {

namespace {

// The full gem is drawn this many times larger to learn the colour each flat facet shows.
constexpr int Detail = 16;
// How far each facet's colour is pushed from the gem's mean colour: with so few pixels, facets
// only read as facets when their tones stand clearly apart.
constexpr double Contrast = 1.5;
// How far the outline darkens the colour under it, so the gem keeps its edge on dark and light
// panels alike.
constexpr double OutlineShade = 0.55;

// What a pixel shows. The crown's bands and the table's triangles each come in four, by the side
// of the gem they face: top, left, bottom, right.
constexpr int Outside = -1;
constexpr int Outline = 0;
constexpr int FirstBand = 1;
constexpr int FirstTriangle = FirstBand + 4;
constexpr int PartCount = FirstTriangle + 4;

bool containsPoint(const std::vector<Vec2>& convex, Vec2 p) {
    for (std::size_t i = 0; i < convex.size(); ++i) {
        const Vec2 a = convex[i];
        const Vec2 b = convex[(i + 1) % convex.size()];
        if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) < 0)
            return false;
    }
    return true;
}

// The table's facets as seen from the front, each counter-clockwise with y up.
std::vector<std::vector<Vec2>> outlineTable(const GemSolid& solid) {
    std::vector<std::vector<Vec2>> table;
    for (const Facet& facet : solid.facets) {
        if (!facet.table || facet.normal.z <= 0)
            continue;
        std::vector<Vec2>& corners = table.emplace_back();
        for (int corner : facet.corners)
            corners.push_back({solid.vertices[corner].x, solid.vertices[corner].y});
    }
    return table;
}

// Which side of the gem a point faces, y up; points on a diagonal go with the top or bottom, so
// the diagonals stay unbroken staircases.
int findSide(Vec2 p) {
    if (std::abs(p.y) >= std::abs(p.x))
        return p.y > 0 ? 0 : 2;
    return p.x < 0 ? 1 : 3;
}

// Each pixel's part, judged at the pixel's centre, so every edge falls between whole pixels.
std::vector<int> mapParts(const GemCut& cut, int size) {
    const std::vector<std::vector<Vec2>> table = outlineTable(buildSolid(cut));
    const auto onTable = [&table](Vec2 p) {
        return std::any_of(table.begin(), table.end(),
                           [p](const std::vector<Vec2>& facet) { return containsPoint(facet, p); });
    };
    const double half = size / 2.0;
    std::vector<int> parts(static_cast<std::size_t>(size * size), Outside);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Vec2 p{(x + 0.5 - half) / (half * GemFill), (half - y - 0.5) / (half * GemFill)};
            if (containsPoint(cut.outline, p))
                parts[y * size + x] = (onTable(p) ? FirstTriangle : FirstBand) + findSide(p);
        }
    }
    const auto outside = [&parts, size](int x, int y) {
        return x < 0 || y < 0 || x >= size || y >= size || parts[y * size + x] == Outside;
    };
    std::vector<int> outlined = parts;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (!outside(x, y) &&
                (outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1)))
                outlined[y * size + x] = Outline;
    return outlined;
}

// Sums premultiplied pixels, so the half-covered pixels along the edge count for what they show.
struct Tally {
    Rgb premultiplied;
    double alpha = 0;

    void add(QRgb p) {
        premultiplied = premultiplied + rgb255(qRed(p), qGreen(p), qBlue(p));
        alpha += qAlpha(p) / 255.0;
    }
    Rgb average() const { return premultiplied * (1 / std::max(alpha, 1e-9)); }
};

// The mean colour the full gem shows over each part's pixels, and over the whole gem at the end.
std::array<Rgb, PartCount + 1> sampleColours(const std::vector<int>& parts, const QImage& full,
                                             int size) {
    std::array<Tally, PartCount + 1> tallies{};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int part = parts[y * size + x];
            if (part == Outside)
                continue;
            for (int dy = 0; dy < Detail; ++dy) {
                for (int dx = 0; dx < Detail; ++dx) {
                    const QRgb p = full.pixel(x * Detail + dx, y * Detail + dy);
                    tallies[part].add(p);
                    tallies[PartCount].add(p);
                }
            }
        }
    }
    std::array<Rgb, PartCount + 1> colours;
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = tallies[i].average();
    return colours;
}

// The brightest pixel of the full gem, in the small picture's pixels: the middle of the glint.
QPoint findGlint(const QImage& full) {
    QPoint brightest;
    int most = -1;
    for (int y = 0; y < full.height(); ++y) {
        for (int x = 0; x < full.width(); ++x) {
            const QRgb p = full.pixel(x, y);
            const int brightness = qRed(p) + qGreen(p) + qBlue(p);
            if (brightness > most) {
                most = brightness;
                brightest = {x / Detail, y / Detail};
            }
        }
    }
    return brightest;
}

// A cross of glare whose arms fade over a tenth of the picture's side, at least one pixel.
void paintGlint(QImage& picture, const std::vector<int>& parts, QPoint centre, Rgb glare) {
    const int size = picture.width();
    const int reach = std::max(1, size / 10);
    const auto brighten = [&](QPoint at, double strength) {
        if (at.x() < 0 || at.y() < 0 || at.x() >= size || at.y() >= size ||
            parts[at.y() * size + at.x()] <= Outline)
            return;
        const QColor under = picture.pixelColor(at);
        const Rgb mixed = mix(rgb255(under.red(), under.green(), under.blue()), glare, strength);
        picture.setPixelColor(at, toQColor(mixed));
    };
    brighten(centre, 1);
    for (int step = 1; step <= reach; ++step) {
        const double strength = 0.85 * (reach + 1 - step) / reach;
        for (const QPoint arm : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            brighten(centre + arm * step, strength);
    }
}

} // namespace

QImage paintPixelGem(int kind, int size) {
    const GemKind& gem = gemKind(kind);
    const std::vector<int> parts = mapParts(gem.cut, size);
    const QImage full =
        paintGem(kind, 0, size * Detail).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::array<Rgb, PartCount + 1> sampled = sampleColours(parts, full, size);
    const Rgb mean = sampled[PartCount];
    std::array<QColor, PartCount> colours;
    colours[Outline] = toQColor(sampled[Outline] * OutlineShade);
    for (int part = FirstBand; part < PartCount; ++part)
        colours[part] = toQColor(mean + (sampled[part] - mean) * Contrast);
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (const int part = parts[y * size + x]; part != Outside)
                picture.setPixelColor(x, y, colours[part]);
    paintGlint(picture, parts, findGlint(full), gem.palette.glare);
    return picture;
}

} // namespace glintrow::assets
