// Builds the gems' faceted solids from their outlines and crown rings.
#include "gem_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace glintrow::assets {

namespace {

struct Ring {
    std::vector<int> vertices;
    std::vector<double> positions; // where each corner sits along the outline, 0..1
};

Vec2 sampleOutline(const std::vector<Vec2>& outline, double position) {
    const double along = position * static_cast<double>(outline.size());
    const auto edge = static_cast<std::size_t>(std::floor(along)) % outline.size();
    return lerp(outline[edge], outline[(edge + 1) % outline.size()], along - std::floor(along));
}

Ring addRing(GemSolid& solid, const std::vector<Vec2>& outline, const CrownRing& shape,
             double side) {
    const std::vector<Vec2> pulledIn = insetOutline(outline, shape.inset);
    Ring ring;
    for (int i = 0; i < shape.count; ++i) {
        const double position = (i + shape.phase) / shape.count;
        const Vec2 p = sampleOutline(pulledIn, position);
        ring.vertices.push_back(static_cast<int>(solid.vertices.size()));
        ring.positions.push_back(position);
        solid.vertices.push_back({p.x, p.y, shape.height * side});
    }
    return ring;
}

Vec3 computeNormal(const GemSolid& solid, const std::vector<int>& corners) {
    Vec3 sum;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Vec3 a = solid.vertices[corners[i]];
        const Vec3 b = solid.vertices[corners[(i + 1) % corners.size()]];
        sum = sum +
              Vec3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
    }
    return sum;
}

Vec3 computeCentroid(const GemSolid& solid, const std::vector<int>& corners) {
    Vec3 sum;
    for (int corner : corners)
        sum = sum + solid.vertices[corner];
    return sum * (1.0 / static_cast<double>(corners.size()));
}

// The solid surrounds the origin and is convex, so a facet faces outwards exactly when its
// normal points away from the origin.
void addFacet(GemSolid& solid, std::vector<int> corners, bool table) {
    Vec3 normal = normalized(computeNormal(solid, corners));
    if (dot(normal, computeCentroid(solid, corners)) < 0) {
        std::reverse(corners.begin(), corners.end());
        normal = normal * -1;
    }
    solid.facets.push_back(
        {std::move(corners), normal, static_cast<int>(solid.facets.size()), table});
}

// Joins two rings by walking both along the outline together, so rings of any corner counts and
// phases close into triangles, or quads where their corners line up.
void stitchRings(GemSolid& solid, const Ring& lower, const Ring& upper) {
    const std::size_t lowerCount = lower.vertices.size();
    const std::size_t upperCount = upper.vertices.size();
    const auto positionOf = [](const Ring& ring, std::size_t k) {
        const std::size_t count = ring.positions.size();
        return ring.positions[k % count] + static_cast<double>(k / count);
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < lowerCount || j < upperCount) {
        const double gap = positionOf(lower, i + 1) - positionOf(upper, j + 1);
        const bool advanceLower = j == upperCount || (i < lowerCount && gap < 1e-9);
        const bool advanceUpper = i == lowerCount || (j < upperCount && gap > -1e-9);
        std::vector<int> corners{lower.vertices[i % lowerCount]};
        if (advanceLower)
            corners.push_back(lower.vertices[++i % lowerCount]);
        if (advanceUpper)
            corners.push_back(upper.vertices[++j % upperCount]);
        corners.push_back(upper.vertices[(advanceUpper ? j - 1 : j) % upperCount]);
        addFacet(solid, std::move(corners), false);
    }
}

