// Faceted solids of the gems: an outline, rings of crown facets on both faces, and the tables.
#pragma once

#include "vec.h"

#include <vector>

namespace glintrow::assets {

// One ring of crown corners: the outline pulled in by `inset`, lifted to `height`, sampled at
// `count` evenly spread points that start `phase` of a step along the outline.
struct CrownRing {
    double inset;
    double height;
    int count;
    double phase;
};

// A gem's cut. The outline is a convex polygon, counter-clockwise with y up, fitting -1..1 with
// its bounding box centred on the origin; the back of the gem mirrors its front. A table with a
// dome rises to a point in its middle, which splits it into a star of shallow facets.
struct GemCut {
    std::vector<Vec2> outline;
    int girdleCount;
    double girdleHalfHeight;
    std::vector<CrownRing> crown;
    double dome = 0;
};

struct Facet {
    std::vector<int> corners; // counter-clockwise seen from outside the solid
    Vec3 normal;              // of unit length, pointing out of the solid
    int id;
    bool table;
};

struct GemSolid {
    std::vector<Vec3> vertices;
    std::vector<Facet> facets;
};

std::vector<Vec2> makeRegularPolygon(int corners, double firstAngle);
std::vector<Vec2> makeSuperellipse(double power, int samples);
std::vector<Vec2> makeMarquise(double halfWidth, int samplesPerSide);
std::vector<Vec2> makeChamferedRectangle(double halfWidth, double chamfer);
std::vector<Vec2> fitOutline(std::vector<Vec2> outline);
std::vector<Vec2> insetOutline(const std::vector<Vec2>& outline, double distance);
GemSolid buildSolid(const GemCut& cut);

} // namespace glintrow::assets
