// Lights and draws a gem's facets back to front as shapes; pictures are painted at a high
// resolution and shrunk.
#include "gem_painter.h"

#include "gem_kinds.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace glintrow::assets {

namespace {

// The light comes from the upper left, in front of the gem; the viewer looks along -z.
const Vec3 Light = normalized({-0.3, 0.8, 0.5});
const Vec3 Halfway = normalized(Light + Vec3{0, 0, 1});
// Light that crossed the gem leaves it through the lower right of the back facets.
const Vec3 ThroughLight = normalized({0.45, -0.55, -0.70});

struct Scene {
    const GemKind& kind;
    GemSolid solid;
    std::vector<QPointF> points;
    std::vector<Vec3> normals;
    QPolygonF hull;
    QPainterPath outline; // the hull as a path, which every shape stays inside
    double pixelsPerUnit;
    double side;
};

int chooseSupersampling(int size) {
    return std::clamp(2048 / size, 2, 8);
}

// A fixed pseudo-random offset per facet, so neighbouring facets never shade exactly alike.
double computeFacetJitter(int id) {
    std::uint32_t h = static_cast<std::uint32_t>(id) * 2654435761u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return (h % 1001) / 500.0 - 1;
}

Rgb pickShade(const GemPalette& palette, double level) {
    const double t = std::clamp(level, 0.0, 1.1);
    if (t < 0.45)
        return mix(palette.deep, palette.body, t / 0.45);
    if (t < 0.8)
        return mix(palette.body, palette.lit, (t - 0.45) / 0.35);
    return mix(palette.lit, palette.glare, (t - 0.8) / 0.3);
}

double computeSurfaceLevel(Vec3 normal, int id, double fire) {
    const double diffuse = std::max(0.0, dot(normal, Light));
    const double flash = std::pow(std::max(0.0, dot(normal, Halfway)), 40);
    return 0.06 + 0.95 * diffuse + fire * computeFacetJitter(id) + 0.5 * flash;
}

double computeInteriorLevel(Vec3 normal, int id, double fire) {
    const double through = std::max(0.0, dot(normal, ThroughLight));
    return 0.08 + through + 1.5 * fire * computeFacetJitter(id + 97);
}

QPolygonF computeHull(std::vector<QPointF> points) {
    std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    const auto turnsLeft = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x()) > 0;
    };
    std::vector<QPointF> hull(2 * points.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && !turnsLeft(hull[k - 2], hull[k - 1], points[i]))
            --k;
        hull[k++] = points[i];
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && !turnsLeft(hull[k - 2], hull[k - 1], points[i]))
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

Scene buildScene(int kind, double turn, double side) {
    Scene scene{gemKind(kind), buildSolid(gemKind(kind).cut), {}, {}, {}, {}, 0, side};
    const double centre = side / 2;
    scene.pixelsPerUnit = centre * GemFill;
    for (const Vec3& v : scene.solid.vertices) {
        const Vec3 p = turnAboutVertical(v, turn);
        scene.points.emplace_back(centre + p.x * scene.pixelsPerUnit,
                                  centre - p.y * scene.pixelsPerUnit);
    }
    for (const Facet& facet : scene.solid.facets)
        scene.normals.push_back(turnAboutVertical(facet.normal, turn));
    scene.hull = computeHull(scene.points);
    scene.outline.addPolygon(scene.hull);
    scene.outline.closeSubpath();
    return scene;
}

QPolygonF outlineFacet(const Scene& scene, const Facet& facet) {
    QPolygonF polygon;
    for (int corner : facet.corners)
        polygon << scene.points[corner];
    return polygon;
}

void paintInterior(QPainter& painter, const Scene& scene) {
    for (const Facet& facet : scene.solid.facets) {
        const Vec3 normal = scene.normals[facet.id];
        if (normal.z >= 0)
            continue;
        const Rgb shade =
            pickShade(scene.kind.palette, computeInteriorLevel(normal, facet.id, scene.kind.fire));
        painter.setBrush(toQColor(shade));
        painter.drawPolygon(outlineFacet(scene, facet));
    }
    const QRectF box = scene.hull.boundingRect();
    const QPointF exit = box.center() + QPointF(box.width() * 0.18, box.height() * 0.22);
    QRadialGradient glow(exit, std::max(box.width(), box.height()) * 0.45);
    glow.setColorAt(0, toQColor(scene.kind.palette.body, 0.6));
    glow.setColorAt(1, toQColor(scene.kind.palette.body, 0));
    painter.setBrush(glow);
    painter.drawPolygon(scene.hull);
}