void addCrown(GemSolid& solid, const GemCut& cut, const Ring& girdle, double side) {
    Ring below = girdle;
    for (const CrownRing& shape : cut.crown) {
        Ring ring = addRing(solid, cut.outline, shape, side);
        stitchRings(solid, below, ring);
        below = std::move(ring);
    }
    if (cut.dome <= 0) {
        addFacet(solid, below.vertices, true);
        return;
    }
    const Vec3 middle = computeCentroid(solid, below.vertices);
    const int apex = static_cast<int>(solid.vertices.size());
    solid.vertices.push_back({middle.x, middle.y, middle.z + cut.dome * side});
    for (std::size_t i = 0; i < below.vertices.size(); ++i) {
        const int next = below.vertices[(i + 1) % below.vertices.size()];
        addFacet(solid, {below.vertices[i], next, apex}, true);
    }
}

} // namespace

std::vector<Vec2> makeRegularPolygon(int corners, double firstAngle) {
    std::vector<Vec2> outline;
    for (int i = 0; i < corners; ++i) {
        const double angle = firstAngle + 2 * std::numbers::pi * i / corners;
        outline.push_back({std::cos(angle), std::sin(angle)});
    }
    return outline;
}

std::vector<Vec2> makeSuperellipse(double power, int samples) {
    std::vector<Vec2> outline;
    for (const Vec2 p : makeRegularPolygon(samples, 0)) {
        const auto bend = [power](double v) {
            return std::copysign(std::pow(std::abs(v), 2 / power), v);
        };
        outline.push_back({bend(p.x), bend(p.y)});
    }
    return outline;
}

// Two circular arcs meeting in points at the top and bottom.
std::vector<Vec2> makeMarquise(double halfWidth, int samplesPerSide) {
    const double centre = (halfWidth * halfWidth - 1) / (2 * halfWidth);
    const double radius = halfWidth - centre;
    const double reach = std::asin(1 / radius);
    std::vector<Vec2> outline;
    for (int side = 0; side < 2; ++side) {
        const double mirror = side == 0 ? 1 : -1;
        for (int i = 0; i < samplesPerSide; ++i) {
            const double angle = -reach + 2 * reach * i / samplesPerSide;
            outline.push_back(
                {mirror * (centre + radius * std::cos(angle)), mirror * radius * std::sin(angle)});
        }
    }
    return outline;
}

std::vector<Vec2> makeChamferedRectangle(double halfWidth, double chamfer) {
    const double w = halfWidth;
    const double c = chamfer;
    return {{w, -1 + c}, {w, 1 - c},   {w - c, 1},   {-w + c, 1},
            {-w, 1 - c}, {-w, -1 + c}, {-w + c, -1}, {w - c, -1}};
}

std::vector<Vec2> fitOutline(std::vector<Vec2> outline) {
    Vec2 low = outline.front();
    Vec2 high = outline.front();
    for (const Vec2 p : outline) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    const Vec2 centre = (low + high) * 0.5;
    const double scale = 2 / std::max(high.x - low.x, high.y - low.y);
    for (Vec2& p : outline)
        p = (p - centre) * scale;
    return outline;
}

// Moves every edge inwards by the same distance, so the bands of a step cut keep an even width
// along long and short sides alike.
std::vector<Vec2> insetOutline(const std::vector<Vec2>& outline, double distance) {
    const std::size_t n = outline.size();
    std::vector<Vec2> inward(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 along = normalized(outline[(i + 1) % n] - outline[i]);
        inward[i] = {-along.y, along.x};
    }
    std::vector<Vec2> result(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 before = inward[(i + n - 1) % n];
        const Vec2 after = inward[i];
        result[i] = outline[i] + (before + after) * (distance / (1 + dot(before, after)));
    }
    return result;
}

GemSolid buildSolid(const GemCut& cut) {
    GemSolid solid;
    const CrownRing girdleShape{0, cut.girdleHalfHeight, cut.girdleCount, 0};
    const Ring front = addRing(solid, cut.outline, girdleShape, 1);
    const Ring back = addRing(solid, cut.outline, girdleShape, -1);
    stitchRings(solid, front, back);
    addCrown(solid, cut, front, 1);
    addCrown(solid, cut, back, -1);
    return solid;
}

} // namespace glintrow::assets
