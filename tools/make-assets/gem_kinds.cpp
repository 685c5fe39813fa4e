// Cuts and colours of the seven gems; each differs from the others in outline as well as hue.
#include "gem_kinds.h"

#include <array>
#include <numbers>

namespace glintrow::assets {

namespace {

constexpr double kPi = std::numbers::pi;

GemKind makeRedCushion() {
    return {{fitOutline(makeSuperellipse(4, 32)),
             16,
             0.07,
             {{0.13, 0.19, 16, 0.5}, {0.30, 0.33, 8, 0.25}, {0.44, 0.40, 8, 0.25}},
             0.05},
            {rgb255(74, 0, 20), rgb255(218, 16, 44), rgb255(255, 84, 84), rgb255(255, 226, 220)},
            0.07};
}

GemKind makeGreenHexagon() {
    return {{fitOutline(makeRegularPolygon(6, kPi / 2)),
             6,
             0.07,
             {{0.13, 0.18, 6, 0}, {0.27, 0.31, 6, 0}, {0.40, 0.40, 6, 0}}},
            {rgb255(0, 56, 26), rgb255(22, 182, 70), rgb255(100, 240, 110), rgb255(226, 255, 222)},
            0.05};
}

GemKind makeBlueRhombus() {
    return {{fitOutline(makeRegularPolygon(4, 0)),
             8,
             0.07,
             {{0.14, 0.20, 8, 0.5}, {0.34, 0.38, 4, 0.0}},
             0.08},
            {rgb255(6, 20, 96), rgb255(26, 100, 240), rgb255(100, 180, 255), rgb255(226, 242, 255)},
            0.07};
}

GemKind makeYellowEmeraldCut() {
    return {{fitOutline(makeChamferedRectangle(0.74, 0.26)),
             8,
             0.07,
             {{0.10, 0.17, 8, 0}, {0.21, 0.30, 8, 0}, {0.32, 0.40, 8, 0}}},
            {rgb255(96, 52, 0), rgb255(236, 190, 20), rgb255(255, 238, 110), rgb255(255, 252, 226)},
            0.05};
}

GemKind makeWhiteBrilliant() {
    return {
        {fitOutline(makeRegularPolygon(48, kPi / 2)),
         16,
         0.07,
         {{0.14, 0.19, 16, 0.5}, {0.30, 0.33, 8, 0.25}, {0.44, 0.40, 8, 0.25}},
         0.05},
        {rgb255(30, 40, 74), rgb255(150, 166, 198), rgb255(230, 238, 252), rgb255(255, 255, 255)},
        0.3};
}

GemKind makePurpleTriangle() {
    return {{fitOutline(makeRegularPolygon(3, kPi / 2)),
             6,
             0.07,
             {{0.14, 0.22, 3, 0.5}, {0.30, 0.40, 3, 0.0}}},
            {rgb255(46, 4, 84), rgb255(152, 44, 222), rgb255(206, 120, 255), rgb255(244, 226, 255)},
            0.07};
}

GemKind makeOrangeMarquise() {
    return {{fitOutline(makeMarquise(0.60, 16)),
             16,
             0.07,
             {{0.12, 0.22, 8, 0.5}, {0.30, 0.40, 8, 0.0}}},
            {rgb255(112, 30, 0), rgb255(246, 112, 10), rgb255(255, 178, 64), rgb255(255, 242, 214)},
            0.07};
}

} // namespace

const GemKind& gemKind(int kind) {
    static const std::array<GemKind, kGemKinds> kinds{
        makeRedCushion(),     makeGreenHexagon(),   makeBlueRhombus(),   makeYellowEmeraldCut(),
        makeWhiteBrilliant(), makePurpleTriangle(), makeOrangeMarquise()};
    return kinds.at(kind);
}

} // namespace glintrow::assets