// Front facets are partly see-through, so the lit back facets show through them as in glass.
void paintSurface(QPainter& painter, const Scene& scene) {
    const QRectF box = scene.hull.boundingRect();
    for (const Facet& facet : scene.solid.facets) {
        const Vec3 normal = scene.normals[facet.id];
        if (normal.z <= 0)
            continue;
        const double level = computeSurfaceLevel(normal, facet.id, scene.kind.fire);
        const double opacity = facet.table ? 0.35 : 0.7;
        const double spread = facet.table ? 0.25 : 0.1;
        QLinearGradient sheen(box.topLeft(), box.bottomRight());
        sheen.setColorAt(0, toQColor(pickShade(scene.kind.palette, level + spread), opacity));
        sheen.setColorAt(1, toQColor(pickShade(scene.kind.palette, level - spread), opacity));
        painter.setBrush(sheen);
        painter.drawPolygon(outlineFacet(scene, facet));
    }
}

// The inner half of a stroke along the outline.
void paintRim(QPainter& painter, const Scene& scene) {
    QPainterPathStroker stroker;
    stroker.setWidth(0.075 * scene.side);
    painter.setBrush(toQColor(scene.kind.palette.deep, 0.55));
    painter.drawPath(stroker.createStroke(scene.outline).intersected(scene.outline));
}

Vec2 findUpperLeftOfOutline(const std::vector<Vec2>& outline) {
    const Vec2 direction = normalized(Vec2{-1, 1});
    return *std::max_element(outline.begin(), outline.end(), [direction](Vec2 a, Vec2 b) {
        return dot(normalized(a), direction) < dot(normalized(b), direction);
    });
}

void paintStar(QPainter& painter, const Scene& scene, QPointF centre, double reach,
               double strength) {
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * std::numbers::pi / 4;
        const double r = i % 2 == 0 ? reach : reach * 0.1;
        const QPointF p = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        i == 0 ? star.moveTo(p) : star.lineTo(p);
    }
    star.closeSubpath();
    QRadialGradient glow(centre, reach);
    glow.setColorAt(0, QColor(255, 255, 255, static_cast<int>(255 * strength)));
    glow.setColorAt(0.25, QColor(255, 255, 255, static_cast<int>(180 * strength)));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(glow);
    painter.drawPath(star.intersected(scene.outline));
    QPainterPath spot;
    spot.addEllipse(centre, reach * 0.16, reach * 0.16);
    painter.drawPath(spot.intersected(scene.outline));
}

// The glint sits on the upper left of the crown and rides along as the gem turns; its mirror
// image on the back takes over in the second half of the turn, so the loop closes smoothly.
void paintGlint(QPainter& painter, const Scene& scene, double turn) {
    const Vec2 corner = findUpperLeftOfOutline(scene.kind.cut.outline) * 0.55;
    const double height = scene.kind.cut.crown.back().height * 0.8;
    const Vec3 normal = normalized({-0.35, 0.45, 0.82});
    const double centre = scene.side / 2;
    for (double side : {1.0, -1.0}) {
        const Vec3 facing = turnAboutVertical({normal.x * side, normal.y, normal.z * side}, turn);
        const double strength = std::pow(std::max(0.0, dot(facing, Halfway)), 6);
        if (facing.z <= 0 || strength < 0.02)
            continue;
        const Vec3 at = turnAboutVertical({corner.x * side, corner.y, height * side}, turn);
        const QPointF point(centre + at.x * scene.pixelsPerUnit,
                            centre - at.y * scene.pixelsPerUnit);
        paintStar(painter, scene, point, 0.3 * scene.side * std::sqrt(strength), strength);
    }
}

} // namespace

void drawGem(QPainter& painter, int kind, double turn, double side) {
    const Scene scene = buildScene(kind, turn, side);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(scene.kind.palette.deep));
    painter.drawPolygon(scene.hull);
    paintInterior(painter, scene);
    paintSurface(painter, scene);
    paintRim(painter, scene);
    paintGlint(painter, scene, turn);
    painter.restore();
}

QImage paintGem(int kind, double turn, int size) {
    const int factor = chooseSupersampling(size);
    QImage big(size * factor, size * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter painter(&big);
    drawGem(painter, kind, turn, size * factor);
    painter.end();
    return shrinkBoxes(big, factor);
}

QImage shrinkBoxes(const QImage& big, int factor) {
    const QImage source = big.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage small(source.width() / factor, source.height() / factor,
                 QImage::Format_ARGB32_Premultiplied);
    const int area = factor * factor;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < factor; ++dy) {
                const auto* row =
                    reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb p = row[x * factor + dx];
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                    sum[3] += qAlpha(p);
                }
            }
            const auto average = [area](int s) { return (s + area / 2) / area; };
            small.setPixel(
                x, y, qRgba(average(sum[0]), average(sum[1]), average(sum[2]), average(sum[3])));
        }
    }
    return small;
}

} // namespace glintrow::assets
